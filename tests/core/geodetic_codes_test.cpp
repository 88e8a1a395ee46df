#include "project/geodetic_codes.h"

#include <gtest/gtest.h>

#include <string>

namespace orvent {
namespace {

TEST(GeodeticCodes, IndexOfAGeodeticNameToItsCode) {
  const struct {
    int index;
    const char* code;
  } cases[] = {{-1, "TD"}, {0, "TD"},  {1, "TD"},  {2, "TD"},
               {3, "WGS"}, {4, "JGD"}, {5, "JGD"}, {6, "TD"}};
  for (const auto& c : cases) EXPECT_STREQ(GeodeticCodeForIndex(c.index), c.code) << c.index;
}

}  // namespace
}  // namespace orvent
