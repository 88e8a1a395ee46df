#include "history/settings_file.h"

#include "history/history_file.h"
#include "namelist/mbcs.h"
#include "platform/folder_path.h"

namespace orvent {
namespace {

const int kSettingsFolderSeconds = 5;

std::string SpecialFolderWith(Platform& platform, SpecialFolder folder, const std::string& tail) {
  return StripTrailingBackslashes(platform.GetSpecialFolder(folder)) + "\\" + tail;
}

}  // namespace

std::string LocateSettingsFile(Platform& platform, const std::string& programFolder,
                               RecentHistory* history) {
  const std::string userFolder =
      SpecialFolderWith(platform, SpecialFolder::kAppData, kSettingsFolder);
  // A folder that cannot be made shows as a settings file that cannot be
  // written: the history then lives in memory.
  if (!platform.Exists(userFolder)) {
    static_cast<void>(EnsureFolderPathRetry(platform, userFolder, kSettingsFolderSeconds));
  }
  std::string settingsPath = userFolder + kSettingsFileName;
  // A file that cannot be read gives an empty history.
  if (platform.Exists(settingsPath)) {
    static_cast<void>(LoadHistory(settingsPath, history));
    return settingsPath;
  }
  const std::string seeds[] = {
      SpecialFolderWith(platform, SpecialFolder::kProgramFilesCommon,
                        std::string(kSettingsFolder) + kSeedFolder + kSettingsFileName),
      programFolder + kSettingsFileName,
  };
  for (const std::string& seed : seeds) {
    if (platform.Exists(seed)) {
      static_cast<void>(LoadHistory(seed, history));
      break;
    }
  }
  // The user's own copy; the seed itself is never written.
  static_cast<void>(SaveHistory(settingsPath, *history));
  return settingsPath;
}

}  // namespace orvent
