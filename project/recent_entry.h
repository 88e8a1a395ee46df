// A project together with the application last started on it: one row of the
// recent-project history, the project dialog's preset and result, and what a
// start is made from.
#pragma once

#include <string>

namespace orvent {

struct RecentEntry {
  int number = -1;  // key number the row was read from (Recent001 gives 1)
  std::string projectName;
  std::string location;  // folder of the project file
  int appIndex = 0;      // into kAppCatalogue
  int projectType = 3;
  std::string geodeticCode = "JGD";
};

}  // namespace orvent
