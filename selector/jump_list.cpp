#include "selector/jump_list.h"

#include "namelist/mbcs.h"
#include "project/project_file.h"

namespace orvent {

std::vector<JumpEntry> JumpListEntries(const RecentHistory& history,
                                       const std::vector<std::string>& removed, std::size_t slots) {
  std::vector<JumpEntry> entries;
  for (const RecentEntry& entry : history) {
    if (entries.size() >= slots) break;
    const std::string file = ProjectFilePath(entry);
    bool takenOut = false;
    for (const std::string& path : removed) takenOut = takenOut || EqualsNoCase(path, file);
    if (!takenOut) entries.push_back({entry.projectName + " [" + entry.geodeticCode + "]", file});
  }
  return entries;
}

}  // namespace orvent
