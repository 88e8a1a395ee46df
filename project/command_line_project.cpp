#include "project/command_line_project.h"

#include "namelist/mbcs.h"
#include "namelist/text_split.h"
#include "project/geodetic_codes.h"
#include "project/project_file.h"

namespace orvent {
namespace {

// The application a project file's extension stands for; false for none.
bool ApplicationForExtension(const std::string& extension, int projectType, App* app) {
  if (EqualsNoCase(extension, kProjectFileExtension)) {
    *app = App::kBasic;
  } else if (EqualsNoCase(extension, ".meg")) {
    const bool engineering = projectType == kTypeDesignWindSpeed || projectType == kTypeExtremeWind;
    *app = engineering ? App::kWindClimate : App::kEnergy;
  } else {
    return false;
  }
  return true;
}

}  // namespace

std::string ProjectPathFromCommandLine(const std::string& commandLine) {
  std::string projectPath;
  if (commandLine.empty()) return projectPath;
  std::vector<std::string> tokens;
  SplitText(commandLine, " ", false, &tokens);
  for (const std::string& token : tokens) {
    const bool isOption = token.size() >= 2 && (token[0] == '/' || token[0] == '-');
    if (!isOption) projectPath = token;
  }
  return projectPath;
}

bool ReadCommandLineProject(Platform& platform, const std::string& path, RecentEntry* entry) {
  if (path.empty() || !platform.Exists(path)) return false;
  const FilePathParts parts = SplitFilePath(path);
  entry->location = parts.Folder();
  entry->projectName = parts.baseName;
  // What the reader leaves in the record is used whether it succeeded or not.
  ProjectFile file;
  static_cast<void>(ReadProjectFile(path, &file));
  entry->projectType = file.projectType;
  // Any other file leaves the entry's application.
  static_cast<void>(ApplicationForExtension(parts.extension, entry->projectType, &entry->app));
  entry->geodeticCode = GeodeticCodeFor(file.geodeticSystem);
  return true;
}

bool IsDroppedProject(Platform& platform, const std::vector<std::string>& paths) {
  if (paths.size() != 1 || platform.FolderExists(paths[0]) || !platform.Exists(paths[0])) {
    return false;
  }
  App app = App::kBasic;
  return ApplicationForExtension(SplitFilePath(paths[0]).extension, kTypeMeasurement, &app);
}

}  // namespace orvent
