#include "ui/framework/dialog.h"

#include <shellapi.h>

#include "ui/framework/application.h"
#include "ui/framework/messages.h"

namespace ui {
namespace {

// Keeps the rectangle inside the area, the top left corner first in view.
POINT Inside(POINT topLeft, int width, int height, const RECT& area) {
  if (topLeft.x + width > area.right) topLeft.x = area.right - width;
  if (topLeft.x < area.left) topLeft.x = area.left;
  if (topLeft.y + height > area.bottom) topLeft.y = area.bottom - height;
  if (topLeft.y < area.top) topLeft.y = area.top;
  return topLeft;
}

}  // namespace

Dialog::Dialog(int templateId, Dialog* parent) : templateId_(templateId), parent_(parent) {}

Dialog::~Dialog() = default;

int Dialog::DoModal() {
  HWND owner = parent_ != nullptr ? parent_->Handle() : nullptr;
  // The owner is disabled before the dialog exists, as a modal owner is.
  const bool disableOwner = owner != nullptr && IsWindowEnabled(owner);
  if (disableOwner) EnableWindow(owner, FALSE);
  ended_ = false;
  result_ = IDCANCEL;
  HWND hwnd = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId_), owner,
                                 DialogProc, reinterpret_cast<LPARAM>(this));
  if (hwnd != nullptr) {
    if (!ended_ && !IsWindowVisible(hwnd)) ShowWindow(hwnd, SW_SHOWNORMAL);
    MSG msg;
    while (!ended_) {
      // The wide calls, so that a character typed into a Unicode control
      // (the list-view's, from an input method) reaches it whole.
      const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
      if (got == 0) {
        // Leave WM_QUIT for the loop that owns it.
        PostQuitMessage(static_cast<int>(msg.wParam));
        break;
      }
      if (got == -1) break;
      if (!PreTranslateMessage(&msg)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
    }
  }
  // The owner comes back before the dialog goes, so activation returns to it.
  if (disableOwner) EnableWindow(owner, TRUE);
  if (hwnd != nullptr) {
    if (owner != nullptr && GetActiveWindow() == hwnd) SetActiveWindow(owner);
    DestroyWindow(hwnd);
  }
  hwnd_ = nullptr;
  return hwnd != nullptr && ended_ ? result_ : -1;
}

bool Dialog::PreTranslateMessage(MSG* message) {
  if (hwnd_ == nullptr) return false;
  // F1 on the dialog or any of its controls, whether or not the system
  // makes a WM_HELP of it.
  if (message->message == WM_KEYDOWN && message->wParam == VK_F1 &&
      (message->hwnd == hwnd_ || IsChild(hwnd_, message->hwnd))) {
    OnHelp();
    return true;
  }
  return IsDialogMessageW(hwnd_, message) != FALSE;
}

INT_PTR CALLBACK Dialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<Dialog*>(lParam);
    SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
    self->hwnd_ = hwnd;
  }
  auto* self = reinterpret_cast<Dialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
  if (self == nullptr) return FALSE;
  // An error must not unwind through the system's code: it is reported, and
  // the dialog goes on.
  try {
    return self->Dispatch(message, wParam, lParam);
  } catch (...) {
  }
  self->ShowMessage(kMsgUnexpectedError);
  return FALSE;
}

INT_PTR Dialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      const RECT before = WindowRect();
      const BOOL result = OnInitDialog();
      CenterUnplaced(before);
      return result;
    }
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case WM_NOTIFY:
      SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, OnNotify(reinterpret_cast<const NMHDR*>(lParam)));
      return TRUE;
    case WM_CLOSE:
      OnCancel();
      return TRUE;
    case WM_SIZE:
      OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
      return TRUE;
    case WM_SIZING:
      OnSizing(static_cast<UINT>(wParam), reinterpret_cast<RECT*>(lParam));
      return TRUE;
    case WM_DPICHANGED:
      OnDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return TRUE;
    case WM_SHOWWINDOW:
      OnShowWindow(wParam != 0, static_cast<UINT>(lParam));
      return FALSE;
    case WM_SYSCOMMAND:
      return OnSysCommand(static_cast<UINT>(wParam)) ? TRUE : FALSE;
    case WM_HELP:
      OnHelp();
      return TRUE;
    case WM_DROPFILES: {
      HDROP drop = reinterpret_cast<HDROP>(wParam);
      std::vector<std::string> paths(DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0));
      for (UINT i = 0; i < paths.size(); ++i) {
        std::string& path = paths[i];
        path.resize(DragQueryFileA(drop, i, nullptr, 0) + 1);
        path.resize(DragQueryFileA(drop, i, &path[0], static_cast<UINT>(path.size())));
      }
      DragFinish(drop);
      OnDropFiles(paths);
      return TRUE;
    }
    case WM_COPYDATA: {
      // The system copies the sender's bytes; a sender may give none.
      const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
      std::string_view bytes;
      if (data != nullptr && data->lpData != nullptr) {
        bytes = std::string_view(static_cast<const char*>(data->lpData), data->cbData);
      }
      const bool taken = data != nullptr && OnCopyData(data->dwData, bytes);
      SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, taken ? TRUE : FALSE);
      return TRUE;
    }
    case WM_CONTEXTMENU:
      return OnContextMenu(reinterpret_cast<HWND>(wParam), static_cast<short>(LOWORD(lParam)),
                           static_cast<short>(HIWORD(lParam)))
                 ? TRUE
                 : FALSE;
    default:
      return FALSE;
  }
}

