#include "launch/project_folder.h"

#include "namelist/mbcs.h"

namespace orvent {

FolderOpen OpenProjectFolder(Platform& platform, const RecentEntry& entry) {
  // The folder an application on the project starts in.
  const std::string folder = Trim(entry.location);
  if (folder.empty() || !platform.FolderExists(folder)) return FolderOpen::kNotFound;
  return platform.ShellOpen(folder) ? FolderOpen::kOpened : FolderOpen::kNotOpened;
}

}  // namespace orvent
