#include "ui/selector/dlg_page1.h"

#include <shellapi.h>

#include <iterator>
#include <utility>

#include "launch/manual.h"
#include "launch/messages.h"
#include "launch/project_folder.h"
#include "res/resource.h"
#include "selector/jump_list.h"
#include "ui/about/about_dlg.h"
#include "ui/framework/application.h"
#include "ui/framework/clipboard.h"
#include "ui/framework/jump_list.h"
#include "ui/project_dialog/dlg_page2.h"
#include "ui/selector/grid_font.h"
#include "ui/selector/selector_place.h"
#include "ui/selector/selector_texts.h"

namespace {

const int kColumnWidths[orvent::SelectorModel::kColumns] = {3500, 1800, 7000};
const double kStartFontSize = 8.25;
const int kTipInitialMs = 200;
const int kTipReshowMs = 500;
const int kTipAutoPopMs = 10000;
const int kTipMaxWidth = 300;
// How long a project file's check may take before the row is drawn as it is.
const int kPresenceBoundMs = 2000;

}  // namespace

CDlgPage1::CDlgPage1(ui::Dialog* parent, orvent::Platform& platform, std::string programFolder,
                     orvent::VersionInfo version)
    : ui::Dialog(IDD_SELECTOR, parent),
      model(platform, programFolder),
      platform_(platform),
      programFolder_(std::move(programFolder)),
      version_(std::move(version)) {}

CDlgPage1::~CDlgPage1() {
  if (scaledFont_ != nullptr) DeleteObject(scaledFont_);
  for (HICON icon : icons_)
    if (icon != nullptr) DestroyIcon(icon);
}

void CDlgPage1::DoDataExchange(ui::DataExchange&) {
  // The grid is bound to its control; nothing is exchanged, so the buttons'
  // handlers have no data to take from the window.
  grid.Attach(Item(IDC_RECENT_GRID));
}

BOOL CDlgPage1::OnInitDialog() {
  ui::Dialog::OnInitDialog();
  ui::WaitCursor waitCursor;

  model.Load();
  SendMessageA(Item(IDC_FILTER), EM_SETCUEBANNER, TRUE,
               reinterpret_cast<LPARAM>(orvent::kFilterCue));
  SetUpGrid();
  FillRecentGrid();
  UpdateData(false);

  layout = RecordSelectorLayout(*this);
  // The words that no row matches lie on the grid, which would paint over
  // them as a sibling.
  SetParent(Item(IDC_FILTER_NONE), grid.Handle());
  RecordStartForDpi();
  LayoutSelectorControls(layout, *this);
  RestoreSelectorPlace(hwnd_, platform_, layout.window);
  // The rows first, although the tab order reads the window from the top.
  SetFocus(grid.Handle());
  return FALSE;
}

void CDlgPage1::SetUpGrid() {
  gridPoints_ = kStartFontSize;
  gridFace_ = GetDialogFontInfo(hwnd_, &gridPoints_);
  grid.SetFont(gridFace_, gridPoints_, ui::WindowDpi(hwnd_));
  grid.SetColumns({std::begin(orvent::kGridHeaders), std::end(orvent::kGridHeaders)}, kColumnWidths,
                  [this](int row, int col) { return model.CellText(row, col); });
}

void CDlgPage1::SetUpOnceDrawn() {
  // Nobody opens the system menu or drops a file on a window not yet seen.
  const std::string aboutText = ui::LoadResourceString(IDS_ABOUTBOX);
  HMENU systemMenu = GetSystemMenu(hwnd_, FALSE);
  if (systemMenu != nullptr && !aboutText.empty()) {
    AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(systemMenu, MF_STRING, IDM_ABOUTBOX, aboutText.c_str());
  }
  DragAcceptFiles(hwnd_, TRUE);
  // Until then the caption shows the window class's icon, the same picture.
  SetIcons(ui::WindowDpi(hwnd_));
  toolTip.Create(grid.Handle());
  toolTip.SetDelays(kTipInitialMs, kTipReshowMs, kTipAutoPopMs);
  toolTip.SetMaxWidth(kTipMaxWidth);
  HWND window = hwnd_;
  orvent::Platform* platform = &platform_;
  presence_ = std::make_unique<orvent::ProjectPresence>(
      [platform](const std::string& path) { return orvent::CheckProjectFile(*platform, path); },
      [window] { PostMessageA(window, WM_COMMAND, ID_GRID_PRESENCE, 0); }, kPresenceBoundMs);
  orvent::ProjectPresence* presence = presence_.get();
  model.SetKnownState([presence](const std::string& path) { return presence->Get(path); });
  removedFromJumpList_ = orvent::KeptJumpRemovals(platform_);
  UpdateJumpList();
}

