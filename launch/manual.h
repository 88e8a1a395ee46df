// The user manual beside the program, opened by the shell.
#pragma once

#include <string>

#include "platform/platform.h"

namespace orvent {

// What the user is told whenever the shell cannot open the manual, a missing
// manual included.
inline constexpr char kMsgNoManual[] = "Acrobat reader is not installed or not found.";

inline constexpr char kManualFileName[] = "OL_Manual.pdf";  // in the program folder

[[nodiscard]] bool OpenManual(Platform& platform, const std::string& programFolder);

}  // namespace orvent
