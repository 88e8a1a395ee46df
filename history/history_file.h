// The history's settings file ("orvent.ini"): one namelist group of rows.
#pragma once

#include <string>

#include "history/recent_history.h"

namespace orvent {

// Empties the list and fills it from the file's RecentProject group, skipping
// rows that break a rule, sorted by key number. False only when the file could
// not be opened.
[[nodiscard]] bool LoadHistory(const std::string& path, RecentHistory* list);

// Writes the whole file anew. The new content goes to a file beside the old one
// and replaces it in one step, so a failure leaves the old file whole. True
// exactly when the new content is in place.
[[nodiscard]] bool SaveHistory(const std::string& path, const RecentHistory& list);

// The file's bytes as SaveHistory writes them, line ends as LF.
std::string FormatHistory(const RecentHistory& list);

}  // namespace orvent
