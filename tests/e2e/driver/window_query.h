// Finding and reading the top-level windows of other processes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

struct WindowFilter {
  DWORD processId = 0;    // 0: any process
  std::string className;  // "": any class
  std::string title;      // "": any title
  bool visibleOnly = false;
};

std::vector<HWND> FindTopLevelWindows(const WindowFilter& filter);

// Polls until a visible window matching the filter exists; nullptr on timeout.
HWND WaitForTopLevelWindow(const WindowFilter& filter, DWORD timeoutMs);

DWORD WindowProcessId(HWND window);
std::string WindowClassName(HWND window);
// The window's text as its own process answers WM_GETTEXT.
std::string ReadWindowText(HWND window);
// True when window is owner or is owned, directly or further up, by owner.
bool IsSameOrOwnedBy(HWND window, HWND owner);

}  // namespace e2e
