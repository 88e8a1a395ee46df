// The Selector's own command line: blank-separated tokens, double quotes
// grouping; options ("/x", "-x") are ignored and the last other token is the
// project file path.
#pragma once

#include <string>

namespace orvent {

std::string ProjectPathFromCommandLine(const std::string& commandLine);

}  // namespace orvent
