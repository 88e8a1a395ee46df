// How far a patch of the screen is from pixels the driver drew itself,
// channel by channel.
#pragma once

#include <cstdint>
#include <vector>

#include "tests/e2e/driver/screen_image.h"

namespace e2e {

struct PixelDifference {
  double mean = 0;  // mean absolute difference over all channels, 0..255
  int largest = 0;  // largest absolute difference of any channel, 0..255
};

// Compares expected (width x height, 0x00RRGGBB top-down) with the patch of
// image whose top-left corner is at (x, y); the patch must lie inside.
PixelDifference DifferenceAt(const ScreenImage& image, int x, int y,
                             const std::vector<std::uint32_t>& expected, int width, int height);

}  // namespace e2e