void CDlgPage1::FillRecentGrid() {
  grid.SetRows(model.Rows());
  grid.SetRow(0);
  // With no row shown there is no current row to change, and no row to tell of.
  ShowRowState();
  ShowFilterCount();
}

void CDlgPage1::OnCommand(int id, int notifyCode) {
  switch (id) {
    case IDC_EXIT:
      OnCancel();
      break;
    case IDC_HELP_MANUAL:
      OnHelp();
      break;
    case IDC_CREATE_NEW_PROJECT:
      OnCreateNewProject();
      break;
    case IDC_SELECT_OPEN_PROJECT:
      OnSelectOpenProject();
      break;
    case IDC_LAST_APPLICATION:
      OnLastApplication();
      break;
    case IDC_SELECT_APPLICATION:
      OnSelectApplication();
      break;
    case IDC_DELETE_HISTORY:
      OnDeleteHistory();
      break;
    case IDC_FILTER:
      if (notifyCode == EN_CHANGE) OnFilterChanged();
      break;
    case ID_GRID_OPEN_FOLDER:
      OnOpenContainingFolder();
      break;
    case ID_GRID_COPY_PATH:
      OnCopyPath();
      break;
    case ID_GRID_REMOVE_MISSING:
      OnRemoveMissing();
      break;
    case ID_GRID_FIRST_PAINT:
      // The window shows without waiting for what it does not need yet. A
      // second paint may come before this.
      if (presence_ != nullptr) break;
      SetUpOnceDrawn();
      // Drawn again, the rows ask whether their project files exist.
      InvalidateRect(grid.Handle(), nullptr, FALSE);
      break;
    case ID_GRID_PRESENCE:
      InvalidateRect(grid.Handle(), nullptr, FALSE);
      ShowRowState();
      break;
    case IDOK:
      // The window has no default button: Enter, in the grid above all,
      // must not close the Selector.
      break;
    default:
      ui::Dialog::OnCommand(id, notifyCode);
  }
}

LRESULT CDlgPage1::OnNotify(const NMHDR* header) {
  if (header->idFrom != IDC_RECENT_GRID || grid.FillDisplayInfo(header)) return 0;
  switch (header->code) {
    case NM_DBLCLK:
      OnGridDblClick();
      break;
    case NM_CUSTOMDRAW:
      return OnGridCustomDraw(reinterpret_cast<NMLVCUSTOMDRAW*>(const_cast<NMHDR*>(header)));
    case LVN_ITEMCHANGED:
      ShowRowState();
      break;
    case LVN_KEYDOWN:
      // Every key is left to the grid as well.
      OnGridKeyDown(reinterpret_cast<const NMLVKEYDOWN*>(header)->wVKey);
      break;
    case ui::kGridChar: {
      const auto* typed = reinterpret_cast<const ui::GridChar*>(header);
      OnGridChar(typed->text, typed->time);
      break;
    }
    case ui::kGridMouseMove: {
      const auto* move = reinterpret_cast<const ui::GridMouseMove*>(header);
      OnGridMouseMove(move->x, move->y);
      break;
    }
    default:
      break;
  }
  return 0;
}

// A row whose project file is gone is drawn in grey. The end of the first
// paint sets up what the window needs only once it is seen.
LRESULT CDlgPage1::OnGridCustomDraw(NMLVCUSTOMDRAW* draw) {
  switch (draw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      return CDRF_NOTIFYITEMDRAW | (presence_ == nullptr ? CDRF_NOTIFYPOSTPAINT : 0);
    case CDDS_POSTPAINT:
      PostCommand(ID_GRID_FIRST_PAINT);
      break;
    case CDDS_ITEMPREPAINT:
      if (model.IsGrey(static_cast<int>(draw->nmcd.dwItemSpec))) {
        draw->clrText = GetSysColor(COLOR_GRAYTEXT);
      }
      break;
    default:
      break;
  }
  return CDRF_DODEFAULT;
}

