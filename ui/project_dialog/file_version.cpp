#include "ui/project_dialog/file_version.h"

#include <cstdio>

namespace orvent {

bool ReadFileVersion(VersionNumbers* version) {
  return ReadVersionRecord(kFileVersionOffset, version);
}

std::string ThreePartVersionText(const VersionNumbers& version) {
  char text[40];
  std::snprintf(text, sizeof text, "%u.%u.%u", version.majorPart, version.minorPart,
                version.build);
  return text;
}

}  // namespace orvent
