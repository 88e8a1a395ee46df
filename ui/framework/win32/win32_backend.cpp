#include "ui/framework/win32/win32_backend.h"

#include <commctrl.h>
#include <ole2.h>

#include "ui/framework/win32/win32_dialog_window.h"

namespace ui {
namespace win32 {

Win32Backend::Win32Backend(HINSTANCE instance) : instance_(instance) {
  // The selector window's grid is a list-view: the common controls must be
  // ready before any template that holds one is realised.
  INITCOMMONCONTROLSEX init = {};
  init.dwSize = sizeof(init);
  init.dwICC = ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES;
  InitCommonControlsEx(&init);
  // The folder choosers are COM objects that want a single-threaded apartment.
  OleInitialize(nullptr);
}

int Win32Backend::RunModal(Dialog& dialog, Dialog* parent) {
  HWND owner = nullptr;
  if (parent != nullptr && parent->Window() != nullptr) {
    owner = static_cast<Win32DialogWindow*>(parent->Window())->Handle();
  }
  Win32DialogWindow window(dialog);
  HWND hwnd = window.Create(instance_, owner);
  if (hwnd == nullptr) {
    DialogEvents::Attach(dialog, nullptr);
    return -1;
  }
  const bool disableOwner = owner != nullptr && IsWindowEnabled(owner);
  if (disableOwner) EnableWindow(owner, FALSE);
  if (!window.Ended() && !IsWindowVisible(hwnd)) ::ShowWindow(hwnd, SW_SHOWNORMAL);

  MSG msg;
  while (!window.Ended()) {
    BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) {
      // Leave WM_QUIT for the loop that owns it.
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (got == -1) break;
    if (!dialog.PreTranslateMessage(reinterpret_cast<const NativeMessage*>(&msg))) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }

  // Re-enable the owner before the dialog goes, so activation returns to it.
  if (disableOwner) EnableWindow(owner, TRUE);
  if (owner != nullptr && GetActiveWindow() == hwnd) SetActiveWindow(owner);
  DestroyWindow(hwnd);
  DialogEvents::Attach(dialog, nullptr);
  return window.Ended() ? window.Result() : -1;
}

void Win32Backend::ShowWaitCursor(bool wait) {
  SetCursor(LoadCursorA(nullptr, wait ? IDC_WAIT : IDC_ARROW));
}

std::string Win32Backend::LoadResourceString(int id) {
  char buffer[1024] = {};
  int length =
      LoadStringA(instance_, static_cast<UINT>(id), buffer, static_cast<int>(sizeof(buffer)));
  return std::string(buffer, static_cast<size_t>(length > 0 ? length : 0));
}

bool Win32Backend::RegisterDialogClass(const std::string& className, const std::string& baseClass,
                                       int iconResource) {
  WNDCLASSA wc = {};
  if (GetClassInfoA(instance_, className.c_str(), &wc)) return true;
  if (!GetClassInfoA(instance_, baseClass.c_str(), &wc)) return false;
  wc.lpszClassName = className.c_str();
  wc.hInstance = instance_;
  wc.hIcon = LoadIconA(instance_, MAKEINTRESOURCEA(iconResource));
  return RegisterClassA(&wc) != 0;
}

bool Win32Backend::ActivateWindowOfClass(const std::string& className) {
  HWND found = FindWindowA(className.c_str(), nullptr);
  if (found == nullptr) return false;
  if (IsIconic(found)) ::ShowWindow(found, SW_RESTORE);
  SetForegroundWindow(GetLastActivePopup(found));
  return true;
}

}  // namespace win32
}  // namespace ui
