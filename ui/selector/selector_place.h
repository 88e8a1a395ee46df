// Where the selector window opens, and its place kept at its end for the
// next start.
#pragma once

#include <windows.h>

#include "platform/platform.h"

// Opens the window, not yet shown, where the last session left it, unless
// that is on no monitor or smaller than the minimum (the window's rectangle
// as it was made); shown so, it is not centred as it is first shown.
void RestoreSelectorPlace(HWND window, orvent::Platform& platform, const RECT& minimum);
// Keeps the window's normal rectangle and whether it is maximised.
void KeepSelectorPlace(HWND window, orvent::Platform& platform);
