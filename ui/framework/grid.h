// The recent-projects grid as the selector window uses it: a table with
// fixed (header) rows above its data rows, a current cell, and cell texts.
// The Win32 back end shows it in a list-view control in report mode.
#pragma once

#include <string>

#include "ui/framework/types.h"

namespace ui {

// Grid events, delivered to the dialog as notifications with these codes.
enum GridEvent {
  kGridDoubleClick = 0x4701,
  kGridKeyDown = 0x4702,    // Notification::key holds the virtual key code
  kGridMouseMove = 0x4703,  // Notification::x and y hold the pointer position
};

class GridControl {
 public:
  GridControl() = default;
  GridControl(const GridControl&) = delete;
  GridControl& operator=(const GridControl&) = delete;
  virtual ~GridControl() = default;

  // Rows count the fixed rows; a data row r holds the texts of row r.
  virtual int Rows() const = 0;
  virtual void SetRows(int rows) = 0;
  virtual int Cols() const = 0;
  virtual void SetCols(int cols) = 0;
  virtual int FixedRows() const = 0;
  virtual void SetFixedRows(int rows) = 0;
  virtual int FixedCols() const = 0;
  virtual void SetFixedCols(int cols) = 0;
  // The current cell.
  virtual int Row() const = 0;
  virtual void SetRow(int row) = 0;
  virtual int Col() const = 0;
  virtual void SetCol(int col) = 0;
  virtual std::string TextMatrix(int row, int col) const = 0;
  virtual void SetTextMatrix(int row, int col, const std::string& text) = 0;
  virtual void RemoveItem(int row) = 0;
  // Scrolls the cell into view.
  virtual void ShowCell(int row, int col) = 0;
  // Off while many rows change, so that they are drawn once.
  virtual void SetRedraw(bool redraw) = 0;
  // The cell under the mouse pointer: -1 for none; a header cell is row 0.
  virtual int MouseRow() const = 0;
  virtual int MouseCol() const = 0;
  virtual void SetFont(const std::string& face, float points) = 0;
  // Column widths in twips (1/1440 inch); only their proportions matter.
  virtual void SetColWidth(int col, int twips) = 0;
};

// A tooltip over one control, showing a text the dialog sets.
class ToolTip {
 public:
  ToolTip() = default;
  ToolTip(const ToolTip&) = delete;
  ToolTip& operator=(const ToolTip&) = delete;
  virtual ~ToolTip() = default;

  virtual void SetDelays(int initialMs, int reshowMs, int autoPopMs) = 0;
  virtual void SetMaxWidth(int pixels) = 0;
  virtual void SetText(const std::string& text) = 0;
  virtual void Pop() = 0;
  // Lets the tooltip see a message of the modal loop (mouse moves above all).
  virtual void Relay(const NativeMessage* message) = 0;
};

}  // namespace ui
