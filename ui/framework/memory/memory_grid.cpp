#include "ui/framework/memory/memory_grid.h"

namespace ui {
namespace memory {

void MemoryGrid::SetRows(int rows) {
  if (rows < 0) return;
  cells_.resize(static_cast<std::size_t>(rows), std::vector<std::string>(cols_));
  if (row_ >= rows) row_ = rows - 1;
}

void MemoryGrid::SetCols(int cols) {
  cols_ = cols;
  for (auto& row : cells_) row.resize(static_cast<std::size_t>(cols));
  widths_.resize(static_cast<std::size_t>(cols));
}

void MemoryGrid::SetRow(int row) {
  if (row >= 0 && row < Rows()) row_ = row;
}

void MemoryGrid::SetCol(int col) {
  if (col >= 0 && col < cols_) col_ = col;
}

std::string MemoryGrid::TextMatrix(int row, int col) const {
  if (row < 0 || row >= Rows() || col < 0 || col >= cols_) return std::string();
  return cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

void MemoryGrid::SetTextMatrix(int row, int col, const std::string& text) {
  if (row < 0 || row >= Rows() || col < 0 || col >= cols_) return;
  cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] = text;
  if (redraw_) ++writesWhileDrawing_;
}

void MemoryGrid::RemoveItem(int row) {
  if (row < 0 || row >= Rows()) return;
  cells_.erase(cells_.begin() + row);
  if (row_ >= Rows()) row_ = Rows() - 1;
}

void MemoryGrid::ShowCell(int row, int) { shownRow_ = row; }

void MemoryGrid::SetRedraw(bool redraw) {
  if (redraw && !redraw_) ++draws_;
  redraw_ = redraw;
}

void MemoryGrid::SetFont(const std::string& face, float points) {
  fontFace_ = face;
  fontPoints_ = points;
}

void MemoryGrid::SetColWidth(int col, int twips) {
  if (col >= 0 && col < cols_) widths_[static_cast<std::size_t>(col)] = twips;
}

}  // namespace memory
}  // namespace ui
