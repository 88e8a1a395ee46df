#include "ui/selector/dlg_page1.h"

#include "platform/platform.h"
#include "res/resource.h"
#include "ui/about/about_dlg.h"
#include "ui/framework/application.h"
#include "ui/framework/backend.h"

namespace {
const char kManualFile[] = "OL_Manual.pdf";
}  // namespace

CDlgPage1::CDlgPage1(ui::Dialog* parent) : ui::Dialog(IDD_SELECTOR, parent), icon(IDR_MAINFRAME) {}

void CDlgPage1::DoDataExchange(ui::DataExchange&) {
  // The grid is bound to its control; nothing else is exchanged.
  grid = Window()->Grid(IDC_RECENT_GRID);
}

bool CDlgPage1::OnInitDialog() {
  ui::Dialog::OnInitDialog();
  ui::WaitCursor waitCursor;

  const std::string aboutText = ui::CurrentBackend().LoadResourceString(IDS_ABOUTBOX);
  if (!aboutText.empty()) Window()->AppendSystemMenuItem(IDM_ABOUTBOX, aboutText);
  Window()->SetIcon(icon);

  LocateSettingsFile();
  SetUpGrid();
  FillRecentGrid(0);
  UpdateData(false);

  layout = RecordSelectorLayout(*Window());
  LayoutControls();
  return true;
}

bool CDlgPage1::OnCommand(int id, int notifyCode) {
  switch (id) {
    case IDC_EXIT:
      OnExit();
      return true;
    case IDC_HELP_MANUAL:
      OnHelp();
      return true;
    case IDC_CREATE_NEW_PROJECT:
      OnCreateNewProject();
      return true;
    case IDC_SELECT_OPEN_PROJECT:
      OnSelectOpenProject();
      return true;
    case IDC_LAST_APPLICATION:
      OnLastApplication();
      return true;
    case IDC_SELECT_APPLICATION:
      OnSelectApplication();
      return true;
    case IDC_DELETE_HISTORY:
      OnDeleteHistory();
      return true;
    case ui::kIdOk:
      // The window has no default button: Enter, in the grid above all,
      // must not close the Selector.
      return true;
    default:
      return ui::Dialog::OnCommand(id, notifyCode);
  }
}

bool CDlgPage1::OnNotify(const ui::Notification& n) {
  if (n.id != IDC_RECENT_GRID) return false;
  switch (n.code) {
    case ui::kGridDoubleClick:
      OnGridDblClick();
      return true;
    case ui::kGridKeyDown:
      OnGridKeyDown(n.key);
      return false;  // every key is left to the grid as well
    case ui::kGridMouseMove:
      OnGridMouseMove(n.x, n.y);
      return false;
    default:
      return false;
  }
}

bool CDlgPage1::PreTranslateMessage(const ui::NativeMessage* message) {
  if (toolTip != nullptr) toolTip->Relay(message);
  return ui::Dialog::PreTranslateMessage(message);
}

bool CDlgPage1::OnSysCommand(unsigned command) {
  if ((command & 0xFFF0u) == IDM_ABOUTBOX) {
    CAboutDlg about(this);
    about.DoModal();
    return true;
  }
  return false;
}

bool CDlgPage1::OnPaint() {
  if (!Window()->IsMinimized()) return false;
  Window()->PaintMinimizedIcon(icon);
  return true;
}

int CDlgPage1::OnQueryDragIcon() { return icon; }

void CDlgPage1::OnSizing(int edge, ui::Rect* windowRect) {
  KeepMinimumSize(layout, edge, windowRect);
}

void CDlgPage1::OnSize(int, int, int) { LayoutControls(); }

void CDlgPage1::LayoutControls() {
  if (Window() != nullptr) LayoutSelectorControls(layout, Window());
}

void CDlgPage1::OnExit() { EndDialog(ui::kIdCancel); }

void CDlgPage1::OnHelp() {
  const std::string path = programFolder + kManualFile;
  if (!orvent::CurrentPlatform().ShellOpen(path)) {
    ShowMessage("Acrobat reader is not installed or not found.");
  }
}
