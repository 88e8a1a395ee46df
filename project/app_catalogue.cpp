#include "project/app_catalogue.h"

#include <cstring>

#include "namelist/mbcs.h"

namespace orvent {

int FindAppByDisplayName(const std::string& name) {
  for (int i = 0; i < kAppCatalogueSize; ++i) {
    const char* displayName = kAppCatalogue[i].displayName;
    if (name.size() == std::strlen(displayName) && EqualsNoCase(name, displayName)) return i;
  }
  return -1;
}

const char* AppDisplayName(int index) {
  if (index < 0 || index >= kAppCatalogueSize) return "";
  return kAppCatalogue[index].displayName;
}

}  // namespace orvent
