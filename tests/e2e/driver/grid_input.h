// A user's hands on the recent-projects grid of another process: moving
// the current row with the keyboard, double clicks, the Delete key.
#pragma once

#include <windows.h>

namespace e2e {

// Presses the Down key count times and waits until the focused item is the
// expected one; false when it does not get there.
bool MoveCurrentRowDown(HWND listView, int count, int expectedItem);
// A double click in the middle of the item's label.
bool PostDoubleClickOnItem(HWND listView, int item);
bool PostKey(HWND listView, UINT virtualKey);

}  // namespace e2e
