#include "history/file_replace.h"

#include <atomic>
#include <cerrno>
#include <cstdio>

#ifdef _WIN32
#include <io.h>
#include <process.h>
#include <windows.h>

#include "platform/win32/quiet_drive_errors.h"
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "namelist/open_file.h"

namespace orvent {
namespace {

// Names tried for the new file before the save gives up; one that stands
// already and may not be overwritten (a leftover made read-only, a folder) is
// passed over.
constexpr int kTemporaryNames = 16;

#ifdef _WIN32
// A program that reads the file without sharing its deletion blocks the move
// for as long as it holds the file open: about 300 ms in all.
constexpr int kMoveAttempts = 10;
constexpr DWORD kMoveRetryMs = 30;
// A scanner that opened the new file as it was closed may hold it so, and
// longer than the move is tried: it is waited for about a second more.
constexpr int kRemoveAttempts = 10;
constexpr DWORD kRemoveRetryMs = 100;
#endif

// Renaming ignores the target's own write permission on most systems; a file
// the user made read-only is meant to stay as it is.
bool MayReplace(const std::string& target) {
#ifdef _WIN32
  // Its attributes, as a probe that opens the file for writing would fail on
  // a file another program holds open.
  const DWORD attributes = GetFileAttributesA(target.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return GetLastError() == ERROR_FILE_NOT_FOUND;
  return (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) == 0;
#else
  // The owner's write bit stands for the attribute: a probe that opens the
  // file for writing would succeed for root whatever the bits say.
  struct stat status {};
  if (stat(target.c_str(), &status) != 0) return errno == ENOENT;
  return S_ISREG(status.st_mode) && (status.st_mode & S_IWUSR) != 0;
#endif
}

int ProcessId() {
#ifdef _WIN32
  return _getpid();
#else
  return static_cast<int>(getpid());
#endif
}

std::FILE* CreateTemporary(const std::string& path, std::string* temporary) {
  static std::atomic<unsigned> count{0};
  for (int i = 0; i < kTemporaryNames; ++i) {
    *temporary = path + "." + std::to_string(ProcessId()) + "-" + std::to_string(++count) + ".tmp";
    if (std::FILE* file = OpenFile(*temporary, "wb")) return file;
  }
  return nullptr;
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

enum class Move { kDone, kFailed, kTargetBusy };

#ifdef _WIN32
// Another program holds the file open without sharing its deletion.
bool HeldOpen(const std::string& path) {
  const HANDLE file =
      CreateFileA(path.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_SHARING_VIOLATION;
  CloseHandle(file);
  return false;
}

Move MoveOver(const std::string& source, const std::string& target) {
  for (int attempt = 1;; ++attempt) {
    if (MoveFileExA(source.c_str(), target.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      return Move::kDone;
    }
    const DWORD error = GetLastError();
    // A target that may not be written was ruled out before, so a refused
    // access is a file held open too: the target, or the new file, which a
    // scanner may have opened. Only a held target is written in place.
    if (error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED) return Move::kFailed;
    if (attempt == kMoveAttempts) return HeldOpen(source) ? Move::kFailed : Move::kTargetBusy;
    Sleep(kMoveRetryMs);
  }
}

void RemoveTemporary(const std::string& path) {
  for (int attempt = 1; !DeleteFileA(path.c_str()) && GetLastError() == ERROR_SHARING_VIOLATION &&
                        attempt < kRemoveAttempts;
       ++attempt) {
    Sleep(kRemoveRetryMs);
  }
}

// What the old save did: the file truncated and written where it stands,
// which a program that shares writing with others allows.
bool WriteInPlace(const std::string& target, const std::string& bytes) {
  const HANDLE file = CreateFileA(target.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const DWORD size = static_cast<DWORD>(bytes.size());
  const bool ok =
      (size == 0 || (WriteFile(file, bytes.data(), size, &written, nullptr) && written == size)) &&
      SetEndOfFile(file) && FlushFileBuffers(file);
  CloseHandle(file);
  return ok;
}
#else
Move MoveOver(const std::string& source, const std::string& target) {
  // POSIX rename replaces the target atomically, open or not.
  return std::rename(source.c_str(), target.c_str()) == 0 ? Move::kDone : Move::kFailed;
}

void RemoveTemporary(const std::string& path) { std::remove(path.c_str()); }
#endif

}  // namespace

bool ReplaceFileContents(const std::string& path, const std::string& bytes,
                         const std::function<void(const std::string&)>& beforeMove) {
#ifdef _WIN32
  // The settings file may lie on a drive without its disk.
  QuietDriveErrors quiet;
#endif
  if (!MayReplace(path)) return false;
  std::string temporary;
  std::FILE* file = CreateTemporary(path, &temporary);
  if (file == nullptr) return false;
  // Unbuffered, the bytes go to the system in a single write.
  std::setvbuf(file, nullptr, _IONBF, 0);
  const bool written = WriteToDisk(file, bytes);
  const bool closed = std::fclose(file) == 0;
  if (beforeMove) beforeMove(temporary);
  const Move move = written && closed ? MoveOver(temporary, path) : Move::kFailed;
  if (move == Move::kDone) return true;
  RemoveTemporary(temporary);
#ifdef _WIN32
  if (move == Move::kTargetBusy) return WriteInPlace(path, bytes);
#endif
  return false;
}

}  // namespace orvent
