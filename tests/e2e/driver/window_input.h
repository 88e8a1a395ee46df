// Acting on another process's windows. Everything is posted, never sent:
// a click that opens a modal box would otherwise block the driver until
// the box is closed. Bringing to the front waits on the system only.
#pragma once

#include <windows.h>

namespace e2e {

// BM_CLICK posted to the dialog's button, as a user's click would press it.
bool PostButtonClick(HWND dialog, int controlId);
// WM_COMMAND BN_CLICKED posted to the dialog for the given control.
bool PostCommand(HWND dialog, int controlId);
// The close box: WM_SYSCOMMAND SC_CLOSE.
bool PostCloseBox(HWND window);
// Makes the window the foreground window; false when it is not so within
// timeoutMs.
bool BringToFront(HWND window, DWORD timeoutMs);

}  // namespace e2e
