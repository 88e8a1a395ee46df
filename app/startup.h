// What start-up reads off the executable's path.
#pragma once

#include <string>

#include "platform/platform.h"

namespace orvent {

// The executable's file name without folder and extension.
std::string ExeNameOf(const std::string& modulePath);

// The folder of the executable, with its trailing backslash: what is left of
// the module path once the executable's name and ".exe" are cut from its end.
std::string ProgramFolderOf(const std::string& modulePath, const std::string& exeName);

// The program folder the Selector works in: ProgramFolderOf, or its short
// form where the folder is so long that a file in it would not fit the ANSI
// calls (MAX_PATH) of the Selector and of the member applications.
std::string ProgramFolderFor(Platform& platform, const std::string& modulePath,
                             const std::string& exeName);

}  // namespace orvent
