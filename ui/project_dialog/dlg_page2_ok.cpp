// The project dialog's OK button: the checks in their fixed order, the new
// project on disk in create mode, and the result.
#include <vector>

#include "namelist/mbcs.h"
#include "namelist/text_split.h"
#include "platform/platform.h"
#include "project/geodetic_codes.h"
#include "res/resource.h"
#include "ui/project_dialog/dlg_page2.h"
#include "project/project_choices.h"
#include "project/project_creation.h"
#include "project/project_name.h"

namespace {

const char kNameInvalid[] = "The project name is invalid.";
const char kNameForbidden[] =
    "The following character cannot be used for a project name.\n\t\\/:,;*?\"<>|";
const char kLocationInvalid[] = "The location is invalid.";
const char kProjectFileMissing[] = "The project file is not exist.";
const char kProjectFileInvalid[] = "The project file is invalid.";
const char kNoApplication[] = "The application is no selected.";
const char kNoProjectType[] = "The project type is no selected.";
const char kFolderFailed[] = "Creation of a project location went wrong.\n[";
const char kProjectExists[] =
    "A project already exists in the specified folder.\nPlease choose another location or "
    "another project name.";
const char kFileFailed[] = "Creation of a project file went wrong.";

const int kNoFocusChange = 0;

}  // namespace

void CDlgPage2::OnOkClicked() {
  if (!UpdateData(true)) return;
  nameText = orvent::Trim(nameText);
  locationText = orvent::Trim(locationText);
  if (createMode ? !CheckCreateInput() : !CheckOpenInput()) return;
  if (!CheckChoices() || !CheckSearchPattern()) return;

  projectFile.geodeticIndex = orvent::GeodeticIndexForRadio(SelectedGeodeticRadio());
  projectFile.geodeticName = orvent::GeodeticNames[projectFile.geodeticIndex];
  if (createMode) {
    if (!MakeProject()) return;
  } else {
    std::string drive;
    std::string directory;
    orvent::SplitFilePath(locationText, &drive, &directory, nullptr, nullptr);
    locationText = drive + directory;
  }

  entry.projectName = nameText;
  entry.location = locationText;
  entry.appIndex =
      orvent::AppIndexForChoices(orvent::Choices{applicationChoice, projectTypeChoice});
  entry.projectType = projectTypeChoice;
  entry.geodeticCode = orvent::GeodeticCodeForIndex(projectFile.geodeticIndex);
  EndDialog(ui::kIdOk);
}

bool CDlgPage2::CheckCreateInput() {
  // The location is shown normalised even when it is refused.
  locationText = orvent::WithTrailingBackslash(locationText);
  UpdateData(false);
  MoveCaretToEnd(IDC_LOCATION);

  if (nameText.empty()) {
    Refuse(kNameInvalid, IDC_PROJECT_NAME);
    return false;
  }
  if (orvent::HoldsForbiddenNameCharacter(nameText)) {
    Refuse(kNameForbidden, IDC_PROJECT_NAME);
    return false;
  }
  const std::string folder = orvent::StripTrailingBackslashes(locationText);
  if (folder.empty() || !orvent::CurrentPlatform().Exists(folder)) {
    Refuse(kLocationInvalid, IDC_LOCATION);
    return false;
  }
  return true;
}

bool CDlgPage2::CheckOpenInput() {
  // The name is not looked at: it comes from the file or the preset entry.
  if (locationText.empty() || !orvent::CurrentPlatform().Exists(locationText)) {
    Refuse(kProjectFileMissing, IDC_LOCATION);
    return false;
  }
  return true;
}

bool CDlgPage2::CheckChoices() {
  if (applicationChoice < 0) {
    Refuse(kNoApplication, IDC_APP_BASIC);
    return false;
  }
  if (projectTypeChoice < 0) {
    Refuse(kNoProjectType, IDC_TYPE_MEASUREMENT);
    return false;
  }
  return true;
}

bool CDlgPage2::CheckSearchPattern() {
  // Only a location that reads as a pattern matching several entries is
  // examined. The entry a plain path names is not: folders often carry the
  // read-only attribute without being read-only.
  std::vector<orvent::DirEntry> entries;
  if (!orvent::CurrentPlatform().FindEntries(locationText, &entries) || entries.size() < 2) {
    return true;
  }
  const orvent::DirEntry& first = entries.front();
  const unsigned refused = orvent::kAttrReadOnly | orvent::kAttrHidden | orvent::kAttrSystem |
                           orvent::kAttrTemporary | (createMode ? 0u : orvent::kAttrFolder);
  if (first.name != "." && first.name != ".." && (first.attributes & refused) == 0) return true;
  Refuse(createMode ? kLocationInvalid : kProjectFileInvalid, IDC_LOCATION);
  return false;
}

bool CDlgPage2::MakeProject() {
  const std::string folder = orvent::ProjectFolderFor(locationText, nameText);
  switch (orvent::CreateProject(locationText, nameText, projectTypeChoice, &projectFile)) {
    case orvent::CreationResult::kCreated:
      locationText = folder;
      return true;
    case orvent::CreationResult::kFolderFailed:
      Refuse(kFolderFailed + folder + "]", kNoFocusChange);
      return false;
    case orvent::CreationResult::kProjectExists:
      Refuse(kProjectExists, kNoFocusChange);
      return false;
    case orvent::CreationResult::kFileFailed:
      Refuse(kFileFailed, kNoFocusChange);
      return false;
  }
  return false;
}

void CDlgPage2::Refuse(const std::string& message, int focusId) {
  ShowMessage(message);
  if (focusId != kNoFocusChange) GotoDlgCtrl(focusId);
}
