#include "launch/manual.h"

namespace orvent {

bool OpenManual(Platform& platform, const std::string& programFolder) {
  return platform.ShellOpen(programFolder + kManualFileName);
}

}  // namespace orvent
