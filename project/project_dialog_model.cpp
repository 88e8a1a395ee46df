#include "project/project_dialog_model.h"

#include <vector>

#include "namelist/mbcs.h"
#include "namelist/text_split.h"
#include "platform/folder_path.h"
#include "project/geodetic_codes.h"

namespace orvent {
namespace {

const int kFolderWaitSeconds = 60;

// The first enabled radio of a group when the chosen one is missing or
// disabled; the choice as it is when no radio is enabled.
template <int N>
int PickEnabled(const bool (&enabled)[N], int choice) {
  if (choice >= 0 && choice < N && enabled[choice]) return choice;
  for (int index = 0; index < N; ++index) {
    if (enabled[index]) return index;
  }
  return choice;
}

// A character that cannot stand in a file name. A trail byte 0x5C or 0x7C of
// a double-byte character is not one of them.
bool HoldsForbiddenNameCharacter(const std::string& name) {
  for (char c : {'/', ':', ',', ';', '*', '?', '\\', '"', '<', '>', '|'}) {
    if (FindChar(name, c) != std::string::npos) return true;
  }
  return false;
}

OkOutcome Refuse(const std::string& message, Field focus) {
  OkOutcome outcome;
  outcome.message = message;
  outcome.focus = focus;
  return outcome;
}

// The location was found to exist; a level that vanished since is made again.
void EnsureLocationLevels(Platform& platform, const std::string& location) {
  if (!location.empty() && location[0] == '\\') return;
  for (std::size_t at = FindChar(location, '\\'); at != std::string::npos;
       at = FindChar(location, '\\', at + 1)) {
    // A level that still cannot be made shows when the project folder is.
    static_cast<void>(
        EnsureFolderPathRetry(platform, location.substr(0, at + 1), kFolderWaitSeconds));
  }
}

// A plain or read-only project file counts as a project; hidden or system
// files and folders named like one do not.
bool HoldsProjectFile(Platform& platform, const std::string& projectFolder) {
  std::vector<DirEntry> entries;
  if (!platform.FindEntries(projectFolder + "*" + kProjectFileExtension, &entries) ||
      entries.empty()) {
    return false;
  }
  const unsigned attributes = entries.front().attributes & ~unsigned(kAttrArchive);
  return attributes == 0 || attributes == kAttrReadOnly;
}

}  // namespace

ProjectDialogModel::ProjectDialogModel(ProjectDialogMode mode, const RecentEntry& preset)
    : mode_(mode), entry_(preset) {}

void ProjectDialogModel::Initialise(Platform& platform) {
  startFolder_ = platform.GetSpecialFolder(SpecialFolder::kDocuments);
  state_.name = Trim(entry_.projectName);
  const std::string presetLocation = Trim(entry_.location);
  if (!presetLocation.empty()) {
    const std::string folder = WithTrailingBackslash(presetLocation);
    startFolder_ = folder;
    // In open mode the edit names the project file itself.
    const bool namesFile = !CreateMode() && !state_.name.empty();
    state_.location = namesFile ? folder + state_.name + kProjectFileExtension : folder;
  }
  if (!state_.location.empty()) {
    // A file that cannot be read leaves the defaults, and the dialog goes on with them.
    static_cast<void>(ReadProjectFile(state_.location, &projectFile_));
    state_.initialProjectType = projectFile_.projectType;
  } else {
    state_.initialProjectType = state_.projectType;
  }

  if (CreateMode()) {
    state_.application = kBasicRadio;
    state_.projectType = kTypeMeasurement;
  } else {
    const Choices choices = ChoicesForApp(entry_.app, projectFile_.projectType);
    state_.application = choices.application;
    state_.projectType = choices.projectType;
  }
  state_.geodeticRadio = GeodeticRadioFor(projectFile_.geodeticSystem);
}

RadioEnables ProjectDialogModel::ApplicationClicked() {
  const RadioEnables enables = Enables();
  state_.application = PickEnabled(enables.application, state_.application);
  state_.projectType = PickEnabled(enables.projectType, state_.projectType);
  return enables;
}

RadioEnables ProjectDialogModel::ProjectTypeClicked() {
  // Only the application follows; the project type the user clicked stays.
  const RadioEnables enables = Enables();
  state_.application = PickEnabled(enables.application, state_.application);
  return enables;
}

ChooserStart ProjectDialogModel::BeginReference(Platform& platform) {
  state_.name = Trim(state_.name);
  state_.location = Trim(state_.location);
  const std::string start =
      !state_.location.empty() && platform.Exists(state_.location) ? state_.location : startFolder_;
  ChooserStart chooser;
  if (CreateMode()) {
    // Older folder choosers open in the current folder.
    static_cast<void>(platform.SetCurrentFolder(start));
    chooser.folder = start;
    return chooser;
  }
  if (!SplitChooserPath(platform, start, &chooser.folder, &chooser.fileName)) {
    chooser.folder = start;
    chooser.fileName.clear();
  }
  const std::string startDir = SplitFilePath(start).Folder();
  if (!startDir.empty()) chooser.folder = startDir;
  return chooser;
}

void ProjectDialogModel::TakeFolder(const std::string& folder) {
  std::string location = Trim(StripTrailingBackslashes(Trim(folder)));
  if (!location.empty()) location += '\\';
  state_.location = location;
  startFolder_ = state_.location;
  state_.application = kBasicRadio;
}

void ProjectDialogModel::TakeProjectFile(const std::string& path) {
  state_.location = path;
  const FilePathParts parts = SplitFilePath(path);
  state_.name = parts.baseName;
  startFolder_ = parts.Folder();
  static_cast<void>(ReadProjectFile(path, &projectFile_));
  state_.projectType = projectFile_.projectType;
  state_.application = kBasicRadio;
  state_.showWindPower = state_.projectType == kTypeWindPower;
  state_.geodeticRadio = GeodeticRadioFor(projectFile_.geodeticSystem);
}

const OkTexts& ProjectDialogModel::PrepareOk() {
  ok_.name = Trim(state_.name);
  ok_.location = Trim(state_.location);
  if (CreateMode()) ok_.location = WithTrailingBackslash(ok_.location);
  return ok_;
}

OkOutcome ProjectDialogModel::ConfirmOk(Platform& platform, const VersionNumbers& fileVersion) {
  OkOutcome outcome = CreateMode() ? CheckCreateInput(platform) : CheckOpenInput(platform);
  if (!outcome.message.empty()) return outcome;
  if (state_.application < 0) return Refuse(kMsgNoApplication, Field::kApplication);
  if (state_.projectType < 0) return Refuse(kMsgNoProjectType, Field::kProjectType);

  projectFile_.geodeticSystem = GeodeticSystemForRadio(state_.geodeticRadio);
  projectFile_.geodeticName = GeodeticSystemName(projectFile_.geodeticSystem);
  // A new project gets a folder of its own; an existing one stays in its file's.
  const std::string projectFolder =
      CreateMode() ? ok_.location + ok_.name + "\\" : SplitFilePath(ok_.location).Folder();
  if (CreateMode()) {
    outcome = MakeProject(platform, fileVersion, projectFolder);
    if (!outcome.message.empty()) return outcome;
  }

  entry_.projectName = ok_.name;
  entry_.location = projectFolder;
  entry_.app = AppForChoices(Choices{state_.application, state_.projectType});
  entry_.projectType = state_.projectType;
  entry_.geodeticCode = GeodeticCodeFor(projectFile_.geodeticSystem);
  outcome.accepted = true;
  return outcome;
}

OkOutcome ProjectDialogModel::CheckCreateInput(Platform& platform) const {
  if (ok_.name.empty()) return Refuse(kMsgNameInvalid, Field::kName);
  if (HoldsForbiddenNameCharacter(ok_.name)) return Refuse(kMsgNameForbidden, Field::kName);
  const std::string folder = StripTrailingBackslashes(ok_.location);
  if (folder.empty() || !platform.Exists(folder)) {
    return Refuse(kMsgLocationInvalid, Field::kLocation);
  }
  return OkOutcome();
}

OkOutcome ProjectDialogModel::CheckOpenInput(Platform& platform) const {
  // The name is not looked at: it comes from the file or the preset entry_.
  if (ok_.location.empty() || !platform.Exists(ok_.location)) {
    return Refuse(kMsgProjectFileMissing, Field::kLocation);
  }
  return OkOutcome();
}

OkOutcome ProjectDialogModel::MakeProject(Platform& platform, const VersionNumbers& fileVersion,
                                          const std::string& projectFolder) {
  EnsureLocationLevels(platform, ok_.location);
  bool folderWasThere = platform.Exists(projectFolder);
  if (!folderWasThere) {
    MakeFolderResult failure = MakeFolderResult::kFailed;
    if (!EnsureFolderPathRetry(platform, projectFolder, kFolderWaitSeconds, &failure)) {
      if (failure != MakeFolderResult::kAlreadyExists) {
        return Refuse(FolderFailedMessage(projectFolder), Field::kNone);
      }
      folderWasThere = true;
    }
  }
  if (folderWasThere && HoldsProjectFile(platform, projectFolder)) {
    return Refuse(kMsgProjectExists, Field::kNone);
  }
  projectFile_.fileVersion = ThreePartVersionText(fileVersion);
  projectFile_.projectType = state_.projectType;
  if (!WriteProjectFile(projectFolder + ok_.name + kProjectFileExtension, projectFile_)) {
    return Refuse(kMsgFileFailed, Field::kNone);
  }
  return OkOutcome();
}

bool SplitChooserPath(Platform& platform, const std::string& path, std::string* folder,
                      std::string* fileName) {
  if (platform.FolderExists(path)) return false;
  const FilePathParts parts = SplitFilePath(path);
  *folder = Trim(parts.Folder());
  *fileName = Trim(parts.baseName + parts.extension);
  return !folder->empty() || !fileName->empty();
}

}  // namespace orvent
