#include "ui/selector/dlg_page1.h"

#include <shellapi.h>

#include <utility>

#include "history/history_file.h"
#include "history/messages.h"
#include "history/recent_grid.h"
#include "history/settings_file.h"
#include "launch/manual.h"
#include "launch/messages.h"
#include "launch/project_folder.h"
#include "launch/start_application.h"
#include "namelist/mbcs.h"
#include "project/command_line_project.h"
#include "res/resource.h"
#include "ui/about/about_dlg.h"
#include "ui/framework/application.h"
#include "ui/framework/clipboard.h"
#include "ui/project_dialog/dlg_page2.h"
#include "ui/selector/grid_font.h"

namespace {

const int kColumnWidths[orvent::kGridColumns] = {3500, 1800, 7000};
const double kStartFontSize = 8.25;
const int kTipInitialMs = 200;
const int kTipReshowMs = 500;
const int kTipAutoPopMs = 10000;
const int kTipMaxWidth = 300;
// How long a project file's check may take before the row is drawn as it is.
const int kPresenceBoundMs = 2000;
const char kNotFoundTip[] = " (not found)";

HICON LoadProgramIcon(int widthMetric, int heightMetric) {
  return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME),
                                       IMAGE_ICON, GetSystemMetrics(widthMetric),
                                       GetSystemMetrics(heightMetric), LR_SHARED));
}

}  // namespace

CDlgPage1::CDlgPage1(ui::Dialog* parent, orvent::Platform& platform, std::string programFolder,
                     orvent::VersionInfo version)
    : ui::Dialog(IDD_SELECTOR, parent),
      icon(LoadProgramIcon(SM_CXICON, SM_CYICON)),
      platform_(platform),
      programFolder_(std::move(programFolder)),
      version_(std::move(version)) {}

void CDlgPage1::DoDataExchange(ui::DataExchange&) {
  // The grid is bound to its control; nothing is exchanged, so the buttons'
  // handlers have no data to take from the window.
  grid.Attach(Item(IDC_RECENT_GRID));
}

