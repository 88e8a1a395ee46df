#include "project/project_name.h"

#include "namelist/mbcs.h"

namespace orvent {

bool HoldsForbiddenNameCharacter(const std::string& name) {
  for (char c : {'/', ':', ',', ';', '*', '?', '\\', '"', '<', '>', '|'}) {
    if (FindChar(name, c) != std::string::npos) return true;
  }
  return false;
}

}  // namespace orvent
