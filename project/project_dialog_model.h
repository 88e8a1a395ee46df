// What the project dialog decides: the preset project and the choices it
// opens with, which radios may be picked and how a choice that may not is
// repaired, what the Reference button's choosers take, and the checks and the
// creation behind OK. The dialog moves these members to and from its
// controls and shows what comes back.
#pragma once

#include <string>

#include "platform/platform.h"
#include "platform/version_info.h"
#include "project/project_file.h"
#include "project/radio_rules.h"
#include "project/recent_entry.h"

namespace orvent {

// What the dialog shows in each mode.
struct ModeTexts {
  const char* title;
  const char* okButton;
  const char* locationLabel;
  const char* referenceButton;
};
inline constexpr ModeTexts kCreateModeTexts = {"ORVENT Project Selector - Create New Project",
                                               "&Create", "Location :", "&Select..."};
inline constexpr ModeTexts kOpenModeTexts = {"ORVENT Project Selector - Select Open Project",
                                             "&Open", "Project file :", "&Reference..."};
inline constexpr char kProjectFileChooserTitle[] = "Select the ORVENT project file";

// The OK button's refusals.
inline constexpr char kMsgNameInvalid[] = "The project name is invalid.";
inline constexpr char kMsgNameForbidden[] =
    "The following character cannot be used for a project name.\n\t\\/:,;*?\"<>|";
inline constexpr char kMsgLocationInvalid[] = "The location is invalid.";
inline constexpr char kMsgProjectFileMissing[] = "The project file is not exist.";
inline constexpr char kMsgNoApplication[] = "The application is no selected.";
inline constexpr char kMsgNoProjectType[] = "The project type is no selected.";
inline constexpr char kMsgFolderFailed[] = "Creation of a project location went wrong.\n[";
inline constexpr char kMsgProjectExists[] =
    "A project already exists in the specified folder.\nPlease choose another location or "
    "another project name.";
inline constexpr char kMsgFileFailed[] = "Creation of a project file went wrong.";

// The Reference button's refusals: a chosen name that the ANSI code page
// cannot hold exactly.
inline constexpr char kMsgFolderNameUnusable[] =
    "The path of the selected folder holds characters that cannot be used.\nPlease choose a "
    "folder without such characters.";
inline constexpr char kMsgFileNameUnusable[] =
    "The path of the selected file holds characters that cannot be used.\nPlease choose a file "
    "without such characters.";

// Where a refusal puts the keyboard focus.
enum class Field { kNone, kName, kLocation, kApplication, kProjectType };

struct OkOutcome {
  bool accepted = false;
  std::string message;  // the refusal, shown as it stands
  Field focus = Field::kNone;
};

// Where the Reference button's chooser opens.
struct ChooserStart {
  std::string folder;
  std::string fileName;  // open mode: the file name it shows first
};

class ProjectDialogModel {
 public:
  // The preset project; all six fields are taken.
  void SetEntry(const RecentEntry& preset) { entry = preset; }
  // The result after OK: the project and the chosen application.
  RecentEntry GetEntry() const { return entry; }

  // The preset project, its file and the choices the dialog opens with.
  void Initialise(Platform& platform);
  // The radios that may be picked in the present state.
  RadioEnables Enables() const;
  // A click on an application radio, or on a project type radio: the choices
  // repaired by the enables in force when the click came, which are
  // returned, since the dialog shows those.
  RadioEnables ApplicationClicked();
  RadioEnables ProjectTypeClicked();

  // The Reference button: name and location trimmed, and where the chooser
  // opens. Create mode chooses a folder, opened in the process's current
  // folder too, which is set to it; open mode chooses a project file.
  ChooserStart BeginReference(Platform& platform);
  void TakeFolder(const std::string& folder);
  void TakeProjectFile(const std::string& path);

  // OK, first step: name and location trimmed, and in create mode the
  // location given exactly one trailing backslash, which the dialog shows
  // before any check.
  void PrepareOk();
  // OK, second step: the checks in their order, in create mode the project
  // made on disk with `fileVersion` recorded, and the result filled.
  OkOutcome ConfirmOk(Platform& platform, const VersionNumbers& fileVersion);

  // The dialog's members.
  std::string nameText;
  std::string locationText;
  int applicationChoice = kAppBasic;
  int projectTypeChoice = kTypeMeasurement;
  bool createMode = false;
  // The project is fixed by the preset entry; only the application is chosen.
  bool selectApplicationMode = false;
  bool showExtremeWind = true;
  bool showWindPower = false;
  RecentEntry entry;
  ProjectFile projectFile;
  std::string startFolder;
  int initialProjectType = kTypeMeasurement;
  // The hidden geodetic group's selection: never shown, still in force.
  int geodeticRadio = kGeoTokyo;

 private:
  OkOutcome CheckCreateInput(Platform& platform) const;
  OkOutcome CheckOpenInput(Platform& platform) const;
  OkOutcome MakeProject(Platform& platform, const VersionNumbers& fileVersion);
};

// Folder (drive and directory) and file name of a path, both trimmed; false
// when the path names an existing folder or both parts are empty.
bool SplitChooserPath(Platform& platform, const std::string& path, std::string* folder,
                      std::string* fileName);

}  // namespace orvent