BOOL CDlgPage1::OnInitDialog() {
  ui::Dialog::OnInitDialog();
  ui::WaitCursor waitCursor;

  const std::string aboutText = ui::LoadResourceString(IDS_ABOUTBOX);
  HMENU systemMenu = GetSystemMenu(hwnd_, FALSE);
  if (systemMenu != nullptr && !aboutText.empty()) {
    AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(systemMenu, MF_STRING, IDM_ABOUTBOX, aboutText.c_str());
  }
  DragAcceptFiles(hwnd_, TRUE);
  Send(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  Send(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(LoadProgramIcon(SM_CXSMICON, SM_CYSMICON)));

  settingsPath = orvent::LocateSettingsFile(platform_, programFolder_, &history);
  SetUpGrid();
  FillRecentGrid(0);
  UpdateData(false);

  layout = RecordSelectorLayout(*this);
  LayoutSelectorControls(layout, *this);
  return TRUE;
}

void CDlgPage1::SetUpGrid() {
  double size = kStartFontSize;
  const std::string face = GetDialogFontInfo(hwnd_, &size, true);
  grid.SetFont(face, static_cast<float>(size));
  grid.SetCols(orvent::kGridColumns);
  grid.SetRows(1);
  grid.SetFixedCols(0);
  grid.SetFixedRows(1);
  grid.SetRedraw(true);
  for (int col = 0; col < orvent::kGridColumns; ++col) {
    grid.SetTextMatrix(0, col, orvent::kGridHeaders[col]);
  }
  grid.FitColumns(kColumnWidths, orvent::kGridColumns);
}

void CDlgPage1::SetUpOnceDrawn() {
  toolTip.Create(grid.Handle());
  toolTip.SetDelays(kTipInitialMs, kTipReshowMs, kTipAutoPopMs);
  toolTip.SetMaxWidth(kTipMaxWidth);
  HWND window = hwnd_;
  orvent::Platform* platform = &platform_;
  presence_ = std::make_unique<orvent::ProjectPresence>(
      [platform](const std::string& path) { return platform->Exists(path); },
      [window] { PostMessageA(window, WM_COMMAND, ID_GRID_PRESENCE, 0); }, kPresenceBoundMs);
}

void CDlgPage1::FillRecentGrid(int) {
  const int fixedRows = grid.FixedRows();
  const int fixedCols = grid.FixedCols();
  grid.SetRedraw(false);
  grid.SetRows(fixedRows);
  grid.SetRows(fixedRows);
  const int n = static_cast<int>(history.size());
  if (n > 0) grid.SetRows(n + fixedRows);
  for (int i = 0; i < n; ++i) {
    for (int col = 0; col < orvent::kGridColumns; ++col) {
      grid.SetTextMatrix(fixedRows + i, col,
                         orvent::GridCellText(history[static_cast<std::size_t>(i)], col));
    }
  }
  if (grid.Cols() > fixedCols) grid.SetCol(fixedCols);
  if (grid.Rows() > fixedRows) grid.SetRow(fixedRows);
  grid.ShowCell(grid.Row(), grid.Col());
  grid.SetRedraw(true);
}

bool CDlgPage1::OnCommand(int id, int notifyCode) {
  switch (id) {
    case IDC_EXIT:
      OnCancel();
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
    case ID_GRID_OPEN_FOLDER:
      OnOpenContainingFolder();
      return true;
    case ID_GRID_COPY_PATH:
      OnCopyPath();
      return true;
    case ID_GRID_PRESENCE:
      // The first comes once the grid is drawn: the window shows without
      // waiting for what it does not need yet.
      if (presence_ == nullptr) SetUpOnceDrawn();
      InvalidateRect(grid.Handle(), nullptr, FALSE);
      return true;
    case IDOK:
      // The window has no default button: Enter, in the grid above all,
      // must not close the Selector.
      return true;
    default:
      return ui::Dialog::OnCommand(id, notifyCode);
  }
}

bool CDlgPage1::OnNotify(const NMHDR* header) {
  if (header->idFrom != IDC_RECENT_GRID) return false;
  if (grid.FillDisplayInfo(header)) return true;
  switch (header->code) {
    case NM_DBLCLK:
      OnGridDblClick();
      return true;
    case NM_CUSTOMDRAW: {
      // A row whose project file is gone is drawn in grey.
      auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(const_cast<NMHDR*>(header));
      if (draw->nmcd.dwDrawStage == CDDS_PREPAINT) {
        SetMessageResult(CDRF_NOTIFYITEMDRAW | (presence_ == nullptr ? CDRF_NOTIFYPOSTPAINT : 0));
      } else if (draw->nmcd.dwDrawStage == CDDS_POSTPAINT) {
        PostCommand(ID_GRID_PRESENCE);
      } else if (draw->nmcd.dwDrawStage == CDDS_ITEMPREPAINT) {
        if (ProjectMissing(static_cast<int>(draw->nmcd.dwItemSpec))) {
          draw->clrText = GetSysColor(COLOR_GRAYTEXT);
        }
        SetMessageResult(CDRF_DODEFAULT);
      }
      return true;
    }
    case NM_RCLICK:
      // The list-view has made the row under the pointer current; the
      // context menu that follows is for it.
      rightClickItem_ = reinterpret_cast<const NMITEMACTIVATE*>(header)->iItem;
      return false;
    case LVN_KEYDOWN:
      OnGridKeyDown(reinterpret_cast<const NMLVKEYDOWN*>(header)->wVKey);
      return false;  // every key is left to the grid as well
    case ui::kGridChar: {
      const auto* typed = reinterpret_cast<const ui::GridChar*>(header);
      OnGridChar(typed->text, typed->time);
      return true;
    }
    case ui::kGridMouseMove: {
      const auto* move = reinterpret_cast<const ui::GridMouseMove*>(header);
      OnGridMouseMove(move->x, move->y);
      return false;
    }
    default:
      return false;
  }
}

bool CDlgPage1::PreTranslateMessage(MSG* message) {
  toolTip.Relay(message);
  return ui::Dialog::PreTranslateMessage(message);
}

bool CDlgPage1::OnSysCommand(UINT command) {
  if ((command & 0xFFF0u) != IDM_ABOUTBOX) return false;
  CAboutDlg about(this, platform_, version_);
  about.DoModal();
  return true;
}

bool CDlgPage1::OnPaint() {
  if (!IsMinimized()) return false;
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd_, &paint);
  Send(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  const RECT client = ClientRect();
  DrawIcon(dc, (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2,
           (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2, icon);
  EndPaint(hwnd_, &paint);
  return true;
}

HICON CDlgPage1::OnQueryDragIcon() { return icon; }

void CDlgPage1::OnSizing(UINT edge, RECT* windowRect) { KeepMinimumSize(layout, edge, windowRect); }

void CDlgPage1::OnSize(UINT, int, int) { LayoutSelectorControls(layout, *this); }

void CDlgPage1::OnShowWindow(bool show, UINT) {
  if (!show || commandLineProject.empty()) return;
  if (!orvent::ReadCommandLineProject(platform_, commandLineProject, &currentEntry, &projectFile)) {
    return;
  }
  // The project dialog opens once the window is on the screen.
  PostCommand(IDC_SELECT_OPEN_PROJECT);
}

void CDlgPage1::OnDropFiles(const std::vector<std::string>& paths) {
  if (!orvent::IsDroppedProject(platform_, paths) ||
      !orvent::ReadCommandLineProject(platform_, paths[0], &currentEntry, &projectFile)) {
    MessageBeep(MB_OK);
    return;
  }
  commandLineProject = paths[0];
  OnSelectOpenProject();
}

void CDlgPage1::OnHelp() {
  if (!orvent::OpenManual(platform_, programFolder_)) ShowMessage(orvent::kMsgNoManual);
}

void CDlgPage1::OnCreateNewProject() {
  CDlgPage2 dialog(this, platform_, version_.fileVersion, orvent::ProjectDialogMode::kCreate);
  if (dialog.DoModal() != IDOK) return;
  const orvent::RecentEntry entry = dialog.Result();
  StartApplication(&entry, -1);
}

void CDlgPage1::OnSelectOpenProject() {
  CDlgPage2 dialog(this, platform_, version_.fileVersion, orvent::ProjectDialogMode::kOpen,
                   commandLineProject.empty() ? orvent::RecentEntry() : currentEntry);
  if (dialog.DoModal() != IDOK) {
    commandLineProject.clear();
    return;
  }
  const orvent::RecentEntry entry = dialog.Result();
  StartApplication(&entry, -1);
}

void CDlgPage1::OnLastApplication() {
  const int row = SelectedHistoryRow();
  if (row < 0) return;
  const orvent::RecentEntry entry = history[static_cast<std::size_t>(row)];
  StartApplication(&entry, row);
}

void CDlgPage1::OnSelectApplication() {
  const int row = SelectedHistoryRow();
  if (row < 0) return;
  CDlgPage2 dialog(this, platform_, version_.fileVersion,
                   orvent::ProjectDialogMode::kSelectApplication,
                   history[static_cast<std::size_t>(row)]);
  if (dialog.DoModal() != IDOK) return;
  const orvent::RecentEntry entry = dialog.Result();
  StartApplication(&entry, row);
}

void CDlgPage1::OnDeleteHistory() {
  const int row = grid.Row();
  const int index = orvent::HistoryIndexOfRow(row, grid.Rows(), grid.FixedRows());
  if (index < 0) return;
  if (ShowMessage(orvent::kMsgDeleteQuestion, MB_OKCANCEL) != IDOK) return;
  grid.RemoveItem(row);
  // A settings file that cannot be written leaves the change in memory.
  historySaved_ = orvent::DeleteHistoryRow(&history, index, settingsPath);
  const int current = orvent::RowAfterDeletion(row, grid.Rows(), grid.FixedRows());
  if (current >= 0) {
    grid.SetRow(current);
    grid.ShowCell(grid.Row(), grid.Col());
  }
}

bool CDlgPage1::ProjectMissing(int row) {
  if (row < 0 || row >= static_cast<int>(history.size()) || presence_ == nullptr) return false;
  const std::string path = orvent::ProjectFilePath(history[static_cast<std::size_t>(row)]);
  return presence_->Get(path) == orvent::ProjectPresence::State::kMissing;
}

int CDlgPage1::SelectedHistoryRow() const {
  return orvent::HistoryIndexOfRow(grid.Row(), grid.Rows(), grid.FixedRows());
}

void CDlgPage1::OnGridDblClick() {
  const int row = SelectedHistoryRow();
  if (row >= 0) StartApplication(nullptr, row);
}

void CDlgPage1::OnGridKeyDown(int key) {
  if (key == orvent::kDeleteKey) OnDeleteHistory();
}

bool CDlgPage1::OnContextMenu(HWND window, int x, int y) {
  if (window != grid.Handle()) return false;
  const bool fromKeyboard = x == -1 && y == -1;
  const int clicked = rightClickItem_;
  rightClickItem_ = -1;
  if (!fromKeyboard) {
    if (clicked < 0) return true;  // not on a row
    grid.SetRow(clicked + grid.FixedRows());
  }
  const int row = SelectedHistoryRow();
  if (row < 0) return true;
  if (fromKeyboard) {
    RECT item = {};
    ListView_GetItemRect(grid.Handle(), row, &item, LVIR_LABEL);
    POINT at = {item.left, item.bottom};
    ClientToScreen(grid.Handle(), &at);
    x = at.x;
    y = at.y;
  }
  HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_GRID_MENU));
  if (menu == nullptr) return true;
  // The chosen item comes as a command, as from the button it stands for.
  TrackPopupMenu(GetSubMenu(menu, 0), TPM_LEFTALIGN | TPM_RIGHTBUTTON, x, y, 0, hwnd_, nullptr);
  DestroyMenu(menu);
  return true;
}

void CDlgPage1::OnOpenContainingFolder() {
  const int row = SelectedHistoryRow();
  if (row < 0) return;
  switch (orvent::OpenProjectFolder(platform_, history[static_cast<size_t>(row)])) {
    case orvent::FolderOpen::kNotFound:
      ShowMessage(orvent::kMsgFolderNotFound);
      break;
    case orvent::FolderOpen::kNotOpened:
      MessageBeep(MB_OK);
      break;
    case orvent::FolderOpen::kOpened:
      break;
  }
}

void CDlgPage1::OnCopyPath() {
  const int row = SelectedHistoryRow();
  if (row < 0) return;
  if (!ui::CopyText(hwnd_, orvent::ProjectFilePath(history[static_cast<size_t>(row)]))) {
    MessageBeep(MB_OK);
  }
}

void CDlgPage1::OnGridChar(const std::string& text, DWORD time) {
  const std::string& typed = typeAhead_.Add(text, time);
  const int row =
      orvent::FindRecentRow(history, SelectedHistoryRow(), typed, typeAhead_.Extended());
  if (row < 0) {
    MessageBeep(MB_OK);
    return;
  }
  grid.SetRow(row + grid.FixedRows());
  grid.ShowCell(grid.Row(), grid.Col());
}

void CDlgPage1::OnGridMouseMove(float x, float y) {
  const int col = grid.MouseCol();
  const int row = grid.MouseRow();
  if (col >= grid.FixedCols() && row >= grid.FixedRows()) {
    if (x != previousX_ || y != previousY_) toolTip.Pop();
    tipText = orvent::Trim(grid.TextMatrix(row, col));
    if (ProjectMissing(row - grid.FixedRows())) tipText += kNotFoundTip;
  } else {
    toolTip.Pop();
    tipText.clear();
  }
  previousX_ = x;
  previousY_ = y;
  toolTip.SetText(tipText);
}

void CDlgPage1::StartApplication(const orvent::RecentEntry* entry, int row) {
  orvent::StartPlan plan;
  switch (orvent::PlanStart(platform_, history, entry, row, programFolder_, &plan)) {
    case orvent::StartCheck::kNoProject:
      return;
    case orvent::StartCheck::kProjectFileMissing:
      ShowMessage(orvent::kMsgProjectFileMissing);
      return;
    case orvent::StartCheck::kReady:
      break;
  }
  ui::WaitCursor waitCursor;
  if (!orvent::StartApplication(platform_, plan)) {
    ShowMessage(orvent::kMsgNotStarted);
    return;
  }
  // The member application runs whether or not the history can be saved.
  historySaved_ = orvent::RecordStart(&history, plan, row, settingsPath);
  FillRecentGrid(0);
  EndSelector(IDOK);
}

void CDlgPage1::OnOK() { EndSelector(IDOK); }

void CDlgPage1::OnCancel() { EndSelector(IDCANCEL); }

void CDlgPage1::EndSelector(int result) {
  if (!historySaved_) {
    ShowMessage(orvent::HistoryNotSavedMessage(settingsPath));
    historySaved_ = true;  // told once
  }
  EndDialog(result);
}
