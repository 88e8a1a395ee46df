// The bytes the Selector writes, built independently of its code: the
// settings file with the history, and a new project file.
#pragma once

#include <string>
#include <vector>

namespace e2e {

// One history row as the settings file stores it.
struct HistoryRow {
  std::string name;
  std::string application;  // display name, e.g. "Energy"
  int projectType = 0;
  std::string location;  // ends with a backslash
  std::string geodeticCode;
};

// The whole settings file, CR LF line ends.
std::string HistoryFileBytes(const std::vector<HistoryRow>& rows);

// A project file as a new project gets it: no label, no geodetic system.
std::string NewProjectFileBytes(const std::string& fileVersion, int projectType);

}  // namespace e2e
