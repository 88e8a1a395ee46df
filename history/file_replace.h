// Replacing a file's contents so that it is either wholly old or wholly new.
#pragma once

#include <functional>
#include <string>

namespace orvent {

// Puts `bytes`, unchanged, in place of the file at `path`. They are written in
// one go to a file beside it whose name no other save uses (this process's id
// and a count), put on the disk, and that file is moved over the target. A
// target that exists but may not be written (read-only, or a folder) is left
// alone. On Windows a target that another program holds open is tried again
// for a short while, then written in place; a new file that another program
// (a scanner) holds open so is not moved and goes once it is free. A failure
// leaves the target as it was and no file of ours beside it. True exactly
// when the new content is in place. `beforeMove`, when given, is called with
// the new file's name just before the move (where the tests hold the file as
// a scanner would).
[[nodiscard]] bool ReplaceFileContents(
    const std::string& path, const std::string& bytes,
    const std::function<void(const std::string&)>& beforeMove = nullptr);

}  // namespace orvent
