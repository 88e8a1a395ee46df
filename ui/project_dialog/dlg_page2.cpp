#include "ui/project_dialog/dlg_page2.h"

#include "res/resource.h"
#include "ui/framework/choosers.h"
#include "ui/project_dialog/responsive_wait.h"

namespace {

// The template's Project Type frame holds Extreme wind; Wind power needs one
// more row below it.
const int kWindPowerGrowth = 27;

template <std::size_t N>
void EnableGroup(const ui::Window& window, int firstId, const bool (&flags)[N]) {
  int id = firstId;
  for (const bool enabled : flags) window.EnableItem(id++, enabled);
}

int FocusTarget(orvent::Field field) {
  switch (field) {
    case orvent::Field::kName:
      return IDC_PROJECT_NAME;
    case orvent::Field::kLocation:
      return IDC_LOCATION;
    case orvent::Field::kApplication:
      return IDC_APP_BASIC;
    case orvent::Field::kProjectType:
      return IDC_TYPE_MEASUREMENT;
    default:
      return 0;
  }
}

}  // namespace

CDlgPage2::CDlgPage2(ui::Dialog* parent, orvent::Platform& platform,
                     orvent::VersionNumbers fileVersion, orvent::ProjectDialogMode mode,
                     const orvent::RecentEntry& preset)
    : ui::Dialog(IDD_PROJECT, parent),
      model_(mode, preset),
      platform_(platform),
      fileVersion_(fileVersion) {}

CDlgPage2::~CDlgPage2() = default;

void CDlgPage2::DoDataExchange(ui::DataExchange& dx) {
  orvent::ProjectDialogState& state = model_.State();
  dx.Text(IDC_PROJECT_NAME, state.name);
  dx.Text(IDC_LOCATION, state.location);
  dx.Radio(IDC_APP_BASIC, state.application);
  dx.Radio(IDC_TYPE_MEASUREMENT, state.projectType);
}

BOOL CDlgPage2::OnInitDialog() {
  // The controls are filled once the model is initialised, below.
  if (Item(IDC_PROJECT_TYPE_FRAME) != nullptr) {
    RECT box = {};
    GetClientRect(Item(IDC_PROJECT_TYPE_FRAME), &box);
    typeBoxBaseHeight = box.bottom - box.top;
  }
  model_.Initialise(platform_);
  UpdateData(false);
  SetupMode(model_.CreateMode());
  MoveCaretToEnd(IDC_LOCATION);
  // The geodetic group is hidden in the template, but its selection still counts.
  ShowGeodeticRadio();
  UpdateRadioStates(model_.Enables());
  return TRUE;
}

void CDlgPage2::OnCommand(int id, int notifyCode) {
  if (notifyCode != BN_CLICKED) return ui::Dialog::OnCommand(id, notifyCode);
  switch (id) {
    case IDOK:
    case IDC_PROJECT_OK:
      OnOkClicked();
      break;
    case IDC_PROJECT_CANCEL:
      OnCancel();
      break;
    case IDC_REFERENCE:
      OnReferenceClicked();
      break;
    case IDC_APP_BASIC:
    case IDC_APP_ENERGY:
    case IDC_APP_ENGINEERING:
      OnApplicationClicked();
      break;
    case IDC_TYPE_MEASUREMENT:
    case IDC_TYPE_MESOSCALE:
    case IDC_TYPE_DESIGN_WIND:
    case IDC_TYPE_EXTREME_WIND:
    case IDC_TYPE_WIND_POWER:
      OnProjectTypeClicked();
      break;
    default:
      ui::Dialog::OnCommand(id, notifyCode);
  }
}

void CDlgPage2::SetupMode(bool create) {
  for (int id : {IDC_PROJECT_NAME, IDC_LOCATION}) {
    HWND edit = Item(id);
    SendMessageA(edit, EM_SETREADONLY, create ? FALSE : TRUE, 0);
    const LONG style = GetWindowLongA(edit, GWL_STYLE);
    SetWindowLongA(edit, GWL_STYLE, create ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP));
  }
  const orvent::ModeTexts& texts = create ? orvent::kCreateModeTexts : orvent::kOpenModeTexts;
  SetItemText(IDC_PROJECT_OK, texts.okButton);
  SetItemText(IDC_LOCATION_LABEL, texts.locationLabel);
  SetItemText(IDC_REFERENCE, texts.referenceButton);
  SetText(texts.title);
}

void CDlgPage2::ShowWindPowerChoice() {
  // Never below the frame: shown only where the frame is grown to hold it.
  const bool show = model_.State().showWindPower;
  ShowItem(IDC_TYPE_WIND_POWER, show);
  GrowTypeBox(show ? kWindPowerGrowth : 0);
}