bool CDlgPage1::PreTranslateMessage(MSG* message) {
  toolTip.Relay(message);
  if (message->message == WM_KEYDOWN) {
    if (message->wParam == 'F' && GetKeyState(VK_CONTROL) < 0) {
      SetFocus(Item(IDC_FILTER));
      SendMessageA(Item(IDC_FILTER), EM_SETSEL, 0, -1);
      return true;
    }
    if (message->hwnd == Item(IDC_FILTER) && OnFilterKey(message->wParam)) return true;
    if (message->hwnd == grid.Handle() && message->wParam == VK_RETURN) {
      OnGridDblClick();
      return true;
    }
  }
  return ui::Dialog::PreTranslateMessage(message);
}

bool CDlgPage1::OnFilterKey(WPARAM key) {
  switch (key) {
    case VK_DOWN:
      SetFocus(grid.Handle());
      grid.SetRow(0);
      return true;
    case VK_RETURN:
      OnGridDblClick();
      return true;
    case VK_ESCAPE:
      // An empty filter leaves Esc to the window, which it ends.
      if (ItemText(IDC_FILTER).empty()) return false;
      SetItemText(IDC_FILTER, "");
      return true;
    default:
      return false;
  }
}

void CDlgPage1::OnFilterChanged() {
  model.SetFilter(ItemText(IDC_FILTER));
  FillRecentGrid();
}

void CDlgPage1::ShowRowState() {
  const int row = grid.Row();
  SetItemText(IDC_ROW_STATE, model.IsGrey(row) ? model.TipText(row, 0) : std::string());
}

void CDlgPage1::ShowFilterCount() {
  const std::string count = model.CountText();
  SetItemText(IDC_FILTER_COUNT, count);
  const bool none = !count.empty() && model.Rows() == 0;
  ShowWindow(GetDlgItem(grid.Handle(), IDC_FILTER_NONE), none ? SW_SHOW : SW_HIDE);
}

bool CDlgPage1::OnSysCommand(UINT command) {
  if ((command & 0xFFF0u) != IDM_ABOUTBOX) return false;
  CAboutDlg about(this, platform_, version_);
  about.DoModal();
  return true;
}

void CDlgPage1::OnSizing(UINT edge, RECT* windowRect) { KeepMinimumSize(layout, edge, windowRect); }

void CDlgPage1::OnSize(UINT, int, int) { LayoutSelectorControls(layout, *this); }

void CDlgPage1::RecordStartForDpi() {
  ui::HandleDpiChangesAlone(hwnd_);
  startDpi_ = ui::WindowDpi(hwnd_);
  startLayout_ = layout;
  startFont_ = reinterpret_cast<HFONT>(Send(WM_GETFONT));
  for (HWND child = GetWindow(hwnd_, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    RECT r = {};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&r), 2);
    startRects_.emplace_back(child, r);
  }
}

