// Replacing a file's contents so that it is either wholly old or wholly new.
#pragma once

#include <string>

namespace orvent {

// Puts `bytes`, unchanged, in place of the file at `path`. They are written in
// one go to a file beside it whose name no other save uses (this process's id
// and a count), put on the disk, and that file is moved over the target. A
// target that exists but may not be written (read-only, or a folder) is left
// alone. On Windows a target that another program holds open is tried again
// for a short while, then written in place. A failure leaves the target as it
// was and no file of ours beside it. True exactly when the new content is in
// place.
[[nodiscard]] bool ReplaceFileContents(const std::string& path, const std::string& bytes);

}  // namespace orvent
