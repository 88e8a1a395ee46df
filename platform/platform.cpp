#include "platform/platform.h"

#include <cstdlib>

namespace orvent {
namespace {
Platform* g_platform = nullptr;
}

Platform& CurrentPlatform() {
  // Using the services before one is installed is a programming error.
  if (g_platform == nullptr) std::abort();
  return *g_platform;
}

void SetCurrentPlatform(Platform* platform) { g_platform = platform; }

}  // namespace orvent