// Always from the start's places and font, never from the last DPI's, so
// that going back to the start's DPI gives exactly the start's window.
void CDlgPage1::OnDpiChanged(int dpi, const RECT& suggested) {
  const auto scaled = [&](LONG value) { return MulDiv(value, dpi, startDpi_); };
  HFONT font = startFont_;
  HFONT made = nullptr;
  LOGFONTA logFont = {};
  if (dpi != startDpi_ && GetObjectA(startFont_, sizeof logFont, &logFont) != 0) {
    logFont.lfHeight = scaled(logFont.lfHeight);
    made = CreateFontIndirectA(&logFont);
    if (made != nullptr) font = made;
  }
  HWND none = GetDlgItem(grid.Handle(), IDC_FILTER_NONE);
  SendMessageA(none, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  for (const auto& [child, r] : startRects_) {
    if (child != grid.Handle())
      SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SetWindowPos(child, nullptr, scaled(r.left), scaled(r.top), scaled(r.right - r.left),
                 scaled(r.bottom - r.top), SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (scaledFont_ != nullptr) DeleteObject(scaledFont_);
  scaledFont_ = made;
  grid.SetFont(gridFace_, gridPoints_, dpi);
  SetIcons(dpi);
  toolTip.SetMaxWidth(scaled(kTipMaxWidth));
  layout = ScaledLayout(startLayout_, startDpi_, dpi);
  SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  LayoutSelectorControls(layout, *this);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

// The caption's and the taskbar's icons, drawn for the DPI rather than
// stretched from another size.
void CDlgPage1::SetIcons(int dpi) {
  for (const bool small : {false, true}) {
    HICON icon = ui::LoadProgramIconForDpi(IDR_MAINFRAME, small, dpi);
    if (icon == nullptr) continue;
    Send(WM_SETICON, small ? ICON_SMALL : ICON_BIG, reinterpret_cast<LPARAM>(icon));
    if (icons_[small] != nullptr) DestroyIcon(icons_[small]);
    icons_[small] = icon;
  }
}

void CDlgPage1::OnShowWindow(bool show, UINT) {
  if (!show || commandLineProject.empty()) return;
  if (!model.TakeCommandLineProject(commandLineProject)) return;
  // The project dialog opens once the window is on the screen.
  PostCommand(IDC_SELECT_OPEN_PROJECT);
}

void CDlgPage1::OnDropFiles(const std::vector<std::string>& paths) {
  if (!model.TakeDropped(paths)) {
    MessageBeep(MB_OK);
    return;
  }
  OnSelectOpenProject();
}

bool CDlgPage1::OnCopyData(ULONG_PTR kind, std::string_view bytes) {
  // A modal dialog or message box disables the window it is over.
  if (!IsWindowEnabled(hwnd_) || !model.TakeHandedOver(kind, bytes)) return false;
  PostCommand(IDC_SELECT_OPEN_PROJECT);
  return true;
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
                   model.Preset() != nullptr ? *model.Preset() : orvent::RecentEntry());
  if (dialog.DoModal() != IDOK) {
    model.DropPreset();
    return;
  }
  const orvent::RecentEntry entry = dialog.Result();
  StartApplication(&entry, -1);
}

void CDlgPage1::OnLastApplication() { StartApplication(nullptr, grid.Row()); }

void CDlgPage1::OnSelectApplication() {
  const int row = grid.Row();
  if (model.Entry(row) == nullptr) return;
  CDlgPage2 dialog(this, platform_, version_.fileVersion,
                   orvent::ProjectDialogMode::kSelectApplication, *model.Entry(row));
  if (dialog.DoModal() != IDOK) return;
  const orvent::RecentEntry entry = dialog.Result();
  StartApplication(&entry, row);
}

void CDlgPage1::OnDeleteHistory() {
  const int row = grid.Row();
  if (model.Entry(row) == nullptr) return;
  if (ShowMessage(orvent::kMsgDeleteQuestion, MB_OKCANCEL) != IDOK) return;
  const int current = model.Delete(row);
  grid.RemoveRow(row);
  grid.SetRow(current);
  ShowFilterCount();
  UpdateJumpList();
}

void CDlgPage1::OnGridDblClick() { StartApplication(nullptr, grid.Row()); }

void CDlgPage1::OnGridKeyDown(int key) {
  if (key == VK_DELETE) OnDeleteHistory();
  // F5: the rows in view are checked again, as a share may have come back.
  if (key == VK_F5 && presence_ != nullptr) {
    presence_->Forget();
    InvalidateRect(grid.Handle(), nullptr, FALSE);
  }
}

bool CDlgPage1::OnContextMenu(HWND window, int x, int y) {
  if (window != grid.Handle()) return false;
  const bool fromKeyboard = x == -1 && y == -1;
  const int row = orvent::SelectorModel::MenuRow(fromKeyboard, grid.RowAt({x, y}), grid.Row());
  const bool onRow = model.Entry(row) != nullptr;
  if (onRow) grid.SetRow(row);
  if (fromKeyboard) {
    RECT item = {};
    if (onRow) ListView_GetItemRect(grid.Handle(), row, &item, LVIR_LABEL);
    POINT at = {item.left, item.bottom};
    ClientToScreen(grid.Handle(), &at);
    x = at.x;
    y = at.y;
  }
  HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_GRID_MENU));
  if (menu == nullptr) return true;
  HMENU items = GetSubMenu(menu, 0);
  // Off the rows only what acts on the whole history can be chosen.
  if (!onRow) {
    for (const UINT id : {IDC_LAST_APPLICATION, IDC_SELECT_APPLICATION, ID_GRID_OPEN_FOLDER,
                          ID_GRID_COPY_PATH, IDC_DELETE_HISTORY}) {
      EnableMenuItem(items, id, MF_BYCOMMAND | MF_GRAYED);
    }
  }
  // The chosen item comes as a command, as from the button it stands for.
  TrackPopupMenu(items, TPM_LEFTALIGN | TPM_RIGHTBUTTON, x, y, 0, hwnd_, nullptr);
  DestroyMenu(menu);
  return true;
}

void CDlgPage1::OnOpenContainingFolder() {
  const int row = grid.Row();
  if (model.Entry(row) == nullptr) return;
  switch (model.OpenFolder(row)) {
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
  const int row = grid.Row();
  if (model.Entry(row) == nullptr) return;
  if (!ui::CopyText(hwnd_, model.PathOf(row))) MessageBeep(MB_OK);
}

void CDlgPage1::OnRemoveMissing() {
  // Chosen from a menu opened before the window's first paint was done.
  if (presence_ == nullptr) SetUpOnceDrawn();
  {
    ui::WaitCursor waitCursor;
    presence_->Wait(model.ProjectFiles());
  }
  const int missing = model.MissingCount();
  if (missing == 0) {
    ShowMessage(orvent::kMsgNoneMissing);
    return;
  }
  if (ShowMessage(orvent::RemoveMissingQuestion(missing), MB_OKCANCEL) != IDOK) return;
  model.RemoveMissing();
  FillRecentGrid();
  UpdateJumpList();
}

void CDlgPage1::OnGridChar(const std::string& text, DWORD time) {
  const int row = model.Find(grid.Row(), text, time);
  if (row < 0) {
    MessageBeep(MB_OK);
    return;
  }
  grid.SetRow(row);
}

void CDlgPage1::OnGridMouseMove(int x, int y) {
  int row = -1;
  int col = -1;
  if (grid.CellUnderPointer(&row, &col)) {
    if (x != previousX_ || y != previousY_) toolTip.Pop();
    tipText = model.TipText(row, col);
  } else {
    toolTip.Pop();
    tipText.clear();
  }
  previousX_ = x;
  previousY_ = y;
  toolTip.SetText(tipText);
}

void CDlgPage1::StartApplication(const orvent::RecentEntry* entry, int row) {
  orvent::StartOutcome outcome;
  {
    ui::WaitCursor waitCursor;
    outcome = model.Start(entry, row);
  }
  if (outcome.started) UpdateJumpList();
  if (!outcome.message.empty()) ShowMessage(outcome.message);
  if (outcome.started) EndSelector(IDOK);
}

void CDlgPage1::UpdateJumpList() {
  const auto items = [this](const std::vector<std::string>& removed, std::size_t slots) {
    for (std::string path : removed) {
      if (path.size() >= 2 && path.front() == '"' && path.back() == '"')
        path = path.substr(1, path.size() - 2);
      removedFromJumpList_.push_back(path);
    }
    if (!removed.empty()) orvent::KeepJumpRemovals(platform_, removedFromJumpList_);
    std::vector<ui::JumpItem> shown;
    for (const orvent::JumpEntry& entry :
         orvent::JumpListEntries(model.history, removedFromJumpList_, slots)) {
      shown.push_back({entry.title, "\"" + entry.projectFile + "\""});
    }
    return shown;
  };
  // Where the system keeps no jump list, nothing else changes.
  static_cast<void>(ui::ReplaceJumpCategory(orvent::kJumpCategory, items));
}

void CDlgPage1::OnCancel() { EndSelector(IDCANCEL); }

void CDlgPage1::EndSelector(int result) {
  const std::string unsaved = model.TakeUnsavedMessage();
  if (!unsaved.empty()) ShowMessage(unsaved);
  KeepSelectorPlace(hwnd_, platform_);
  EndDialog(result);
}
