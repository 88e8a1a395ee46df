// Opening a C stream as fopen does: shared with other programs for reading and
// writing. MSVC's runtime deprecates fopen, and its fopen_s shares nothing, so
// there the same is asked of _fsopen.
#pragma once

#include <cstdio>
#include <string>

#ifdef _MSC_VER
#include <share.h>
#endif

namespace orvent {

[[nodiscard]] inline std::FILE* OpenFile(const std::string& path, const char* mode) {
#ifdef _MSC_VER
  return _fsopen(path.c_str(), mode, _SH_DENYNO);
#else
  return std::fopen(path.c_str(), mode);
#endif
}

}  // namespace orvent
