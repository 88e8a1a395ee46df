#include "tests/e2e/driver/polling.h"

namespace e2e {

void PumpMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs, DWORD intervalMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    PumpMessages();
    if (condition()) return true;
    const ULONGLONG now = GetTickCount64();
    if (now >= deadline) return false;
    const ULONGLONG left = deadline - now;
    MsgWaitForMultipleObjects(
        0, nullptr, FALSE, static_cast<DWORD>(left < intervalMs ? left : intervalMs), QS_ALLINPUT);
  }
}

}  // namespace e2e
