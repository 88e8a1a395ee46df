#include "namelist/namelist_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/core/test_support.h"

namespace orvent {
namespace {

std::string CrLf(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  return bytes;
}

// An open file holding the given bytes.
class OpenText {
 public:
  explicit OpenText(const std::string& bytes) {
    const std::string path = folder_.File("namelist.txt");
    EXPECT_TRUE(test::WriteBytes(path, bytes));
    EXPECT_TRUE(file.OpenRead(path));
  }
  TextFile file;

 private:
  test::ScratchFolder folder_;
};

struct CleanCase {
  const char* name;
  std::string line;
  bool kept;
  std::string cleaned;
};

class CleanNamelistLineTest : public ::testing::TestWithParam<CleanCase> {};

TEST_P(CleanNamelistLineTest, Cleans) {
  const CleanCase& c = GetParam();
  std::string line = c.line;
  EXPECT_EQ(CleanNamelistLine(&line), c.kept);
  if (c.kept) {
    EXPECT_EQ(line, c.cleaned);
  }
}

const CleanCase kCleanCases[] = {
    {"Empty", "", false, ""},
    {"WhiteSpace", " \t\r", false, ""},
    {"Comment", "  ! note", false, ""},
    {"GroupEnd", "/", false, ""},
    {"TrailingComment", "a = 1,\t! note", true, "a = 1"},
    {"BangInsideQuotes", "T = 'Hello! World',", true, "T = 'Hello"},
    {"CommaRun", "a = 1,,,", true, "a = 1"},
    {"BlankBeforeCommasStays", "a = 1 ,,", true, "a = 1 "},
    {"OnlyCommas", ",,,", false, ""},
    {"CommaThenComment", "a = 1, ! x", true, "a = 1"},
    {"CarriageReturn", "a = 1,\r", true, "a = 1"},
    {"Header", "&General_Parameters ! main", true, "&General_Parameters"},
    {"MultiByte", "L = \x95\x5C\x8E\xA6,", true, "L = \x95\x5C\x8E\xA6"},
};
INSTANTIATE_TEST_SUITE_P(Lines, CleanNamelistLineTest, ::testing::ValuesIn(kCleanCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct ValueCase {
  const char* name;
  std::vector<std::string> lines;
  std::string key;
  std::string value;
};

class ReadNamelistValueTest : public ::testing::TestWithParam<ValueCase> {};

TEST_P(ReadNamelistValueTest, FindsValue) {
  const ValueCase& c = GetParam();
  OpenText text(CrLf(c.lines));
  EXPECT_EQ(ReadNamelistValue(&text.file, "General_Parameters", c.key), c.value);
  // Each lookup starts from the top, so a second one gives the same.
  EXPECT_EQ(ReadNamelistValue(&text.file, "General_Parameters", c.key), c.value);
}

const char kG[] = "&General_Parameters";

const ValueCase kValueCases[] = {
    {"Plain", {kG, "FileVersion = 1.0.0.0,", "/"}, "FileVersion", "1.0.0.0"},
    {"TabComment", {kG, "ProjectType = 2,\t! comment", "/"}, "ProjectType", "2"},
    {"NoValueIsNoKeyLine", {kG, "key =", "/"}, "key", ""},
    {"CommaOnlyIsNoKeyLine", {kG, "key = ,", "/"}, "key", ""},
    {"LaterLineAfterEmpty", {kG, "key = ,", "key = 5,", "/"}, "key", "5"},
    {"EmptyQuotes", {kG, "key = '',", "/"}, "key", ""},
    {"SingleQuoted", {kG, "Name = 'abc',"}, "Name", "abc"},
    {"DoubleQuoted", {kG, "Name = \"abc\","}, "Name", "abc"},
    {"EqualsInQuotes", {kG, "Expr = 'x=1',"}, "Expr", "x=1"},
    {"CommaInQuotes", {kG, "Label = 'a, b',"}, "Label", "a, b"},
    {"DoubledQuoteKept", {kG, "Name = 'O''Hara',"}, "Name", "O\"\"Hara"},
    {"ListOfQuoted", {kG, "Names = 'a', 'b',"}, "Names", "\"a\", \"b\""},
    {"ContinuationQuoted", {kG, "Names = 'a',", "'b',"}, "Names", "a, \"b\""},
    {"Continuation", {kG, "Values = 1, 2,", "3, 4,"}, "Values", "1, 2, 3, 4"},
    {"ContinuationOverGroupEnd", {kG, "Values = 1, 2,", "/", "3, 4,"}, "Values", "1, 2, 3, 4"},
    {"ContinuationOverComment", {kG, "Values = 1,", "! c", "", "2,"}, "Values", "1, 2"},
    {"ContinuationStopsAtGroup", {kG, "Values = 1, 2,", "&Next", "3, 4,"}, "Values", "1, 2"},
    {"ContinuationStopsAtKey", {kG, "Values = 1, 2,", "Other = 3,"}, "Values", "1, 2"},
    {"ContinuationOfEmptyStart", {kG, "V = '',", "x,"}, "V", "x"},
    {"ContinuationWithoutPieces", {kG, "V = 1,", "= =", "2"}, "V", "1, 2"},
    {"ThreePieces", {kG, "a = b = c"}, "a", "b"},
    {"BangCutsInsideQuotes", {kG, "Text = 'Hello! World',"}, "Text", "Hello"},
    {"BeforeFirstGroupNotFound", {"Key = 1,", kG, "Other = 2,"}, "Key", ""},
    {"OtherGroupNotFound", {kG, "A = 1,", "/", "&Other", "Key = 2,", "/"}, "Key", ""},
    {"OnlyFirstGroupSearched", {kG, "A = 1,", "/", kG, "Key = 2,", "/"}, "Key", ""},
    {"AfterGroupEndStillInGroup", {kG, "A = 1,", "/", "Key = 2,"}, "Key", "2"},
    {"WantedKeyWithSpace", {kG, "ProjectType = 1,"}, "Project Type", "1"},
    {"PercentIsDot", {kG, "A.B = 3,"}, "a%b", "3"},
    {"SpacedKeyInFile", {kG, "A . B = 3,"}, "a%b", "3"},
    {"PercentInFile", {kG, "a%b = 4,"}, "A.B", "4"},
    {"TabInKeyNotRemoved", {kG, "A\tB = 3,"}, "AB", ""},
    {"KeyCase", {kG, "FILEVERSION = 2,"}, "fileversion", "2"},
    {"EmptyKey", {kG, "= 3,"}, " ", ""},
    {"FirstMatchWins", {kG, "K = 1,", "K = 2,"}, "K", "1"},
    {"HeaderWithComma", {"&General_Parameters,", "K = 1,"}, "K", "1"},
    {"HeaderWithSpace", {"& general_parameters", "K = 1,"}, "K", "1"},
    {"HeaderWithComment", {"&General_Parameters ! main", "K = 1,"}, "K", "1"},
    {"LfOnly", {"&General_Parameters\nK = 9,\n"}, "K", "9"},
    {"MultiByteValue", {kG, "L = '\x95\x5C\x8E\xA6',"}, "L", "\x95\x5C\x8E\xA6"},
    // The trail byte 0x41 of one character is no 'A' to fold to 'a'.
    {"CaseNotFoldedInTrailByte", {kG, "\x83\x61 = 1,"}, "\x83\x41", ""},
    {"FullWidthSpaceInKey",
     {kG,
      "A\x81\x40"
      "B = 5,"},
     "AB",
     "5"},
};
INSTANTIATE_TEST_SUITE_P(Files, ReadNamelistValueTest, ::testing::ValuesIn(kValueCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReadNamelistValueFile, EmptyFileGivesEmpty) {
  OpenText text("");
  EXPECT_EQ(ReadNamelistValue(&text.file, "General_Parameters", "K"), "");
}

struct GroupCase {
  const char* name;
  std::string bytes;
  std::string group;
  std::int64_t position;
};

class FindNamelistGroupTest : public ::testing::TestWithParam<GroupCase> {};

TEST_P(FindNamelistGroupTest, StandsAfterHeader) {
  const GroupCase& c = GetParam();
  OpenText text(c.bytes);
  EXPECT_EQ(FindNamelistGroup(&text.file, c.group), c.position);
  if (c.position > 0) {
    EXPECT_EQ(text.file.Position(), c.position);
  }
}

const GroupCase kGroupCases[] = {
    {"First", "&RecentProject\r\nx\r\n", "RecentProject", 16},
    {"AfterComments", "! c\r\n&recentproject\r\n", "RecentProject", 21},
    {"LfOnly", "! c\n&RecentProject\n", "RecentProject", 19},
    {"Indented", "  & RecentProject, ! c\r\n", "RecentProject", 24},
    // Cleaning keeps the blank before a trailing comma, and the name with it.
    {"BlankBeforeComma", "&RecentProject ,\r\n", "RecentProject", 0},
    {"Missing", "&Other\r\n/\r\n", "RecentProject", 0},
    {"LoneAmpersand", "&\r\n", "", 0},
    {"CommentedOut", "! &RecentProject\r\n", "RecentProject", 0},
    {"Prefix", "&RecentProjects\r\n", "RecentProject", 0},
    {"SecondHeaderOfSameName", "&A\r\n&B\r\n&A\r\n", "b", 8},
};
INSTANTIATE_TEST_SUITE_P(Files, FindNamelistGroupTest, ::testing::ValuesIn(kGroupCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FindNamelistGroupFile, SearchesFromTheStartEachTime) {
  OpenText text(CrLf({"&A", "&B", "x"}));
  EXPECT_EQ(FindNamelistGroup(&text.file, "B"), 8);
  EXPECT_EQ(FindNamelistGroup(&text.file, "A"), 4);
  std::string line;
  ASSERT_TRUE(text.file.ReadLine(&line));
  EXPECT_EQ(line, "&B");
}

struct LogicalCase {
  const char* name;
  std::string line;
  std::string value;
  bool flag;  // expected flag; starts as the opposite when the value is empty
};

class ReadNamelistLogicalTest : public ::testing::TestWithParam<LogicalCase> {};

TEST_P(ReadNamelistLogicalTest, SetsFlag) {
  const LogicalCase& c = GetParam();
  OpenText text(CrLf({kG, c.line}));
  bool flag = c.value.empty() ? c.flag : !c.flag;
  EXPECT_EQ(ReadNamelistLogical(&text.file, "General_Parameters", "AtlasMode", &flag), c.value);
  EXPECT_EQ(flag, c.flag);
}

const LogicalCase kLogicalCases[] = {
    {"True", "AtlasMode = .true.,", ".true.", true},
    {"TrueUpper", "AtlasMode = .TRUE.,", ".TRUE.", true},
    {"T", "AtlasMode = T,", "T", true},
    {"LowerT", "AtlasMode = t,", "t", true},
    {"DotT", "AtlasMode = .T.,", ".T.", false},
    {"False", "AtlasMode = .false.,", ".false.", false},
    {"F", "AtlasMode = F,", "F", false},
    {"One", "AtlasMode = 1,", "1", false},
    {"QuotedTrue", "AtlasMode = '.true.',", ".true.", true},
    {"AbsentKeepsTrue", "Other = F,", "", true},
    {"AbsentKeepsFalse", "Other = T,", "", false},
    {"EmptyKeepsFlag", "AtlasMode = '',", "", true},
};
INSTANTIATE_TEST_SUITE_P(Values, ReadNamelistLogicalTest, ::testing::ValuesIn(kLogicalCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orvent
