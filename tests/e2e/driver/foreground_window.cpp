#include "tests/e2e/driver/foreground_window.h"

#include "tests/e2e/driver/polling.h"

namespace e2e {
namespace {

constexpr char kClassName[] = "OrventE2EForeground";

bool RegisterOnce() {
  WNDCLASSA windowClass = {};
  HINSTANCE instance = GetModuleHandleA(nullptr);
  if (GetClassInfoA(instance, kClassName, &windowClass)) return true;
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = kClassName;
  return RegisterClassA(&windowClass) != 0;
}

}  // namespace

ForegroundWindow::ForegroundWindow() {
  if (!RegisterOnce()) return;
  // Placed away from the Selector, which opens at the top left.
  window_ = CreateWindowExA(0, kClassName, "orvent e2e driver", WS_OVERLAPPEDWINDOW, 700, 500, 300,
                            200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

ForegroundWindow::~ForegroundWindow() {
  if (window_ != nullptr) DestroyWindow(window_);
  PumpMessages();
}

bool ForegroundWindow::TakeForeground(DWORD timeoutMs) {
  if (window_ == nullptr) return false;
  ShowWindow(window_, SW_SHOWNORMAL);
  return WaitUntil(
      [this] {
        if (GetForegroundWindow() == window_) return true;
        SetForegroundWindow(window_);
        return false;
      },
      timeoutMs, 50);
}

}  // namespace e2e
