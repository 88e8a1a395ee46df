#include "project/app_catalogue.h"

#include <array>
#include <cstddef>
#include <string_view>

#include "namelist/mbcs.h"

namespace orvent {
namespace {

// The display names with their lengths known when compiling: every history row
// is looked up.
constexpr auto kDisplayNames = [] {
  std::array<std::string_view, kAppCatalogueSize> names{};
  for (std::size_t i = 0; i < names.size(); ++i) names[i] = kAppCatalogue[i].displayName;
  return names;
}();

}  // namespace

bool FindAppByDisplayName(std::string_view name, App* app) {
  for (int i = 0; i < kAppCatalogueSize; ++i) {
    if (EqualsNoCase(name, kDisplayNames[static_cast<std::size_t>(i)])) {
      *app = static_cast<App>(i);
      return true;
    }
  }
  return false;
}

}  // namespace orvent
