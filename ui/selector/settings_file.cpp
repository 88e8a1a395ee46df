// Where the history lives: the user's "orvent.ini", made on first use from a
// seed file when there is one.
#include "history/history_file.h"
#include "namelist/mbcs.h"
#include "platform/platform.h"
#include "platform/folder_path.h"
#include "platform/special_folders.h"
#include "ui/selector/dlg_page1.h"

namespace {

const char kSettingsFolder[] = "ORVENT V5_2\\";
const char kSeedFolder[] = "Common\\";
const char kSettingsFile[] = "orvent.ini";
const int kSettingsFolderSeconds = 5;

}  // namespace

void CDlgPage1::LocateSettingsFile() {
  orvent::Platform& platform = orvent::CurrentPlatform();
  const std::string userFolder =
      orvent::StripTrailingBackslashes(orvent::GetSpecialFolder(orvent::SpecialFolder::kAppData)) +
      "\\" + kSettingsFolder;
  if (!platform.Exists(userFolder)) {
    orvent::EnsureFolderPathRetry(userFolder, kSettingsFolderSeconds);
  }
  settingsPath = userFolder + kSettingsFile;
  if (platform.Exists(settingsPath)) {
    orvent::LoadHistory(settingsPath, &history);
    return;
  }

  const std::string seeds[] = {
      orvent::StripTrailingBackslashes(
          orvent::GetSpecialFolder(orvent::SpecialFolder::kProgramFilesCommon)) +
          "\\" + kSettingsFolder + kSeedFolder + kSettingsFile,
      programFolder + kSettingsFile,
  };
  for (const std::string& seed : seeds) {
    if (platform.Exists(seed)) {
      orvent::LoadHistory(seed, &history);
      break;
    }
  }
  // The user's own copy; the seed itself is never written.
  orvent::SaveHistory(settingsPath, history);
}
