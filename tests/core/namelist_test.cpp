// Namelist text: lookups of groups and keys with the comment, quote,
// continuation and case rules, and the lines the writer makes.
#include <gtest/gtest.h>

#include <string>

#include "namelist/namelist_reader.h"
#include "namelist/namelist_writer.h"
#include "tests/support/test_support.h"

namespace orvent {
namespace {

const std::string kG = "&General_Parameters\r\n";

// Opens a file of these bytes for each lookup.
class NamelistTest : public ::testing::Test {
 protected:
  TextFile& Open(const std::string& bytes) {
    EXPECT_TRUE(test::WriteBytes(path_, bytes));
    EXPECT_TRUE(file_.OpenRead(path_));
    return file_;
  }
  test::ScratchFolder folder_;
  const std::string path_ = folder_.File("namelist.txt");
  TextFile file_;
};

TEST_F(NamelistTest, CleanLinesAndGroups) {
  const struct {
    std::string line, cleaned;  // "" when the line is passed over
  } lines[] = {{" \t\r", ""},
               {"  ! note", ""},
               {"/", ""},
               {",,,", ""},
               {"a = 1 ,,\t! note", "a = 1 "},
               {"T = 'Hello! World',", "T = 'Hello"}};  // a "!" cuts even inside quotes
  for (const auto& c : lines) {
    std::string line = c.line;
    EXPECT_EQ(CleanNamelistLine(&line), !c.cleaned.empty()) << c.line;
    EXPECT_EQ(line, c.cleaned.empty() ? line : c.cleaned);
  }
  const struct {
    std::string bytes;
    std::int64_t position;  // where the file stands after RecentProject's header
  } groups[] = {{"! c\r\n&recentproject\r\nx\r\n", 21},
                {"  & RecentProject, ! c\n", 23},
                {"&RecentProject ,\r\n", 0},  // the blank before the comma stays in the name
                {"&RecentProjects\r\n", 0}};
  for (const auto& c : groups) {
    TextFile& file = Open(c.bytes);
    EXPECT_EQ(FindNamelistGroup(&file, "RecentProject"), c.position) << c.bytes;
    EXPECT_EQ(file.Position(), c.position > 0 ? c.position : file.Position());
  }
  // Each search starts from the top.
  TextFile& file = Open("&A\r\n&B\r\nx\r\n");
  EXPECT_EQ(FindNamelistGroup(&file, "B"), 8);
  EXPECT_EQ(FindNamelistGroup(&file, "A"), 4);
}

TEST_F(NamelistTest, ValuesOfKeysInTheFirstGroupOfTheirName) {
  const struct {
    std::string bytes, key, value;
  } cases[] = {{kG + "FileVersion = 1.0.0.0,\t! comment\r\n/\r\n", "FileVersion", "1.0.0.0"},
               {kG + "key = ,\r\nkey = 5,\r\n", "key", "5"},
               {kG + "Expr = 'x=1',\r\n", "Expr", "x=1"},
               {kG + "Name = 'O''Hara',\r\n", "Name", "O\"\"Hara"},
               {kG + "Names = 'a', 'b',\r\n", "Names", "\"a\", \"b\""},
               {kG + "V = 1, 2,\r\n/\r\n! c\r\n\r\n3, 4,\r\n", "V", "1, 2, 3, 4"},
               {kG + "V = 1, 2,\r\n&Next\r\n3,\r\n", "V", "1, 2"},
               {kG + "V = 1, 2,\r\nOther = 3,\r\n", "V", "1, 2"},
               {kG + "V = '',\r\nx,\r\n", "V", "x"},
               {kG + "V = 1,\r\n= =\r\n2\r\n", "V", "1, 2"},
               {"Key = 1,\r\n" + kG + "Other = 2,\r\n", "Key", ""},
               {kG + "A = 1,\r\n/\r\n" + kG + "Key = 2,\r\n", "Key", ""},
               {kG + "A = 1,\r\n/\r\nKey = 2,\r\n", "Key", "2"},
               {kG + "a% B.c = 3,\r\n", "A.b %C", "3"},
               {kG + "A\tB = 3,\r\n", "AB", ""},
               {kG + "= 3,\r\n", " ", ""},
               {kG + "K = 1,\r\nK = 2,\r\n", "K", "1"},
               {"& general_parameters, ! main\nK = 9,\n", "K", "9"}};
  for (const auto& c : cases) {
    TextFile& file = Open(c.bytes);
    EXPECT_EQ(ReadNamelistValue(&file, "General_Parameters", c.key), c.value) << c.bytes;
    // Each lookup starts from the top.
    EXPECT_EQ(ReadNamelistValue(&file, "General_Parameters", c.key), c.value);
  }
  const struct {
    std::string line, value;
    bool flag;  // starts as the opposite when a value is found
  } logicals[] = {{"L = .TRUE.,", ".TRUE.", true},
                  {"L = t,", "t", true},
                  {"L = .T.,", ".T.", false},
                  {"Other = T,", "", false}};
  for (const auto& c : logicals) {
    bool flag = c.value.empty() ? c.flag : !c.flag;
    TextFile& file = Open(kG + c.line + "\r\n");
    EXPECT_EQ(ReadNamelistLogical(&file, "General_Parameters", "L", &flag), c.value);
    EXPECT_EQ(flag, c.flag) << c.line;
  }
}

TEST_F(NamelistTest, WrittenLinesReadBack) {
  EXPECT_EQ(MakeNamelistComment(nullptr), "");
  TextFile& file = file_;
  ASSERT_TRUE(file.Create(path_));
  WriteNamelistComment(&file, " === X ===");
  WriteNamelistBlankLine(&file);
  WriteNamelistGroupStart(&file, "G", "  !! c  ");
  WriteNamelistString(&file, " K ", "  v \t", "note", false);
  WriteNamelistString(&file, "Blank", "   ", "c", false);
  WriteNamelistString(&file, "Q", "  ", " !!! ", true);
  WriteNamelistString(&file, "O", "O'Hara", nullptr, true);
  WriteNamelistInt(&file, "Min", -2147483647 - 1, " ");
  WriteNamelistInt(&file, "P", 2, "0:A, 1:B");
  WriteNamelistGroupEnd(&file);
  ASSERT_TRUE(file.Close());
  EXPECT_EQ(test::ReadBytes(path_),
            "! === X ===\r\n\r\n&G\t! c\r\n K  = v,\t! note\r\nQ = '  ',\r\nO = 'O'Hara',\r\n"
            "Min = -2147483648,\r\nP = 2,\t! 0:A, 1:B\r\n/\r\n");
  ASSERT_TRUE(file.OpenRead(path_));
  for (const auto& [key, value] :
       {std::pair{"K", "v"}, std::pair{"Q", "  "}, std::pair{"Min", "-2147483648"}}) {
    EXPECT_EQ(ReadNamelistValue(&file, "G", key), value) << key;
  }
}

}  // namespace
}  // namespace orvent
