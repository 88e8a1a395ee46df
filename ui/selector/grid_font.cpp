#include "ui/selector/grid_font.h"

#include <cmath>
#include <vector>

namespace {

// The face of the font selected into the device context ("" for none).
std::string FaceOf(HDC dc) {
  const int length = GetTextFaceA(dc, 0, nullptr);
  if (length <= 0) return std::string();
  std::vector<char> face(static_cast<size_t>(length) + 1, '\0');
  GetTextFaceA(dc, length + 1, face.data());
  return face.data();
}

}  // namespace

int RoundPointSize(double value) {
  return static_cast<int>(value < 0 ? std::floor(value) : std::ceil(value));
}

std::string GetDialogFontInfo(HWND window, double* size) {
  HDC dc = GetDC(window);
  if (dc == nullptr) return std::string();
  HGDIOBJ previous =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)));
  std::string face = FaceOf(dc);
  TEXTMETRICA metrics = {};
  if (!face.empty() && GetTextMetricsA(dc, &metrics)) {
    *size = (metrics.tmHeight - metrics.tmInternalLeading) * 72.0 / GetDeviceCaps(dc, LOGPIXELSY);
  }
  SelectObject(dc, previous);
  previous = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  const std::string guiFace = FaceOf(dc);
  if (!guiFace.empty()) face = guiFace;
  SelectObject(dc, previous);
  *size = RoundPointSize(*size);
  ReleaseDC(window, dc);
  return face;
}
