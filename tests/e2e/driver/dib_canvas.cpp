#include "tests/e2e/driver/dib_canvas.h"

namespace e2e {

DibCanvas::DibCanvas(int width, int height) : width_(width), height_(height) {
  if (width <= 0 || height <= 0) return;
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  dc_ = CreateCompatibleDC(nullptr);
  if (dc_ == nullptr) return;
  void* bits = nullptr;
  bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap_ == nullptr) return;
  oldBitmap_ = SelectObject(dc_, bitmap_);
  bits_ = bits;
}

DibCanvas::~DibCanvas() {
  if (oldBitmap_ != nullptr) SelectObject(dc_, oldBitmap_);
  if (bitmap_ != nullptr) DeleteObject(bitmap_);
  if (dc_ != nullptr) DeleteDC(dc_);
}

std::vector<std::uint32_t> DibCanvas::Pixels() const {
  if (bits_ == nullptr) return {};
  GdiFlush();
  const std::uint32_t* first = static_cast<const std::uint32_t*>(bits_);
  std::vector<std::uint32_t> pixels(first, first + width_ * height_);
  // The fourth byte is whatever GDI left there, not part of the colour.
  for (std::uint32_t& pixel : pixels) pixel &= 0x00FFFFFFu;
  return pixels;
}

}  // namespace e2e
