// A test double of the platform services: a tree of files and folders held
// in memory (paths compared as Windows compares them, ignoring ASCII case),
// and a record of what the program asked the system to do.
//
// What the program reads and writes itself (project files, the history)
// must be real: such files go below Root(), a scratch folder. A file there
// exists for the fake as soon as it exists on disk, and on Windows the
// folders the fake makes below Root() are made on disk too. (On Linux a
// backslash is an ordinary character: the files then lie flat in the
// scratch folder, named by their whole path below it.)
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/platform.h"
#include "tests/support/test_support.h"

namespace orvent {

class FakePlatform : public Platform {
 public:
  FakePlatform();

  // The scratch folder as the program spells folders: ending in a backslash.
  const std::string& Root() const { return root_; }
  // A file of the fake only; its folder need not exist.
  void AddFile(const std::string& path, unsigned attributes = kAttrArchive);
  // The folder and every level above it.
  void AddFolder(const std::string& path);
  // Making the folder gives `result` instead.
  void FailMakeFolder(const std::string& path, MakeFolderResult result) {
    unmakeable_[Key(path)] = result;
  }
  void SetSpecialFolder(SpecialFolder folder, const std::string& path) {
    specialFolders_[static_cast<int>(folder)] = path;
  }

  std::map<std::string, std::string> shortPaths;
  bool startProcessResult = true;
  bool shellOpenResult = true;
  std::vector<unsigned char> versionResource;
  std::map<std::string, std::vector<unsigned char>> versionValues;
  // What happened.
  std::vector<ProcessRequest> started;
  std::vector<std::string> shellOpened;
  std::vector<std::string> madeFolders;
  std::string currentFolder = "C:\\";
  int sleptMilliseconds = 0;

  bool Exists(const std::string& path) override;
  bool FolderExists(const std::string& path) override;
  MakeFolderResult MakeFolder(const std::string& path) override;
  bool FindEntries(const std::string& pattern, std::vector<DirEntry>* entries) override;
  std::string CurrentFolder() override { return currentFolder; }
  bool SetCurrentFolder(const std::string& path) override;
  std::string ModuleFileName() override { return "C:\\Tools\\ORVENTLancher.exe"; }
  std::string GetSpecialFolder(SpecialFolder folder) override {
    return specialFolders_[static_cast<int>(folder)];
  }
  bool ShortPathName(const std::string& path, std::string* shortPath) override;
  bool StartProcess(const ProcessRequest& request) override;
  bool ShellOpen(const std::string& path) override;
  bool ReadVersionResource(std::vector<unsigned char>* bytes) override;
  bool QueryVersionValue(const std::string& subBlock, std::vector<unsigned char>* value) override;
  MutexResult CreateNamedMutex(const std::string&) override { return MutexResult::kCreated; }
  void Sleep(int milliseconds) override { sleptMilliseconds += milliseconds; }

 private:
  static std::string Key(const std::string& path);
  bool IsFolder(const std::string& path) const;

  test::ScratchFolder scratch_;
  std::string root_;
  std::map<std::string, std::pair<std::string, unsigned>> entries_;  // key -> path, attributes
  std::map<std::string, MakeFolderResult> unmakeable_;
  std::map<int, std::string> specialFolders_;
};

}  // namespace orvent
