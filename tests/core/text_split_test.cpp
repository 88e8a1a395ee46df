#include "namelist/text_split.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvent {
namespace {

using Pieces = std::vector<std::string>;

struct SplitCase {
  const char* name;
  std::string text;
  std::string delimiter;
  bool keepEmpty;
  Pieces expected;
};

class SplitTextTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitTextTest, GivesPieces) {
  const SplitCase& c = GetParam();
  Pieces list = {"left over"};
  const int count = SplitText(c.text, c.delimiter, c.keepEmpty, &list);
  EXPECT_EQ(list, c.expected);
  EXPECT_EQ(count, static_cast<int>(c.expected.size()));
}

const SplitCase kNamelistLines[] = {
    {"KeyValue", "key = value", "=", false, {"key", "value"}},
    {"QuotedEquals", "Expr = \"x=1\"", "=", false, {"Expr", "x=1"}},
    {"ThreePieces", "a = b = c", "=", false, {"a", "b", "c"}},
    {"NoValue", "key =", "=", false, {"key"}},
    {"EmptyQuotedValue", "key = \"\"", "=", false, {"key", ""}},
    {"OnlyDelimiters", " = = ", "=", false, {}},
    {"Empty", "", "=", true, {}},
    {"LoneQuoteAtEndOfRest", "Text = \"Hello", "=", false, {"Text", "Hello"}},
    {"DoubledQuoteKept", "Name = \"O\"\"Hara\"", "=", false, {"Name", "\"O\"\"Hara\""}},
};
INSTANTIATE_TEST_SUITE_P(Namelist, SplitTextTest, ::testing::ValuesIn(kNamelistLines),
                         [](const auto& info) { return std::string(info.param.name); });

const SplitCase kCommandLines[] = {
    {"QuotedPathThenWord",
     "\"C:\\My Projects\\Site1.mbc\" next",
     " ",
     false,
     {"C:\\My Projects\\Site1.mbc", "next"}},
    {"RunsOfBlanks", "a   b  ", " ", false, {"a", "b"}},
    {"QuoteRunShrinksDelimiters", "\"a  b\"", " ", false, {"a b"}},
    {"UnclosedQuoteTakesRest", "\"a b c", " ", false, {"a b c"}},
    {"QuoteInsideWordOpens", "ab\"c d\"", " ", false, {"ab\"c d\""}},
    {"LoneQuoteTokenIsEmpty", "\" x", " ", true, {"", "x"}},
    {"FullWidthSpaceSplits",
     "a\x81\x40"
     "b",
     " ",
     false,
     {"a", "b"}},
    {"FullWidthSpaceTrimmed",
     "\x81\x40"
     "a\x81\x40",
     ",",
     false,
     {"a"}},
    // 0x81 0x40 across two characters: the tail of 0x81 0x81 and a real '@'.
    {"FullWidthSpaceOnlyWhole", "\x81\x81\x40", " ", false, {"\x81\x81\x40"}},
    {"FullWidthAfterKanji", "\x95\x5C\x81\x40x", " ", false, {"\x95\x5C", "x"}},
};
INSTANTIATE_TEST_SUITE_P(CommandLine, SplitTextTest, ::testing::ValuesIn(kCommandLines),
                         [](const auto& info) { return std::string(info.param.name); });

const SplitCase kHistoryValues[] = {
    {"KeepEmptyMiddle", "a,,b", ",", true, {"a", "", "b"}},
    {"KeepEmptyFirst", ",a", ",", true, {"", "a"}},
    {"NoEmptyLast", "a,b,", ",", true, {"a", "b"}},
    {"BlankBecomesEmpty", "a, ,b", ",", true, {"a", "", "b"}},
    {"DropEmpty", "a,,b,", ",", false, {"a", "b"}},
    {"QuotedDoubledDelimiter", "\"a,,b\",c", ",", true, {"a,b", "c"}},
    {"FourQuotesKept", "\"a\" \"b\"", ",", true, {"\"a\" \"b\""}},
    {"LeadingQuoteRemoved", "\"abc", ",", true, {"abc"}},
    {"InnerQuoteKept", "ab\"c", ",", true, {"ab\"c"}},
    {"WhiteSpaceOnly", " \t ", ",", false, {}},
    {"WhiteSpaceOnlyKept", " \t ", ",", true, {""}},
    {"QuotedKeepsInnerBlanks", " \" a \" ,x", ",", true, {" a ", "x"}},
    {"QuoteThenBlankNotStripped", "\"a, b\" ,c", ",", true, {"\"a, b\" ", "c"}},
    {"HistoryRow",
     " \"Site A\", \"Energy\", 0, \"D:\\Wind Work\\Site A\\\", \"JGD\",",
     ",",
     true,
     {"Site A", "Energy", "0", "D:\\Wind Work\\Site A\\", "JGD"}},
    {"MultiByteDelimiter", "a<>b<><>c", "<>", true, {"a", "b", "", "c"}},
    {"EmptyDelimiterNoCut", "a,b", "", true, {"a,b"}},
    // The trail byte 0x2C cannot occur, but 0x5C and 0x7C can: ソ is 0x83 0x5C.
    {"TrailBackslashNoDelimiter",
     "\x83\x5C\x83\x74\x83\x67",
     "\\",
     true,
     {"\x83\x5C\x83\x74\x83\x67"}},
    {"TrailBarNoDelimiter", "\x83\x7C|x", "|", true, {"\x83\x7C", "x"}},
};
INSTANTIATE_TEST_SUITE_P(HistoryValue, SplitTextTest, ::testing::ValuesIn(kHistoryValues),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SplitTextList, NullListStillCounts) { EXPECT_EQ(SplitText("a,b", ",", false, nullptr), 2); }

