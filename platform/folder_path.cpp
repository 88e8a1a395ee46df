#include "platform/folder_path.h"

#include "namelist/mbcs.h"
#include "namelist/text_split.h"

namespace orvent {
namespace {

const int kRetryPauseMilliseconds = 100;

// Where the search for levels starts: behind the server name of a network
// path, which cannot be made.
std::size_t FirstLevelSearchStart(const std::string& directory) {
  if (directory.size() <= 2 || directory[0] != '\\' || directory[1] != '\\') return 0;
  const std::size_t serverEnd = FindChar(directory, '\\', 2);
  return serverEnd == std::string::npos ? directory.size() : serverEnd + 1;
}

}  // namespace

bool EnsureFolderPath(Platform& platform, const std::string& path, MakeFolderResult* lastFailure) {
  const FilePathParts parts = SplitFilePath(path);
  const std::string& drive = parts.drive;
  const std::string& directory = parts.directory;
  for (std::size_t at = FindChar(directory, '\\', FirstLevelSearchStart(directory));
       at != std::string::npos; at = FindChar(directory, '\\', at + 1)) {
    const std::string level = drive + directory.substr(0, at + 1);
    if (platform.Exists(level)) continue;
    const MakeFolderResult result = platform.MakeFolder(level);
    if (result != MakeFolderResult::kMade) {
      if (lastFailure != nullptr) *lastFailure = result;
      return false;
    }
  }
  return true;
}

bool EnsureFolderPathRetry(Platform& platform, const std::string& path, int seconds,
                           MakeFolderResult* lastFailure) {
  const int attempts = seconds * 10;
  for (int attempt = 0; attempt < attempts; ++attempt) {
    if (EnsureFolderPath(platform, path, lastFailure)) return true;
    platform.Sleep(kRetryPauseMilliseconds);
  }
  return false;
}

}  // namespace orvent
