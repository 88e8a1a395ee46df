#include "project/app_catalogue.h"

#include <gtest/gtest.h>

#include <string>

#include "namelist/mbcs.h"

namespace orvent {
namespace {

TEST(AppCatalogue, FindsDisplayNameIgnoringCaseAndNamesRows) {
  const struct {
    std::string displayName;
    int index;
  } cases[] = {{"Basic", 0},   {"wInD cLiMaTe", 2}, {"WIND FARM", 5},
               {" Basic", -1}, {"Wind", -1},        {"", -1},
               {"1", -1}};
  for (const auto& c : cases) {
    EXPECT_EQ(FindAppByDisplayName(c.displayName), c.index) << c.displayName;
    if (c.index >= 0) {
      EXPECT_TRUE(EqualsNoCase(AppDisplayName(c.index), c.displayName));
    }
  }
  EXPECT_EQ(AppDisplayName(-1), "");
  EXPECT_EQ(AppDisplayName(kAppCatalogueSize), "");
}

}  // namespace
}  // namespace orvent
