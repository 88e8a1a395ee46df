#include "namelist/mbcs.h"

#include <gtest/gtest.h>

#include <string>

namespace orvent {
namespace {

struct BackslashCase {
  const char* name;
  std::string text;
  std::string stripped;
  std::string withOne;
};

class BackslashTest : public ::testing::TestWithParam<BackslashCase> {};

TEST_P(BackslashTest, TrimsOnlyWholeBackslashes) {
  const BackslashCase& c = GetParam();
  EXPECT_EQ(StripTrailingBackslashes(c.text), c.stripped);
  EXPECT_EQ(WithTrailingBackslash(c.text), c.withOne);
  EXPECT_TRUE(EndsWithBackslash(c.withOne));
  // Adding one again changes nothing.
  EXPECT_EQ(WithTrailingBackslash(c.withOne), c.withOne);
}

const BackslashCase kBackslashCases[] = {
    {"Empty", "", "", "\\"},
    {"None", "D:\\Work", "D:\\Work", "D:\\Work\\"},
    {"Several", "D:\\Work\\\\\\", "D:\\Work", "D:\\Work\\"},
    {"TrailByteKept", "C:\\\x95\x5C", "C:\\\x95\x5C", "C:\\\x95\x5C\\"},
    {"TrailByteThenBackslashes", "C:\\\x83\x5C\\\\", "C:\\\x83\x5C", "C:\\\x83\x5C\\"},
    {"DanglingLeadByteDropped", "C:\\\x83\x5C\x83", "C:\\\x83\x5C\x83", "C:\\\x83\x5C\\"},
    {"DanglingAfterBackslash", "C:\\\\\x83", "C:\\\\\x83", "C:\\"},
};
INSTANTIATE_TEST_SUITE_P(Paths, BackslashTest, ::testing::ValuesIn(kBackslashCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orvent
