// Quote-aware splitting of a text at a delimiter, and splitting of a file path
// into its parts.
#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace orvent {

// The pieces of a split text: views into the text, or into strings the pieces
// keep for a piece that is no run of it. Kept between calls, the list reuses
// its memory; the views last as long as the text and the next split.
class TextPieces {
 public:
  void Clear();
  void Add(std::string_view piece) { views_.push_back(piece); }
  // A string that lives until the next Clear.
  std::string& Keep(std::string_view text);
  std::size_t Size() const { return views_.size(); }
  std::string_view operator[](std::size_t i) const { return views_[i]; }

 private:
  std::vector<std::string_view> views_;
  std::deque<std::string> kept_;
};

// Cuts `text` at every `delimiter`, keeping double-quoted runs together and
// taking the quotes off. Leading and trailing white space of unquoted pieces is
// removed; empty pieces are kept only with `keepEmpty` (and an empty piece after
// the last delimiter never). A full-width space counts as a space. The list is
// cleared first; returns the number of pieces.
int SplitText(std::string_view text, std::string_view delimiter, bool keepEmpty,
              TextPieces* pieces);
// The same, the pieces copied out.
int SplitText(std::string_view text, std::string_view delimiter, bool keepEmpty,
              std::vector<std::string>* list);

// A path's drive ("C:"), directory (with its trailing separator), base name
// and extension (with its leading ".").
struct FilePathParts {
  std::string drive;
  std::string directory;
  std::string baseName;
  std::string extension;
  // The folder that holds the file: drive and directory.
  std::string Folder() const { return drive + directory; }
};

// Splits a path into its parts. "." and ".." are directories. A part longer
// than the file system allows leaves all four parts empty.
FilePathParts SplitFilePath(const std::string& path);

}  // namespace orvent
