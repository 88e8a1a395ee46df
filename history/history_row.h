// One row line of the history group, read by the loader's rules.
#pragma once

#include <optional>
#include <string>

#include "history/recent_history.h"

namespace orvent {

// The row the line holds; none when it breaks a rule and is to be skipped.
std::optional<RecentEntry> ParseHistoryRow(const std::string& line);

}  // namespace orvent
