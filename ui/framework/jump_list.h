// The taskbar's jump list of the program: one category of its own, each item
// starting the program again with its arguments. Windows 7 and later keep
// it; where the interfaces are missing or fail (older systems, wine) nothing
// changes and nothing is shown.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace ui {

struct JumpItem {
  std::string title;      // in the ANSI code page
  std::string arguments;  // the command line after the program's path
};

// Given the arguments of the items the user removed from the list since it
// was last made, and how many items the system shows, the items to show.
using JumpItems = std::function<std::vector<JumpItem>(const std::vector<std::string>& removed,
                                                      std::size_t slots)>;

// Makes the category anew from what `items` gives; false when the system
// would not (the list is then as it was).
bool ReplaceJumpCategory(const std::string& category, const JumpItems& items);

}  // namespace ui
