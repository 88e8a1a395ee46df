// The project dialog's radio rules: which application, project type and
// geodetic radios may be picked, and the repair of a choice that may not.
#include "res/resource.h"
#include "ui/project_dialog/dlg_page2.h"
#include "project/project_choices.h"
#include "project/radio_rules.h"

namespace {

// The first enabled radio of a group when the chosen one is missing or
// disabled; the choice as it is when no radio is enabled.
int PickEnabled(const ui::DialogWindow& window, int firstId, int count, int choice) {
  if (choice >= 0 && choice < count && window.IsItemEnabled(firstId + choice)) return choice;
  for (int index = 0; index < count; ++index) {
    if (window.IsItemEnabled(firstId + index)) return index;
  }
  return choice;
}

template <int N>
void EnableGroup(ui::DialogWindow& window, int firstId, const bool (&flags)[N]) {
  for (int index = 0; index < N; ++index) {
    if (window.HasItem(firstId + index)) window.EnableItem(firstId + index, flags[index]);
  }
}

}  // namespace

int CDlgPage2::SelectedGeodeticRadio() const {
  for (int radio = 0; radio < orvent::kGeodeticRadioCount; ++radio) {
    if (Window()->IsItemChecked(IDC_GEO_TOKYO + radio)) return radio;
  }
  return -1;
}

void CDlgPage2::SelectGeodeticRadio(int radio) {
  for (int index = 0; index < orvent::kGeodeticRadioCount; ++index) {
    Window()->SetItemChecked(IDC_GEO_TOKYO + index, index == radio);
  }
}

void CDlgPage2::UpdateRadioStates() {
  orvent::RadioRuleInput input;
  input.createMode = createMode;
  input.selectApplicationMode = selectApplicationMode;
  input.showExtremeWind = showExtremeWind;
  input.showWindPower = showWindPower;
  input.haveName = !nameText.empty();
  input.haveLocation = !locationText.empty();
  input.applicationChoice = applicationChoice;
  input.projectTypeChoice = projectTypeChoice;
  input.initialProjectType = initialProjectType;
  input.geodeticRadio = SelectedGeodeticRadio();
  const orvent::RadioEnables enables = orvent::ComputeRadioEnables(input);

  ui::DialogWindow& window = *Window();
  EnableGroup(window, IDC_APP_BASIC, enables.application);
  EnableGroup(window, IDC_TYPE_MEASUREMENT, enables.projectType);
  EnableGroup(window, IDC_GEO_TOKYO, enables.geodetic);
  // The project is fixed; there is nothing to look for.
  if (selectApplicationMode) window.EnableItem(IDC_REFERENCE, false);
}

int CDlgPage2::PickEnabledApplication() const {
  return PickEnabled(*Window(), IDC_APP_BASIC, orvent::kApplicationRadioCount, applicationChoice);
}

int CDlgPage2::PickEnabledProjectType() const {
  return PickEnabled(*Window(), IDC_TYPE_MEASUREMENT, orvent::kProjectTypeRadioCount,
                     projectTypeChoice);
}

void CDlgPage2::OnApplicationClicked() {
  if (!UpdateData(true)) return;
  UpdateRadioStates();
  applicationChoice = PickEnabledApplication();
  UpdateData(false);
  projectTypeChoice = PickEnabledProjectType();
  UpdateData(false);
}

void CDlgPage2::OnProjectTypeClicked() {
  if (!UpdateData(true)) return;
  UpdateRadioStates();
  // Only the application follows; the project type the user clicked stays.
  applicationChoice = PickEnabledApplication();
  UpdateData(false);
}
