#include "tests/e2e/driver/screen_image.h"

#include "tests/e2e/driver/dib_canvas.h"

namespace e2e {

bool CaptureScreen(const RECT& area, ScreenImage* image) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  DibCanvas canvas(width, height);
  if (!canvas.Ready()) return false;
  HDC screen = GetDC(nullptr);
  if (screen == nullptr) return false;
  const bool copied =
      BitBlt(canvas.Dc(), 0, 0, width, height, screen, area.left, area.top, SRCCOPY) != FALSE;
  ReleaseDC(nullptr, screen);
  if (!copied) return false;
  image->width = width;
  image->height = height;
  image->pixels = canvas.Pixels();
  return true;
}

}  // namespace e2e
