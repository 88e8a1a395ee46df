#include "history/history_row.h"

#include <string_view>
#include <utility>
#include <vector>

#include "namelist/ascii_to_int.h"
#include "namelist/mbcs.h"
#include "namelist/text_split.h"
#include "project/app_catalogue.h"

namespace orvent {
namespace {

// The key's number: the letters of "Recent" are stripped from the front of the
// key (the text before `end`) and the rest read as atoi does. Stripping them
// from the back as well could not change what atoi reads.
int KeyNumber(const std::string& line, std::size_t end) {
  std::size_t i = 0;
  while (i < end &&
         (line[i] == 'R' || line[i] == 'e' || line[i] == 'c' || line[i] == 'n' || line[i] == 't')) {
    ++i;
  }
  return AsciiToInt(std::string_view(line).substr(i, end - i));
}

}  // namespace

std::optional<RecentEntry> ParseHistoryRow(const std::string& line) {
  // The raw line is tested: a line indented before its key is no row.
  if (line.empty() || line[0] == '!' || line[0] == '#') return std::nullopt;
  const std::size_t equals = line.find('=');  // '=' is never a trail byte
  if (equals == std::string::npos) return std::nullopt;
  // "Recent" holds no "=", so a first occurrence before it lies in the key.
  if (FindText(line, "Recent") >= equals) return std::nullopt;
  RecentEntry row;
  row.number = KeyNumber(line, equals);
  if (row.number < 1 || row.number > kMaxRecentRows) return std::nullopt;

  // Name, application, project type, location and geodetic code.
  std::vector<std::string> fields;
  fields.reserve(5);
  const int count = SplitText(std::string_view(line).substr(equals + 1), ",", true, &fields);
  if (count < 4 || fields[0].empty() || AsciiToInt(fields[1]) >= kAppCatalogueSize ||
      fields[3].empty()) {
    return std::nullopt;
  }
  row.projectName = Trim(fields[0]);
  // An application of no other name is Basic, the row's default.
  static_cast<void>(FindAppByDisplayName(fields[1], &row.app));
  row.projectType = AsciiToInt(fields[2]);
  row.location = Trim(fields[3]);
  if (!row.location.empty()) row.location = WithTrailingBackslash(std::move(row.location));
  if (count >= 5) row.geodeticCode = fields[4];
  return row;
}

}  // namespace orvent
