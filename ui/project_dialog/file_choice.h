// The file dialog as the project dialog uses it: opened in the folder of a
// given path with its file name prefilled, leaving the current folder as it
// found it.
#pragma once

#include <string>

#include "ui/framework/dialog_window.h"
#include "ui/framework/file_chooser.h"

namespace orvent {

// Folder (drive and directory) and file name of a path, both trimmed; false
// when the path names an existing folder or both parts are empty.
bool SplitChooserPath(const std::string& path, std::string* folder, std::string* fileName);

// Shows the file dialog owned by `owner`, prefilled from `path`; on OK the
// chosen path replaces it. False when the user cancelled.
bool ChooseFile(ui::DialogWindow& owner, const ui::FileChooser& request, std::string* path);

}  // namespace orvent
