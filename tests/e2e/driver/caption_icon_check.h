// Whether the caption of another process's window shows a given icon
// resource of an executable, judged from the screen. Works where the
// window's icon handle is out of reach (wine keeps icons per process), as
// long as the system draws the caption: the window must be in front.
#pragma once

#include <windows.h>

#include <string>

#include "tests/e2e/driver/icon_check.h"

namespace e2e {

// Brings the window to the front, finds its small caption icon near the
// top-left corner and compares it with icon resource resourceId of exePath
// drawn at the small icon size over the caption's own colour. detail gives
// the position found and the measured differences, whatever the verdict.
IconVerdict CompareCaptionIcon(HWND window, const std::string& exePath, int resourceId,
                               std::string* detail);

}  // namespace e2e
