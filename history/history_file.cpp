#include "history/history_file.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <limits>
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

// Where the text goes: first only its size is counted, then the same pieces
// are copied into a string of exactly that size.
struct SizeCount {
  std::size_t size = 0;
  void Put(std::string_view piece) { size += piece.size(); }
};

struct Copy {
  char* at;
  void Put(std::string_view piece) {
    std::char_traits<char>::copy(at, piece.data(), piece.size());
    at += piece.size();
  }
};

// The number, with zeros in front to at least minDigits digits.
template <typename Out>
void PutNumber(Out* out, int value, std::size_t minDigits) {
  char digits[std::numeric_limits<int>::digits10 + 2];  // a sign and every digit
  const std::size_t length = static_cast<std::size_t>(
      std::to_chars(std::begin(digits), std::end(digits), value).ptr - digits);
  for (std::size_t i = length; i < minDigits; ++i) out->Put("0");
  out->Put(std::string_view(digits, length));
}

// The file's text with the given line end.
template <typename Out>
void PutHistory(const RecentHistory& list, std::string_view end, Out* out) {
  for (const char* line : kHeaderLines) {
    out->Put(line);
    out->Put(end);
  }
  int n = 0;
  for (const RecentEntry& row : list) {
    out->Put("Recent");
    PutNumber(out, ++n, 3);
    out->Put(" = \"");
    out->Put(row.projectName);
    out->Put("\", \"");
    out->Put(AppDisplayName(row.app));
    out->Put("\", ");
    PutNumber(out, row.projectType, 1);
    out->Put(", \"");
    out->Put(row.location);
    out->Put("\", \"");
    out->Put(row.geodeticCode);
    out->Put("\",");
    out->Put(end);
  }
  out->Put("/");
  out->Put(end);
}

std::string FormatWithLineEnd(const RecentHistory& list, std::string_view end) {
  SizeCount count;
  PutHistory(list, end, &count);
  std::string text(count.size, '\0');
  Copy copy{&text[0]};
  PutHistory(list, end, &copy);
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
    if (ParseHistoryRow(line, &fields, &(*list)[rows])) ++rows;
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

std::string FormatHistory(const RecentHistory& list) { return FormatWithLineEnd(list, "\n"); }

bool SaveHistory(const std::string& path, const RecentHistory& list) {
  return ReplaceFileContents(path, FormatWithLineEnd(list, "\r\n"));
}

}  // namespace orvent
