#include "history/recent_grid.h"

#include "history/history_file.h"
#include "namelist/mbcs.h"
#include "project/app_catalogue.h"

namespace orvent {

std::string GridCellText(const RecentEntry& entry, int column) {
  switch (column) {
    case 0:
      return entry.projectName + " [" + entry.geodeticCode + "]";
    case 1:
      return AppDisplayName(entry.app);
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

const std::string& TypeAhead::Add(const std::string& chars, std::uint32_t milliseconds) {
  extended_ = !text_.empty() && milliseconds - last_ <= 1000;
  if (!extended_) text_.clear();
  text_ += chars;
  last_ = milliseconds;
  return text_;
}

int FindRecentRow(const RecentHistory& history, int current, const std::string& text,
                  bool extended) {
  const int rows = static_cast<int>(history.size());
  const int first = current < 0 ? 0 : extended ? current : current + 1;
  for (int n = 0; n < rows; ++n) {
    const int row = (first + n) % rows;
    const std::string& name = history[static_cast<std::size_t>(row)].projectName;
    if (name.size() >= text.size() && EqualsNoCase(name.substr(0, text.size()), text)) return row;
  }
  return -1;
}

bool DeleteHistoryRow(RecentHistory* history, int index, const std::string& settingsPath) {
  RemoveRecentRow(history, index);
  return SaveHistory(settingsPath, *history);
}

}  // namespace orvent
