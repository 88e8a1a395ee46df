#include "tests/e2e/driver/settings_files.h"

#include <windows.h>

#include <shlobj.h>

#include "tests/e2e/driver/file_paths.h"

namespace e2e {
namespace {

constexpr char kSettingsFolder[] = "ORVENT V5_2\\";
constexpr char kSeedFolder[] = "Common\\";
constexpr char kSettingsFile[] = "orvent.ini";

std::string SpecialFolder(int csidl) {
  char path[MAX_PATH] = {};
  if (!SHGetSpecialFolderPathA(nullptr, path, csidl, FALSE)) return std::string();
  return WithTrailingBackslash(path);
}

std::string IfMissing(const std::string& folder) {
  return FolderExists(folder) ? std::string() : folder;
}

}  // namespace

std::string UserSettingsFolder() { return SpecialFolder(CSIDL_APPDATA) + kSettingsFolder; }
std::string UserSettingsFile() { return UserSettingsFolder() + kSettingsFile; }
std::string SeedSettingsFolder() {
  return SpecialFolder(CSIDL_PROGRAM_FILES_COMMON) + kSettingsFolder + kSeedFolder;
}
std::string SeedSettingsFile() { return SeedSettingsFolder() + kSettingsFile; }

SettingsSnapshot::SettingsSnapshot()
    : user_(Save(UserSettingsFile())),
      seed_(Save(SeedSettingsFile())),
      newFolders_{IfMissing(UserSettingsFolder()), IfMissing(SeedSettingsFolder()),
                  IfMissing(SpecialFolder(CSIDL_PROGRAM_FILES_COMMON) + kSettingsFolder)} {}

SettingsSnapshot::~SettingsSnapshot() {
  Restore(user_);
  Restore(seed_);
  for (const std::string& folder : newFolders_) {
    if (!folder.empty()) RemoveDirectoryA(folder.c_str());
  }
}

SettingsSnapshot::SavedFile SettingsSnapshot::Save(const std::string& path) {
  SavedFile file;
  file.path = path;
  file.existed = FileExists(path) && ReadWholeFile(path, &file.content);
  return file;
}

void SettingsSnapshot::Restore(const SavedFile& file) {
  if (file.existed) {
    CreateFolderPath(FolderOf(file.path));
    WriteWholeFile(file.path, file.content);
  } else {
    DeleteFileA(file.path.c_str());
  }
}

bool RemoveSettingsFiles() {
  for (const std::string& path : {UserSettingsFile(), SeedSettingsFile()}) {
    if (FileExists(path) && !DeleteFileA(path.c_str())) return false;
  }
  return true;
}

}  // namespace e2e
