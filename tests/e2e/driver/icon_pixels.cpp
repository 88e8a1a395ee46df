#include "tests/e2e/driver/icon_pixels.h"

#include "tests/e2e/driver/dib_canvas.h"

namespace e2e {

bool DrawIconOver(HICON icon, int width, int height, COLORREF background,
                  std::vector<std::uint32_t>* pixels) {
  DibCanvas canvas(width, height);
  if (!canvas.Ready()) return false;
  RECT all = {0, 0, width, height};
  HBRUSH brush = CreateSolidBrush(background);
  FillRect(canvas.Dc(), &all, brush);
  DeleteObject(brush);
  if (!DrawIconEx(canvas.Dc(), 0, 0, icon, width, height, 0, nullptr, DI_NORMAL)) return false;
  *pixels = canvas.Pixels();
  return true;
}

bool IconSize(HICON icon, int* width, int* height) {
  ICONINFO info = {};
  if (icon == nullptr || !GetIconInfo(icon, &info)) return false;
  BITMAP bitmap = {};
  const bool ok = GetObjectA(info.hbmMask, sizeof bitmap, &bitmap) != 0;
  if (ok) {
    *width = bitmap.bmWidth;
    // Without a colour bitmap the mask holds the AND and XOR halves.
    *height = info.hbmColor != nullptr ? bitmap.bmHeight : bitmap.bmHeight / 2;
  }
  if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
  if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
  return ok;
}

bool RenderIcon(HICON icon, int width, int height, IconPixels* pixels) {
  pixels->width = width;
  pixels->height = height;
  return DrawIconOver(icon, width, height, RGB(0, 0, 0), &pixels->overBlack) &&
         DrawIconOver(icon, width, height, RGB(255, 255, 255), &pixels->overWhite);
}

bool SamePixels(const IconPixels& a, const IconPixels& b) {
  return a.width == b.width && a.height == b.height && a.overBlack == b.overBlack &&
         a.overWhite == b.overWhite;
}

}  // namespace e2e
