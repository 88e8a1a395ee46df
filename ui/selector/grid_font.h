// The font of the recent-projects grid: the face of the system's default GUI
// font at the dialog font's point size, rounded to a whole number.
#pragma once

#include <windows.h>

#include <string>

// A value with a fraction goes to the next whole number away from zero.
int RoundPointSize(double value);

// The default GUI font's face (the window font's when it has none), and in
// size the window font's point size, rounded; a window font without a face
// leaves size as it came, rounded.
std::string GetDialogFontInfo(HWND window, double* size);
