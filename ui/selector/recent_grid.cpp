// The recent-projects grid of the selector window: one row per history row
// under one header row, with the full text of a cell in a tooltip.
#include "project/app_catalogue.h"
#include "namelist/mbcs.h"
#include "res/resource.h"
#include "ui/selector/dlg_page1.h"
#include "ui/selector/grid_font.h"

namespace {

const int kColumns = 3;
const char* const kHeaders[kColumns] = {"Project Name [GS]", "Recent App.", "Location"};
const int kColumnWidths[kColumns] = {3500, 1800, 7000};
const double kStartFontSize = 8.25;
const int kDeleteKey = 46;  // VK_DELETE
const int kTipInitialMs = 200;
const int kTipReshowMs = 500;
const int kTipAutoPopMs = 10000;
const int kTipMaxWidth = 300;

}  // namespace

void CDlgPage1::SetUpGrid() {
  if (grid == nullptr) return;
  double size = kStartFontSize;
  const std::string face = GetDialogFontInfo(*Window(), &size, true);
  grid->SetFont(face, static_cast<float>(size));
  grid->SetCols(kColumns);
  grid->SetRows(1);
  grid->SetFixedCols(0);
  grid->SetFixedRows(1);
  grid->SetRedraw(true);
  for (int col = 0; col < kColumns; ++col) {
    grid->SetTextMatrix(0, col, kHeaders[col]);
    grid->SetColWidth(col, kColumnWidths[col]);
  }

  toolTip = Window()->CreateToolTip(IDC_RECENT_GRID);
  if (toolTip != nullptr) {
    toolTip->SetDelays(kTipInitialMs, kTipReshowMs, kTipAutoPopMs);
    toolTip->SetMaxWidth(kTipMaxWidth);
  }
}

void CDlgPage1::FillRecentGrid(int) {
  if (grid == nullptr) return;
  const int fixedRows = grid->FixedRows();
  const int fixedCols = grid->FixedCols();
  grid->SetRedraw(false);
  grid->SetRows(fixedRows);
  grid->SetRows(fixedRows);
  const int n = static_cast<int>(history.size());
  if (n > 0) grid->SetRows(n + fixedRows);
  for (int i = 0; i < n; ++i) {
    const orvent::RecentEntry& e = history[static_cast<std::size_t>(i)];
    grid->SetTextMatrix(fixedRows + i, 0, e.projectName + " [" + e.geodeticCode + "]");
    grid->SetTextMatrix(fixedRows + i, 1, orvent::AppDisplayName(e.appIndex));
    grid->SetTextMatrix(fixedRows + i, 2, e.location);
  }
  if (grid->Cols() > fixedCols) grid->SetCol(fixedCols);
  if (grid->Rows() > fixedRows) grid->SetRow(fixedRows);
  grid->ShowCell(grid->Row(), grid->Col());
  grid->SetRedraw(true);
}

int CDlgPage1::SelectedHistoryRow() const {
  if (grid == nullptr) return -1;
  const int rows = grid->Rows();
  const int fixedRows = grid->FixedRows();
  const int row = grid->Row();
  return fixedRows <= row && row < rows ? row - fixedRows : -1;
}

void CDlgPage1::OnGridDblClick() {
  const int row = SelectedHistoryRow();
  if (row >= 0) StartApplication(nullptr, row);
}

void CDlgPage1::OnGridKeyDown(int key) {
  if (key == kDeleteKey) OnDeleteHistory();
}

void CDlgPage1::OnGridMouseMove(float x, float y) {
  // The pointer's last position, kept from one move to the next.
  static float previousX = 0.0f;
  static float previousY = 0.0f;
  if (grid == nullptr) return;
  const int fixedCols = grid->FixedCols();
  const int fixedRows = grid->FixedRows();
  const int col = grid->MouseCol();
  const int row = grid->MouseRow();
  if (col >= fixedCols && row >= fixedRows) {
    if ((x != previousX || y != previousY) && toolTip != nullptr) toolTip->Pop();
    tipText = orvent::Trim(grid->TextMatrix(row, col));
  } else {
    if (toolTip != nullptr) toolTip->Pop();
    tipText.clear();
  }
  previousX = x;
  previousY = y;
  if (toolTip != nullptr) toolTip->SetText(tipText);
}