struct PathCase {
  const char* name;
  std::string path;
  std::string drive;
  std::string directory;
  std::string baseName;
  std::string extension;
};

class SplitFilePathTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(SplitFilePathTest, GivesParts) {
  const PathCase& c = GetParam();
  std::string drive = "x", directory = "x", baseName = "x", extension = "x";
  SplitFilePath(c.path, &drive, &directory, &baseName, &extension);
  EXPECT_EQ(drive, c.drive);
  EXPECT_EQ(directory, c.directory);
  EXPECT_EQ(baseName, c.baseName);
  EXPECT_EQ(extension, c.extension);
}

const std::string kLong(256, 'a');

const PathCase kPaths[] = {
    {"Full", "C:\\P\\Site1.mbc", "C:", "\\P\\", "Site1", ".mbc"},
    {"NameOnly", "Site1.meg", "", "", "Site1", ".meg"},
    {"DotInFolder", "C:\\Old.set\\Site1", "C:", "\\Old.set\\", "Site1", ""},
    {"TwoDots", "..", "", "..\\", "", ""},
    {"TwoDotsBackslash", " ..\\ ", "", "..\\", "", ""},
    {"OneDot", ".", "", ".\\", "", ""},
    {"OneDotBackslash", ".\\", "", ".\\", "", ""},
    {"DotsInPath", "..\\a.b", "", "..\\", "a", ".b"},
    {"ForwardSlashes", "C:/x/y.z", "C:", "/x/", "y", ".z"},
    {"MixedSeparators", "a/b\\c", "", "a/b\\", "c", ""},
    {"LastDotWins", "a.tar.gz", "", "", "a.tar", ".gz"},
    {"LeadingDot", "\\p\\.ini", "", "\\p\\", "", ".ini"},
    {"DriveOnly", "D:", "D:", "", "", ""},
    {"DriveRelative", "D:x.mbc", "D:", "", "x", ".mbc"},
    {"Unc", "\\\\srv\\share\\p.mbc", "", "\\\\srv\\share\\", "p", ".mbc"},
    {"Empty", "", "", "", "", ""},
    {"UntrimmedForParts", " C:\\a.b ", "", " C:\\", "a", ".b "},
    // ソフト holds 0x83 0x5C, 表示 holds 0x95 0x5C: neither trail byte is a separator.
    {"KatakanaFolder", "C:\\\x83\x5C\x83\x74\x83\x67\\\x95\x5C\x8E\xA6.mbc",
     "C:", "\\\x83\x5C\x83\x74\x83\x67\\", "\x95\x5C\x8E\xA6", ".mbc"},
    {"TrailBackslashLast", "C:\\d\\\x95\x5C", "C:", "\\d\\", "\x95\x5C", ""},
    {"DirectoryAtLimit", "\\" + std::string(253, 'd') + "\\f", "",
     "\\" + std::string(253, 'd') + "\\", "f", ""},
    {"DirectoryTooLong", "\\" + std::string(254, 'd') + "\\f", "", "", "", ""},
    {"BaseNameTooLong", kLong + ".x", "", "", "", ""},
    {"ExtensionTooLong", "a." + kLong, "", "", "", ""},
};
INSTANTIATE_TEST_SUITE_P(Paths, SplitFilePathTest, ::testing::ValuesIn(kPaths),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SplitFilePathOutputs, NullOutputsAreSkipped) {
  std::string baseName;
  SplitFilePath("C:\\P\\Site1.mbc", nullptr, nullptr, &baseName, nullptr);
  EXPECT_EQ(baseName, "Site1");
}

}  // namespace
}  // namespace orvent
