#include "namelist/ascii_to_int.h"

#include <gtest/gtest.h>

#include <string>

namespace orvent {
namespace {

struct IntCase {
  const char* name;
  std::string text;
  int value;
};

class AsciiToIntTest : public ::testing::TestWithParam<IntCase> {};

TEST_P(AsciiToIntTest, ReadsLikeAtoi) { EXPECT_EQ(AsciiToInt(GetParam().text), GetParam().value); }

const IntCase kIntCases[] = {
    {"Plain", "42", 42},
    {"LeadingZeros", "001 ", 1},
    {"LeadingWhiteSpace", " \t\r\n\v\f7", 7},
    {"Negative", "-3", -3},
    {"Plus", "+5", 5},
    {"DigitsThenText", "4x", 4},
    {"Text", "x", 0},
    {"Empty", "", 0},
    {"SignOnly", "-", 0},
    {"DoubleSign", "--1", 0},
    {"BlankAfterSign", "- 1", 0},
    {"Max", "2147483647", 2147483647},
    {"Min", "-2147483648", -2147483647 - 1},
    {"Overflow", "99999999999999999999", 2147483647},
    {"Underflow", "-99999999999999999999", -2147483647 - 1},
    {"JustOver", "2147483648", 2147483647},
    {"FullWidthDigitIsNoDigit", "\x82\x4F", 0},
};
INSTANTIATE_TEST_SUITE_P(Texts, AsciiToIntTest, ::testing::ValuesIn(kIntCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orvent
