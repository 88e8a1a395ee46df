// What starting a member application on a project means: the project file,
// the application as it is recorded, and the executable, option and
// arguments it is started with.
#pragma once

#include <string>
#include <vector>

#include "history/recent_history.h"

namespace orvent {

// location\name.mbc from the trimmed location (one backslash before the
// name) and the trimmed name; just name.mbc for an empty location.
std::string ProjectFilePath(const RecentEntry& entry);

// Wind Climate (2) on a design-wind-speed project becomes Design Wind Speed
// (3); either way its project type becomes 0. Other applications stay.
void NormaliseApplication(RecentEntry* entry);

struct LaunchPlan {
  std::string executablePath;  // program folder + the application's file
  std::vector<std::string> arguments;
  std::string workingFolder;  // the trimmed location
};

// The launch of an entry that NormaliseApplication has seen.
LaunchPlan PlanLaunch(const RecentEntry& entry, const std::string& programFolder);

}  // namespace orvent
