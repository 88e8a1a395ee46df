#include "tests/e2e/driver/icon_search.h"

#include <utility>

#include "tests/e2e/driver/icon_pixels.h"

namespace e2e {
namespace {

COLORREF AsColorRef(std::uint32_t pixel) {
  return RGB((pixel >> 16) & 0xFFu, (pixel >> 8) & 0xFFu, pixel & 0xFFu);
}

}  // namespace

const std::vector<std::uint32_t>* DrawnIcon::Over(std::uint32_t background) {
  auto known = drawn_.find(background);
  if (known != drawn_.end()) return &known->second;
  std::vector<std::uint32_t> pixels;
  if (!DrawIconOver(icon_, width_, height_, AsColorRef(background), &pixels)) return nullptr;
  return &drawn_.emplace(background, std::move(pixels)).first->second;
}

IconMatch FindIcon(const ScreenImage& image, DrawnIcon* icon) {
  const int width = icon->Width();
  const int height = icon->Height();
  IconMatch best;
  for (int y = 0; y + height <= image.height; ++y) {
    for (int x = 1; x + width <= image.width; ++x) {
      const std::vector<std::uint32_t>* pixels = icon->Over(image.At(x - 1, y + height / 2));
      if (pixels == nullptr) continue;
      const PixelDifference difference = DifferenceAt(image, x, y, *pixels, width, height);
      if (!best.found || difference.mean < best.difference.mean) {
        best.found = true;
        best.x = x;
        best.y = y;
        best.difference = difference;
      }
    }
  }
  return best;
}

}  // namespace e2e
