// A plain visible window of the driver's own, brought to the front so that
// a test can see another window take the front away from it.
#pragma once

#include <windows.h>

namespace e2e {

class ForegroundWindow {
 public:
  ForegroundWindow();
  ~ForegroundWindow();
  ForegroundWindow(const ForegroundWindow&) = delete;
  ForegroundWindow& operator=(const ForegroundWindow&) = delete;

  // Shows the window and waits until it is the foreground window.
  bool TakeForeground(DWORD timeoutMs);
  HWND Handle() const { return window_; }

 private:
  HWND window_ = nullptr;
};

}  // namespace e2e
