#include "launch/app_catalogue.h"

#include <gtest/gtest.h>

#include <string>

namespace orvent {
namespace {

TEST(AppCatalogueTable, RowsAndConstants) {
  const char* const expected[kAppCatalogueSize][3] = {
      {"Basic", "ORVENTBasic.exe", ""},
      {"Energy", "ORVENTEnergy.exe", ""},
      {"Wind Climate", "ORVENTEnergy.exe", "/weng"},
      {"Design Wind Speed", "ORVENTEnergy.exe", "/design"},
      {"Extreme Wind", "ORVENTExtremeWind.exe", "/dws2"},
      {"Wind Farm", "ORVENTWindFarm.exe", "/windpower"},
  };
  for (int i = 0; i < kAppCatalogueSize; ++i) {
    EXPECT_STREQ(AppCatalogue[i].displayName, expected[i][0]) << i;
    EXPECT_STREQ(AppCatalogue[i].executable, expected[i][1]) << i;
    EXPECT_STREQ(AppCatalogue[i].option, expected[i][2]) << i;
  }
  EXPECT_STREQ(kBasicExtremeWindExecutable, "ORVENTBasicEW.exe");
  EXPECT_STREQ(kNoFmOption, "/nofm");
}

struct FindCase {
  const char* name;
  std::string displayName;
  int index;
};

class FindAppTest : public ::testing::TestWithParam<FindCase> {};

TEST_P(FindAppTest, MatchesIgnoringCase) {
  EXPECT_EQ(FindAppByDisplayName(GetParam().displayName), GetParam().index);
  if (GetParam().index >= 0) {
    EXPECT_TRUE(AppDisplayName(GetParam().index) == AppCatalogue[GetParam().index].displayName);
  }
}

const FindCase kFindCases[] = {
    {"Exact", "Energy", 1},   {"Lower", "energy", 1},   {"Mixed", "wInD cLiMaTe", 2},
    {"Last", "WIND FARM", 5}, {"Padded", " Basic", -1}, {"Prefix", "Wind", -1},
    {"Empty", "", -1},        {"Number", "1", -1},
};
INSTANTIATE_TEST_SUITE_P(Names, FindAppTest, ::testing::ValuesIn(kFindCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AppDisplayNameRange, OutsideTableIsEmpty) {
  EXPECT_EQ(AppDisplayName(-1), "");
  EXPECT_EQ(AppDisplayName(kAppCatalogueSize), "");
  EXPECT_EQ(AppDisplayName(3), "Design Wind Speed");
}

}  // namespace
}  // namespace orvent
