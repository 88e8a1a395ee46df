#include "namelist/text_split.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "namelist/mbcs.h"

namespace orvent {
namespace {

const char kQuote = '"';
const std::size_t kNone = std::string::npos;

// Longest parts the C runtime's path splitting accepts (its buffer sizes less
// the terminating zero).
const std::size_t kMaxDirectory = 255;
const std::size_t kMaxBaseName = 255;
const std::size_t kMaxExtension = 255;

bool IsAscii(const std::string& text) {
  unsigned char any = 0;
  for (char c : text) any |= static_cast<unsigned char>(c);
  return any < 0x80;
}

// The next delimiter that starts on a character boundary at or after `from`
// (itself a boundary). In text without double-byte characters every byte is a
// boundary, and the library's search does.
std::size_t FindDelimiter(const std::string& text, const std::string& delimiter, std::size_t from,
                          bool ascii) {
  if (delimiter.empty()) return kNone;
  if (ascii) return text.find(delimiter, from);
  for (std::size_t i = from; i < text.size();) {
    if (text[i] == delimiter[0] && text.compare(i, delimiter.size(), delimiter) == 0) return i;
    i += static_cast<unsigned char>(text[i]) < 0x80 ? 1 : CharLength(text, i);
  }
  return kNone;
}

// A double quote (0x22) is never a trail byte, so counting bytes is safe.
std::size_t CountQuotes(const std::string& text, std::size_t begin, std::size_t end) {
  return static_cast<std::size_t>(std::count(text.begin() + static_cast<std::ptrdiff_t>(begin),
                                             text.begin() + static_cast<std::ptrdiff_t>(end),
                                             kQuote));
}

void StripQuoteRange(const std::string& source, std::size_t* begin, std::size_t* end);
void StripQuotes(std::string* text);

// Adds the range as a finished piece, its quotes stripped.
void AddFinished(const std::string& source, std::size_t begin, std::size_t end,
                 std::vector<std::string>* pieces) {
  StripQuoteRange(source, &begin, &end);
  pieces->emplace_back(source, begin, end - begin);
}

// Handles the piece [begin, end) of the source that ends before a delimiter.
// An opened quoted token has its quotes stripped once it is finished.
void AddPiece(const std::string& source, std::size_t begin, std::size_t end,
              const std::string& delimiter, bool keepEmpty, bool* quoted,
              std::vector<std::string>* pieces) {
  if (*quoted) {
    if (CountQuotes(source, begin, end) > 0) {
      pieces->back().append(source, begin, end - begin);
      StripQuotes(&pieces->back());
      *quoted = false;
    } else if (end > begin) {
      pieces->back().append(source, begin, end - begin);
      pieces->back() += delimiter;
    }
    return;
  }
  begin = SkipWhiteSpace(source, begin, end);
  // Whether the quote stands first or later, an odd count leaves a quote open.
  if (end - begin >= 2 && CountQuotes(source, begin, end) % 2 == 1) {
    pieces->emplace_back(source, begin, end - begin);
    pieces->back() += delimiter;
    *quoted = true;
    return;
  }
  end = EndBeforeWhiteSpace(source, begin, end);
  if (end > begin || keepEmpty) AddFinished(source, begin, end, pieces);
}

// Handles what follows the last delimiter.
void AddRest(const std::string& source, std::size_t begin, bool keepEmpty, bool quoted,
             std::vector<std::string>* pieces) {
  std::size_t end = source.size();
  if (begin == end) {
    if (quoted) StripQuotes(&pieces->back());
    return;
  }
  if (quoted) {
    pieces->back().append(source, begin, end - begin);
    StripQuotes(&pieces->back());
    return;
  }
  begin = SkipWhiteSpace(source, begin, end);
  end = EndBeforeWhiteSpace(source, begin, end);
  if (end > begin || keepEmpty) AddFinished(source, begin, end, pieces);
}

// An odd count of quotes loses all quotes at both ends; exactly two, standing
// at both ends, are taken off; any other count stays.
void StripQuoteRange(const std::string& source, std::size_t* begin, std::size_t* end) {
  const std::size_t count = CountQuotes(source, *begin, *end);
  if (count % 2 == 1) {
    while (*end > *begin && source[*end - 1] == kQuote) --*end;
    while (*begin < *end && source[*begin] == kQuote) ++*begin;
  } else if (count == 2 && *end - *begin >= 2 && source[*begin] == kQuote &&
             source[*end - 1] == kQuote) {
    ++*begin;
    --*end;
  }
}

void StripQuotes(std::string* text) {
  std::size_t begin = 0;
  std::size_t end = text->size();
  StripQuoteRange(*text, &begin, &end);
  text->resize(end);
  text->erase(0, begin);
}

// Drive, directory, base name and extension by the C runtime's rules; false
// when a part is too long.
bool SplitByRuntimeRules(const std::string& path, std::string parts[4]) {
  std::size_t directoryStart = 0;
  if (path.size() >= 2 && path[1] == ':') directoryStart = 2;
  std::size_t nameStart = directoryStart;
  for (std::size_t i = directoryStart; i < path.size(); i += CharLength(path, i)) {
    if (path[i] == '\\' || path[i] == '/') nameStart = i + 1;
  }
  const std::string name = path.substr(nameStart);
  const std::size_t dot = FindLastChar(name, '.');
  const std::size_t baseLength = dot == kNone ? name.size() : dot;
  if (nameStart - directoryStart > kMaxDirectory || baseLength > kMaxBaseName ||
      name.size() - baseLength > kMaxExtension) {
    return false;
  }
  parts[0] = path.substr(0, directoryStart);
  parts[1] = path.substr(directoryStart, nameStart - directoryStart);
  parts[2] = name.substr(0, baseLength);
  parts[3] = name.substr(baseLength);
  return true;
}

void Assign(std::string* target, std::string value) {
  if (target != nullptr) *target = std::move(value);
}

}  // namespace

int SplitText(const std::string& text, const std::string& delimiter, bool keepEmpty,
              std::vector<std::string>* list) {
  std::vector<std::string> pieces;
  if (!text.empty()) {
    pieces.reserve(8);
    const bool ascii = IsAscii(text);
    bool quoted = false;
    std::size_t start = 0;
    for (std::size_t at = FindDelimiter(text, delimiter, 0, ascii); at != kNone;
         at = FindDelimiter(text, delimiter, start, ascii)) {
      AddPiece(text, start, at, delimiter, keepEmpty, &quoted, &pieces);
      start = at + delimiter.size();
    }
    AddRest(text, start, keepEmpty, quoted, &pieces);
  }
  const int count = static_cast<int>(pieces.size());
  if (list != nullptr) list->swap(pieces);
  return count;
}

void SplitFilePath(const std::string& path, std::string* drive, std::string* directory,
                   std::string* baseName, std::string* extension) {
  std::string parts[4];
  const std::string trimmed = Trim(path);
  if (trimmed == "." || trimmed == ".\\") {
    parts[1] = ".\\";
  } else if (trimmed == ".." || trimmed == "..\\") {
    parts[1] = "..\\";
  } else if (!SplitByRuntimeRules(path, parts)) {
    for (std::string& part : parts) part.clear();
  }
  Assign(drive, std::move(parts[0]));
  Assign(directory, std::move(parts[1]));
  Assign(baseName, std::move(parts[2]));
  Assign(extension, std::move(parts[3]));
}

}  // namespace orvent