void Dialog::CenterUnplaced(const RECT& before) {
  // Only a dialog still hidden and where the system put it, with no owner or
  // a disabled (modal) one, is centred: over its owner, or on the work area
  // of its monitor, and kept inside that work area.
  const RECT now = WindowRect();
  if (IsWindowVisible(hwnd_) || now.left != before.left || now.top != before.top) return;
  HWND owner = GetWindow(hwnd_, GW_OWNER);
  if (owner != nullptr && IsWindowEnabled(owner)) return;
  if (owner != nullptr && (!IsWindowVisible(owner) || IsIconic(owner))) owner = nullptr;

  MONITORINFO monitor = {};
  monitor.cbSize = sizeof(monitor);
  GetMonitorInfoA(MonitorFromWindow(owner != nullptr ? owner : hwnd_, MONITOR_DEFAULTTOPRIMARY),
                  &monitor);
  RECT center = monitor.rcWork;
  if (owner != nullptr) GetWindowRect(owner, &center);
  const int width = now.right - now.left;
  const int height = now.bottom - now.top;
  const POINT topLeft = Inside(
      {(center.left + center.right) / 2 - width / 2, (center.top + center.bottom) / 2 - height / 2},
      width, height, monitor.rcWork);
  SetWindowPos(hwnd_, nullptr, topLeft.x, topLeft.y, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Dialog::DoDataExchange(DataExchange&) {}

BOOL Dialog::OnInitDialog() {
  UpdateData(false);
  return TRUE;
}

void Dialog::OnCommand(int id, int) {
  if (id == IDOK) {
    OnOK();
  } else if (id == IDCANCEL) {
    OnCancel();
  }
}

LRESULT Dialog::OnNotify(const NMHDR*) { return 0; }

void Dialog::OnOK() {
  if (UpdateData(true)) EndDialog(IDOK);
}

void Dialog::OnCancel() { EndDialog(IDCANCEL); }

void Dialog::OnSize(UINT, int, int) {}

void Dialog::OnSizing(UINT, RECT*) {}

void Dialog::OnDpiChanged(int, const RECT& suggested) {
  SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Dialog::OnShowWindow(bool, UINT) {}

bool Dialog::OnSysCommand(UINT) { return false; }

void Dialog::OnHelp() {}

bool Dialog::OnContextMenu(HWND, int, int) { return false; }

void Dialog::OnDropFiles(const std::vector<std::string>&) {}

bool Dialog::OnCopyData(ULONG_PTR, std::string_view) { return false; }

bool Dialog::UpdateData(bool saveAndValidate) {
  if (hwnd_ == nullptr) return false;
  DataExchange dx(hwnd_, saveAndValidate);
  DoDataExchange(dx);
  return !dx.Failed();
}

void Dialog::EndDialog(int result) {
  ended_ = true;
  result_ = result;
  // Wakes the modal loop even when the end was decided outside a message.
  if (hwnd_ != nullptr) PostMessageA(hwnd_, WM_NULL, 0, 0);
}

void Dialog::PostCommand(int id) {
  PostMessageA(hwnd_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Item(id)));
}

int Dialog::ShowMessage(const std::string& text, UINT buttons) {
  const Application* app = App();
  return MessageBoxA(hwnd_, text.c_str(), app != nullptr ? app->ExeName().c_str() : "",
                     buttons | MB_ICONEXCLAMATION);
}

void Dialog::GotoDlgCtrl(int id) {
  SendMessageA(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(id)), TRUE);
}

}  // namespace ui
