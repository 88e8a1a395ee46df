#include "ui/project_dialog/dlg_page2.h"

#include "namelist/mbcs.h"
#include "res/resource.h"
#include "project/project_choices.h"
#include "platform/special_folders.h"

namespace {

const int kButtonClicked = 0;
const int kExtremeWindGrowth = 25;
const int kWindPowerGrowth = 52;

}  // namespace

CDlgPage2::CDlgPage2(ui::Dialog* parent) : ui::Dialog(IDD_PROJECT, parent) {}

CDlgPage2::~CDlgPage2() = default;

void CDlgPage2::SetEntry(const orvent::RecentEntry& preset) { entry = preset; }

orvent::RecentEntry CDlgPage2::GetEntry() const { return entry; }

void CDlgPage2::DoDataExchange(ui::DataExchange& dx) {
  dx.Text(IDC_PROJECT_NAME, nameText);
  dx.Text(IDC_LOCATION, locationText);
  dx.Radio(IDC_APP_BASIC, applicationChoice);
  dx.Radio(IDC_TYPE_MEASUREMENT, projectTypeChoice);
}

bool CDlgPage2::OnInitDialog() {
  ui::Dialog::OnInitDialog();
  ui::DialogWindow& window = *Window();
  if (window.HasItem(IDC_PROJECT_TYPE_FRAME)) {
    typeBoxBaseHeight = window.ItemRect(IDC_PROJECT_TYPE_FRAME).Height();
  }
  startFolder = orvent::GetDocumentsFolder();

  nameText = orvent::Trim(entry.projectName);
  locationText = orvent::Trim(entry.location);
  if (!locationText.empty()) {
    locationText = orvent::WithTrailingBackslash(locationText);
    startFolder = locationText;
    // In open mode the edit names the project file itself.
    if (!createMode && !nameText.empty()) locationText += nameText + ".mbc";
  }
  if (!locationText.empty()) {
    orvent::ReadProjectFile(locationText, &projectFile);
    initialProjectType = projectFile.projectType;
  } else {
    initialProjectType = projectTypeChoice;
  }

  if (createMode) {
    applicationChoice = orvent::kAppBasic;
    projectTypeChoice = orvent::kTypeMeasurement;
  } else {
    if (projectFile.projectType == orvent::kTypeExtremeWind) showExtremeWind = true;
    const orvent::Choices choices =
        orvent::ChoicesForAppIndex(entry.appIndex, projectFile.projectType);
    applicationChoice = choices.application;
    projectTypeChoice = choices.projectType;
  }
  UpdateData(false);

  if (showExtremeWind) ShowExtremeWindChoice(true);
  if (showWindPower) ShowWindPowerChoice(true);
  SetupMode(createMode);
  MoveCaretToEnd(IDC_LOCATION);

  // The geodetic group is never shown, but its selection still counts.
  SelectGeodeticRadio(orvent::GeodeticRadioForIndex(projectFile.geodeticIndex));
  for (int id : {IDC_GEODETIC_FRAME, IDC_GEO_TOKYO, IDC_GEO_JGD2011, IDC_GEO_WGS84}) {
    window.ShowItem(id, false);
  }
  UpdateRadioStates();
  return true;
}

bool CDlgPage2::OnCommand(int id, int notifyCode) {
  if (notifyCode != kButtonClicked) return ui::Dialog::OnCommand(id, notifyCode);
  switch (id) {
    case ui::kIdOk:
    case IDC_PROJECT_OK:
      OnOkClicked();
      return true;
    case IDC_PROJECT_CANCEL:
      OnCancel();
      return true;
    case IDC_REFERENCE:
      OnReferenceClicked();
      return true;
    case IDC_APP_BASIC:
    case IDC_APP_ENERGY:
    case IDC_APP_ENGINEERING:
      OnApplicationClicked();
      return true;
    case IDC_TYPE_MEASUREMENT:
    case IDC_TYPE_MESOSCALE:
    case IDC_TYPE_DESIGN_WIND:
    case IDC_TYPE_EXTREME_WIND:
    case IDC_TYPE_WIND_POWER:
      OnProjectTypeClicked();
      return true;
    default:
      return ui::Dialog::OnCommand(id, notifyCode);
  }
}

void CDlgPage2::SetupMode(bool create) {
  ui::DialogWindow& window = *Window();
  for (int id : {IDC_PROJECT_NAME, IDC_LOCATION}) {
    window.SetItemReadOnly(id, !create);
    window.SetItemTabStop(id, create);
  }
  window.SetItemText(IDC_PROJECT_OK, create ? "&Create" : "&Open");
  window.SetItemText(IDC_LOCATION_LABEL, create ? "Location :" : "Project file :");
  window.SetItemText(IDC_REFERENCE, create ? "&Select..." : "&Reference...");
  window.SetTitle(std::string("ORVENT Project Selector") +
                  (create ? " - Create New Project" : " - Select Open Project"));
}

void CDlgPage2::ShowExtremeWindChoice(bool show) {
  Window()->ShowItem(IDC_TYPE_EXTREME_WIND, show);
  GrowTypeBox(show, kExtremeWindGrowth);
}

void CDlgPage2::ShowWindPowerChoice(bool show) {
  Window()->ShowItem(IDC_TYPE_WIND_POWER, show);
  GrowTypeBox(show, kWindPowerGrowth);
}

void CDlgPage2::GrowTypeBox(bool grow, int extraPixels) {
  ui::DialogWindow& window = *Window();
  if (!window.HasItem(IDC_PROJECT_TYPE_FRAME) || typeBoxBaseHeight < 1) return;
  // The program is DPI-aware, so the growth, given at 96 dpi, is scaled to
  // the display as the template's dialog units are.
  ui::Rect box = window.ItemRect(IDC_PROJECT_TYPE_FRAME);
  box.bottom = box.top + typeBoxBaseHeight + (grow ? window.ScaleForDpi(extraPixels) : 0);
  window.MoveItem(IDC_PROJECT_TYPE_FRAME, box);
}

void CDlgPage2::MoveCaretToEnd(int editId) {
  // Selecting everything first scrolls the start out of view, so the end of
  // a long path stays visible once the selection collapses there.
  ui::DialogWindow& window = *Window();
  window.SelectItemText(editId, 0, -1);
  window.ScrollCaretIntoView(editId);
  window.SelectItemText(editId, -1, -1);
  window.ScrollCaretIntoView(editId);
}
