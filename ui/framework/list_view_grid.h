// A grid over a list-view control in report mode, with the calls of the grid
// control the selector window was designed around: fixed (header) rows above
// the data rows, a current cell, and cell texts. The fixed row is the column
// header, data row r is list item r - FixedRows(), and the current row is the
// focused item. The list-view holds no texts of its own (owner data): it asks
// for them as it draws, so a thousand rows fill at once.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

namespace ui {

// Sent to the grid's parent as a WM_NOTIFY whenever the mouse moves over the
// grid, which list-views do not report; x and y are client coordinates.
struct GridMouseMove {
  NMHDR header;
  float x;
  float y;
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
  ListViewGrid() = default;
  ListViewGrid(const ListViewGrid&) = delete;
  ListViewGrid& operator=(const ListViewGrid&) = delete;
  ~ListViewGrid();

  // Takes over the list-view; a second call with the same window does nothing.
  void Attach(HWND listView);
  HWND Handle() const { return listView_; }

  // Rows count the fixed rows; data row r holds the texts of row r.
  int Rows() const { return ItemCount() + fixedRows_; }
  void SetRows(int rows);
  int Cols() const { return cols_; }
  void SetCols(int cols);  // adds columns up to `cols`; none is ever taken away
  int FixedRows() const { return fixedRows_; }
  void SetFixedRows(int rows) { fixedRows_ = rows < 1 ? 1 : rows; }
  int FixedCols() const { return fixedCols_; }
  void SetFixedCols(int cols) { fixedCols_ = cols; }
  // The current cell.
  int Row() const;
  void SetRow(int row);
  int Col() const { return col_; }
  void SetCol(int col);
  std::string TextMatrix(int row, int col) const;
  void SetTextMatrix(int row, int col, const std::string& text);
  void RemoveItem(int row);
  // Scrolls the cell into view.
  void ShowCell(int row, int col);
  // Off while many rows change, so that they are drawn once.
  void SetRedraw(bool redraw);
  // The cell under the mouse pointer: -1 for none; a header cell is row 0.
  int MouseRow() const;
  int MouseCol() const;
  void SetFont(const std::string& face, float points);
  // Shares the grid's width among the columns in proportion to `weights`, so
  // that no horizontal scroll bar shows at any screen resolution until the
  // user widens a column. From then on the last column takes what the grid's
  // client width gains or loses, as when the vertical scroll bar comes or
  // goes, and so ends at the grid's edge.
  void FitColumns(const int* weights, int count);

  // Answers the list-view's request for an item's text; true when the
  // notification was the grid's.
  bool FillDisplayInfo(const NMHDR* header) const;

 private:
  static LRESULT CALLBACK GridProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  int ItemCount() const { return static_cast<int>(items_.size()); }
  void FollowClientWidth();
  std::string CellText(int item, int col) const;
  // The cell under the pointer: row and column, -1 for none.
  void HitTest(int* row, int* col) const;

  HWND listView_ = nullptr;
  WNDPROC listViewProc_ = nullptr;
  std::vector<std::vector<std::string>> items_;  // data rows' cell texts
  HFONT font_ = nullptr;
  int cols_ = 0;
  int fixedRows_ = 1;
  int fixedCols_ = 0;
  int col_ = 0;
  bool redraw_ = true;
  int clientWidth_ = 0;  // the client width the columns were last fitted to
};

}  // namespace ui
