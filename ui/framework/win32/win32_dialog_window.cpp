#include "ui/framework/win32/win32_dialog_window.h"

#include "ui/framework/win32/choosers.h"

#include <commctrl.h>

#include <vector>

namespace ui {
namespace win32 {
namespace {

Rect ToRect(const RECT& r) { return Rect{r.left, r.top, r.right, r.bottom}; }

RECT ToRECT(const Rect& r) {
  RECT out;
  out.left = r.left;
  out.top = r.top;
  out.right = r.right;
  out.bottom = r.bottom;
  return out;
}

std::string ClassName(HWND hwnd) {
  char name[64] = {};
  GetClassNameA(hwnd, name, static_cast<int>(sizeof(name)));
  return name;
}

}  // namespace

std::string WindowText(HWND hwnd) {
  int length = GetWindowTextLengthA(hwnd);
  if (length <= 0) return std::string();
  std::vector<char> buffer(static_cast<size_t>(length) + 1);
  int got = GetWindowTextA(hwnd, buffer.data(), length + 1);
  return std::string(buffer.data(), static_cast<size_t>(got > 0 ? got : 0));
}

HWND Win32DialogWindow::Create(HINSTANCE instance, HWND owner) {
  return CreateDialogParamA(instance, MAKEINTRESOURCEA(dialog_.TemplateId()), owner, DialogProc,
                            reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK Win32DialogWindow::DialogProc(HWND hwnd, UINT message, WPARAM wParam,
                                               LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<Win32DialogWindow*>(lParam);
    SetWindowLongPtrA(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
    self->hwnd_ = hwnd;
    DialogEvents::Attach(self->dialog_, self);
  }
  auto* self = reinterpret_cast<Win32DialogWindow*>(GetWindowLongPtrA(hwnd, DWLP_USER));
  if (self == nullptr) return FALSE;
  return self->OnMessage(message, wParam, lParam);
}

INT_PTR Win32DialogWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      return DialogEvents::InitDialog(dialog_) ? TRUE : FALSE;
    case WM_COMMAND:
      return DialogEvents::Command(dialog_, LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      Notification n;
      n.id = static_cast<int>(header->idFrom);
      n.code = static_cast<int>(header->code);
      n.native = header;
      TranslateGridNotification(header, &n);
      return DialogEvents::Notify(dialog_, n) ? TRUE : FALSE;
    }
    case WM_CLOSE:
      DialogEvents::Close(dialog_);
      return TRUE;
    case WM_SIZE:
      DialogEvents::Size(dialog_, static_cast<int>(wParam), LOWORD(lParam), HIWORD(lParam));
      return TRUE;
    case WM_SIZING: {
      auto* r = reinterpret_cast<RECT*>(lParam);
      Rect proposed = ToRect(*r);
      DialogEvents::Sizing(dialog_, static_cast<int>(wParam), &proposed);
      *r = ToRECT(proposed);
      return TRUE;
    }
    case WM_PAINT:
      return DialogEvents::Paint(dialog_) ? TRUE : FALSE;
    case WM_SHOWWINDOW:
      DialogEvents::ShowWindow(dialog_, wParam != 0, static_cast<int>(lParam));
      return FALSE;
    case WM_QUERYDRAGICON: {
      const int icon = DialogEvents::QueryDragIcon(dialog_);
      if (icon == 0) return FALSE;
      return reinterpret_cast<INT_PTR>(
          LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(icon)));
    }
    case WM_SYSCOMMAND:
      return DialogEvents::SysCommand(dialog_, static_cast<unsigned>(wParam)) ? TRUE : FALSE;
    default:
      return FALSE;
  }
}

bool Win32DialogWindow::TranslateGridNotification(const NMHDR* header, Notification* n) const {
  auto grid = grids_.find(n->id);
  if (grid == grids_.end()) return false;
  if (header->code == static_cast<UINT>(LVN_GETDISPINFOA)) {
    grid->second->FillDisplayInfo(reinterpret_cast<NMLVDISPINFOA*>(const_cast<NMHDR*>(header)));
    return true;
  }
  if (header->code == static_cast<UINT>(LVN_GETDISPINFOW)) {
    grid->second->FillDisplayInfo(reinterpret_cast<NMLVDISPINFOW*>(const_cast<NMHDR*>(header)));
    return true;
  }
  if (header->code == static_cast<UINT>(NM_DBLCLK)) {
    n->code = kGridDoubleClick;
    return true;
  }
  if (header->code == static_cast<UINT>(LVN_KEYDOWN)) {
    n->code = kGridKeyDown;
    n->key = reinterpret_cast<const NMLVKEYDOWN*>(header)->wVKey;
    return true;
  }
  return false;
}

LRESULT CALLBACK Win32DialogWindow::GridProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                             UINT_PTR id, DWORD_PTR self) {
  if (message == WM_MOUSEMOVE) {
    auto* window = reinterpret_cast<Win32DialogWindow*>(self);
    Notification n;
    n.id = GetDlgCtrlID(hwnd);
    n.code = kGridMouseMove;
    n.x = static_cast<float>(static_cast<short>(LOWORD(lParam)));
    n.y = static_cast<float>(static_cast<short>(HIWORD(lParam)));
    DialogEvents::Notify(window->dialog_, n);
  } else if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, GridProc, id);
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

