#include "ui/framework/window.h"

#include <vector>

#include "platform/win32/on_demand.h"

namespace ui {

std::string WindowText(HWND hwnd) {
  const int length = GetWindowTextLengthA(hwnd);
  if (length <= 0) return std::string();
  std::vector<char> buffer(static_cast<size_t>(length) + 1);
  GetWindowTextA(hwnd, buffer.data(), length + 1);
  return buffer.data();
}

int WindowDpi(HWND hwnd) {
  // The monitor's DPI where the system gives it per window (Windows 10),
  // else the one DPI of the whole screen.
  using GetDpiForWindowFunction = UINT WINAPI(HWND);
  const auto getDpiForWindow =
      orvent::SystemFunction<GetDpiForWindowFunction>("user32.dll", "GetDpiForWindow");
  const UINT perWindow = getDpiForWindow != nullptr ? getDpiForWindow(hwnd) : 0;
  if (perWindow > 0) return static_cast<int>(perWindow);
  HDC dc = GetDC(hwnd);
  if (dc == nullptr) return 96;
  const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
  ReleaseDC(hwnd, dc);
  return dpi > 0 ? dpi : 96;
}

void HandleDpiChangesAlone(HWND dialog) {
  using SetBehaviorFunction = BOOL WINAPI(HWND, int, int);
  const auto setBehavior =
      orvent::SystemFunction<SetBehaviorFunction>("user32.dll", "SetDialogDpiChangeBehavior");
  const int all = 0x1 | 0x2 | 0x4;  // its fonts, its size and its controls' places
  if (setBehavior != nullptr) setBehavior(dialog, all, all);
}

RECT Window::WindowRect() const {
  RECT r = {};
  GetWindowRect(hwnd_, &r);
  return r;
}

RECT Window::ClientRect() const {
  RECT r = {};
  GetClientRect(hwnd_, &r);
  return r;
}

RECT Window::ItemRect(int id) const {
  RECT r = {};
  GetWindowRect(Item(id), &r);
  MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void Window::MoveItem(int id, const RECT& r) const {
  // A control already in place is left alone: a move to where it stands
  // still costs the system a round of messages.
  const RECT now = ItemRect(id);
  if (EqualRect(&r, &now)) return;
  SetWindowPos(Item(id), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace ui
