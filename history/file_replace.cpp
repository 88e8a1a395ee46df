#include "history/file_replace.h"

#include <cerrno>
#include <cstdio>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace orvent {
namespace {

// Renaming ignores the target's own write permission on most systems; a file
// the user made read-only is meant to stay as it is.
bool MayReplace(const std::string& target) {
  std::FILE* file = std::fopen(target.c_str(), "r+b");
  if (file != nullptr) {
    std::fclose(file);
    return true;
  }
  return errno == ENOENT;
}

// Puts what the C runtime has handed to the system on the disk.
bool CommitToDisk(std::FILE* file) {
#ifdef _WIN32
  return _commit(_fileno(file)) == 0;
#else
  return fsync(fileno(file)) == 0;
#endif
}

bool WriteToDisk(std::FILE* file, const std::string& bytes) {
  const bool written =
      bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return written && std::fflush(file) == 0 && CommitToDisk(file);
}

}  // namespace

bool MoveFileOver(const std::string& source, const std::string& target) {
  if (!MayReplace(target)) return false;
#ifdef _WIN32
  return MoveFileExA(source.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
#else
  // POSIX rename replaces the target atomically.
  return std::rename(source.c_str(), target.c_str()) == 0;
#endif
}

bool ReplaceFileContents(const std::string& path, const std::string& bytes) {
  const std::string temporary = path + ".tmp";
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  // Whatever already stands at the temporary name is not ours to remove.
  if (file == nullptr) return false;
  // Unbuffered, the bytes go to the system in a single write.
  std::setvbuf(file, nullptr, _IONBF, 0);
  const bool written = WriteToDisk(file, bytes);
  const bool closed = std::fclose(file) == 0;
  if (written && closed && MoveFileOver(temporary, path)) return true;
  std::remove(temporary.c_str());
  return false;
}

}  // namespace orvent