GridControl* Win32DialogWindow::Grid(int id) {
  auto found = grids_.find(id);
  if (found != grids_.end()) return found->second.get();
  if (ItemKind(id) != ControlKind::kListView) return nullptr;
  HWND listView = Item(id);
  SetWindowSubclass(listView, GridProc, 1, reinterpret_cast<DWORD_PTR>(this));
  std::unique_ptr<ListViewGrid>& grid = grids_[id];
  grid = std::make_unique<ListViewGrid>(listView);
  return grid.get();
}

ToolTip* Win32DialogWindow::CreateToolTip(int id) {
  HWND tool = Item(id);
  if (tool == nullptr) return nullptr;
  toolTips_.push_back(std::make_unique<Win32ToolTip>(tool));
  return toolTips_.back().get();
}

HWND Win32DialogWindow::Child(int index) const {
  HWND child = index >= 0 ? GetWindow(hwnd_, GW_CHILD) : nullptr;
  for (int i = 0; i < index && child != nullptr; ++i) child = GetWindow(child, GW_HWNDNEXT);
  return child;
}

std::string Win32DialogWindow::ChildText(int index) const { return WindowText(Child(index)); }

void Win32DialogWindow::SetChildText(int index, const std::string& text) {
  HWND child = Child(index);
  if (child != nullptr) SetWindowTextA(child, text.c_str());
}

bool Win32DialogWindow::HasItem(int id) const { return Item(id) != nullptr; }

ControlKind Win32DialogWindow::ItemKind(int id) const {
  HWND item = Item(id);
  if (item == nullptr) return ControlKind::kOther;
  const std::string cls = ClassName(item);
  const LONG style = GetWindowLongA(item, GWL_STYLE);
  if (lstrcmpiA(cls.c_str(), "Button") == 0) {
    switch (style & BS_TYPEMASK) {
      case BS_RADIOBUTTON:
      case BS_AUTORADIOBUTTON:
        return ControlKind::kRadio;
      case BS_GROUPBOX:
        return ControlKind::kGroupBox;
      default:
        return ControlKind::kPushButton;
    }
  }
  if (lstrcmpiA(cls.c_str(), "Edit") == 0) return ControlKind::kEdit;
  if (lstrcmpiA(cls.c_str(), "Static") == 0) return ControlKind::kStatic;
  if (lstrcmpiA(cls.c_str(), WC_LISTVIEWA) == 0) return ControlKind::kListView;
  return ControlKind::kOther;
}

