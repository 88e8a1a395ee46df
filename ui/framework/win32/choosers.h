// The platform's folder chooser and file dialog, owned by a window.
#pragma once

#include <windows.h>

#include <string>

#include "ui/framework/file_chooser.h"

namespace ui {
namespace win32 {

// The modern folder picker where the system has one, else the classic one;
// both open at `start`. False when the user cancels.
bool ChooseFolder(HWND owner, const std::string& start, std::string* chosen);

// The common open (or save) dialog; false when the user cancels.
bool ChooseFile(HWND owner, const FileChooser& request, std::string* path);

}  // namespace win32
}  // namespace ui
