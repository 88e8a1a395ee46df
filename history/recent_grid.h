// The recent-projects grid as the history sees it: one row per history row
// under the grid's fixed rows, what each cell shows, and what deleting the
// current row does.
#pragma once

#include <cstdint>
#include <string>

#include "history/recent_history.h"

namespace orvent {

inline constexpr int kGridColumns = 3;
inline constexpr const char* kGridHeaders[kGridColumns] = {"Project Name [GS]", "Recent App.",
                                                           "Location"};
inline constexpr int kDeleteKey = 46;  // VK_DELETE
inline constexpr char kMsgDeleteQuestion[] =
    "Can I delete it?\n(The actual project file is not deleted.)";

// The text of a history row in a grid column: "name [code]", the
// application's display name, the location.
std::string GridCellText(const RecentEntry& entry, int column);

// The history index of a grid row; -1 when it is no data row.
int HistoryIndexOfRow(int row, int rows, int fixedRows);

// The grid row to make current once `deletedRow` is gone and `rows` rows are
// left: the same index, or the last row when the deleted one was the last;
// -1 when no data row is left.
int RowAfterDeletion(int deletedRow, int rows, int fixedRows);

// Find by typing in the grid. Characters typed within a second of the last
// one extend the text looked for; after a pause a new text begins.
class TypeAhead {
 public:
  // The text to look for once `chars` came at `milliseconds` (a tick count, which wraps).
  const std::string& Add(const std::string& chars, std::uint32_t milliseconds);
  bool Extended() const { return extended_; }

 private:
  std::string text_;
  std::uint32_t last_ = 0;
  bool extended_ = false;
};

// The history index of the first row, going down from the current one and
// round, whose project name begins with `text` (ASCII letters in either
// case, double-byte characters whole); a new text looks from the row below
// the current one, an extended text from the current row. -1 for none.
int FindRecentRow(const RecentHistory& history, int current, const std::string& text,
                  bool extended);

// Takes the history row out and writes the settings file; false when the
// file could not be written (the row is gone all the same).
[[nodiscard]] bool DeleteHistoryRow(RecentHistory* history, int index,
                                    const std::string& settingsPath);

}  // namespace orvent
