// Quote-aware splitting of a text at a delimiter, and splitting of a file path
// into its parts.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orvent {

// Cuts `text` at every `delimiter` that starts where a character does,
// keeping double-quoted runs together and taking the quotes off. Leading and
// trailing white space of unquoted pieces, the full-width space among it, is
// removed; empty pieces are kept only with `keepEmpty` (and an empty piece
// after the last delimiter never). The list is cleared first; returns the
// number of pieces.
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
