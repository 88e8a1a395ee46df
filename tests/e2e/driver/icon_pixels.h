// Icons as pixels, so that two icon handles can be compared by what they
// show rather than by handle value.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace e2e {

struct IconPixels {
  int width = 0;
  int height = 0;
  // The icon drawn over black, then over white, as 0x00RRGGBB top-down:
  // together they pin down colour and transparency alike.
  std::vector<std::uint32_t> overBlack;
  std::vector<std::uint32_t> overWhite;
};

// Size of the icon's own image; false when the handle is no icon this
// process can read.
bool IconSize(HICON icon, int* width, int* height);
// Draws the icon at the given size over a plain background, as 0x00RRGGBB
// top-down; false when it cannot be drawn.
bool DrawIconOver(HICON icon, int width, int height, COLORREF background,
                  std::vector<std::uint32_t>* pixels);
// Draws the icon at the given size; false when it cannot be drawn.
bool RenderIcon(HICON icon, int width, int height, IconPixels* pixels);
bool SamePixels(const IconPixels& a, const IconPixels& b);

}  // namespace e2e
