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
  EXPECT_EQ(SplitText(c.text, c.delimiter, c.keepEmpty, &list), int(c.expected.size()));
  EXPECT_EQ(list, c.expected);
  EXPECT_EQ(SplitText(c.text, c.delimiter, c.keepEmpty, nullptr), int(c.expected.size()));
}

const SplitCase kSplitCases[] = {
    // Namelist lines.
    {"QuotedEquals", "Expr = \"x=1\"", "=", false, {"Expr", "x=1"}},
    {"NoValue", "key =", "=", false, {"key"}},
    {"EmptyQuotedValue", "key = \"\"", "=", false, {"key", ""}},
    {"OnlyDelimiters", " = = ", "=", false, {}},
    {"Empty", "", "=", true, {}},
    {"LoneQuoteAtEndOfRest", "Text = \"Hello", "=", false, {"Text", "Hello"}},
    {"DoubledQuoteKept", "Name = \"O\"\"Hara\"", "=", false, {"Name", "\"O\"\"Hara\""}},
    // Command lines.
    {"QuotedPathThenWord",
     "\"C:\\My Projects\\S.mbc\" x",
     " ",
     false,
     {"C:\\My Projects\\S.mbc", "x"}},
    {"QuoteRunShrinksDelimiters", "\"a  b\"", " ", false, {"a b"}},
    {"UnclosedQuoteTakesRest", "\"a b c", " ", false, {"a b c"}},
    {"QuoteInsideWordOpens", "ab\"c d\"", " ", false, {"ab\"c d\""}},
    {"LoneQuoteTokenIsEmpty", "\" x", " ", true, {"", "x"}},
    {"FullWidthSpaceSplits",
     "\x81\x40"
     "a\x81\x40"
     "b",
     " ",
     false,
     {"a", "b"}},
    // 0x81 0x40 across two characters: the tail of 0x81 0x81 and a real '@'.
    {"FullWidthSpaceOnlyWhole", "\x81\x81\x40", " ", false, {"\x81\x81\x40"}},
    {"FullWidthAfterKanji", "\x95\x5C\x81\x40x", " ", false, {"\x95\x5C", "x"}},
    // History values.
    {"KeepEmpty", ", ,a,,b,", ",", true, {"", "", "a", "", "b"}},
    {"DropEmpty", ", ,a,,b,", ",", false, {"a", "b"}},
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
    // Trail bytes 0x5C and 0x7C are no delimiters: ソ is 0x83 0x5C, ポ 0x83 0x7C.
    {"TrailBackslash", "\x83\x5C\x83\x74", "\\", true, {"\x83\x5C\x83\x74"}},
    {"TrailBar", "\x83\x7C|x", "|", true, {"\x83\x7C", "x"}},
};
INSTANTIATE_TEST_SUITE_P(Texts, SplitTextTest, ::testing::ValuesIn(kSplitCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct PathCase {
  const char* name;
  std::string path;
  Pieces parts;  // drive, directory, base name, extension
};

class SplitFilePathTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(SplitFilePathTest, GivesParts) {
  const PathCase& c = GetParam();
  Pieces parts(4, "x");
  SplitFilePath(c.path, &parts[0], &parts[1], &parts[2], &parts[3]);
  EXPECT_EQ(parts, c.parts);
  std::string baseName;
  SplitFilePath(c.path, nullptr, nullptr, &baseName, nullptr);
  EXPECT_EQ(baseName, c.parts[2]);
}

const PathCase kPaths[] = {
    {"Full", "C:\\P\\Site1.mbc", {"C:", "\\P\\", "Site1", ".mbc"}},
    {"NameOnly", "Site1.meg", {"", "", "Site1", ".meg"}},
    {"DotInFolder", "C:\\Old.set\\Site1", {"C:", "\\Old.set\\", "Site1", ""}},
    {"TwoDots", " ..\\ ", {"", "..\\", "", ""}},
    {"OneDot", ".", {"", ".\\", "", ""}},
    {"DotsInPath", "..\\a.b", {"", "..\\", "a", ".b"}},
    {"MixedSeparators", "D:a/b\\c", {"D:", "a/b\\", "c", ""}},
    {"LastDotWins", "a.tar.gz", {"", "", "a.tar", ".gz"}},
    {"LeadingDot", "\\p\\.ini", {"", "\\p\\", "", ".ini"}},
    {"Empty", "", {"", "", "", ""}},
    {"UntrimmedForParts", " C:\\a.b ", {"", " C:\\", "a", ".b "}},
    // ソフト holds 0x83 0x5C, 表示 holds 0x95 0x5C: neither trail byte is a separator.
    {"KatakanaFolder",
     "C:\\\x83\x5C\x83\x74\x83\x67\\\x95\x5C\x8E\xA6.mbc",
     {"C:", "\\\x83\x5C\x83\x74\x83\x67\\", "\x95\x5C\x8E\xA6", ".mbc"}},
    {"DirectoryAtLimit",
     "\\" + std::string(253, 'd') + "\\f",
     {"", "\\" + std::string(253, 'd') + "\\", "f", ""}},
    {"DirectoryTooLong", "\\" + std::string(254, 'd') + "\\f", {"", "", "", ""}},
    {"BaseNameTooLong", std::string(256, 'a') + ".x", {"", "", "", ""}},
    {"ExtensionTooLong", "a." + std::string(256, 'a'), {"", "", "", ""}},
};
INSTANTIATE_TEST_SUITE_P(Paths, SplitFilePathTest, ::testing::ValuesIn(kPaths),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orvent
