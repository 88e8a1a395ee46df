#include "launch/project_folder.h"

#include "namelist/mbcs.h"

namespace orvent {

FolderOpen OpenProjectFolder(Platform& platform, const RecentEntry& entry) {
  // The folder an application on the project starts in, or the nearest one
  // above it that is still there.
  std::string folder = StripTrailingBackslashes(Trim(entry.location));
  while (!folder.empty() && !platform.FolderExists(WithTrailingBackslash(folder))) {
    const std::size_t slash = FindLastChar(folder, '\\');
    folder = slash == std::string::npos ? std::string() : folder.substr(0, slash);
  }
  if (folder.empty()) return FolderOpen::kNotFound;
  return platform.ShellOpen(WithTrailingBackslash(folder)) ? FolderOpen::kOpened
                                                           : FolderOpen::kNotOpened;
}

}  // namespace orvent
