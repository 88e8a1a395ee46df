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
  std::size_t i = from;
  while (i < text.size() && !DelimiterAt(text, i, delimiter)) i += CharLength(text, i);
  *quotes = static_cast<std::size_t>(std::count(text.begin() + from, text.begin() + i, kQuote));
  return i;
}

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

// The text with its quotes stripped as a whole.
std::string_view QuotesStripped(std::string_view text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  const auto quotes = std::count(text.begin(), text.end(), kQuote);
  StripQuoteRange(text, static_cast<std::size_t>(quotes), &begin, &end);
  return text.substr(begin, end - begin);
}

// A piece of the source and the quotes it holds. White space trimmed off its
// ends holds none, so the count stays right for the trimmed piece.
struct Span {
  std::size_t begin;
  std::size_t end;
  std::size_t quotes;
};

// Cuts the source into the pieces' views. A quoted run that spans delimiters
// is one piece with its delimiters, a view of the source; only an empty part
// inside it drops its delimiter, and then the run is copied into the pieces'
// own storage.
class Splitter {
 public:
  Splitter(std::string_view source, std::string_view delimiter, bool keepEmpty, TextPieces* pieces)
      : source_(source), delimiter_(delimiter), keepEmpty_(keepEmpty), pieces_(pieces) {}

  // A part of the source that ends before a delimiter.
  void AddPart(const Span& span) {
    if (open_) {
      if (span.quotes > 0) {
        Close(span);
      } else if (span.end == span.begin) {
        StartCopy(span.begin);
      } else if (copy_ != nullptr) {
        copy_->append(source_.data() + span.begin, span.end - span.begin);
        *copy_ += delimiter_;
      }
      return;
    }
    const std::size_t begin = SkipWhiteSpace(source_, span.begin, span.end);
    // Whether the quote stands first or later, an odd count leaves a quote open.
    if (span.end - begin >= 2 && span.quotes % 2 == 1) {
      open_ = true;
      openBegin_ = begin;
      copy_ = nullptr;
      return;
    }
    AddFinished(span, begin);
  }

  // What follows the last delimiter.
  void AddRest(const Span& span) {
    if (open_) {
      Close(span);
    } else if (span.begin < span.end) {
      AddFinished(span, SkipWhiteSpace(source_, span.begin, span.end));
    }
  }

 private:
  // The open run, from where it opened to the delimiter before `at`, goes into
  // the pieces' own storage, and the delimiter at `at` is left out of it.
  void StartCopy(std::size_t at) {
    if (copy_ == nullptr) copy_ = &pieces_->Keep(source_.substr(openBegin_, at - openBegin_));
  }

  // The open run ends with the span; its quotes are stripped as a whole.
  void Close(const Span& span) {
    open_ = false;
    if (copy_ == nullptr) {
      pieces_->Add(QuotesStripped(source_.substr(openBegin_, span.end - openBegin_)));
      return;
    }
    copy_->append(source_.data() + span.begin, span.end - span.begin);
    pieces_->Add(QuotesStripped(*copy_));
  }

  // The span from `begin`, where its white space ends, trimmed at its end, its
  // quotes stripped.
  void AddFinished(const Span& span, std::size_t begin) {
    std::size_t end = EndBeforeWhiteSpace(source_, begin, span.end);
    if (end == begin && !keepEmpty_) return;
    StripQuoteRange(source_, span.quotes, &begin, &end);
    pieces_->Add(source_.substr(begin, end - begin));
  }

  std::string_view source_;
  std::string_view delimiter_;
  bool keepEmpty_;
  TextPieces* pieces_;
  bool open_ = false;
  std::size_t openBegin_ = 0;
  std::string* copy_ = nullptr;  // the open run's copy, once it needs one
};

// The parts by the C runtime's rules; none when a part is too long.
void SplitByRuntimeRules(const std::string& path, FilePathParts* parts) {
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
    return;
  }
  parts->drive = path.substr(0, directoryStart);
  parts->directory = path.substr(directoryStart, nameStart - directoryStart);
  parts->baseName = name.substr(0, baseLength);
  parts->extension = name.substr(baseLength);
}

}  // namespace

void TextPieces::Clear() {
  views_.clear();
  if (!kept_.empty()) kept_.clear();
}

std::string& TextPieces::Keep(std::string_view text) { return kept_.emplace_back(text); }

int SplitText(std::string_view text, std::string_view delimiter, bool keepEmpty,
              TextPieces* pieces) {
  pieces->Clear();
  if (text.empty()) return 0;
  Splitter splitter(text, delimiter, keepEmpty, pieces);
  Span span{0, 0, 0};
  for (span.end = NextDelimiter(text, delimiter, 0, &span.quotes); span.end < text.size();
       span.end = NextDelimiter(text, delimiter, span.begin, &span.quotes)) {
    splitter.AddPart(span);
    span.begin = span.end + delimiter.size();
  }
  splitter.AddRest(span);
  return static_cast<int>(pieces->Size());
}

int SplitText(std::string_view text, std::string_view delimiter, bool keepEmpty,
              std::vector<std::string>* list) {
  TextPieces pieces;
  const int count = SplitText(text, delimiter, keepEmpty, &pieces);
  list->resize(pieces.Size());
  for (std::size_t i = 0; i < pieces.Size(); ++i) (*list)[i].assign(pieces[i]);
  return count;
}

FilePathParts SplitFilePath(const std::string& path) {
  FilePathParts parts;
  const std::string trimmed = Trim(path);
  if (trimmed == "." || trimmed == ".\\") {
    parts.directory = ".\\";
  } else if (trimmed == ".." || trimmed == "..\\") {
    parts.directory = "..\\";
  } else {
    SplitByRuntimeRules(path, &parts);
  }
  return parts;
}

}  // namespace orvent
