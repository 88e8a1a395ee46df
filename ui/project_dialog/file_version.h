// The file version of the running executable, from its own version resource.
#pragma once

#include <string>

namespace orvent {

struct FileVersionNumbers {
  unsigned majorPart = 0;
  unsigned minorPart = 0;
  unsigned build = 0;
  unsigned revision = 0;
};

// Finds the fixed version record in the version resource; false, with all
// four numbers 0, when there is no resource or no record in it.
bool ReadFileVersion(FileVersionNumbers* version);

// The three-part text a new project file records, such as "6.0.0".
std::string ThreePartVersionText(const FileVersionNumbers& version);

}  // namespace orvent
