#include "tests/e2e/driver/owned_dialog.h"

#include "tests/e2e/driver/polling.h"
#include "tests/e2e/driver/window_query.h"

namespace e2e {
namespace {

HWND FindOwnedDialog(HWND owner, const std::string& title) {
  WindowFilter filter;
  filter.processId = WindowProcessId(owner);
  filter.className = "#32770";
  filter.title = title;
  filter.visibleOnly = true;
  for (HWND candidate : FindTopLevelWindows(filter)) {
    if (GetWindow(candidate, GW_OWNER) == owner) return candidate;
  }
  return nullptr;
}

}  // namespace

HWND WaitForOwnedDialog(HWND owner, const std::string& title, DWORD timeoutMs) {
  HWND dialog = nullptr;
  WaitUntil(
      [&] {
        dialog = FindOwnedDialog(owner, title);
        return dialog != nullptr;
      },
      timeoutMs);
  return dialog;
}

bool WaitForWindowToClose(HWND window, DWORD timeoutMs) {
  return WaitUntil([window] { return !IsWindow(window) || !IsWindowVisible(window); }, timeoutMs);
}

}  // namespace e2e
