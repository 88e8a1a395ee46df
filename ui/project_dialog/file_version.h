// The file version of the running executable, which new project files record.
#pragma once

#include <string>

#include "app/version_resource.h"

namespace orvent {

// The file version from the fixed version record; false, with all four
// numbers 0, when there is no resource or no record in it.
bool ReadFileVersion(VersionNumbers* version);

// The three-part text a new project file records, such as "6.0.0".
std::string ThreePartVersionText(const VersionNumbers& version);

}  // namespace orvent
