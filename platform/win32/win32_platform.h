// The platform services on Windows, through the narrow (ANSI) API. Paths are
// looked at with the system's "no disk" box off.
#pragma once

#include "platform/platform.h"

namespace orvent {

class Win32Platform : public Platform {
 public:
  bool Exists(const std::string& path) override;
  bool FolderExists(const std::string& path) override;
  MakeFolderResult MakeFolder(const std::string& path) override;
  bool FindEntries(const std::string& pattern, std::vector<DirEntry>* entries) override;
  bool SetCurrentFolder(const std::string& path) override;
  std::string ModuleFileName() override;
  std::string GetSpecialFolder(SpecialFolder folder) override;
  bool ShortPathName(const std::string& path, std::string* shortPath) override;
  bool StartProcess(const ProcessRequest& request) override;
  bool ShellOpen(const std::string& path) override;
  bool ReadVersionResource(std::vector<unsigned char>* bytes) override;
  bool QueryVersionValue(const std::string& subBlock, std::vector<unsigned char>* value) override;
  bool ReadUserSetting(const std::string& name, std::string* text) override;
  bool WriteUserSetting(const std::string& name, const std::string& text) override;
  MutexResult CreateNamedMutex(const std::string& name) override;
  void Sleep(int milliseconds) override;

 protected:
  // The attributes of a path (INVALID_FILE_ATTRIBUTES for none), as the
  // checks of a path ask the system for them.
  virtual unsigned long Attributes(const std::string& path);
};

}  // namespace orvent
