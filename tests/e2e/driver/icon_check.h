// Whether a window of another process shows a given icon resource of an
// executable.
#pragma once

#include <windows.h>

#include <ostream>
#include <string>

namespace e2e {

enum class IconVerdict { kSame, kDifferent, kUnreadable };
// Names the verdict in test failures.
void PrintTo(IconVerdict verdict, std::ostream* out);

// Compares the window's big icon (WM_GETICON ICON_BIG), drawn pixel by pixel
// over black and over white, with icon resource resourceId of exePath loaded
// at the same size. kUnreadable when the window gives no icon handle this
// process can draw: always so under wine, which keeps icons per process and
// answers WM_GETICON from another process with none (caption_icon_check.h
// checks there from the screen). detail says why.
IconVerdict CompareWindowIcon(HWND window, const std::string& exePath, int resourceId,
                              std::string* detail);

}  // namespace e2e
