// Making every missing level of a folder path.
#pragma once

#include <string>

#include "platform/platform.h"

namespace orvent {

// Creates each missing level of the folder part of `path` (pass paths that
// end with a backslash; a file name is ignored). On a network path the
// server's level is left alone. False at the first level that cannot be
// made, with `lastFailure` (if given) telling why.
[[nodiscard]] bool EnsureFolderPath(Platform& platform, const std::string& path,
                                    MakeFolderResult* lastFailure = nullptr);

// EnsureFolderPath tried every 100 ms for `seconds`; true at the first success.
[[nodiscard]] bool EnsureFolderPathRetry(Platform& platform, const std::string& path, int seconds,
                                         MakeFolderResult* lastFailure = nullptr);

}  // namespace orvent
