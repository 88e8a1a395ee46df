// Where the selector window's controls stood when it opened, and how they
// follow the window as it is resized.
#pragma once

#include "ui/framework/types.h"

struct SelectorLayout {
  ui::Rect window;  // screen coordinates; its size is the minimum size
  ui::Rect grid;
  int gridLeft = 0, gridTop = 0, gridRightMargin = 0, gridBottomMargin = 0;
  ui::Rect frame;
  int frameLeft = 0, frameTop = 0, frameRightMargin = 0, frameBottomMargin = 0;
  ui::Rect exitButton;
  int exitTopOffset = 0;
  ui::Rect helpButton;
  int helpTopOffset = 0;
  ui::Rect deleteButton, lastApplicationButton, selectApplicationButton;
};

namespace ui {
class DialogWindow;
}

// Records the layout of a freshly opened selector window.
SelectorLayout RecordSelectorLayout(const ui::DialogWindow& window);
// Moves the grid, its frame and the buttons that follow them.
void LayoutSelectorControls(const SelectorLayout& layout, ui::DialogWindow* window);
// Keeps a proposed window rectangle at least as large as at the start.
void KeepMinimumSize(const SelectorLayout& layout, int edge, ui::Rect* windowRect);
