// A test double of the platform services: an in-memory tree of files and
// folders (paths compared as Windows compares them, ignoring ASCII case), and
// a record of what the program asked the system to do.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/platform.h"

namespace orvent {

class FakePlatform : public Platform {
 public:
  FakePlatform();

  // Set-up.
  void AddFile(const std::string& path, unsigned attributes = kAttrArchive);
  void AddFolder(const std::string& path);
  void Remove(const std::string& path);
  // Creating the folder gives `result` instead of making it.
  void FailMakeFolder(const std::string& path,
                      MakeFolderResult result = MakeFolderResult::kFailed) {
    unmakeable_.emplace_back(path, result);
  }
  void SetModuleFileName(const std::string& path) { moduleFileName_ = path; }
  void SetSpecialFolder(SpecialFolder folder, const std::string& path) {
    specialFolders_[static_cast<int>(folder)] = path;
  }
  void SetShortPath(const std::string& path, const std::string& shortPath) {
    shortPaths_[path] = shortPath;
  }
  void SetStartProcessResult(bool ok) { startProcessResult_ = ok; }
  void SetShellOpenResult(bool ok) { shellOpenResult_ = ok; }
  void SetVersionResource(const std::vector<unsigned char>& bytes) { versionResource_ = bytes; }
  void SetVersionValue(const std::string& subBlock, const std::vector<unsigned char>& value) {
    versionValues_[subBlock] = value;
  }
  void SetMutexResult(MutexResult result) { mutexResult_ = result; }

  // What happened.
  const std::vector<ProcessRequest>& StartedProcesses() const { return processes_; }
  const std::vector<std::string>& ShellOpened() const { return shellOpened_; }
  const std::vector<std::string>& CurrentFolderChanges() const { return folderChanges_; }
  const std::vector<std::string>& MutexNames() const { return mutexNames_; }
  const std::vector<std::string>& MadeFolders() const { return madeFolders_; }
  int SleptMilliseconds() const { return slept_; }

  bool Exists(const std::string& path) override;
  bool FolderExists(const std::string& path) override;
  MakeFolderResult MakeFolder(const std::string& path) override;
  bool FindEntries(const std::string& pattern, std::vector<DirEntry>* entries) override;
  std::string CurrentFolder() override { return currentFolder_; }
  bool SetCurrentFolder(const std::string& path) override;
  std::string ModuleFileName() override { return moduleFileName_; }
  std::string GetSpecialFolder(SpecialFolder folder) override;
  bool ShortPathName(const std::string& path, std::string* shortPath) override;
  bool StartProcess(const ProcessRequest& request) override;
  bool ShellOpen(const std::string& path) override;
  bool ReadVersionResource(std::vector<unsigned char>* bytes) override;
  bool QueryVersionValue(const std::string& subBlock, std::vector<unsigned char>* value) override;
  MutexResult CreateNamedMutex(const std::string& name) override;
  void Sleep(int milliseconds) override { slept_ += milliseconds; }

 private:
  static std::string Key(const std::string& path);
  bool IsFolder(const std::string& path) const;

  std::map<std::string, std::pair<std::string, unsigned>> entries_;  // key -> path, attributes
  std::vector<std::pair<std::string, MakeFolderResult>> unmakeable_;
  std::string moduleFileName_;
  std::string currentFolder_;
  std::map<int, std::string> specialFolders_;
  std::map<std::string, std::string> shortPaths_;
  bool startProcessResult_ = true;
  bool shellOpenResult_ = true;
  std::vector<unsigned char> versionResource_;
  std::map<std::string, std::vector<unsigned char>> versionValues_;
  MutexResult mutexResult_ = MutexResult::kCreated;
  std::vector<ProcessRequest> processes_;
  std::vector<std::string> shellOpened_;
  std::vector<std::string> folderChanges_;
  std::vector<std::string> mutexNames_;
  std::vector<std::string> madeFolders_;
  int slept_ = 0;
};

}  // namespace orvent
