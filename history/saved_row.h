// A quick reading of history rows in the very shape SaveHistory writes:
//   RecentNNN = "name", "App", type, "location", "code",
// Loading a file this program wrote is then mostly a scan per line.
#pragma once

#include <string>

#include "history/recent_history.h"

namespace orvent {

// Reads a line of that shape, with one to three key digits, a type of digits
// with an optional minus, and neither quote nor comma inside the quotes, into
// the entry exactly as ParseHistoryRow would. False for any other line and for
// a row that ParseHistoryRow might skip; such lines are left to it. The entry
// may then be partly written.
[[nodiscard]] bool ParseSavedRow(const std::string& line, RecentEntry* entry);

}  // namespace orvent
