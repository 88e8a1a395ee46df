// The clipboard, for texts of the ANSI code page.
#pragma once

#include <windows.h>

#include <string>

namespace ui {

// Puts the text on the clipboard as ANSI and as Unicode text, so that a
// Japanese name pastes right in programs of either kind.
[[nodiscard]] bool CopyText(HWND owner, const std::string& text);

}  // namespace ui
