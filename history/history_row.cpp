#include "history/history_row.h"

#include <string_view>

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

// The field without white space at its ends.
std::string_view Trimmed(std::string_view field) {
  const std::size_t begin = SkipWhiteSpace(field, 0, field.size());
  return field.substr(begin, EndBeforeWhiteSpace(field, begin, field.size()) - begin);
}

}  // namespace

bool ParseHistoryRow(const std::string& line, std::vector<std::string>* fields,
                     RecentEntry* entry) {
  // The raw line is tested: a line indented before its key is no row.
  if (line.empty() || line[0] == '!' || line[0] == '#') return false;
  const std::size_t equals = line.find('=');  // '=' is never a trail byte
  if (equals == std::string::npos) return false;
  // "Recent" holds no "=", so a first occurrence before it lies in the key.
  if (FindText(line, "Recent") >= equals) return false;
  const int number = KeyNumber(line, equals);
  if (number < 1 || number > kMaxRecentRows) return false;

  const int count = SplitText(std::string_view(line).substr(equals + 1), ",", true, fields);
  const std::vector<std::string>& field = *fields;
  if (count < 4 || field[0].empty() || AsciiToInt(field[1]) >= kAppCatalogueSize ||
      field[3].empty()) {
    return false;
  }
  // Assigned, the entry's strings keep their buffers from the last load.
  entry->number = number;
  entry->projectName.assign(Trimmed(field[0]));
  if (!FindAppByDisplayName(field[1], &entry->app)) entry->app = RecentEntry().app;
  entry->projectType = AsciiToInt(field[2]);
  entry->location.assign(Trimmed(field[3]));
  if (!entry->location.empty()) PutTrailingBackslash(&entry->location);
  if (count >= 5) {
    entry->geodeticCode.assign(field[4]);
  } else {
    entry->geodeticCode = RecentEntry().geodeticCode;
  }
  return true;
}

}  // namespace orvent
