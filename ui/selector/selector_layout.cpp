#include "ui/selector/selector_layout.h"

#include "res/resource.h"
#include "ui/framework/dialog_window.h"

namespace {

const int kGapBelowGrid = 5;
const int kGapBetweenApplicationButtons = 8;

// Moves a control unless it is missing or was never measured.
void Place(ui::DialogWindow* window, int id, const ui::Rect& recorded, const ui::Rect& to) {
  if (window->HasItem(id) && recorded.Height() > 0) window->MoveItem(id, to);
}

ui::Rect At(int left, int top, const ui::Rect& size) {
  return ui::Rect{left, top, left + size.Width(), top + size.Height()};
}

}  // namespace

SelectorLayout RecordSelectorLayout(const ui::DialogWindow& window) {
  SelectorLayout layout;
  layout.window = window.WindowRect();
  const ui::Rect client = window.ClientRect();
  layout.grid = window.ItemRect(IDC_RECENT_GRID);
  layout.gridLeft = layout.grid.left;
  layout.gridTop = layout.grid.top;
  layout.gridRightMargin = client.Width() - layout.grid.right;
  layout.gridBottomMargin = client.Height() - layout.grid.bottom;
  layout.frame = window.ItemRect(IDC_RECENT_FRAME);
  layout.frameLeft = layout.frame.left;
  layout.frameTop = layout.frame.top;
  layout.frameRightMargin = client.Width() - layout.frame.right;
  layout.frameBottomMargin = client.Height() - layout.frame.bottom;
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
  return layout;
}

void LayoutSelectorControls(const SelectorLayout& layout, ui::DialogWindow* window) {
  const ui::Rect client = window->ClientRect();
  const int width = client.Width();
  const int height = client.Height();

  ui::Rect reference = client;
  if (window->HasItem(IDC_RECENT_GRID) && layout.grid.Height() > 0) {
    reference = ui::Rect{layout.gridLeft, layout.gridTop, width - layout.gridRightMargin,
                         height - layout.gridBottomMargin};
    window->MoveItem(IDC_RECENT_GRID, reference);
  }
  Place(window, IDC_RECENT_FRAME, layout.frame,
        ui::Rect{layout.frameLeft, layout.frameTop, width - layout.frameRightMargin,
                 height - layout.frameBottomMargin});

  Place(window, IDC_EXIT, layout.exitButton,
        At(reference.right - layout.exitButton.Width(), client.top + layout.exitTopOffset,
           layout.exitButton));
  Place(window, IDC_HELP_MANUAL, layout.helpButton,
        At(reference.right - layout.helpButton.Width(), client.top + layout.helpTopOffset,
           layout.helpButton));

  const int belowGrid = reference.bottom + kGapBelowGrid;
  Place(window, IDC_DELETE_HISTORY, layout.deleteButton,
        At(reference.left, belowGrid, layout.deleteButton));
  const int selectLeft = reference.right - layout.selectApplicationButton.Width();
  Place(window, IDC_SELECT_APPLICATION, layout.selectApplicationButton,
        At(selectLeft, belowGrid, layout.selectApplicationButton));
  Place(window, IDC_LAST_APPLICATION, layout.lastApplicationButton,
        At(selectLeft - kGapBetweenApplicationButtons - layout.lastApplicationButton.Width(),
           belowGrid, layout.lastApplicationButton));
}

void KeepMinimumSize(const SelectorLayout& layout, int edge, ui::Rect* r) {
  if (layout.window.IsEmpty()) return;
  const int minWidth = layout.window.Width();
  const int minHeight = layout.window.Height();
  if (r->Width() < minWidth) {
    if (edge == ui::kEdgeLeft || edge == ui::kEdgeTopLeft || edge == ui::kEdgeBottomLeft) {
      r->left = r->right - minWidth;
    } else if (edge == ui::kEdgeRight || edge == ui::kEdgeTopRight ||
               edge == ui::kEdgeBottomRight) {
      r->right = r->left + minWidth;
    }
  }
  if (r->Height() < minHeight) {
    if (edge == ui::kEdgeTop || edge == ui::kEdgeTopLeft || edge == ui::kEdgeTopRight) {
      r->top = r->bottom - minHeight;
    } else if (edge == ui::kEdgeBottom || edge == ui::kEdgeBottomLeft ||
               edge == ui::kEdgeBottomRight) {
      r->bottom = r->top + minHeight;
    }
  }
}
