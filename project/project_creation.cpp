#include "project/project_creation.h"

#include <vector>

#include "namelist/mbcs.h"
#include "platform/platform.h"
#include "platform/version_info.h"
#include "platform/folder_path.h"

namespace orvent {
namespace {

const int kFolderWaitSeconds = 60;
const char kProjectExtension[] = ".mbc";

// The location was found to exist; a level that vanished since is made again.
void EnsureLocationLevels(const std::string& location) {
  if (!location.empty() && location[0] == '\\') return;
  for (std::size_t at = FindChar(location, '\\'); at != std::string::npos;
       at = FindChar(location, '\\', at + 1)) {
    EnsureFolderPathRetry(location.substr(0, at + 1), kFolderWaitSeconds);
  }
}

// A plain or read-only project file counts as a project; hidden or system
// files and folders named like one do not.
bool HoldsProjectFile(const std::string& projectFolder) {
  const std::string pattern = projectFolder + "*" + kProjectExtension;
  std::vector<DirEntry> entries;
  if (!CurrentPlatform().FindEntries(pattern, &entries) || entries.empty()) return false;
  const unsigned attributes = entries.front().attributes & ~unsigned(kAttrArchive);
  return attributes == 0 || attributes == kAttrReadOnly;
}

}  // namespace

std::string ProjectFolderFor(const std::string& location, const std::string& name) {
  return location + name + "\\";
}

CreationResult CreateProject(const std::string& location, const std::string& name, int projectType,
                             ProjectFile* file) {
  EnsureLocationLevels(location);
  const std::string folder = ProjectFolderFor(location, name);
  bool folderWasThere = CurrentPlatform().Exists(folder);
  if (!folderWasThere) {
    MakeFolderResult failure = MakeFolderResult::kFailed;
    if (!EnsureFolderPathRetry(folder, kFolderWaitSeconds, &failure)) {
      if (failure != MakeFolderResult::kAlreadyExists) return CreationResult::kFolderFailed;
      folderWasThere = true;
    }
  }
  if (folderWasThere && HoldsProjectFile(folder)) return CreationResult::kProjectExists;

  VersionNumbers version;
  ReadFileVersion(&version);
  file->fileVersion = ThreePartVersionText(version);
  file->projectType = projectType;
  if (!WriteProjectFile(folder + name + kProjectExtension, *file)) {
    return CreationResult::kFileFailed;
  }
  return CreationResult::kCreated;
}

}  // namespace orvent
