// Where the selector window stood when the last session ended, kept for the
// next start as one text among the user's settings:
//   "LEFT,TOP,RIGHT,BOTTOM,normal" or "LEFT,TOP,RIGHT,BOTTOM,maximised"
// the window's normal (restored) rectangle in screen pixels, then whether it
// was maximised; for example "10,20,810,620,maximised".
#pragma once

#include <optional>
#include <vector>

#include "platform/platform.h"

namespace orvent {

// The user's setting that holds the text.
inline constexpr char kWindowPlaceSetting[] = "Window";

// A rectangle in screen pixels, right and bottom outside it.
struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
};

struct WindowPlace {
  Rect normal;
  bool maximised = false;
};

// The kept place, if the window is to open there; none, and the window opens
// centred as before, when nothing is kept or the text is damaged (not five
// values as above, coordinates not whole numbers within 32767 of the screen's
// corner), when the rectangle is smaller than the window's minimum size (as
// an empty or inverted one is), or when it lies on none of the monitors. It
// lies on a monitor when the user can take hold of its title bar there: of
// the window's top 48 pixels, a piece 48 wide and 24 high lies within the
// monitor's work area.
[[nodiscard]] std::optional<WindowPlace> KeptWindowPlace(Platform& platform,
                                                         const std::vector<Rect>& workAreas,
                                                         int minWidth, int minHeight);
// Keeps the place for the next start; a failure changes nothing else.
void KeepWindowPlace(Platform& platform, const WindowPlace& place);

}  // namespace orvent
