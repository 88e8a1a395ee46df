#include "namelist/namelist_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/test_support.h"

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

TEST(CleanNamelistLine, Cleans) {
  const struct {
    std::string line;
    bool kept;
    std::string cleaned;
  } cases[] = {
      {" \t\r", false, ""},
      {"  ! note", false, ""},
      {"/", false, ""},
      {",,,", false, ""},
      {"a = 1,\t! note", true, "a = 1"},
      {"T = 'Hello! World',", true, "T = 'Hello"},  // a "!" cuts even inside quotes
      {"a = 1 ,,", true, "a = 1 "},
  };
  for (const auto& c : cases) {
    std::string line = c.line;
    EXPECT_EQ(CleanNamelistLine(&line), c.kept) << c.line;
    if (c.kept) {
      EXPECT_EQ(line, c.cleaned);
    }
  }
}

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
    {"Plain", {kG, "FileVersion = 1.0.0.0,\t! comment", "/"}, "FileVersion", "1.0.0.0"},
    {"EmptyFile", {}, "K", ""},
    {"LaterLineAfterEmpty", {kG, "key = ,", "key = 5,", "/"}, "key", "5"},
    {"EmptyQuotes", {kG, "key = '',", "/"}, "key", ""},
    {"SingleQuoted", {kG, "Name = 'abc',"}, "Name", "abc"},
    {"EqualsInQuotes", {kG, "Expr = 'x=1',"}, "Expr", "x=1"},
    {"CommaInQuotes", {kG, "Label = 'a, b',"}, "Label", "a, b"},
    {"DoubledQuoteKept", {kG, "Name = 'O''Hara',"}, "Name", "O\"\"Hara"},
    {"ListOfQuoted", {kG, "Names = 'a', 'b',"}, "Names", "\"a\", \"b\""},
    {"Continuation", {kG, "V = 1, 2,", "/", "! c", "", "3, 4,"}, "V", "1, 2, 3, 4"},
    {"ContinuationStopsAtGroup", {kG, "V = 1, 2,", "&Next", "3, 4,"}, "V", "1, 2"},
    {"ContinuationStopsAtKey", {kG, "V = 1, 2,", "Other = 3,"}, "V", "1, 2"},
    {"ContinuationOfEmptyStart", {kG, "V = '',", "x,"}, "V", "x"},
    {"ContinuationWithoutPieces", {kG, "V = 1,", "= =", "2"}, "V", "1, 2"},
    {"BeforeFirstGroupNotFound", {"Key = 1,", kG, "Other = 2,"}, "Key", ""},
    {"OnlyFirstGroupSearched", {kG, "A = 1,", "/", kG, "Key = 2,", "/"}, "Key", ""},
    {"AfterGroupEndStillInGroup", {kG, "A = 1,", "/", "Key = 2,"}, "Key", "2"},
    {"KeySpacesCaseAndPercent", {kG, "A . B = 3,"}, "a %b", "3"},
    {"PercentInFile", {kG, "a%b = 4,"}, "A.B", "4"},
    {"TabInKeyNotRemoved", {kG, "A\tB = 3,"}, "AB", ""},
    {"EmptyKey", {kG, "= 3,"}, " ", ""},
    {"FirstMatchWins", {kG, "K = 1,", "K = 2,"}, "K", "1"},
    {"HeaderSpacedCommaComment", {"& general_parameters, ! main", "K = 1,"}, "K", "1"},
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

TEST(FindNamelistGroup, StandsAfterHeader) {
  const struct {
    std::string bytes, group;
    std::int64_t position;
  } cases[] = {
      {"! c\r\n&recentproject\r\nx\r\n", "RecentProject", 21},
      {"! c\n&RecentProject\n", "RecentProject", 19},
      {"  & RecentProject, ! c\r\n", "RecentProject", 24},
      // Cleaning keeps the blank before a trailing comma, and the name with it.
      {"&RecentProject ,\r\n", "RecentProject", 0},
      {"&\r\n", "", 0},
      {"&RecentProjects\r\n", "RecentProject", 0},
  };
  for (const auto& c : cases) {
    OpenText text(c.bytes);
    EXPECT_EQ(FindNamelistGroup(&text.file, c.group), c.position) << c.bytes;
    if (c.position > 0) {
      EXPECT_EQ(text.file.Position(), c.position);
    }
  }
  // Each search starts from the top.
  OpenText text(CrLf({"&A", "&B", "x"}));
  EXPECT_EQ(FindNamelistGroup(&text.file, "B"), 8);
  EXPECT_EQ(FindNamelistGroup(&text.file, "A"), 4);
  std::string line;
  ASSERT_TRUE(text.file.ReadLine(&line));
  EXPECT_EQ(line, "&B");
}

TEST(ReadNamelistLogical, SetsFlagOnlyForAValue) {
  const struct {
    std::string line, value;
    bool flag;  // expected flag; starts as the opposite when the value is not empty
  } cases[] = {
      {"AtlasMode = .TRUE.,", ".TRUE.", true},
      {"AtlasMode = t,", "t", true},
      {"AtlasMode = .T.,", ".T.", false},
      {"AtlasMode = .false.,", ".false.", false},
      {"Other = F,", "", true},
      {"Other = T,", "", false},
  };
  for (const auto& c : cases) {
    OpenText text(CrLf({kG, c.line}));
    bool flag = c.value.empty() ? c.flag : !c.flag;
    EXPECT_EQ(ReadNamelistLogical(&text.file, "General_Parameters", "AtlasMode", &flag), c.value);
    EXPECT_EQ(flag, c.flag) << c.line;
  }
}

}  // namespace
}  // namespace orvent
