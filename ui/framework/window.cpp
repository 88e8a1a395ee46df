#include "ui/framework/window.h"

#include <vector>

namespace ui {

std::string WindowText(HWND hwnd) {
  const int length = GetWindowTextLengthA(hwnd);
  if (length <= 0) return std::string();
  std::vector<char> buffer(static_cast<size_t>(length) + 1);
  GetWindowTextA(hwnd, buffer.data(), length + 1);
  return buffer.data();
}

int WindowDpi(HWND hwnd) {
  HDC dc = GetDC(hwnd);
  if (dc == nullptr) return 96;
  const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
  ReleaseDC(hwnd, dc);
  return dpi > 0 ? dpi : 96;
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
