// What a dialog asks of the platform's file dialog.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace ui {

struct FileChooser {
  std::vector<std::pair<std::string, std::string>> filters;  // display text, pattern
  int filterIndex = 1;                                       // 1 is the first pair
  std::string title;
  std::string defaultExtension;  // such as ".mbc"; "" for none
  std::string initialFolder;     // "" for the system's choice
  std::string fileName;          // prefilled
  bool open = true;              // an open dialog, else a save dialog
};

}  // namespace ui
