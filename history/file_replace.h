// Replacing a file by another in one step.
#pragma once

#include <string>

namespace orvent {

// Moves `source` over `target` so that the target is either wholly old or
// wholly new, never partly written. A target that exists but may not be
// written (read-only, or a folder) is left alone and the result is false.
[[nodiscard]] bool MoveFileOver(const std::string& source, const std::string& target);

// Puts `bytes`, unchanged, in place of the file at `path`: they are written to
// path + ".tmp" in one go, put on the disk, and that file is moved over the
// target. A failure leaves the target as it was and no file of ours beside it.
// True exactly when the new content is in place.
[[nodiscard]] bool ReplaceFileContents(const std::string& path, const std::string& bytes);

}  // namespace orvent
