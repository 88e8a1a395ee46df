// The controls of another process's dialog: their texts and states, typed
// text, and a description of the whole window tree for diagnostics.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// WM_SETTEXT with the bytes as they are (ANSI code page), as typing would
// leave them.
bool SetControlText(HWND dialog, int controlId, const std::string& text);
std::string ControlText(HWND dialog, int controlId);
bool IsControlChecked(HWND dialog, int controlId);
bool IsControlEnabled(HWND dialog, int controlId);

// Every window below root, depth first.
std::vector<HWND> Descendants(HWND root);
// The first descendant of the class (and id, unless id is -1); nullptr if none.
HWND FindDescendant(HWND root, const std::string& className, int controlId = -1);
// One line per descendant: id, class, visibility and text.
std::string DescribeDescendants(HWND root);

}  // namespace e2e
