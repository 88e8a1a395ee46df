// Small path and file helpers on narrow Windows paths.
#pragma once

#include <string>

namespace e2e {

// The folder part of a path, with its trailing backslash; "" when there is none.
std::string FolderOf(const std::string& path);
// The path with exactly one trailing backslash; "" stays "".
std::string WithTrailingBackslash(const std::string& folder);
bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
// The whole file as bytes; false when it cannot be read.
bool ReadWholeFile(const std::string& path, std::string* content);
// Creates or replaces the file with exactly these bytes.
bool WriteWholeFile(const std::string& path, const std::string& content);
// Creates every missing level of a folder path that ends with a backslash
// (the helpers above look at single bytes, so they are not for paths whose
// last character is a double-byte one).
bool CreateFolderPath(const std::string& folder);

}  // namespace e2e
