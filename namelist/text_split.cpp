#include "namelist/text_split.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
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

// The bytes of the word that are zero get their top bit, the others none; no
// borrow crosses from one byte into the next.
std::uint64_t ZeroBytes(std::uint64_t word) {
  const std::uint64_t low = 0x7F7F7F7F7F7F7F7F;
  return ~(((word & low) + low) | word | low);
}

// Whether the whole delimiter starts at i.
bool DelimiterAt(std::string_view text, std::size_t i, std::string_view delimiter) {
  return !delimiter.empty() && text[i] == delimiter[0] &&
         text.substr(i + 1, delimiter.size() - 1) == delimiter.substr(1);
}

// The next delimiter at or after `from` (a character boundary) that starts
// where a character does, or the end of the text; `quotes` counts the double
// quote bytes before it, trail bytes too.
std::size_t NextDelimiter(std::string_view text, std::string_view delimiter, std::size_t from,
                          std::size_t* quotes) {
  const std::uint64_t ones = 0x0101010101010101;
  std::size_t count = 0;
  std::size_t i = from;
  // Eight bytes at a time while none is the delimiter's first byte or a byte
  // of a double-byte character, so that each is a character of its own; the
  // multiplication adds up the word's quotes in its top byte.
  if (!delimiter.empty()) {
    const std::uint64_t first = ones * static_cast<unsigned char>(delimiter[0]);
    for (std::uint64_t word = 0; i + sizeof word <= text.size(); i += sizeof word) {
      std::memcpy(&word, text.data() + i, sizeof word);
      if ((ZeroBytes(word ^ first) | (word & (ones << 7))) != 0) break;
      count += static_cast<std::size_t>(((ZeroBytes(word ^ (ones * kQuote)) >> 7) * ones) >> 56);
    }
  }
  // Then character by character, so that a trail byte is never taken for the
  // delimiter.
  while (i < text.size() && !DelimiterAt(text, i, delimiter)) {
    const unsigned char byte = static_cast<unsigned char>(text[i]);
    count += byte == kQuote;
    if (byte < 0x80 || CharLength(text, i) == 1) {
      ++i;
    } else {
      count += text[i + 1] == kQuote;
      i += 2;
    }
  }
  *quotes = count;
  return i;
}

// The pieces, written over the strings the caller's list already holds: a
// list kept between calls then costs no allocation per piece.
class Pieces {
 public:
  explicit Pieces(std::vector<std::string>* list) : list_(list != nullptr ? list : &own_) {}
  // Cleared and appended to, the string keeps its buffer.
  std::string& Add(std::string_view text) {
    if (count_ == list_->size()) list_->emplace_back();
    std::string& piece = (*list_)[count_++];
    piece.clear();
    piece.append(text.data(), text.size());
    return piece;
  }
  std::string& Back() { return (*list_)[count_ - 1]; }
  int Finish() {
    list_->resize(count_);
    return static_cast<int>(count_);
  }

 private:
  std::vector<std::string> own_;
  std::vector<std::string>* list_;
  std::size_t count_ = 0;
};

// An odd count of quotes loses all quotes at both ends; exactly two, standing
// at both ends, are taken off; any other count stays. `quotes` is the count in
// [begin, end).
void StripQuoteRange(std::string_view source, std::size_t quotes, std::size_t* begin,
                     std::size_t* end) {
  if (quotes % 2 == 1) {
    while (*end > *begin && source[*end - 1] == kQuote) --*end;
    while (*begin < *end && source[*begin] == kQuote) ++*begin;
  } else if (quotes == 2 && *end - *begin >= 2 && source[*begin] == kQuote &&
             source[*end - 1] == kQuote) {
    ++*begin;
    --*end;
  }
}

void StripQuotes(std::string* text) {
  std::size_t begin = 0;
  std::size_t end = text->size();
  const auto quotes = std::count(text->begin(), text->end(), kQuote);
  StripQuoteRange(*text, static_cast<std::size_t>(quotes), &begin, &end);
  text->resize(end);
  text->erase(0, begin);
}

// A piece of the source and the quotes it holds. White space trimmed off its
// ends holds none, so the count stays right for the trimmed piece.
struct Span {
  std::size_t begin;
  std::size_t end;
  std::size_t quotes;
};

// Adds the span from `begin`, where its white space ends, trimmed at its end
// as a finished piece, its quotes stripped.
void AddFinished(std::string_view source, const Span& span, std::size_t begin, bool keepEmpty,
                 Pieces* pieces) {
  std::size_t end = EndBeforeWhiteSpace(source, begin, span.end);
  if (end == begin && !keepEmpty) return;
  StripQuoteRange(source, span.quotes, &begin, &end);
  pieces->Add(source.substr(begin, end - begin));
}

// Handles a piece of the source that ends before a delimiter. An opened
// quoted token has its quotes stripped once it is finished.
void AddPiece(std::string_view source, const Span& span, std::string_view delimiter, bool keepEmpty,
              bool* quoted, Pieces* pieces) {
  if (*quoted) {
    std::string& open = pieces->Back();
    open.append(source.data() + span.begin, span.end - span.begin);
    if (span.quotes > 0) {
      StripQuotes(&open);
      *quoted = false;
    } else if (span.end > span.begin) {
      open += delimiter;
    }
    return;
  }
  const std::size_t begin = SkipWhiteSpace(source, span.begin, span.end);
  // Whether the quote stands first or later, an odd count leaves a quote open.
  if (span.end - begin >= 2 && span.quotes % 2 == 1) {
    pieces->Add(source.substr(begin, span.end - begin)) += delimiter;
    *quoted = true;
    return;
  }
  AddFinished(source, span, begin, keepEmpty, pieces);
}

// Handles what follows the last delimiter.
void AddRest(std::string_view source, const Span& span, bool keepEmpty, bool quoted,
             Pieces* pieces) {
  if (quoted) {
    pieces->Back().append(source.data() + span.begin, span.end - span.begin);
    StripQuotes(&pieces->Back());
  } else if (span.begin < span.end) {
    AddFinished(source, span, SkipWhiteSpace(source, span.begin, span.end), keepEmpty, pieces);
  }
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

int SplitText(std::string_view text, std::string_view delimiter, bool keepEmpty,
              std::vector<std::string>* list) {
  Pieces pieces(list);
  if (text.empty()) return pieces.Finish();
  bool quoted = false;
  Span span{0, 0, 0};
  for (span.end = NextDelimiter(text, delimiter, 0, &span.quotes); span.end < text.size();
       span.end = NextDelimiter(text, delimiter, span.begin, &span.quotes)) {
    AddPiece(text, span, delimiter, keepEmpty, &quoted, &pieces);
    span.begin = span.end + delimiter.size();
  }
  AddRest(text, span, keepEmpty, quoted, &pieces);
  return pieces.Finish();
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
