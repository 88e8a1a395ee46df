#include "app/startup.h"

#include <algorithm>
#include <cstring>

#include "history/settings_file.h"
#include "launch/manual.h"
#include "launch/start_process.h"
#include "namelist/mbcs.h"
#include "project/app_catalogue.h"

namespace orvent {
namespace {

// The longest name of a file the Selector opens in its program folder.
std::size_t LongestNameInProgramFolder() {
  std::size_t longest = std::max({std::strlen(kBasicExtremeWindExecutable),
                                  std::strlen(kManualFileName), std::strlen(kSettingsFileName)});
  for (const AppCatalogueRow& app : kAppCatalogue) {
    longest = std::max(longest, std::strlen(app.executable));
  }
  return longest;
}

}  // namespace

std::string ExeNameOf(const std::string& modulePath) {
  std::size_t slash = FindLastChar(modulePath, '\\');
  const std::size_t forward = FindLastChar(modulePath, '/');
  if (slash == std::string::npos || (forward != std::string::npos && forward > slash)) {
    slash = forward;
  }
  const std::string name = slash == std::string::npos ? modulePath : modulePath.substr(slash + 1);
  return name.substr(0, name.rfind('.'));
}

std::string ProgramFolderOf(const std::string& modulePath, const std::string& exeName) {
  const std::size_t cut = exeName.size() + 4;  // the name and ".exe"
  return modulePath.size() >= cut ? modulePath.substr(0, modulePath.size() - cut) : std::string();
}

std::string ProgramFolderFor(Platform& platform, const std::string& modulePath,
                             const std::string& exeName) {
  std::string folder = ProgramFolderOf(modulePath, exeName);
  std::string shortFolder;
  if (folder.size() + LongestNameInProgramFolder() >= kMaxPath &&
      platform.ShortPathName(folder, &shortFolder) && !shortFolder.empty()) {
    return WithTrailingBackslash(shortFolder);
  }
  return folder;
}

}  // namespace orvent
