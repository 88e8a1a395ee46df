#include "namelist/namelist_writer.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "namelist/namelist_reader.h"
#include "tests/core/test_support.h"

namespace orvent {
namespace {

// What one writing operation puts in a file.
std::string Written(const std::function<void(TextFile*)>& write) {
  test::ScratchFolder folder;
  const std::string path = folder.File("out.txt");
  TextFile file;
  EXPECT_TRUE(file.Create(path));
  write(&file);
  EXPECT_TRUE(file.Close());
  return test::ReadBytes(path);
}

struct CommentCase {
  const char* name;
  const char* text;
  std::string comment;
};

class MakeNamelistCommentTest : public ::testing::TestWithParam<CommentCase> {};

TEST_P(MakeNamelistCommentTest, Builds) {
  EXPECT_EQ(MakeNamelistComment(GetParam().text), GetParam().comment);
}

const CommentCase kCommentCases[] = {
    {"Null", nullptr, ""},
    {"Empty", "", ""},
    {"WhiteSpace", " \t ", ""},
    {"OnlyBangs", " !!! ", ""},
    {"Plain", "Comment", "\t! Comment"},
    {"OwnBang", "! Comment", "\t! Comment"},
    {"TwoBangs", "!! Comment", "\t! Comment"},
    {"Trimmed", "  Comment  ", "\t! Comment"},
    {"InnerBangStays", "a ! b", "\t! a ! b"},
    {"MultiByte", "\x91\xAA\x92\x6E\x8C\x6E", "\t! \x91\xAA\x92\x6E\x8C\x6E"},
};
INSTANTIATE_TEST_SUITE_P(Texts, MakeNamelistCommentTest, ::testing::ValuesIn(kCommentCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct LineCase {
  const char* name;
  std::function<void(TextFile*)> write;
  std::string bytes;
};

class NamelistWriteTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(NamelistWriteTest, WritesLine) { EXPECT_EQ(Written(GetParam().write), GetParam().bytes); }

const LineCase kLineCases[] = {
    {"Comment", [](TextFile* f) { WriteNamelistComment(f, " === X ==="); }, "! === X ===\r\n"},
    {"CommentNoSpaceAdded", [](TextFile* f) { WriteNamelistComment(f, "x"); }, "!x\r\n"},
    {"BlankLine", [](TextFile* f) { WriteNamelistBlankLine(f); }, "\r\n"},
    {"GroupStart", [](TextFile* f) { WriteNamelistGroupStart(f, "G", nullptr); }, "&G\r\n"},
    {"GroupStartComment", [](TextFile* f) { WriteNamelistGroupStart(f, "G", "!c"); },
     "&G\t! c\r\n"},
    {"GroupEnd", [](TextFile* f) { WriteNamelistGroupEnd(f); }, "/\r\n"},
    {"Text", [](TextFile* f) { WriteNamelistString(f, "FileVersion", "1.0.0.0", nullptr, false); },
     "FileVersion = 1.0.0.0,\r\n"},
    {"TextTrimmed", [](TextFile* f) { WriteNamelistString(f, "K", "  v \t", nullptr, false); },
     "K = v,\r\n"},
    {"KeyUntrimmed", [](TextFile* f) { WriteNamelistString(f, " K ", "v", nullptr, false); },
     " K  = v,\r\n"},
    {"TextComment", [](TextFile* f) { WriteNamelistString(f, "K", "v", "note", false); },
     "K = v,\t! note\r\n"},
    {"EmptyUnquotedNoLine", [](TextFile* f) { WriteNamelistString(f, "K", "", "c", false); }, ""},
    {"BlankUnquotedNoLine", [](TextFile* f) { WriteNamelistString(f, "K", "   ", "c", false); },
     ""},
    {"EmptyQuoted", [](TextFile* f) { WriteNamelistString(f, "K", "", nullptr, true); },
     "K = '',\r\n"},
    {"BlankQuotedKeepsInside",
     [](TextFile* f) { WriteNamelistString(f, "K", "  ", nullptr, true); }, "K = '  ',\r\n"},
    {"QuoteNotDoubled", [](TextFile* f) { WriteNamelistString(f, "K", "O'Hara", nullptr, true); },
     "K = 'O'Hara',\r\n"},
    {"BangUnchanged", [](TextFile* f) { WriteNamelistString(f, "K", "a!b", nullptr, false); },
     "K = a!b,\r\n"},
    {"Int", [](TextFile* f) { WriteNamelistInt(f, "Key", 0, nullptr); }, "Key = 0,\r\n"},
    {"IntNegative", [](TextFile* f) { WriteNamelistInt(f, "Key", -3, nullptr); }, "Key = -3,\r\n"},
    {"IntExtremes", [](TextFile* f) { WriteNamelistInt(f, "K", -2147483647 - 1, " "); },
     "K = -2147483648,\r\n"},
    {"IntComment", [](TextFile* f) { WriteNamelistInt(f, "P", 2, "0:A, 1:B"); },
     "P = 2,\t! 0:A, 1:B\r\n"},
};
INSTANTIATE_TEST_SUITE_P(Lines, NamelistWriteTest, ::testing::ValuesIn(kLineCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct RoundTripCase {
  const char* name;
  std::string value;
  bool quoted;
  std::string readBack;
};

class NamelistRoundTripTest : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(NamelistRoundTripTest, ReadsBack) {
  const RoundTripCase& c = GetParam();
  test::ScratchFolder folder;
  const std::string path = folder.File("round.txt");
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
  EXPECT_EQ(ReadNamelistValue(&file, "G", "Key"), c.readBack);
  EXPECT_EQ(ReadNamelistValue(&file, "G", "Number"), "-17");
}

const RoundTripCase kRoundTrips[] = {
    {"Plain", "1.0.0.0", false, "1.0.0.0"},
    {"Trimmed", "  abc  ", false, "abc"},
    {"Quoted", "WGS84", true, "WGS84"},
    {"QuotedBlanksInside", " a b ", true, " a b "},
    {"QuotedEquals", "x=1", true, "x=1"},
    {"MultiByte", "\x95\x5C\x8E\xA6", false, "\x95\x5C\x8E\xA6"},
    {"MultiByteQuoted", "\x83\x5C\x83\x74\x83\x67", true, "\x83\x5C\x83\x74\x83\x67"},
    {"BangCuts", "a!b", false, "a"},
};
INSTANTIATE_TEST_SUITE_P(Values, NamelistRoundTripTest, ::testing::ValuesIn(kRoundTrips),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orvent
