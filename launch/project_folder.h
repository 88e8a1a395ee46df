// What the grid's context menu does with a project's folder and path, besides
// what the buttons do.
#pragma once

#include <string>

#include "history/recent_history.h"
#include "platform/platform.h"

namespace orvent {

enum class FolderOpen {
  kOpened,
  kNotFound,   // the user is told
  kNotOpened,  // the system's file manager did not come
};

// Opens the folder of the project's file in the system's file manager, or
// the nearest folder above it that is still there.
[[nodiscard]] FolderOpen OpenProjectFolder(Platform& platform, const RecentEntry& entry);

}  // namespace orvent
