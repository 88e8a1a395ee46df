// The font of the recent-projects grid: the face of the system's default GUI
// font at the dialog font's point size, rounded to a whole number.
#pragma once

#include <windows.h>

#include <string>

// A value with a fraction goes to the next whole number away from zero.
int RoundPointSize(double value);

// The face name of the window's font (or, with useDefaultGuiFont, of the
// system's default GUI font) and, through size when given, a point size.
std::string GetDialogFontInfo(HWND window, double* size, bool useDefaultGuiFont);
