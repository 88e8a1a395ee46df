#include "namelist/text_split.h"

#include <algorithm>
#include <cstddef>

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

std::size_t QuoteCount(std::string_view text) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), kQuote));
}

// An odd count of quotes loses all quotes at both ends; exactly two, standing
// at both ends, are taken off; any other count stays. A double quote is never
// a trail byte.
std::string_view QuotesStripped(std::string_view piece) {
  const std::size_t quotes = QuoteCount(piece);
  if (quotes % 2 == 1) {
    while (!piece.empty() && piece.back() == kQuote) piece.remove_suffix(1);
    while (!piece.empty() && piece.front() == kQuote) piece.remove_prefix(1);
  } else if (quotes == 2 && piece.front() == kQuote && piece.back() == kQuote) {
    piece = piece.substr(1, piece.size() - 2);
  }
  return piece;
}

// Cuts a text into pieces, one delimiter after another. A piece that leaves a
// double quote open starts a quoted run, and the pieces after it join it, with
// their delimiters, until one with a quote closes it. Each piece loses its
// quotes once it is whole.
class Splitter {
 public:
  Splitter(std::string_view delimiter, bool keepEmpty, std::vector<std::string>* list)
      : delimiter_(delimiter), keepEmpty_(keepEmpty), list_(list) {}

  // A piece that ends before a delimiter.
  void AddPiece(std::string_view piece) {
    if (open_) {
      if (QuoteCount(piece) > 0) {
        list_->back() += piece;
        Close();
      } else if (!piece.empty()) {
        // Inside quotes a run of delimiters shrinks to one.
        list_->back() += piece;
        list_->back() += delimiter_;
      }
      return;
    }
    const std::string_view started = piece.substr(SkipWhiteSpace(piece, 0, piece.size()));
    // Whether the quote stands first or later, an odd count leaves a quote open.
    if (started.size() >= 2 && QuoteCount(started) % 2 == 1) {
      list_->emplace_back(started);
      list_->back() += delimiter_;
      open_ = true;
      return;
    }
    AddFinished(started);
  }

  // What follows the last delimiter: joins a quoted run still open, else is a
  // piece of its own unless it is empty.
  void AddRest(std::string_view rest) {
    if (open_) {
      list_->back() += rest;
      Close();
    } else if (!rest.empty()) {
      AddFinished(rest.substr(SkipWhiteSpace(rest, 0, rest.size())));
    }
  }

 private:
  void Close() {
    list_->back() = std::string(QuotesStripped(list_->back()));
    open_ = false;
  }

  // A piece from where its leading white space ends; its trailing white space
  // goes too.
  void AddFinished(std::string_view started) {
    const std::string_view trimmed =
        started.substr(0, EndBeforeWhiteSpace(started, 0, started.size()));
    if (!trimmed.empty() || keepEmpty_) list_->emplace_back(QuotesStripped(trimmed));
  }

  std::string_view delimiter_;
  bool keepEmpty_;
  std::vector<std::string>* list_;
  bool open_ = false;
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

int SplitText(std::string_view text, std::string_view delimiter, bool keepEmpty,
              std::vector<std::string>* list) {
  list->clear();
  if (text.empty()) return 0;
  Splitter splitter(delimiter, keepEmpty, list);
  std::size_t begin = 0;
  std::size_t end = FindText(text, delimiter);
  while (end != kNone) {
    splitter.AddPiece(text.substr(begin, end - begin));
    begin = end + delimiter.size();
    end = FindText(text, delimiter, begin);
  }
  splitter.AddRest(text.substr(begin));
  return static_cast<int>(list->size());
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
