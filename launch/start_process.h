// Starting a member application: the command line and working folder handed
// to the system, built exactly as the suite's applications expect them.
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"

namespace orvent {

constexpr int kShowNormalWindow = 5;                     // SW_SHOW
constexpr unsigned long kNormalPriority = 0x20;          // NORMAL_PRIORITY_CLASS
constexpr unsigned long kDefaultErrorMode = 0x04000000;  // CREATE_DEFAULT_ERROR_MODE
constexpr std::size_t kMaxPath = 260;

// What StartProcess hands to the system for these inputs; false when the
// working folder is too long for the ANSI calls and has no short form that
// fits them.
[[nodiscard]] bool BuildProcessRequest(Platform& platform, const std::string& executablePath,
                                       const std::vector<std::string>& arguments,
                                       const std::string& workingFolder, int showMode,
                                       unsigned long creationFlags, ProcessRequest* request);

// Starts the process without waiting for it; true when it started, false
// also when BuildProcessRequest refused it.
[[nodiscard]] bool StartProcess(Platform& platform, const std::string& executablePath,
                                const std::vector<std::string>& arguments,
                                const std::string& workingFolder, int showMode,
                                unsigned long creationFlags);

}  // namespace orvent
