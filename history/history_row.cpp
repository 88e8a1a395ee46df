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

// Trim in place: the field's buffer goes on to the entry. Most fields have
// nothing to trim, and then the string is not touched.
void TrimField(std::string* field) {
  const std::size_t begin = SkipWhiteSpace(*field, 0, field->size());
  const std::size_t end = EndBeforeWhiteSpace(*field, begin, field->size());
  if (end < field->size()) field->resize(end);
  if (begin > 0) field->erase(0, begin);
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
  std::vector<std::string>& field = *fields;
  if (count < 4 || field[0].empty() || AsciiToInt(field[1]) >= kAppCatalogueSize ||
      field[3].empty()) {
    return false;
  }
  // The fields are swapped, not copied, into the entry: its old buffers are
  // then the scratch space of the next row.
  entry->number = number;
  TrimField(&field[0]);
  entry->projectName.swap(field[0]);
  if (!FindAppByDisplayName(field[1], &entry->app)) entry->app = RecentEntry().app;
  entry->projectType = AsciiToInt(field[2]);
  TrimField(&field[3]);
  if (!field[3].empty()) PutTrailingBackslash(&field[3]);
  entry->location.swap(field[3]);
  if (count >= 5) {
    entry->geodeticCode.swap(field[4]);
  } else {
    entry->geodeticCode = RecentEntry().geodeticCode;
  }
  return true;
}

}  // namespace orvent
