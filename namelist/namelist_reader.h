// Lookups in namelist-style text: "&Group" lines, "key = value," lines, "!"
// comments and "/" group ends. Every lookup scans the open file from its start.
#pragma once

#include <optional>
#include <string>

#include "namelist/text_file.h"

namespace orvent {

// Trims the line, cuts it at its first "!" and drops its trailing commas.
// False when the line is empty, a comment or a group end.
[[nodiscard]] bool CleanNamelistLine(std::string* line);

// Leaves the file just after the first header of the group (name compared
// ignoring case); false when there is none.
[[nodiscard]] bool FindNamelistGroup(TextFile* file, const std::string& group);

// The value of `key` in the first group named `group`, less its outer quotes,
// continuation lines joined with ", "; "" when absent. Keys match ignoring
// case, spaces, and with "%" taken as ".".
std::string ReadNamelistValue(TextFile* file, const std::string& group, const std::string& key);

// Whether the value as above reads ".true." or "T" (ignoring case); none when
// it is empty.
std::optional<bool> ReadNamelistLogical(TextFile* file, const std::string& group,
                                        const std::string& key);

}  // namespace orvent
