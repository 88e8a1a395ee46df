#include "history/recent_grid.h"

#include "history/history_file.h"
#include "project/app_catalogue.h"

namespace orvent {

std::string GridCellText(const RecentEntry& entry, int column) {
  switch (column) {
    case 0:
      return entry.projectName + " [" + entry.geodeticCode + "]";
    case 1:
      return AppDisplayName(entry.appIndex);
    case 2:
      return entry.location;
    default:
      return std::string();
  }
}

int HistoryIndexOfRow(int row, int rows, int fixedRows) {
  return fixedRows <= row && row < rows ? row - fixedRows : -1;
}

int RowAfterDeletion(int deletedRow, int rows, int fixedRows) {
  if (rows <= fixedRows) return -1;
  return deletedRow < rows ? deletedRow : rows - 1;
}

bool DeleteHistoryRow(RecentHistory* history, int index, const std::string& settingsPath) {
  RemoveRecentRow(history, index);
  return SaveHistory(settingsPath, *history);
}

}  // namespace orvent