int Win32DialogWindow::NextItem(int id) const {
  HWND next = id == 0 ? GetWindow(hwnd_, GW_CHILD) : GetWindow(Item(id), GW_HWNDNEXT);
  return next == nullptr ? 0 : GetDlgCtrlID(next);
}

bool Win32DialogWindow::ItemStartsGroup(int id) const {
  return (GetWindowLongA(Item(id), GWL_STYLE) & WS_GROUP) != 0;
}

std::string Win32DialogWindow::ItemText(int id) const { return WindowText(Item(id)); }

void Win32DialogWindow::SetItemText(int id, const std::string& text) {
  SetDlgItemTextA(hwnd_, id, text.c_str());
}

bool Win32DialogWindow::IsItemChecked(int id) const {
  return IsDlgButtonChecked(hwnd_, id) == BST_CHECKED;
}

void Win32DialogWindow::SetItemChecked(int id, bool checked) {
  CheckDlgButton(hwnd_, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

bool Win32DialogWindow::IsItemEnabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }

void Win32DialogWindow::EnableItem(int id, bool enable) {
  EnableWindow(Item(id), enable ? TRUE : FALSE);
}

bool Win32DialogWindow::IsItemVisible(int id) const {
  return (GetWindowLongA(Item(id), GWL_STYLE) & WS_VISIBLE) != 0;
}

void Win32DialogWindow::ShowItem(int id, bool show) {
  ::ShowWindow(Item(id), show ? SW_SHOW : SW_HIDE);
}

Rect Win32DialogWindow::ItemRect(int id) const {
  RECT r = {};
  GetWindowRect(Item(id), &r);
  MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&r), 2);
  return ToRect(r);
}

void Win32DialogWindow::MoveItem(int id, const Rect& rect) {
  SetWindowPos(Item(id), nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32DialogWindow::FocusItem(int id) {
  SendMessageA(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(id)), TRUE);
}

int Win32DialogWindow::FocusedItem() const {
  HWND focus = GetFocus();
  return focus != nullptr && IsChild(hwnd_, focus) ? GetDlgCtrlID(focus) : 0;
}

bool Win32DialogWindow::IsItemReadOnly(int id) const {
  return (GetWindowLongA(Item(id), GWL_STYLE) & ES_READONLY) != 0;
}

void Win32DialogWindow::SetItemReadOnly(int id, bool readOnly) {
  SendMessageA(Item(id), EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
}

bool Win32DialogWindow::IsItemTabStop(int id) const {
  return (GetWindowLongA(Item(id), GWL_STYLE) & WS_TABSTOP) != 0;
}

void Win32DialogWindow::SetItemTabStop(int id, bool tabStop) {
  HWND item = Item(id);
  LONG style = GetWindowLongA(item, GWL_STYLE);
  SetWindowLongA(item, GWL_STYLE, tabStop ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP));
}

void Win32DialogWindow::SelectItemText(int id, int start, int end) {
  SendMessageA(Item(id), EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
}

void Win32DialogWindow::ScrollCaretIntoView(int id) {
  SendMessageA(Item(id), EM_SCROLLCARET, 0, 0);
}

std::string Win32DialogWindow::Title() const { return WindowText(hwnd_); }

void Win32DialogWindow::SetTitle(const std::string& title) { SetWindowTextA(hwnd_, title.c_str()); }

Rect Win32DialogWindow::WindowRect() const {
  RECT r = {};
  GetWindowRect(hwnd_, &r);
  return ToRect(r);
}

Rect Win32DialogWindow::ClientRect() const {
  RECT r = {};
  GetClientRect(hwnd_, &r);
  return ToRect(r);
}

bool Win32DialogWindow::IsMinimized() const { return IsIconic(hwnd_) != FALSE; }

void Win32DialogWindow::SetIcon(int iconResource) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  HICON bigIcon = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(iconResource),
                                                IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                                GetSystemMetrics(SM_CYICON), LR_SHARED));
  HICON smallIcon = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(iconResource),
                                                  IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                  GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  SendMessageA(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon));
  SendMessageA(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon));
}

