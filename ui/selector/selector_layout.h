// Where the selector window's controls stood when it opened, and how they
// follow the window as it is resized.
#pragma once

#include <windows.h>

#include "ui/framework/window.h"

struct SelectorLayout {
  RECT window = {};  // screen coordinates; its size is the minimum size
  int gridLeft = 0, gridTop = 0, gridRightMargin = 0, gridBottomMargin = 0;
  RECT frame = {};
  int frameLeft = 0, frameTop = 0, frameRightMargin = 0, frameBottomMargin = 0;
  RECT exitButton = {};
  int exitTopOffset = 0;
  RECT helpButton = {};
  int helpTopOffset = 0;
  RECT deleteButton = {}, lastApplicationButton = {}, selectApplicationButton = {};
  // The words that no row matches the filter, centred over the grid's top.
  RECT filterNone = {};
};

// Records the layout of a freshly opened selector window.
SelectorLayout RecordSelectorLayout(const ui::Window& window);
// Moves the grid, its frame and the buttons that follow them.
void LayoutSelectorControls(const SelectorLayout& layout, const ui::Window& window);
// The layout as it would have been recorded at another DPI.
SelectorLayout ScaledLayout(const SelectorLayout& layout, int fromDpi, int toDpi);
// Keeps a proposed window rectangle at least as large as at the start.
void KeepMinimumSize(const SelectorLayout& layout, UINT edge, RECT* windowRect);
