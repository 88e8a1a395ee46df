// The user manual beside the program, opened by the shell.
#pragma once

#include <string>

#include "platform/platform.h"

namespace orvent {

inline constexpr char kManualFileName[] = "OL_Manual.pdf";  // in the program folder

[[nodiscard]] bool OpenManual(Platform& platform, const std::string& programFolder);

}  // namespace orvent
