// Reading a list-view of another process: its items' texts and places and
// the focused item, through memory allocated in that process.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

int ListViewItemCount(HWND listView);
// Text of one cell (subItem 0 is the first column), as the ANSI call gives it.
std::string ListViewItemText(HWND listView, int item, int subItem);
// Rectangle of the item's label in the list-view's client coordinates.
bool ListViewItemRect(HWND listView, int item, RECT* rect);
// The item with the focus (the current row); -1 when none has it.
int ListViewFocusedItem(HWND listView);

}  // namespace e2e
