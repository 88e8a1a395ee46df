// The project file the Selector was started with: its path on the command
// line, and the history row that the project dialog opens with.
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"
#include "project/recent_entry.h"

namespace orvent {

// The project file path of the command line: blank-separated tokens, double
// quotes grouping; options ("/x", "-x") are ignored and the last other token
// wins.
std::string ProjectPathFromCommandLine(const std::string& commandLine);

// When a file or folder of that path exists: sets the entry's location, name,
// project type, geodetic code and (for ".mbc" and ".meg") application from
// the path and from its project file, and is true. The project file is read
// even when it is not one; the entry then has what the reader left.
[[nodiscard]] bool ReadCommandLineProject(Platform& platform, const std::string& path,
                                          RecentEntry* entry);

// Whether files dropped onto the selector window stand for a project, as the
// path on the command line does: one file, ending in ".mbc" or ".meg".
[[nodiscard]] bool IsDroppedProject(Platform& platform, const std::vector<std::string>& paths);

}  // namespace orvent