void CDlgPage2::GrowTypeBox(int extraPixels) {
  if (Item(IDC_PROJECT_TYPE_FRAME) == nullptr || typeBoxBaseHeight < 1) return;
  // The program is DPI-aware, so the growth, given at 96 dpi, is scaled to
  // the display as the template's dialog units are.
  RECT box = ItemRect(IDC_PROJECT_TYPE_FRAME);
  box.bottom = box.top + typeBoxBaseHeight + MulDiv(extraPixels, ui::WindowDpi(hwnd_), 96);
  MoveItem(IDC_PROJECT_TYPE_FRAME, box);
}

void CDlgPage2::MoveCaretToEnd(int editId) {
  // The caret at the end and scrolled into view: the end of a long path
  // tells more than its start.
  HWND edit = Item(editId);
  const int end = GetWindowTextLengthA(edit);
  SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(end), end);
  SendMessageA(edit, EM_SCROLLCARET, 0, 0);
}

void CDlgPage2::ShowGeodeticRadio() {
  for (int index = 0; index < orvent::kGeodeticRadioCount; ++index) {
    CheckItem(IDC_GEO_TOKYO + index, index == model_.State().geodeticRadio);
  }
}

void CDlgPage2::UpdateRadioStates(const orvent::RadioEnables& enables) {
  EnableGroup(*this, IDC_APP_BASIC, enables.application);
  EnableGroup(*this, IDC_TYPE_MEASUREMENT, enables.projectType);
  EnableGroup(*this, IDC_GEO_TOKYO, enables.geodetic);
  // The project is fixed; there is nothing to look for.
  if (model_.Mode() == orvent::ProjectDialogMode::kSelectApplication)
    EnableItem(IDC_REFERENCE, false);
}

void CDlgPage2::OnApplicationClicked() {
  if (!UpdateData(true)) return;
  UpdateRadioStates(model_.ApplicationClicked());
  UpdateData(false);
}

void CDlgPage2::OnProjectTypeClicked() {
  if (!UpdateData(true)) return;
  UpdateRadioStates(model_.ProjectTypeClicked());
  UpdateData(false);
}

void CDlgPage2::OnReferenceClicked() {
  if (!UpdateData(true)) return;
  const orvent::ChooserStart start = model_.BeginReference(platform_);
  if (model_.CreateMode()) {
    std::string folder;
    const ui::Chosen chosen = ui::ChooseFolder(hwnd_, start.folder, &folder);
    if (chosen == ui::Chosen::kUnusableName) ShowMessage(orvent::kMsgFolderNameUnusable);
    if (chosen != ui::Chosen::kChosen) return;
    model_.TakeFolder(folder);
  } else {
    ui::FileChooser request;
    const std::string pattern = std::string("*") + orvent::kProjectFileExtension;
    request.filters = {{"ORVENT project files(" + pattern + ")", pattern},
                       {"all files(*.*)", "*.*"}};
    request.title = orvent::kProjectFileChooserTitle;
    request.defaultExtension = orvent::kProjectFileExtension;
    request.initialFolder = start.folder;
    request.fileName = start.fileName;
    std::string path;
    const ui::Chosen chosen = ui::ChooseFile(hwnd_, request, &path);
    if (chosen == ui::Chosen::kUnusableName) ShowMessage(orvent::kMsgFileNameUnusable);
    if (chosen != ui::Chosen::kChosen) return;
    model_.TakeProjectFile(path);
    ShowWindPowerChoice();
    ShowGeodeticRadio();
  }
  UpdateData(false);
  MoveCaretToEnd(IDC_LOCATION);
  UpdateRadioStates(model_.Enables());
}

void CDlgPage2::OnOkClicked() {
  if (!UpdateData(true)) return;
  const orvent::OkTexts& texts = model_.PrepareOk();
  if (model_.CreateMode()) {
    // The location is shown normalised even when it is refused.
    SetItemText(IDC_PROJECT_NAME, texts.name);
    SetItemText(IDC_LOCATION, texts.location);
    MoveCaretToEnd(IDC_LOCATION);
  }
  // A project folder that cannot be made is retried for a minute.
  orvent::OkOutcome outcome;
  RunWithoutFreezing(hwnd_, [&] { outcome = model_.ConfirmOk(platform_, fileVersion_); });
  if (outcome.accepted) {
    EndDialog(IDOK);
    return;
  }
  ShowMessage(outcome.message);
  if (FocusTarget(outcome.focus) != 0) GotoDlgCtrl(FocusTarget(outcome.focus));
}
