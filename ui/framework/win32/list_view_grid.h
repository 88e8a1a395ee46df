// The grid over a list-view control in report mode: the fixed row is the
// column header, data row r is list item r - FixedRows(), and the current
// row is the focused item. The list-view holds no texts of its own (owner
// data): it asks for them as it draws, so a thousand rows fill at once.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "ui/framework/grid.h"

namespace ui {
namespace win32 {

class ListViewGrid : public GridControl {
 public:
  explicit ListViewGrid(HWND listView);
  ~ListViewGrid() override;

  int Rows() const override;
  void SetRows(int rows) override;
  int Cols() const override { return cols_; }
  void SetCols(int cols) override;
  int FixedRows() const override { return fixedRows_; }
  void SetFixedRows(int rows) override { fixedRows_ = rows < 1 ? 1 : rows; }
  int FixedCols() const override { return fixedCols_; }
  void SetFixedCols(int cols) override { fixedCols_ = cols; }
  int Row() const override;
  void SetRow(int row) override;
  int Col() const override { return col_; }
  void SetCol(int col) override;
  std::string TextMatrix(int row, int col) const override;
  void SetTextMatrix(int row, int col, const std::string& text) override;
  void RemoveItem(int row) override;
  void ShowCell(int row, int col) override;
  void SetRedraw(bool redraw) override;
  int MouseRow() const override;
  int MouseCol() const override;
  void SetFont(const std::string& face, float points) override;
  void SetColWidth(int col, int twips) override;

  // Answers the list-view's request for an item's text.
  void FillDisplayInfo(NMLVDISPINFOA* info);
  void FillDisplayInfo(NMLVDISPINFOW* info);

 private:
  int ItemCount() const;
  std::string CellText(int item, int col) const;
  // The cell under the pointer: row and column, -1 for none.
  void HitTest(int* row, int* col) const;

  HWND listView_;
  std::vector<std::vector<std::string>> items_;  // data rows' cell texts
  HFONT font_ = nullptr;
  int cols_ = 0;
  int fixedRows_ = 1;
  int fixedCols_ = 0;
  int col_ = 0;
  bool redraw_ = true;
};

}  // namespace win32
}  // namespace ui
