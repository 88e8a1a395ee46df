// The platform's folder chooser and file dialog, owned by a window.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace ui {

// How a chooser ended. A name that the ANSI code page cannot hold exactly is
// not taken: a best-fit form of it would name another folder or file.
enum class Chosen { kCancelled, kChosen, kUnusableName };

// The system's folder picker, opened at `start`.
Chosen ChooseFolder(HWND owner, const std::string& start, std::string* chosen);

struct FileChooser {
  std::vector<std::pair<std::string, std::string>> filters;  // display text, pattern
  int filterIndex = 1;                                       // 1 is the first pair
  std::string title;
  std::string defaultExtension;  // such as ".mbc"; "" for none
  std::string initialFolder;     // "" for the system's choice
  std::string fileName;          // prefilled
};

// The common open dialog, for a file that exists, shown with the initial
// folder made the current one, which is put back afterwards (some file
// dialogs start in the current folder whatever they are told).
Chosen ChooseFile(HWND owner, const FileChooser& request, std::string* path);

}  // namespace ui
