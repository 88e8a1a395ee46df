// What the project dialog decides: the preset project and the choices it
// opens with, which radios may be picked and how a choice that may not is
// repaired, what the Reference button's choosers take, and the checks and the
// creation behind OK. The dialog moves these members to and from its
// controls and shows what comes back.
#pragma once

#include <string>

#include "platform/platform.h"
#include "platform/version_info.h"
#include "project/messages.h"
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

// Where a refusal puts the keyboard focus.
enum class Field { kNone, kName, kLocation, kApplication, kProjectType };

struct OkOutcome {
  bool accepted = false;
  std::string message;  // the refusal, shown as it stands
  Field focus = Field::kNone;
};

// The name and location that OK goes on with.
struct OkTexts {
  std::string name;
  std::string location;
};

// Where the Reference button's chooser opens.
struct ChooserStart {
  std::string folder;
  std::string fileName;  // open mode: the file name it shows first
};

enum class ProjectDialogMode {
  kOpen,               // an existing project file is chosen
  kCreate,             // a new project is made
  kSelectApplication,  // the project is the preset one; only the application is chosen
};

// What the dialog shows, and what its radio rules look at.
struct ProjectDialogState {
  std::string name;  // the edits' texts, as the user left them
  std::string location;
  int application = kBasicRadio;  // the radio choices
  int projectType = kTypeMeasurement;
  int initialProjectType = kTypeMeasurement;  // as the project file was read
  // The hidden geodetic group's selection: never shown, still in force.
  int geodeticRadio = kGeoTokyo;
  bool showWindPower = false;
};

class ProjectDialogModel {
 public:
  // The dialog in a mode, preset with a project (all six fields are taken).
  explicit ProjectDialogModel(ProjectDialogMode mode, const RecentEntry& preset = RecentEntry());

  ProjectDialogMode Mode() const { return mode_; }
  bool CreateMode() const { return mode_ == ProjectDialogMode::kCreate; }
  // What the dialog shows; it moves the edits and choices to and from its
  // controls here.
  ProjectDialogState& State() { return state_; }
  const ProjectDialogState& State() const { return state_; }
  // Where the Reference button's chooser opens when the location is no help.
  const std::string& StartFolder() const { return startFolder_; }
  // The result after OK: the project and the chosen application.
  const RecentEntry& Result() const { return entry_; }

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

  // OK, first step: the name and location trimmed, and in create mode the
  // location with exactly one trailing backslash; the dialog shows them
  // before any check.
  const OkTexts& PrepareOk();
  // OK, second step: the checks in their order, in create mode the project
  // made on disk with `fileVersion` recorded, and the result filled.
  OkOutcome ConfirmOk(Platform& platform, const VersionNumbers& fileVersion);

 private:
  OkOutcome CheckCreateInput(Platform& platform) const;
  OkOutcome CheckOpenInput(Platform& platform) const;
  OkOutcome MakeProject(Platform& platform, const VersionNumbers& fileVersion,
                        const std::string& projectFolder);

  const ProjectDialogMode mode_;
  ProjectDialogState state_;
  OkTexts ok_;
  RecentEntry entry_;
  ProjectFile projectFile_;
  std::string startFolder_;
};

// Folder (drive and directory) and file name of a path, both trimmed; false
// when the path names an existing folder or both parts are empty.
bool SplitChooserPath(Platform& platform, const std::string& path, std::string* folder,
                      std::string* fileName);

}  // namespace orvent
