// The Selector's settings files as the system places them for the user the
// tests run as: the user's "orvent.ini" and the seed in the common folder.
// Tests share them, so each test starts from a snapshot and gets the
// files back as they were when it ends.
#pragma once

#include <string>

namespace e2e {

// "<AppData>\ORVENT V5_2\" and the user's settings file in it.
std::string UserSettingsFolder();
std::string UserSettingsFile();
// "<CommonProgramFiles>\ORVENT V5_2\Common\" and the seed file in it.
std::string SeedSettingsFolder();
std::string SeedSettingsFile();

class SettingsSnapshot {
 public:
  SettingsSnapshot();
  ~SettingsSnapshot();
  SettingsSnapshot(const SettingsSnapshot&) = delete;
  SettingsSnapshot& operator=(const SettingsSnapshot&) = delete;

 private:
  struct SavedFile {
    std::string path;
    bool existed = false;
    std::string content;
  };
  static SavedFile Save(const std::string& path);
  static void Restore(const SavedFile& file);

  SavedFile user_;
  SavedFile seed_;
  // Folders that did not exist before, innermost first: removed again if
  // they are empty afterwards.
  std::string newFolders_[3];
};

// Removes both files (the folders stay).
bool RemoveSettingsFiles();

}  // namespace e2e
