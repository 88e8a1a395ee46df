// The project dialog's Reference button: a folder for a new project, or an
// existing project file.
#include "namelist/mbcs.h"
#include "namelist/text_split.h"
#include "platform/platform.h"
#include "res/resource.h"
#include "ui/framework/file_chooser.h"
#include "ui/project_dialog/dlg_page2.h"
#include "ui/project_dialog/file_choice.h"
#include "project/project_choices.h"

void CDlgPage2::OnReferenceClicked() {
  if (!UpdateData(true)) return;
  nameText = orvent::Trim(nameText);
  locationText = orvent::Trim(locationText);

  const std::string start = !locationText.empty() && orvent::CurrentPlatform().Exists(locationText)
                                ? locationText
                                : startFolder;
  std::string drive;
  std::string directory;
  orvent::SplitFilePath(start, &drive, &directory, nullptr, nullptr);
  const bool chosen =
      createMode ? ChooseLocationFolder(start) : ChooseProjectFile(start, drive + directory);
  if (!chosen) return;

  UpdateData(false);
  MoveCaretToEnd(IDC_LOCATION);
  UpdateRadioStates();
}

bool CDlgPage2::ChooseLocationFolder(const std::string& start) {
  // Older folder choosers start in the current folder.
  orvent::CurrentPlatform().SetCurrentFolder(start);
  std::string folder;
  if (!Window()->ChooseFolder(start, &folder)) return false;
  std::string location = orvent::Trim(orvent::StripTrailingBackslashes(orvent::Trim(folder)));
  if (!location.empty()) location += '\\';
  locationText = location;
  startFolder = locationText;
  applicationChoice = orvent::kAppBasic;
  return true;
}

bool CDlgPage2::ChooseProjectFile(const std::string& start, const std::string& startDir) {
  ui::FileChooser request;
  request.filters = {{"ORVENT project files(*.mbc)", "*.mbc"}, {"all files(*.*)", "*.*"}};
  request.filterIndex = 1;
  request.title = "Select the ORVENT project file";
  request.defaultExtension = ".mbc";
  request.initialFolder = startDir;
  request.open = true;
  std::string path = start;
  if (!orvent::ChooseFile(*Window(), request, &path)) return false;

  locationText = path;
  std::string drive;
  std::string directory;
  orvent::SplitFilePath(path, &drive, &directory, &nameText, nullptr);
  startFolder = drive + directory;
  orvent::ReadProjectFile(path, &projectFile);
  projectTypeChoice = projectFile.projectType;
  applicationChoice = orvent::kAppBasic;

  showExtremeWind = true;
  ShowExtremeWindChoice(true);
  showWindPower = projectTypeChoice == orvent::kTypeWindPower;
  if (showWindPower) ShowWindPowerChoice(true);

  const int geodetic = orvent::GeodeticRadioForIndex(projectFile.geodeticIndex);
  SelectGeodeticRadio(geodetic);
  ui::DialogWindow& window = *Window();
  window.EnableItem(IDC_GEO_TOKYO, geodetic == orvent::kGeoTokyo);
  window.EnableItem(IDC_GEO_JGD2011, geodetic == orvent::kGeoJgd2011);
  window.EnableItem(IDC_GEO_WGS84, false);
  return true;
}
