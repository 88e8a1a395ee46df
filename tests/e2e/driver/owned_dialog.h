// Dialogs ("#32770") that another process's window opens over itself: the
// project dialog, the about box, the choosers.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

// Polls for a visible dialog owned by owner whose caption is title (any
// caption when title is empty); nullptr on timeout.
HWND WaitForOwnedDialog(HWND owner, const std::string& title, DWORD timeoutMs);
// Polls until window is gone or hidden; false on timeout.
bool WaitForWindowToClose(HWND window, DWORD timeoutMs);

}  // namespace e2e
