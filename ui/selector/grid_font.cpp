#include "ui/selector/grid_font.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "ui/framework/dialog_window.h"

int RoundPointSize(double value) {
  if (std::fmod(value, 1.0) != 0.0) value += value < 0 ? -0.5 : 0.5;
  char text[64];
  std::snprintf(text, sizeof(text), "%.0f", value);
  return std::atoi(text);
}

std::string GetDialogFontInfo(const ui::DialogWindow& window, double* size,
                              bool useDefaultGuiFont) {
  std::string face;
  double points = 0.0;
  if (window.WindowFont(&face, &points) && size != nullptr) *size = points;
  if (useDefaultGuiFont) {
    const std::string guiFace = window.DefaultGuiFontFace();
    if (!guiFace.empty()) face = guiFace;
    if (size != nullptr) *size = RoundPointSize(*size);
  }
  return face;
}
