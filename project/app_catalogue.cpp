#include "project/app_catalogue.h"

#include <cstring>

#include "namelist/mbcs.h"

namespace orvent {

bool FindAppByDisplayName(const std::string& name, App* app) {
  for (int i = 0; i < kAppCatalogueSize; ++i) {
    const char* displayName = kAppCatalogue[i].displayName;
    if (name.size() == std::strlen(displayName) && EqualsNoCase(name, displayName)) {
      *app = static_cast<App>(i);
      return true;
    }
  }
  return false;
}

}  // namespace orvent
