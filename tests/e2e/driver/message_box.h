// Message boxes of the Selector: top-level "#32770" windows owned by the
// window that raised them, their text in the static control 0xFFFF.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

// Polls for a visible message box owned by owner; nullptr on timeout.
HWND WaitForMessageBox(HWND owner, DWORD timeoutMs);
std::string MessageBoxText(HWND box);
std::string MessageBoxCaption(HWND box);
// Presses one of its buttons (IDOK, IDCANCEL, ...).
bool AnswerMessageBox(HWND box, int buttonId);

}  // namespace e2e
