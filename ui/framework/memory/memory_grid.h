// The grid and the tooltip of the in-memory back end: plain state a test can
// read, and the pointer position it can set.
#pragma once

#include <string>
#include <vector>

#include "ui/framework/grid.h"

namespace ui {
namespace memory {

class MemoryGrid : public GridControl {
 public:
  int Rows() const override { return static_cast<int>(cells_.size()); }
  void SetRows(int rows) override;
  int Cols() const override { return cols_; }
  void SetCols(int cols) override;
  int FixedRows() const override { return fixedRows_; }
  void SetFixedRows(int rows) override { fixedRows_ = rows; }
  int FixedCols() const override { return fixedCols_; }
  void SetFixedCols(int cols) override { fixedCols_ = cols; }
  int Row() const override { return row_; }
  void SetRow(int row) override;
  int Col() const override { return col_; }
  void SetCol(int col) override;
  std::string TextMatrix(int row, int col) const override;
  void SetTextMatrix(int row, int col, const std::string& text) override;
  void RemoveItem(int row) override;
  void ShowCell(int row, int col) override;
  void SetRedraw(bool redraw) override;
  int MouseRow() const override { return mouseRow_; }
  int MouseCol() const override { return mouseCol_; }
  void SetFont(const std::string& face, float points) override;
  void SetColWidth(int col, int twips) override;

  // For tests.
  void PointAt(int row, int col) {
    mouseRow_ = row;
    mouseCol_ = col;
  }
  bool Redrawing() const { return redraw_; }
  int Draws() const { return draws_; }  // times drawing was switched on
  int RowsWrittenWhileDrawing() const { return writesWhileDrawing_; }
  int ShownRow() const { return shownRow_; }
  const std::string& FontFace() const { return fontFace_; }
  float FontPoints() const { return fontPoints_; }
  const std::vector<int>& ColWidths() const { return widths_; }

 private:
  std::vector<std::vector<std::string>> cells_ = {{}};
  int cols_ = 0;
  int fixedRows_ = 1;
  int fixedCols_ = 0;
  int row_ = 0;
  int col_ = 0;
  int mouseRow_ = -1;
  int mouseCol_ = -1;
  bool redraw_ = true;
  int draws_ = 0;
  int writesWhileDrawing_ = 0;
  int shownRow_ = -1;
  std::string fontFace_;
  float fontPoints_ = 0.0f;
  std::vector<int> widths_;
};

class MemoryToolTip : public ToolTip {
 public:
  void SetDelays(int initialMs, int reshowMs, int autoPopMs) override {
    initial = initialMs;
    reshow = reshowMs;
    autoPop = autoPopMs;
  }
  void SetMaxWidth(int pixels) override { maxWidth = pixels; }
  void SetText(const std::string& value) override { text = value; }
  void Pop() override { ++pops; }
  void Relay(const NativeMessage*) override { ++relayed; }

  int initial = 0, reshow = 0, autoPop = 0, maxWidth = 0;
  std::string text;
  int pops = 0;
  int relayed = 0;
};

}  // namespace memory
}  // namespace ui
