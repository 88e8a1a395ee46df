#include "project/app_catalogue.h"

#include "namelist/mbcs.h"

namespace orvent {

bool FindAppByDisplayName(std::string_view name, App* app) {
  for (int i = 0; i < kAppCatalogueSize; ++i) {
    if (EqualsNoCase(name, kAppCatalogue[i].displayName)) {
      *app = static_cast<App>(i);
      return true;
    }
  }
  return false;
}

}  // namespace orvent
