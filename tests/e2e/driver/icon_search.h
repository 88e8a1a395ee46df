// Finding an icon in a piece of the screen where it was drawn over a plain
// background of unknown colour, such as a window caption.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <vector>

#include "tests/e2e/driver/pixel_difference.h"
#include "tests/e2e/driver/screen_image.h"

namespace e2e {

// An icon as it looks drawn at a given size over a given colour; each
// colour is drawn once.
class DrawnIcon {
 public:
  DrawnIcon(HICON icon, int width, int height) : icon_(icon), width_(width), height_(height) {}

  int Width() const { return width_; }
  int Height() const { return height_; }
  // nullptr when the icon cannot be drawn.
  const std::vector<std::uint32_t>* Over(std::uint32_t background);

 private:
  HICON icon_;
  int width_;
  int height_;
  std::map<std::uint32_t, std::vector<std::uint32_t>> drawn_;
};

struct IconMatch {
  bool found = false;
  int x = 0;
  int y = 0;
  PixelDifference difference;
};

// The place in image where icon differs least, trying every place. The
// background for a place is read just left of it: a caption shows its own
// colour between the frame and the icon.
IconMatch FindIcon(const ScreenImage& image, DrawnIcon* icon);

}  // namespace e2e
