// A 32-bit top-down DIB selected into a memory DC: something GDI can draw
// or copy into and the driver can then read pixel by pixel.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace e2e {

class DibCanvas {
 public:
  DibCanvas(int width, int height);
  ~DibCanvas();
  DibCanvas(const DibCanvas&) = delete;
  DibCanvas& operator=(const DibCanvas&) = delete;

  // False when the DC or the bitmap could not be made.
  bool Ready() const { return bits_ != nullptr; }
  HDC Dc() const { return dc_; }
  // What has been drawn so far, as 0x00RRGGBB top-down.
  std::vector<std::uint32_t> Pixels() const;

 private:
  int width_;
  int height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ oldBitmap_ = nullptr;
  void* bits_ = nullptr;
};

}  // namespace e2e
