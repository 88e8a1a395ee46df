#include "namelist/namelist_reader.h"

#include <vector>

#include "namelist/mbcs.h"
#include "namelist/text_split.h"

namespace orvent {
namespace {

// The bytes handled here (blank, "'", "%", ",", "!") are all below 0x40 and so
// never the trail byte of a double-byte character: plain byte scans are safe.

std::string WithoutSpaces(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c != ' ') out += c;
  }
  return out;
}

std::string Replaced(std::string text, char from, char to) {
  for (char& c : text) {
    if (c == from) c = to;
  }
  return text;
}

std::string WithoutTrailing(const std::string& text, char c) {
  std::size_t end = text.size();
  while (end > 0 && text[end - 1] == c) --end;
  return text.substr(0, end);
}

std::string WithoutOuter(const std::string& text, char c) {
  std::size_t first = 0;
  while (first < text.size() && text[first] == c) ++first;
  return WithoutTrailing(text.substr(first), c);
}

// A cleaned line "&name" that names the group.
bool NamesGroup(const std::string& cleaned, const std::string& group) {
  return cleaned.size() > 1 && EqualsNoCase(TrimLeft(cleaned.substr(1)), group);
}

// Reads on from a key line, joining the lines that carry on its value.
std::string AddContinuation(TextFile* file, std::string value) {
  std::string line;
  std::vector<std::string> pieces;
  while (file->ReadLine(&line)) {
    if (!CleanNamelistLine(&line)) continue;
    if (line[0] == '&') break;
    const int count = SplitText(line, "=", false, &pieces);
    if (count >= 2) break;
    if (count == 0) continue;
    // In place: a long list of lines must not be copied once per line.
    while (!value.empty() && value.back() == ',') value.pop_back();
    if (!value.empty()) value += ", ";
    value += pieces[0];
  }
  return value;
}

}  // namespace

bool CleanNamelistLine(std::string* line) {
  // A "!" ends the line even inside quotes; a line that starts with one is all
  // comment.
  *line = Trim(line->substr(0, line->find('!')));
  if (line->empty() || (*line)[0] == '/') return false;
  *line = WithoutTrailing(*line, ',');
  return !line->empty();
}

bool FindNamelistGroup(TextFile* file, const std::string& group) {
  if (!file->SeekToStart()) return false;
  std::string line;
  while (file->ReadLine(&line)) {
    if (CleanNamelistLine(&line) && line[0] == '&' && NamesGroup(line, group)) return true;
  }
  return false;
}

std::string ReadNamelistValue(TextFile* file, const std::string& group, const std::string& key) {
  std::string wanted = WithoutSpaces(Trim(key));
  if (wanted.empty()) return "";
  wanted = Replaced(wanted, '%', '.');
  if (!file->SeekToStart()) return "";

  bool inside = false;
  std::string line;
  std::vector<std::string> pieces;
  while (file->ReadLine(&line)) {
    if (!CleanNamelistLine(&line)) continue;
    if (line[0] == '&') {
      // Only the first group of that name is searched.
      if (inside) return "";
      inside = NamesGroup(line, group);
      continue;
    }
    if (!inside) continue;
    if (SplitText(Replaced(line, '\'', '"'), "=", false, &pieces) < 2) continue;
    const std::string found = WithoutSpaces(pieces[0]);
    if (found.empty() || !EqualsNoCase(Replaced(found, '%', '.'), wanted)) continue;

    std::string value = AddContinuation(file, pieces[1]);
    if (value.find(',') == std::string::npos) {
      value = WithoutOuter(WithoutOuter(value, '\''), '"');
    }
    return Replaced(value, '\'', '"');
  }
  return "";
}

std::optional<bool> ReadNamelistLogical(TextFile* file, const std::string& group,
                                        const std::string& key) {
  const std::string value = ReadNamelistValue(file, group, key);
  if (value.empty()) return std::nullopt;
  return EqualsNoCase(value, ".true.") || EqualsNoCase(value, "T");
}

}  // namespace orvent
