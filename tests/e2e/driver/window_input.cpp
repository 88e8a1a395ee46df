#include "tests/e2e/driver/window_input.h"

#include "tests/e2e/driver/polling.h"

namespace e2e {

bool PostButtonClick(HWND dialog, int controlId) {
  HWND button = GetDlgItem(dialog, controlId);
  return button != nullptr && PostMessageA(button, BM_CLICK, 0, 0) != FALSE;
}

bool PostCommand(HWND dialog, int controlId) {
  HWND control = GetDlgItem(dialog, controlId);
  return PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(controlId, BN_CLICKED),
                      reinterpret_cast<LPARAM>(control)) != FALSE;
}

bool PostCloseBox(HWND window) { return PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0) != FALSE; }

bool BringToFront(HWND window, DWORD timeoutMs) {
  return WaitUntil(
      [window] {
        if (GetForegroundWindow() == window) return true;
        SetForegroundWindow(window);
        return false;
      },
      timeoutMs, 50);
}

}  // namespace e2e