void Win32DialogWindow::AppendSystemMenuItem(int command, const std::string& text) {
  HMENU menu = GetSystemMenu(hwnd_, FALSE);
  if (menu == nullptr) return;
  AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(menu, MF_STRING, static_cast<UINT_PTR>(command), text.c_str());
}

namespace {

// The face of the font selected into the device context ("" for none).
std::string FaceOf(HDC dc) {
  const int length = GetTextFaceA(dc, 0, nullptr);
  if (length <= 0) return std::string();
  std::vector<char> face(static_cast<size_t>(length) + 1, '\0');
  GetTextFaceA(dc, length + 1, face.data());
  return face.data();
}

}  // namespace

bool Win32DialogWindow::WindowFont(std::string* face, double* points) const {
  HDC dc = GetDC(hwnd_);
  if (dc == nullptr) return false;
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(hwnd_, WM_GETFONT, 0, 0));
  HGDIOBJ previous = SelectObject(dc, font);
  *face = FaceOf(dc);
  TEXTMETRICA metrics = {};
  if (!face->empty() && GetTextMetricsA(dc, &metrics)) {
    *points = (metrics.tmHeight - metrics.tmInternalLeading) * 72.0 / GetDeviceCaps(dc, LOGPIXELSY);
  }
  SelectObject(dc, previous);
  ReleaseDC(hwnd_, dc);
  return !face->empty();
}

std::string Win32DialogWindow::DefaultGuiFontFace() const {
  HDC dc = GetDC(hwnd_);
  if (dc == nullptr) return std::string();
  HGDIOBJ previous = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  std::string face = FaceOf(dc);
  SelectObject(dc, previous);
  ReleaseDC(hwnd_, dc);
  return face;
}

void Win32DialogWindow::PaintMinimizedIcon(int iconResource) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd_, &paint);
  SendMessageA(hwnd_, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  RECT client;
  GetClientRect(hwnd_, &client);
  const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
  const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
  DrawIcon(dc, x, y, LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(iconResource)));
  EndPaint(hwnd_, &paint);
}

int Win32DialogWindow::ScaleForDpi(int pixels) const {
  // The program declares itself DPI-aware, so the system does not stretch
  // its windows: sizes given at 96 dpi are scaled to the display here.
  HDC dc = GetDC(hwnd_);
  const int dpi = dc != nullptr ? GetDeviceCaps(dc, LOGPIXELSY) : 96;
  if (dc != nullptr) ReleaseDC(hwnd_, dc);
  return MulDiv(pixels, dpi > 0 ? dpi : 96, 96);
}

bool Win32DialogWindow::ChooseFolder(const std::string& start, std::string* chosen) {
  return win32::ChooseFolder(hwnd_, start, chosen);
}

bool Win32DialogWindow::ChooseFile(const FileChooser& request, std::string* path) {
  return win32::ChooseFile(hwnd_, request, path);
}

void Win32DialogWindow::PostCommand(int id) {
  PostMessageA(hwnd_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Item(id)));
}

void Win32DialogWindow::End(int result) {
  ended_ = true;
  result_ = result;
  // Wakes the modal loop even when the end was decided outside a message.
  PostMessageA(hwnd_, WM_NULL, 0, 0);
}

int Win32DialogWindow::ShowMessage(const std::string& text, const std::string& caption,
                                   MessageButtons buttons) {
  UINT type = MB_ICONEXCLAMATION | (buttons == MessageButtons::kOkCancel ? MB_OKCANCEL : MB_OK);
  return MessageBoxA(hwnd_, text.c_str(), caption.c_str(), type);
}

bool Win32DialogWindow::TranslateDialogMessage(const NativeMessage* message) {
  auto* msg = reinterpret_cast<MSG*>(const_cast<NativeMessage*>(message));
  return IsDialogMessageA(hwnd_, msg) != FALSE;
}

}  // namespace win32
}  // namespace ui
