#include "launch/project_folder.h"

#include "launch/launch_plan.h"

namespace orvent {

FolderOpen OpenProjectFolder(Platform& platform, const RecentEntry& entry) {
  // The folder an application on the project would start in.
  const std::string folder = PlanLaunch(entry, std::string()).workingFolder;
  if (folder.empty() || !platform.FolderExists(folder)) return FolderOpen::kNotFound;
  return platform.ShellOpen(folder) ? FolderOpen::kOpened : FolderOpen::kNotOpened;
}

}  // namespace orvent
