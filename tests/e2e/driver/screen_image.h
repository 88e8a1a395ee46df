// Pixels as they are on the screen, for checking what another process has
// drawn where nothing of it can be asked for directly.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace e2e {

struct ScreenImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0x00RRGGBB top-down

  std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// Copies the given screen rectangle; false when the screen cannot be read.
bool CaptureScreen(const RECT& area, ScreenImage* image);

}  // namespace e2e
