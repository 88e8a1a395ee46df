// The recent-project history: rows newest first, at most 999 of them.
#pragma once

#include <vector>

#include "project/recent_entry.h"

namespace orvent {

inline constexpr int kMaxRecentRows = 999;

// Index 0 is the most recent project.
using RecentHistory = std::vector<RecentEntry>;

// Puts a started project at the head: drops the row it came from (fromRow, or
// -1), every other row of the same location and name (ignoring case), and the
// last row when the list is full; the entry goes in unchanged.
void RecordProject(RecentHistory* list, const RecentEntry& entry, int fromRow);

// Takes one row out; a row that is not there leaves the list as it is.
void RemoveRecentRow(RecentHistory* list, int row);

}  // namespace orvent
