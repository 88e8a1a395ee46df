#include "project/project_dialog_model.h"

#include <vector>

#include "namelist/mbcs.h"
#include "namelist/text_split.h"
#include "platform/folder_path.h"
#include "project/geodetic_codes.h"

namespace orvent {
namespace {

const char kProjectExtension[] = ".mbc";
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

std::string FolderOf(const std::string& path) {
  std::string drive;
  std::string directory;
  SplitFilePath(path, &drive, &directory, nullptr, nullptr);
  return drive + directory;
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
  if (!platform.FindEntries(projectFolder + "*" + kProjectExtension, &entries) || entries.empty()) {
    return false;
  }
  const unsigned attributes = entries.front().attributes & ~unsigned(kAttrArchive);
  return attributes == 0 || attributes == kAttrReadOnly;
}

}  // namespace

void ProjectDialogModel::Initialise(Platform& platform) {
  startFolder = platform.GetSpecialFolder(SpecialFolder::kDocuments);
  nameText = Trim(entry.projectName);
  locationText = Trim(entry.location);
  if (!locationText.empty()) {
    locationText = WithTrailingBackslash(locationText);
    startFolder = locationText;
    // In open mode the edit names the project file itself.
    if (!createMode && !nameText.empty()) locationText += nameText + kProjectExtension;
  }
  if (!locationText.empty()) {
    // A file that cannot be read leaves the defaults, and the dialog goes on with them.
    static_cast<void>(ReadProjectFile(locationText, &projectFile));
    initialProjectType = projectFile.projectType;
  } else {
    initialProjectType = projectTypeChoice;
  }

  if (createMode) {
    applicationChoice = kAppBasic;
    projectTypeChoice = kTypeMeasurement;
  } else {
    if (projectFile.projectType == kTypeExtremeWind) showExtremeWind = true;
    const Choices choices = ChoicesForAppIndex(entry.appIndex, projectFile.projectType);
    applicationChoice = choices.application;
    projectTypeChoice = choices.projectType;
  }
  geodeticRadio = GeodeticRadioForIndex(projectFile.geodeticIndex);
}

RadioEnables ProjectDialogModel::ApplicationClicked() {
  const RadioEnables enables = Enables();
  applicationChoice = PickEnabled(enables.application, applicationChoice);
  projectTypeChoice = PickEnabled(enables.projectType, projectTypeChoice);
  return enables;
}

RadioEnables ProjectDialogModel::ProjectTypeClicked() {
  // Only the application follows; the project type the user clicked stays.
  const RadioEnables enables = Enables();
  applicationChoice = PickEnabled(enables.application, applicationChoice);
  return enables;
}

ChooserStart ProjectDialogModel::BeginReference(Platform& platform) {
  nameText = Trim(nameText);
  locationText = Trim(locationText);
  const std::string start =
      !locationText.empty() && platform.Exists(locationText) ? locationText : startFolder;
  ChooserStart chooser;
  if (createMode) {
    // Older folder choosers open in the current folder.
    static_cast<void>(platform.SetCurrentFolder(start));
    chooser.folder = start;
    return chooser;
  }
  if (!SplitChooserPath(platform, start, &chooser.folder, &chooser.fileName)) {
    chooser.folder = start;
    chooser.fileName.clear();
  }
  const std::string startDir = FolderOf(start);
  if (!startDir.empty()) chooser.folder = startDir;
  return chooser;
}

void ProjectDialogModel::TakeFolder(const std::string& folder) {
  std::string location = Trim(StripTrailingBackslashes(Trim(folder)));
  if (!location.empty()) location += '\\';
  locationText = location;
  startFolder = locationText;
  applicationChoice = kAppBasic;
}

void ProjectDialogModel::TakeProjectFile(const std::string& path) {
  locationText = path;
  std::string drive;
  std::string directory;
  SplitFilePath(path, &drive, &directory, &nameText, nullptr);
  startFolder = drive + directory;
  static_cast<void>(ReadProjectFile(path, &projectFile));
  projectTypeChoice = projectFile.projectType;
  applicationChoice = kAppBasic;
  showExtremeWind = true;
  showWindPower = projectTypeChoice == kTypeWindPower;
  geodeticRadio = GeodeticRadioForIndex(projectFile.geodeticIndex);
}

void ProjectDialogModel::PrepareOk() {
  nameText = Trim(nameText);
  locationText = Trim(locationText);
  if (createMode) locationText = WithTrailingBackslash(locationText);
}

OkOutcome ProjectDialogModel::ConfirmOk(Platform& platform, const VersionNumbers& fileVersion) {
  OkOutcome outcome = createMode ? CheckCreateInput(platform) : CheckOpenInput(platform);
  if (!outcome.message.empty()) return outcome;
  if (applicationChoice < 0) return Refuse(kMsgNoApplication, Field::kApplication);
  if (projectTypeChoice < 0) return Refuse(kMsgNoProjectType, Field::kProjectType);

  projectFile.geodeticIndex = GeodeticIndexForRadio(geodeticRadio);
  projectFile.geodeticName = kGeodeticNames[projectFile.geodeticIndex];
  if (createMode) {
    outcome = MakeProject(platform, fileVersion);
    if (!outcome.message.empty()) return outcome;
  } else {
    locationText = FolderOf(locationText);
  }

  entry.projectName = nameText;
  entry.location = locationText;
  entry.appIndex = AppIndexForChoices(Choices{applicationChoice, projectTypeChoice});
  entry.projectType = projectTypeChoice;
  entry.geodeticCode = GeodeticCodeForIndex(projectFile.geodeticIndex);
  outcome.accepted = true;
  return outcome;
}

OkOutcome ProjectDialogModel::CheckCreateInput(Platform& platform) const {
  if (nameText.empty()) return Refuse(kMsgNameInvalid, Field::kName);
  if (HoldsForbiddenNameCharacter(nameText)) return Refuse(kMsgNameForbidden, Field::kName);
  const std::string folder = StripTrailingBackslashes(locationText);
  if (folder.empty() || !platform.Exists(folder)) {
    return Refuse(kMsgLocationInvalid, Field::kLocation);
  }
  return OkOutcome();
}

OkOutcome ProjectDialogModel::CheckOpenInput(Platform& platform) const {
  // The name is not looked at: it comes from the file or the preset entry.
  if (locationText.empty() || !platform.Exists(locationText)) {
    return Refuse(kMsgProjectFileMissing, Field::kLocation);
  }
  return OkOutcome();
}

OkOutcome ProjectDialogModel::MakeProject(Platform& platform, const VersionNumbers& fileVersion) {
  EnsureLocationLevels(platform, locationText);
  const std::string folder = locationText + nameText + "\\";
  bool folderWasThere = platform.Exists(folder);
  if (!folderWasThere) {
    MakeFolderResult failure = MakeFolderResult::kFailed;
    if (!EnsureFolderPathRetry(platform, folder, kFolderWaitSeconds, &failure)) {
      if (failure != MakeFolderResult::kAlreadyExists) {
        return Refuse(kMsgFolderFailed + folder + "]", Field::kNone);
      }
      folderWasThere = true;
    }
  }
  if (folderWasThere && HoldsProjectFile(platform, folder)) {
    return Refuse(kMsgProjectExists, Field::kNone);
  }
  projectFile.fileVersion = ThreePartVersionText(fileVersion);
  projectFile.projectType = projectTypeChoice;
  if (!WriteProjectFile(folder + nameText + kProjectExtension, projectFile)) {
    return Refuse(kMsgFileFailed, Field::kNone);
  }
  locationText = folder;
  return OkOutcome();
}

bool SplitChooserPath(Platform& platform, const std::string& path, std::string* folder,
                      std::string* fileName) {
  if (platform.FolderExists(path)) return false;
  std::string drive, directory, baseName, extension;
  SplitFilePath(path, &drive, &directory, &baseName, &extension);
  *folder = Trim(drive + directory);
  *fileName = Trim(baseName + extension);
  return !folder->empty() || !fileName->empty();
}

}  // namespace orvent
