// The recent-project history: rows newest first, at most 999 of them.
#pragma once

#include <string>
#include <vector>

namespace orvent {

inline constexpr int kMaxRecentRows = 999;

struct RecentEntry {
  int number = -1;  // key number the row was read from (Recent001 gives 1)
  std::string projectName;
  std::string location;  // folder of the project file
  int appIndex = 0;      // into AppCatalogue
  int projectType = 3;
  std::string geodeticCode = "JGD";
};

// Index 0 is the most recent project.
using RecentHistory = std::vector<RecentEntry>;

// Puts a started project at the head: drops the row it came from (fromRow, or
// -1), every other row of the same location and name (ignoring case), and the
// last row when the list is full; the entry goes in unchanged.
void RecordProject(RecentHistory* list, const RecentEntry& entry, int fromRow);

// Takes one row out; false when there is no such row.
bool RemoveRecentRow(RecentHistory* list, int row);

}  // namespace orvent
