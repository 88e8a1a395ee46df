// Byte-level text helpers: backslashes beside code page 932 trail bytes, and
// reading numbers as atoi does.
#include "namelist/mbcs.h"

#include <gtest/gtest.h>

#include <string>

#include "namelist/ascii_to_int.h"

namespace orvent {
namespace {

TEST(Backslashes, TrimsOnlyWholeBackslashes) {
  const struct {
    std::string text, stripped, withOne;
  } cases[] = {
      {"", "", "\\"},
      {"D:\\Work\\\\\\", "D:\\Work", "D:\\Work\\"},
      {"C:\\\x95\x5C", "C:\\\x95\x5C", "C:\\\x95\x5C\\"},
      {"C:\\\x83\x5C\\\\", "C:\\\x83\x5C", "C:\\\x83\x5C\\"},
      // A lead byte dangling at the end is dropped before one is added.
      {"C:\\\x83\x5C\x83", "C:\\\x83\x5C\x83", "C:\\\x83\x5C\\"},
      {"C:\\\\\x83", "C:\\\\\x83", "C:\\"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(StripTrailingBackslashes(c.text), c.stripped);
    EXPECT_EQ(WithTrailingBackslash(c.text), c.withOne);
    EXPECT_TRUE(EndsWithBackslash(c.withOne));
    EXPECT_EQ(WithTrailingBackslash(c.withOne), c.withOne);
  }
}

TEST(AsciiToInt, ReadsLikeAtoi) {
  const struct {
    std::string text;
    int value;
  } cases[] = {
      {"001 ", 1},
      {" \t\r\n\v\f-7x", -7},
      {"+5", 5},
      {"", 0},
      {"\x82\x4F", 0},  // a full-width digit is no digit
      {"-", 0},
      {"- 1", 0},
      {"2147483647", 2147483647},
      {"2147483648", 2147483647},
      {"99999999999999999999", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"-99999999999999999999", -2147483647 - 1},
  };
  for (const auto& c : cases) EXPECT_EQ(AsciiToInt(c.text), c.value) << c.text;
}

}  // namespace
}  // namespace orvent
