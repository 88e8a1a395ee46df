#include "tests/e2e/driver/pixel_difference.h"

#include <cstdlib>

namespace e2e {

PixelDifference DifferenceAt(const ScreenImage& image, int x, int y,
                             const std::vector<std::uint32_t>& expected, int width, int height) {
  PixelDifference difference;
  long long sum = 0;
  for (int row = 0; row < height; ++row) {
    for (int column = 0; column < width; ++column) {
      const std::uint32_t shown = image.At(x + column, y + row);
      const std::uint32_t wanted = expected[static_cast<std::size_t>(row) * width + column];
      for (int shift = 0; shift < 24; shift += 8) {
        const int channel = std::abs(static_cast<int>((shown >> shift) & 0xFFu) -
                                     static_cast<int>((wanted >> shift) & 0xFFu));
        sum += channel;
        if (channel > difference.largest) difference.largest = channel;
      }
    }
  }
  const int channels = width * height * 3;
  difference.mean = channels > 0 ? static_cast<double>(sum) / channels : 0;
  return difference;
}

}  // namespace e2e
