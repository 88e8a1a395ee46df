// Screenshots of the display, taken on request by the script that runs the
// driver (the display is not the driver's to capture).
#pragma once

#include <string>

namespace e2e {

// Asks for screenshotFolder\name.png and waits until it has been taken. Does
// nothing, successfully, when no screenshot folder is set.
bool TakeScreenshot(const std::string& screenshotFolder, const std::string& name);

}  // namespace e2e
