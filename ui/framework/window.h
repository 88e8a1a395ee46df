// A window handle and the calls the dialogs make on their windows and their
// controls, in the ANSI code page. It does not own the window.
#pragma once

#include <windows.h>

#include <string>

namespace ui {

std::string WindowText(HWND hwnd);
// The dots per inch of the window's display, vertically; 96, the system's
// unscaled value, when it cannot be told.
int WindowDpi(HWND hwnd);
// Keeps Windows 10 from rescaling the dialog's fonts, size and controls when
// its DPI changes (a move to another monitor): the dialog lays itself out
// from the DPI that WM_DPICHANGED carries. Older systems lack the call.
void HandleDpiChangesAlone(HWND dialog);

class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND Handle() const { return hwnd_; }
  void Attach(HWND hwnd) { hwnd_ = hwnd; }

  std::string Text() const { return WindowText(hwnd_); }
  void SetText(const std::string& text) const { SetWindowTextA(hwnd_, text.c_str()); }
  RECT WindowRect() const;  // screen coordinates
  RECT ClientRect() const;  // (0, 0, width, height)
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return SendMessageA(hwnd_, message, wParam, lParam);
  }

  // Controls, by id.
  HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
  std::string ItemText(int id) const { return WindowText(Item(id)); }
  void SetItemText(int id, const std::string& text) const {
    SetDlgItemTextA(hwnd_, id, text.c_str());
  }
  void CheckItem(int id, bool checked) const {
    CheckDlgButton(hwnd_, id, checked ? BST_CHECKED : BST_UNCHECKED);
  }
  void EnableItem(int id, bool enable) const { EnableWindow(Item(id), enable ? TRUE : FALSE); }
  void ShowItem(int id, bool show) const { ShowWindow(Item(id), show ? SW_SHOW : SW_HIDE); }
  // In the window's client coordinates.
  RECT ItemRect(int id) const;
  // Moves and sizes a control without changing the Z order or activating it.
  void MoveItem(int id, const RECT& rect) const;

 protected:
  HWND hwnd_ = nullptr;
};

}  // namespace ui
