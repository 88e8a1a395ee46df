#include "history/saved_row.h"

#include <algorithm>
#include <string_view>

#include "namelist/ascii_to_int.h"
#include "namelist/mbcs.h"
#include "project/app_catalogue.h"

namespace orvent {
namespace {

// Every byte this reader looks for is below 0x40 and so never the trail byte
// of a double-byte character. Each delimiting comma follows a quote or a digit,
// which cannot be a lead byte, so it stands on a character boundary: the
// general splitter cuts at exactly the same commas.

const std::size_t kQuotes = 8;  // two for each of the four quoted fields
const std::size_t kCommas = 5;  // one after each field

struct Census {
  std::size_t quotes = 0;
  std::size_t commas = 0;
  bool ascii = true;
};

// One pass without early exit, which the compiler can vectorise; byte-wide
// counts over blocks keep the vector lanes narrow. With exactly the quotes and
// commas the shape itself holds, none lies inside a field.
Census Count(std::string_view text) {
  Census census;
  unsigned char high = 0;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t end = i + std::min<std::size_t>(text.size() - i, 255);
    unsigned char quotes = 0, commas = 0;
    for (; i < end; ++i) {
      quotes += text[i] == '"';
      commas += text[i] == ',';
      high |= static_cast<unsigned char>(text[i]);
    }
    census.quotes += quotes;
    census.commas += commas;
  }
  census.ascii = high < 0x80;
  return census;
}

bool Take(std::string_view line, std::size_t* at, std::string_view text) {
  if (line.size() - *at < text.size()) return false;
  for (std::size_t k = 0; k < text.size(); ++k) {
    if (line[*at + k] != text[k]) return false;
  }
  *at += text.size();
  return true;
}

// The inside of a quoted field whose opening quote is already taken, and its
// closing quote.
bool TakeQuoted(std::string_view line, std::size_t* at, std::string_view* field) {
  const std::size_t close = line.find('"', *at);
  if (close == std::string_view::npos) return false;
  *field = line.substr(*at, close - *at);
  *at = close + 1;
  return true;
}

// An optional minus and one or more digits.
bool TakeInteger(std::string_view line, std::size_t* at, std::string_view* number) {
  std::size_t i = *at;
  if (i < line.size() && line[i] == '-') ++i;
  const std::size_t digits = i;
  while (i < line.size() && line[i] >= '0' && line[i] <= '9') ++i;
  if (i == digits) return false;
  *number = line.substr(*at, i - *at);
  *at = i;
  return true;
}

// White space as IsWhiteSpace has it, in a form the compiler can inline.
inline bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  return text;
}

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// FindAppByDisplayName for a name without double-byte characters, where its
// comparison ignoring case folds A-Z alone; the display names are ASCII too.
int FindAsciiApp(std::string_view name) {
  static const auto* const names = [] {
    static std::string_view views[kAppCatalogueSize];
    for (int i = 0; i < kAppCatalogueSize; ++i) views[i] = kAppCatalogue[i].displayName;
    return views;
  }();
  for (int i = 0; i < kAppCatalogueSize; ++i) {
    const std::string_view display = names[i];
    if (display.size() != name.size()) continue;
    std::size_t k = 0;
    while (k < name.size() && LowerAscii(name[k]) == LowerAscii(display[k])) ++k;
    if (k == name.size()) return i;
  }
  return -1;
}

// A name or location field trimmed as the general reader trims it.
void AssignTrimmed(std::string_view field, bool ascii, std::string* target) {
  if (ascii) {
    const std::string_view trimmed = Trimmed(field);
    target->assign(trimmed.data(), trimmed.size());
  } else {
    *target = Trim(std::string(field));
  }
}

void AssignLocation(std::string_view field, bool ascii, std::string* target) {
  if (!ascii) {
    AssignTrimmed(field, false, target);
    if (!target->empty()) *target = WithTrailingBackslash(*target);
    return;
  }
  std::string_view trimmed = Trimmed(field);
  if (trimmed.empty()) {
    target->clear();
    return;
  }
  // Without double-byte characters every backslash is a character of its own.
  while (!trimmed.empty() && trimmed.back() == '\\') trimmed.remove_suffix(1);
  target->reserve(trimmed.size() + 1);
  target->assign(trimmed.data(), trimmed.size());
  *target += '\\';
}

bool IsAscii(std::string_view text) { return Count(text).ascii; }

}  // namespace

bool ParseSavedRow(const std::string& text, RecentEntry* entry) {
  const std::string_view line(text);
  const Census census = Count(line);
  if (census.quotes != kQuotes || census.commas != kCommas) return false;

  std::size_t at = 0;
  if (!Take(line, &at, "Recent")) return false;
  int number = 0;
  const std::size_t digits = at;
  while (at < line.size() && at - digits < 3 && line[at] >= '0' && line[at] <= '9') {
    number = number * 10 + (line[at++] - '0');
  }
  if (number < 1 || !Take(line, &at, " = \"")) return false;

  std::string_view name, app, type, location, code;
  if (!TakeQuoted(line, &at, &name) || !Take(line, &at, ", \"") || !TakeQuoted(line, &at, &app) ||
      !Take(line, &at, ", ") || !TakeInteger(line, &at, &type) || !Take(line, &at, ", \"") ||
      !TakeQuoted(line, &at, &location) || !Take(line, &at, ", \"") ||
      !TakeQuoted(line, &at, &code) || !Take(line, &at, ",") || at != line.size()) {
    return false;
  }
  const bool nameAscii = census.ascii || IsAscii(name);
  const bool locationAscii = census.ascii || IsAscii(location);
  // An application or code with double-byte text is left to the general reader.
  if (!census.ascii && (!IsAscii(app) || !IsAscii(code))) return false;
  if (name.empty() || location.empty() || AsciiToInt(app) >= kAppCatalogueSize) return false;

  entry->number = number;
  AssignTrimmed(name, nameAscii, &entry->projectName);
  const int index = FindAsciiApp(app);
  entry->app = index >= 0 ? static_cast<App>(index) : RecentEntry().app;
  entry->projectType = AsciiToInt(type);
  AssignLocation(location, locationAscii, &entry->location);
  entry->geodeticCode.assign(code.data(), code.size());
  return true;
}

}  // namespace orvent
