// A test double of the platform services: files and folders held in memory
// by their path (without trailing backslashes, compared byte for byte), and a
// record of what the program asked the system to do.
//
// What the program reads and writes itself (project files, the history)
// must be real: such files go below Root(), a scratch folder, and exist for
// the fake as they exist on disk. On Windows the folders the fake makes below
// Root() are made on disk too; on Linux a backslash is an ordinary character,
// so the files lie flat in the scratch folder, named by their path below it.
#pragma once

#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "namelist/mbcs.h"
#include "platform/platform.h"
#include "tests/support/test_support.h"

namespace orvent {

class FakePlatform : public Platform {
 public:
  FakePlatform() { AddFolder(root_); }

  // The scratch folder, ending in the system's separator.
  const std::string& Root() const { return root_; }
  // A file of the fake only; its folder need not exist.
  void AddFile(const std::string& path, unsigned attributes = kAttrArchive) {
    attributes_[StripTrailingBackslashes(path)] = attributes;
  }
  // The folder and every level above it.
  void AddFolder(const std::string& path);
  // The folder, and below it what a case table gives: items "PATH: WHAT"
  // split by ";" (or "nothing"), where WHAT is a project file's "TYPE in
  // SYSTEM", a folder, a file the fake alone knows (plain, read-only or
  // hidden), or a folder that cannot be made or that someone else makes
  // meanwhile, after it was looked for.
  void Give(const std::string& folder, const std::string& items);
  void SetSpecialFolder(SpecialFolder folder, const std::string& path) { special_[folder] = path; }

  // Making the folder, spelled as the program asks for it, gives this instead.
  std::map<std::string, MakeFolderResult> makeFolderFailures;
  std::map<std::string, std::string> shortPaths;
  bool succeeds = true;  // what starting a process or opening a document gives
  // What happened.
  std::vector<ProcessRequest> started;
  std::vector<std::string> shellOpened, madeFolders;
  std::string currentFolder = "C:\\";
  std::map<std::string, std::string> userSettings;  // by name
  int sleptMilliseconds = 0;

  bool Exists(const std::string& path) override {
    const std::string clean = StripTrailingBackslashes(path);
    return attributes_.count(clean) != 0 ||
           (clean.compare(0, root_.size(), root_) == 0 && std::ifstream(clean).is_open());
  }
  bool FolderExists(const std::string& path) override {
    const auto found = attributes_.find(StripTrailingBackslashes(path));
    return found != attributes_.end() && (found->second & kAttrFolder) != 0;
  }
  MakeFolderResult MakeFolder(const std::string& path) override;
  bool FindEntries(const std::string& pattern, std::vector<DirEntry>* entries) override;
  bool SetCurrentFolder(const std::string& path) override {
    currentFolder = path;
    return true;
  }
  std::string ModuleFileName() override { return ""; }
  std::string GetSpecialFolder(SpecialFolder folder) override { return special_[folder]; }
  bool ShortPathName(const std::string& path, std::string* shortPath) override {
    return !(*shortPath = shortPaths[path]).empty();
  }
  bool StartProcess(const ProcessRequest& request) override {
    started.push_back(request);
    return succeeds;
  }
  bool ShellOpen(const std::string& path) override {
    shellOpened.push_back(path);
    return succeeds;
  }
  // None: the program's own is the journeys' to read.
  bool ReadVersionResource(std::vector<unsigned char>*) override { return false; }
  bool QueryVersionValue(const std::string&, std::vector<unsigned char>*) override { return false; }
  bool ReadUserSetting(const std::string& name, std::string* text) override {
    const auto found = userSettings.find(name);
    if (found != userSettings.end()) *text = found->second;
    return found != userSettings.end();
  }
  bool WriteUserSetting(const std::string& name, const std::string& text) override {
    userSettings[name] = text;
    return true;
  }
  MutexResult CreateNamedMutex(const std::string&) override { return MutexResult::kCreated; }
  void Sleep(int milliseconds) override { sleptMilliseconds += milliseconds; }

 private:
  test::ScratchFolder scratch_;
  const std::string root_ = scratch_.File("");
  std::map<std::string, unsigned> attributes_;  // by path without trailing backslashes
  std::map<SpecialFolder, std::string> special_;
};

}  // namespace orvent
