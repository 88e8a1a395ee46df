// One row line of the history group, read by the loader's rules.
#pragma once

#include <string>
#include <vector>

#include "history/recent_history.h"
#include "namelist/text_split.h"

namespace orvent {

// Reads the line into the entry; false when it breaks a rule and is to be
// skipped. `fields` is scratch space kept between calls. On false the entry is
// left as it was.
[[nodiscard]] bool ParseHistoryRow(const std::string& line, std::vector<std::string>* fields,
                                   RecentEntry* entry);

}  // namespace orvent
