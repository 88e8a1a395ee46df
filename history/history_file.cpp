#include "history/history_file.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <string_view>
#include <vector>

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

// More than a row adds besides its three strings: 26 fixed characters, two
// numbers of at most eleven characters, a display name of at most 17 and the
// line end.
const std::size_t kRowOverhead = 96;

// Puts text at a cursor into a buffer made large enough beforehand.
class Cursor {
 public:
  explicit Cursor(char* at) : at_(at) {}
  char* At() const { return at_; }
  void Put(std::string_view text) {
    if (text.empty()) return;
    std::memcpy(at_, text.data(), text.size());
    at_ += text.size();
  }
  void PutInt(int value, int minDigits) {
    char digits[16];
    const std::to_chars_result result = std::to_chars(digits, digits + sizeof digits, value);
    for (int length = static_cast<int>(result.ptr - digits); length < minDigits; ++length) {
      *at_++ = '0';
    }
    Put(std::string_view(digits, static_cast<std::size_t>(result.ptr - digits)));
  }

 private:
  char* at_;
};

// The file's text with the given line end, built in one buffer.
std::string FormatWithLineEnd(const RecentHistory& list, std::string_view end) {
  std::size_t size = 1 + end.size();  // the closing "/" line
  for (const char* line : kHeaderLines) size += std::strlen(line) + end.size();
  for (const RecentEntry& row : list) {
    size += kRowOverhead + row.projectName.size() + row.location.size() + row.geodeticCode.size();
  }
  std::string text(size, '\0');
  Cursor out(&text[0]);
  for (const char* line : kHeaderLines) {
    out.Put(line);
    out.Put(end);
  }
  int n = 0;
  for (const RecentEntry& row : list) {
    out.Put("Recent");
    out.PutInt(++n, 3);
    out.Put(" = \"");
    out.Put(row.projectName);
    out.Put("\", \"");
    out.Put(AppDisplayName(row.appIndex));
    out.Put("\", ");
    out.PutInt(row.projectType, 1);
    out.Put(", \"");
    out.Put(row.location);
    out.Put("\", \"");
    out.Put(row.geodeticCode);
    out.Put("\",");
    out.Put(end);
  }
  out.Put("/");
  out.Put(end);
  text.resize(static_cast<std::size_t>(out.At() - text.data()));
  return text;
}

}  // namespace

bool LoadHistory(const std::string& path, RecentHistory* list) {
  TextFile file;
  if (!file.OpenRead(path) || FindNamelistGroup(&file, kGroup) == 0) {
    list->clear();
    return file.IsOpen();
  }
  // Every line after the header is looked at: the group's "/" does not stop it.
  // Rows are read over those the list holds, whose strings keep their buffers.
  std::string line;
  std::vector<std::string> fields;
  std::size_t rows = 0;
  while (rows < static_cast<std::size_t>(kMaxRecentRows) && file.ReadLine(&line)) {
    if (rows == list->size()) list->emplace_back();
    if (ParseHistoryRow(&line, &fields, &(*list)[rows])) ++rows;
  }
  list->resize(rows);
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

std::string HistoryNotSavedMessage(const std::string& settingsPath) {
  return "The recent-project history could not be saved to " + settingsPath + ".";
}

std::string FormatHistory(const RecentHistory& list) { return FormatWithLineEnd(list, "\n"); }

bool SaveHistory(const std::string& path, const RecentHistory& list) {
  return ReplaceFileContents(path, FormatWithLineEnd(list, "\r\n"));
}

}  // namespace orvent
