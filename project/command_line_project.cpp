#include "project/command_line_project.h"

#include "namelist/mbcs.h"
#include "namelist/text_split.h"
#include "project/geodetic_codes.h"

namespace orvent {
namespace {

// The application a project file's extension stands for; -1 for none.
int ApplicationForExtension(const std::string& extension, int projectType) {
  if (EqualsNoCase(extension, kProjectFileExtension)) return 0;
  if (EqualsNoCase(extension, ".meg")) return projectType == 2 || projectType == 3 ? 2 : 1;
  return -1;
}

}  // namespace

bool ReadCommandLineProject(Platform& platform, const std::string& path, RecentEntry* entry,
                            ProjectFile* file) {
  if (path.empty() || !platform.Exists(path)) return false;
  std::string drive, directory, baseName, extension;
  SplitFilePath(path, &drive, &directory, &baseName, &extension);
  entry->location = drive + directory;
  entry->projectName = baseName;
  // What the reader leaves in the record is used whether it succeeded or not.
  static_cast<void>(ReadProjectFile(path, file));
  entry->projectType = file->projectType;
  const int application = ApplicationForExtension(extension, entry->projectType);
  if (application >= 0) entry->appIndex = application;
  entry->geodeticCode = GeodeticCodeForIndex(file->geodeticIndex);
  return true;
}

bool IsDroppedProject(Platform& platform, const std::vector<std::string>& paths) {
  if (paths.size() != 1 || platform.FolderExists(paths[0]) || !platform.Exists(paths[0])) {
    return false;
  }
  std::string drive, directory, baseName, extension;
  SplitFilePath(paths[0], &drive, &directory, &baseName, &extension);
  return ApplicationForExtension(extension, 0) >= 0;
}

}  // namespace orvent
