#include "ui/selector/selector_layout.h"

#include "res/resource.h"

namespace {

const int kGapBelowGrid = 5;
const int kGapBetweenApplicationButtons = 8;

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

// Moves a control unless it is missing or was never measured.
void Place(const ui::Window& window, int id, const RECT& recorded, const RECT& to) {
  if (window.Item(id) != nullptr && Height(recorded) > 0) window.MoveItem(id, to);
}

RECT At(int left, int top, const RECT& size) {
  return RECT{left, top, left + Width(size), top + Height(size)};
}

}  // namespace

SelectorLayout RecordSelectorLayout(const ui::Window& window) {
  SelectorLayout layout;
  layout.window = window.WindowRect();
  const RECT client = window.ClientRect();
  const RECT grid = window.ItemRect(IDC_RECENT_GRID);
  layout.gridLeft = grid.left;
  layout.gridTop = grid.top;
  layout.gridRightMargin = Width(client) - grid.right;
  layout.gridBottomMargin = Height(client) - grid.bottom;
  layout.frame = window.ItemRect(IDC_RECENT_FRAME);
  layout.frameLeft = layout.frame.left;
  layout.frameTop = layout.frame.top;
  layout.frameRightMargin = Width(client) - layout.frame.right;
  layout.frameBottomMargin = Height(client) - layout.frame.bottom;
  // The buttons' tops in the client area: the same as their offsets from the
  // window's top while the window stands where the system created it, and
  // still right when it was placed elsewhere.
  layout.exitButton = window.ItemRect(IDC_EXIT);
  layout.exitTopOffset = layout.exitButton.top;
  layout.helpButton = window.ItemRect(IDC_HELP_MANUAL);
  layout.helpTopOffset = layout.helpButton.top;
  layout.deleteButton = window.ItemRect(IDC_DELETE_HISTORY);
  layout.lastApplicationButton = window.ItemRect(IDC_LAST_APPLICATION);
  layout.selectApplicationButton = window.ItemRect(IDC_SELECT_APPLICATION);
  layout.filterNone = window.ItemRect(IDC_FILTER_NONE);
  return layout;
}

void LayoutSelectorControls(const SelectorLayout& layout, const ui::Window& window) {
  const RECT client = window.ClientRect();
  const int width = Width(client);
  const int height = Height(client);

  RECT reference = client;
  if (window.Item(IDC_RECENT_GRID) != nullptr) {
    reference = RECT{layout.gridLeft, layout.gridTop, width - layout.gridRightMargin,
                     height - layout.gridBottomMargin};
    window.MoveItem(IDC_RECENT_GRID, reference);
  }
  Place(window, IDC_RECENT_FRAME, layout.frame,
        RECT{layout.frameLeft, layout.frameTop, width - layout.frameRightMargin,
             height - layout.frameBottomMargin});

  Place(window, IDC_EXIT, layout.exitButton,
        At(reference.right - Width(layout.exitButton), client.top + layout.exitTopOffset,
           layout.exitButton));
  Place(window, IDC_HELP_MANUAL, layout.helpButton,
        At(reference.right - Width(layout.helpButton), client.top + layout.helpTopOffset,
           layout.helpButton));

  const int belowGrid = reference.bottom + kGapBelowGrid;
  Place(window, IDC_DELETE_HISTORY, layout.deleteButton,
        At(reference.left, belowGrid, layout.deleteButton));
  const int selectLeft = reference.right - Width(layout.selectApplicationButton);
  Place(window, IDC_SELECT_APPLICATION, layout.selectApplicationButton,
        At(selectLeft, belowGrid, layout.selectApplicationButton));
  Place(window, IDC_LAST_APPLICATION, layout.lastApplicationButton,
        At(selectLeft - kGapBetweenApplicationButtons - Width(layout.lastApplicationButton),
           belowGrid, layout.lastApplicationButton));

  // The words that no row matches the filter lie on the grid, as its child.
  HWND none = GetDlgItem(window.Item(IDC_RECENT_GRID), IDC_FILTER_NONE);
  const int side = layout.filterNone.left - layout.gridLeft;
  if (none != nullptr) {
    SetWindowPos(none, nullptr, side, layout.filterNone.top - layout.gridTop,
                 Width(reference) - 2 * side, Height(layout.filterNone),
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

SelectorLayout ScaledLayout(const SelectorLayout& layout, int fromDpi, int toDpi) {
  const auto scaled = [&](int value) { return MulDiv(value, toDpi, fromDpi); };
  const auto scaledRect = [&](const RECT& r) {
    return RECT{scaled(r.left), scaled(r.top), scaled(r.right), scaled(r.bottom)};
  };
  SelectorLayout to = layout;
  to.window = scaledRect(layout.window);
  to.gridLeft = scaled(layout.gridLeft);
  to.gridTop = scaled(layout.gridTop);
  to.gridRightMargin = scaled(layout.gridRightMargin);
  to.gridBottomMargin = scaled(layout.gridBottomMargin);
  to.frame = scaledRect(layout.frame);
  to.frameLeft = scaled(layout.frameLeft);
  to.frameTop = scaled(layout.frameTop);
  to.frameRightMargin = scaled(layout.frameRightMargin);
  to.frameBottomMargin = scaled(layout.frameBottomMargin);
  to.exitButton = scaledRect(layout.exitButton);
  to.exitTopOffset = scaled(layout.exitTopOffset);
  to.helpButton = scaledRect(layout.helpButton);
  to.helpTopOffset = scaled(layout.helpTopOffset);
  to.deleteButton = scaledRect(layout.deleteButton);
  to.lastApplicationButton = scaledRect(layout.lastApplicationButton);
  to.selectApplicationButton = scaledRect(layout.selectApplicationButton);
  to.filterNone = scaledRect(layout.filterNone);
  return to;
}

void KeepMinimumSize(const SelectorLayout& layout, UINT edge, RECT* r) {
  if (Width(layout.window) <= 0 || Height(layout.window) <= 0) return;
  const int minWidth = Width(layout.window);
  const int minHeight = Height(layout.window);
  if (Width(*r) < minWidth) {
    if (edge == WMSZ_LEFT || edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT) {
      r->left = r->right - minWidth;
    } else if (edge == WMSZ_RIGHT || edge == WMSZ_TOPRIGHT || edge == WMSZ_BOTTOMRIGHT) {
      r->right = r->left + minWidth;
    }
  }
  if (Height(*r) < minHeight) {
    if (edge == WMSZ_TOP || edge == WMSZ_TOPLEFT || edge == WMSZ_TOPRIGHT) {
      r->top = r->bottom - minHeight;
    } else if (edge == WMSZ_BOTTOM || edge == WMSZ_BOTTOMLEFT || edge == WMSZ_BOTTOMRIGHT) {
      r->bottom = r->top + minHeight;
    }
  }
}
