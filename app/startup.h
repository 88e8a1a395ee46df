// What start-up reads off the executable's path and its command line.
#pragma once

#include <string>

namespace orvent {

// The executable's file name without folder and extension.
std::string ExeNameOf(const std::string& modulePath);

// The folder of the executable, with its trailing backslash: what is left of
// the module path once the executable's name and ".exe" are cut from its end.
std::string ProgramFolderOf(const std::string& modulePath, const std::string& exeName);

// The project file path of the command line: blank-separated tokens, double
// quotes grouping; options ("/x", "-x") are ignored and the last other token
// wins.
std::string ProjectPathFromCommandLine(const std::string& commandLine);

}  // namespace orvent
