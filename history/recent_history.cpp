#include "history/recent_history.h"

#include "namelist/mbcs.h"

namespace orvent {

void RecordProject(RecentHistory* list, const RecentEntry& entry, int fromRow) {
  RemoveRecentRow(list, fromRow);
  const std::string location = Trim(entry.location);
  const std::string projectName = Trim(entry.projectName);
  for (std::size_t i = list->size(); i-- > 0;) {
    const RecentEntry& row = (*list)[i];
    if (EqualsNoCase(row.location, location) && EqualsNoCase(row.projectName, projectName)) {
      list->erase(list->begin() + static_cast<std::ptrdiff_t>(i));
    }
  }
  if (list->size() >= static_cast<std::size_t>(kMaxRecentRows)) list->pop_back();
  list->insert(list->begin(), entry);
}

void RemoveRecentRow(RecentHistory* list, int row) {
  if (row >= 0 && static_cast<std::size_t>(row) < list->size()) list->erase(list->begin() + row);
}

}  // namespace orvent
