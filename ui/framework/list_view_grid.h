// A grid over a list-view control in report mode: a header of column titles
// over data rows numbered from 0, and a current row, which is the focused
// item. Neither the list-view nor the grid holds the texts (owner data): the
// grid asks its owner for them as the list-view draws, so a thousand rows
// fill at once and always show what the owner has.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

namespace ui {

// Sent to the grid's parent as a WM_NOTIFY whenever the mouse moves over the
// grid, which list-views do not report; x and y are client coordinates.
struct GridMouseMove {
  NMHDR header;
  int x;
  int y;
};
constexpr UINT kGridMouseMove = 0x4703;

// Sent to the grid's parent as a WM_NOTIFY for each character typed in the
// grid, in the ANSI code page (a double-byte character whole), with the time
// it was typed. The parent finds the row: the list-view's own search by
// typing is left out.
struct GridChar {
  NMHDR header;
  char text[3];
  DWORD time;
};
constexpr UINT kGridChar = 0x4704;

class ListViewGrid {
 public:
  // The text of a data cell, asked for as the list-view draws it.
  using CellText = std::function<std::string(int row, int col)>;

  ListViewGrid() = default;
  ListViewGrid(const ListViewGrid&) = delete;
  ListViewGrid& operator=(const ListViewGrid&) = delete;
  ~ListViewGrid();

  // Takes over the list-view; a second call with the same window does nothing.
  void Attach(HWND listView);
  HWND Handle() const { return listView_; }

  // The columns with their header texts, once; the cells' texts come from
  // `cellText`. The columns share the grid's width in proportion to
  // `weights` (one for each header), so that no horizontal scroll bar shows
  // at any screen resolution until the user widens a column. From then on
  // the last column takes what the grid's client width gains or loses, as
  // when the vertical scroll bar comes or goes, and so ends at the grid's
  // edge.
  void SetColumns(const std::vector<std::string>& headers, const int* weights, CellText cellText);
  int Rows() const;
  // The number of data rows; every row is drawn anew from its texts.
  void SetRows(int rows);
  // A row gone from the texts: the list-view moves its current row along.
  void RemoveRow(int row);
  // The current row, -1 for none.
  int Row() const;
  // Makes the row current and scrolls it into view.
  void SetRow(int row);
  // The data cell under the mouse pointer; false over the header or no cell.
  bool CellUnderPointer(int* row, int* col) const;
  // The data row at a point on the screen, -1 for none.
  int RowAt(POINT screen) const;
  void SetFont(const std::string& face, double points, int dpi);

  // Answers the list-view's request for an item's text; true when the
  // notification was the grid's.
  bool FillDisplayInfo(const NMHDR* header) const;

 private:
  static LRESULT CALLBACK GridProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void FollowClientWidth();

  HWND listView_ = nullptr;
  WNDPROC listViewProc_ = nullptr;
  CellText cellText_;
  HFONT font_ = nullptr;
  int clientWidth_ = 0;  // the client width the columns were last fitted to
};

}  // namespace ui
