#include "history/history_file.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <utility>

#include "history/file_replace.h"
#include "history/history_row.h"
#include "namelist/namelist_reader.h"
#include "namelist/text_file.h"
#include "project/app_catalogue.h"

namespace orvent {
namespace {

const char kGroup[] = "RecentProject";
const char* const kHeaderLines[] = {
    "!=== ORVENT Environment File ===",
    "! Recent Project (MAX:999)",
    "&RecentProject",
};

// The file's text with the given line end.
std::string FormatWithLineEnd(const RecentHistory& list, const std::string& end) {
  std::string text;
  for (const char* line : kHeaderLines) text += line + end;
  int n = 0;
  for (const RecentEntry& row : list) {
    char key[sizeof "Recent-2147483648"];
    std::snprintf(key, sizeof key, "Recent%03d", ++n);
    text += std::string(key) + " = \"" + row.projectName + "\", \"" + AppDisplayName(row.app) +
            "\", " + std::to_string(row.projectType) + ", \"" + row.location + "\", \"" +
            row.geodeticCode + "\"," + end;
  }
  text += "/" + end;
  return text;
}

}  // namespace

bool LoadHistory(const std::string& path, RecentHistory* list) {
  list->clear();
  TextFile file;
  if (!file.OpenRead(path)) return false;
  if (!FindNamelistGroup(&file, kGroup)) return true;
  // Every line after the header is looked at: the group's "/" does not stop it.
  std::string line;
  while (list->size() < static_cast<std::size_t>(kMaxRecentRows) && file.ReadLine(&line)) {
    if (std::optional<RecentEntry> row = ParseHistoryRow(line)) list->push_back(std::move(*row));
  }
  // Rows of equal number may come out in any order; a stable sort keeps them
  // in file order. A file this program wrote is in order already.
  const auto byNumber = [](const RecentEntry& a, const RecentEntry& b) {
    return a.number < b.number;
  };
  if (!std::is_sorted(list->begin(), list->end(), byNumber)) {
    std::stable_sort(list->begin(), list->end(), byNumber);
  }
  return true;
}

std::string FormatHistory(const RecentHistory& list) { return FormatWithLineEnd(list, "\n"); }

bool SaveHistory(const std::string& path, const RecentHistory& list) {
  return ReplaceFileContents(path, FormatWithLineEnd(list, "\r\n"));
}

}  // namespace orvent
