#include "namelist/namelist_writer.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "namelist/namelist_reader.h"
#include "tests/support/test_support.h"

namespace orvent {
namespace {

TEST(MakeNamelistComment, Builds) {
  const struct {
    const char* text;
    std::string comment;
  } cases[] = {
      {nullptr, ""},          {" \t ", ""}, {" !!! ", ""}, {"  !! Comment  ", "\t! Comment"},
      {"a ! b", "\t! a ! b"},
  };
  for (const auto& c : cases) EXPECT_EQ(MakeNamelistComment(c.text), c.comment);
}

struct LineCase {
  const char* name;
  std::function<void(TextFile*)> write;
  std::string bytes;
};

class NamelistWriteTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(NamelistWriteTest, WritesLine) {
  test::ScratchFolder folder;
  const std::string path = folder.File("out.txt");
  TextFile file;
  ASSERT_TRUE(file.Create(path));
  GetParam().write(&file);
  ASSERT_TRUE(file.Close());
  EXPECT_EQ(test::ReadBytes(path), GetParam().bytes);
}

const LineCase kLineCases[] = {
    {"Comment", [](TextFile* f) { WriteNamelistComment(f, " === X ==="); }, "! === X ===\r\n"},
    {"BlankLine", [](TextFile* f) { WriteNamelistBlankLine(f); }, "\r\n"},
    {"GroupStart", [](TextFile* f) { WriteNamelistGroupStart(f, "G", nullptr); }, "&G\r\n"},
    {"GroupStartComment", [](TextFile* f) { WriteNamelistGroupStart(f, "G", "!c"); },
     "&G\t! c\r\n"},
    {"GroupEnd", [](TextFile* f) { WriteNamelistGroupEnd(f); }, "/\r\n"},
    {"TextTrimmedKeyNot",
     [](TextFile* f) { WriteNamelistString(f, " K ", "  v \t", "note", false); },
     " K  = v,\t! note\r\n"},
    {"BlankUnquotedNoLine", [](TextFile* f) { WriteNamelistString(f, "K", "   ", "c", false); },
     ""},
    {"EmptyQuoted", [](TextFile* f) { WriteNamelistString(f, "K", "", nullptr, true); },
     "K = '',\r\n"},
    {"BlankQuotedKeepsInside",
     [](TextFile* f) { WriteNamelistString(f, "K", "  ", nullptr, true); }, "K = '  ',\r\n"},
    {"QuoteNotDoubled", [](TextFile* f) { WriteNamelistString(f, "K", "O'Hara", nullptr, true); },
     "K = 'O'Hara',\r\n"},
    {"IntMin", [](TextFile* f) { WriteNamelistInt(f, "K", -2147483647 - 1, " "); },
     "K = -2147483648,\r\n"},
    {"IntComment", [](TextFile* f) { WriteNamelistInt(f, "P", 2, "0:A, 1:B"); },
     "P = 2,\t! 0:A, 1:B\r\n"},
};
INSTANTIATE_TEST_SUITE_P(Lines, NamelistWriteTest, ::testing::ValuesIn(kLineCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NamelistRoundTrip, ReadsBack) {
  const struct {
    std::string value;
    bool quoted;
    std::string readBack;
  } cases[] = {
      {"  abc  ", false, "abc"}, {" a b ", true, " a b "},
      {"x=1", true, "x=1"},      {"\x83\x5C\x83\x74\x83\x67", true, "\x83\x5C\x83\x74\x83\x67"},
      {"a!b", false, "a"},
  };
  test::ScratchFolder folder;
  const std::string path = folder.File("round.txt");
  for (const auto& c : cases) {
    {
      TextFile file;
      ASSERT_TRUE(file.Create(path));
      WriteNamelistGroupStart(&file, "G", "group");
      WriteNamelistString(&file, "Key", c.value, "a comment", c.quoted);
      WriteNamelistInt(&file, "Number", -17, nullptr);
      WriteNamelistGroupEnd(&file);
    }
    TextFile file;
    ASSERT_TRUE(file.OpenRead(path));
    EXPECT_EQ(ReadNamelistValue(&file, "G", "Key"), c.readBack) << c.value;
    EXPECT_EQ(ReadNamelistValue(&file, "G", "Number"), "-17");
  }
}

}  // namespace
}  // namespace orvent
