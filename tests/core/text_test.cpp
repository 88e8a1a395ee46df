// The text layer everything rests on: backslashes beside code page 932 trail
// bytes, numbers read as atoi reads them, quote-aware splitting, path parts,
// the line-by-line text file, and namelist lookups and lines.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "namelist/ascii_to_int.h"
#include "namelist/mbcs.h"
#include "namelist/namelist_reader.h"
#include "namelist/namelist_writer.h"
#include "namelist/text_split.h"
#include "project/app_catalogue.h"
#include "tests/support/test_support.h"

namespace orvent {
namespace {

// Each piece in brackets, so that empty pieces show.
std::string Joined(const std::vector<std::string>& pieces) {
  std::string text;
  for (const std::string& piece : pieces) text += "[" + piece + "]";
  return text;
}

TEST(Text, BackslashesNumbersAndNames) {
  const std::string paths[][3] = {// text, stripped, with one backslash
                                  {"", "", "\\"},
                                  {"D:\\Work\\\\\\", "D:\\Work", "D:\\Work\\"},
                                  // 表 ends in the trail byte 0x5C, which is no backslash.
                                  {"C:\\\x95\x5C\\\\", "C:\\\x95\x5C", "C:\\\x95\x5C\\"},
                                  // A lead byte dangling at the end is dropped before one is added.
                                  {"C:\\\x83\x5C\x83", "C:\\\x83\x5C\x83", "C:\\\x83\x5C\\"}};
  for (const auto& [text, stripped, withOne] : paths) {
    EXPECT_EQ(StripTrailingBackslashes(text), stripped) << text;
    EXPECT_EQ(WithTrailingBackslash(text), withOne) << text;
  }
  const std::pair<const char*, int> numbers[] = {
      {"001 ", 1}, {" \t\r\n\v\f-7x", -7},     {"+5", 5},
      {"- 1", 0},  {"2147483648", 2147483647}, {"-99999999999", -2147483647 - 1}};
  for (const auto& [text, value] : numbers) EXPECT_EQ(AsciiToInt(text), value) << text;
  // ASCII case only is ignored: ア and ヂ differ in a trail byte.
  EXPECT_FALSE(EqualsNoCase("\x83\x41", "\x83\x61"));
  EXPECT_STREQ(AppDisplayName(6), "");
}

TEST(Text, SplitTextKeepsQuotedRunsTogether) {
  const std::tuple<std::string, std::string, bool, std::string> cases[] = {
      {"Expr = \"x=1\"", "=", false, "[Expr][x=1]"},
      {"key = \"\"", "=", false, "[key][]"},
      {"N = \"O\"\"Hara\"", "=", false, "[N][\"O\"\"Hara\"]"},
      {"\"a b c", " ", false, "[a b c]"},
      {"ab\"c d\"", " ", false, "[ab\"c d\"]"},
      {"\" x", " ", true, "[][x]"},
      // A full-width space (0x81 0x40) is white space only at the ends of a
      // piece, and 0x81 0x40 across two characters is none.
      {"\x81@a\x81@b\x81@ ", " ", false, "[a\x81@b]"},
      {"\x81\x81@", " ", false, "[\x81\x81@]"},
      {", ,a,,b,", ",", true, "[][][a][][b]"},
      {", ,a,,b,", ",", false, "[a][b]"},
      {"\"a,,b\",c", ",", true, "[a,b][c]"},
      {"\"abc", ",", true, "[abc]"},
      {" \t ", ",", true, "[]"},
      {" \" a \" ,x", ",", true, "[ a ][x]"},
      {"\"a, b\" ,c", ",", true, "[\"a, b\" ][c]"},
      {"a<>b<><>c", "<>", true, "[a][b][][c]"},
      {"a,b", "", true, "[a,b]"},
      {"\x83\x5C\\x", "\\", true, "[\x83\x5C][x]"}};  // ソ: its trail byte is no delimiter
  for (const auto& [text, delimiter, keepEmpty, expected] : cases) {
    std::vector<std::string> pieces = {"left over"};
    const int count = SplitText(text, delimiter, keepEmpty, &pieces);
    EXPECT_EQ(count, int(pieces.size()));
    EXPECT_EQ(Joined(pieces), expected) << text;
  }
}

TEST(Text, SplitFilePathByTheRuntimesRules) {
  const std::string d253(253, 'd');
  const std::string cases[][2] = {// path, [drive][directory][base name][extension]
                                  {"C:\\\x83\x5C\x83\x74\x83\x67\\\x95\x5C\x8E\xA6.mbc",
                                   "[C:][\\\x83\x5C\x83\x74\x83\x67\\][\x95\x5C\x8E\xA6][.mbc]"},
                                  {"Site1.x.meg", "[][][Site1.x][.meg]"},
                                  {"C:\\Old.set\\Site1", "[C:][\\Old.set\\][Site1][]"},
                                  {" ..\\ ", "[][..\\][][]"},
                                  {".", "[][.\\][][]"},
                                  {"D:a/b\\c", "[D:][a/b\\][c][]"},
                                  {" C:\\a.b ", "[][ C:\\][a][.b ]"},
                                  {"\\" + d253 + "\\f", "[][\\" + d253 + "\\][f][]"},
                                  {"\\" + d253 + "d\\f", "[][][][]"},
                                  {std::string(256, 'a') + ".x", "[][][][]"}};
  for (const auto& [path, expected] : cases) {
    std::vector<std::string> parts(4, "x");
    SplitFilePath(path, &parts[0], &parts[1], &parts[2], &parts[3]);
    EXPECT_EQ(Joined(parts), expected) << path;
  }
}

TEST(Text, TextFileWritesCrLfAndReadsLinesWithoutThem) {
  test::ScratchFolder folder;
  const std::string path = folder.File("text.txt");
  // Several buffers' worth, an LF written as CR LF right at a buffer's end.
  std::vector<std::string> lines = {std::string(64 * 1024 - 1, 'x'), "a\rb\r", "", "\x95\x5C"};
  for (int i = 0; i < 3000; ++i) lines.push_back(std::string(i % 97, 'y') + std::to_string(i));
  std::string bytes;
  TextFile file;
  ASSERT_TRUE(file.Create(path));
  for (const std::string& line : lines) {
    EXPECT_TRUE(file.Write(line + "\n"));
    bytes += line + "\r\n";
  }
  EXPECT_EQ(file.Position(), std::int64_t(bytes.size()));
  EXPECT_TRUE(file.Close());
  EXPECT_EQ(test::ReadBytes(path), bytes);
  ASSERT_TRUE(test::WriteBytes(path, bytes + "last\r"));  // no final line end, a lone CR kept
  lines.push_back("last\r");
  ASSERT_TRUE(file.OpenRead(path));
  for (int round = 0; round < 2; ++round) {
    std::string line;
    for (const std::string& expected : lines) {
      ASSERT_TRUE(file.ReadLine(&line));
      ASSERT_EQ(line, expected);
    }
    EXPECT_FALSE(file.ReadLine(&line));
    EXPECT_EQ(file.Position(), std::int64_t(bytes.size() + 5));
    ASSERT_TRUE(file.SeekToStart());
  }
  EXPECT_FALSE(file.OpenRead(folder.Path())) << "a folder is no text file";
  EXPECT_FALSE(file.Create(folder.File("missing/x.txt")));
  EXPECT_FALSE(file.Write("x"));
  EXPECT_FALSE(file.Close()) << "nothing is open";
}

// Opens a file of these bytes for each lookup.
class Namelist : public ::testing::Test {
 protected:
  TextFile* Open(const std::string& bytes) {
    EXPECT_TRUE(test::WriteBytes(path_, bytes));
    EXPECT_TRUE(file_.OpenRead(path_));
    return &file_;
  }
  test::ScratchFolder folder_;
  const std::string path_ = folder_.File("namelist.txt");
  TextFile file_;
};

TEST_F(Namelist, CleanLinesAndGroups) {
  const std::string lines[][2] = {
      // line, cleaned ("" when it is passed over)
      {" \t\r", ""},
      {"  ! note", ""},
      {"/", ""},
      {",,,", ""},
      {"a = 1 ,,\t! note", "a = 1 "},
      {"T = 'Hello! World',", "T = 'Hello"}};  // a "!" cuts even inside quotes
  for (const auto& [text, cleaned] : lines) {
    std::string line = text;
    EXPECT_EQ(CleanNamelistLine(&line), !cleaned.empty()) << text;
    EXPECT_EQ(line, cleaned.empty() ? line : cleaned);
  }
  const std::pair<std::string, std::int64_t> groups[] = {
      // where the file stands after "&R"
      {"! c\r\n&r\r\nx\r\n", 9},
      {"  & R, ! c\n", 11},
      {"&R ,\r\n", 0},  // the blank before the comma stays in the name
      {"&RR\r\n", 0}};
  for (const auto& [bytes, position] : groups) {
    TextFile* file = Open(bytes);
    EXPECT_EQ(FindNamelistGroup(file, "R"), position) << bytes;
    EXPECT_EQ(file->Position(), position > 0 ? position : file->Position());
  }
  // Each search starts from the top.
  TextFile* file = Open("&A\r\n&B\r\nx\r\n");
  EXPECT_EQ(FindNamelistGroup(file, "B"), 8);
  EXPECT_EQ(FindNamelistGroup(file, "A"), 4);
}

TEST_F(Namelist, ValuesOfKeysInTheFirstGroupOfTheirName) {
  const std::string g = "&G\r\n";
  const std::string cases[][3] = {
      // bytes, key, value
      {g + "FileVersion = 1.0.0.0,\t! comment\r\n/\r\n", "FileVersion", "1.0.0.0"},
      {g + "key = ,\r\nkey = 5,\r\n", "key", "5"},
      {g + "Expr = 'x=1',\r\n", "Expr", "x=1"},
      {g + "Name = 'O''Hara',\r\n", "Name", "O\"\"Hara"},
      {g + "Names = 'a', 'b',\r\n", "Names", "\"a\", \"b\""},
      {g + "V = 1, 2,\r\n/\r\n! c\r\n\r\n3, 4,\r\n", "V", "1, 2, 3, 4"},
      {g + "V = 1, 2,\r\n&Next\r\n3,\r\n", "V", "1, 2"},
      {g + "V = 1, 2,\r\nOther = 3,\r\n", "V", "1, 2"},
      {g + "V = '',\r\nx,\r\n", "V", "x"},
      {g + "V = 1,\r\n= =\r\n2\r\n", "V", "1, 2"},
      {"Key = 1,\r\n" + g + "Other = 2,\r\n", "Key", ""},
      {g + "A = 1,\r\n/\r\n" + g + "Key = 2,\r\n", "Key", ""},
      {g + "A = 1,\r\n/\r\nKey = 2,\r\n", "Key", "2"},
      {g + "a% B.c = 3,\r\n", "A.b %C", "3"},
      {g + "A\tB = 3,\r\n", "AB", ""},
      {g + "= 3,\r\n", " ", ""},
      {g + "K = 1,\r\nK = 2,\r\n", "K", "1"},
      {"& g, ! main\nK = 9,\n", "K", "9"}};
  for (const auto& [bytes, key, value] : cases) {
    TextFile* file = Open(bytes);
    EXPECT_EQ(ReadNamelistValue(file, "G", key), value) << bytes;
    EXPECT_EQ(ReadNamelistValue(file, "G", key), value) << "each lookup starts from the top";
  }
  const std::tuple<std::string, std::string, bool> logicals[] = {// the flag starts opposite
                                                                 {"L = .TRUE.,", ".TRUE.", true},
                                                                 {"L = t,", "t", true},
                                                                 {"L = .T.,", ".T.", false},
                                                                 {"Other = T,", "", false}};
  for (const auto& [line, value, expected] : logicals) {
    bool flag = value.empty() ? expected : !expected;
    EXPECT_EQ(ReadNamelistLogical(Open(g + line + "\r\n"), "G", "L", &flag), value);
    EXPECT_EQ(flag, expected) << line;
  }
}

TEST_F(Namelist, WrittenLinesReadBack) {
  EXPECT_EQ(MakeNamelistComment(nullptr), "");
  ASSERT_TRUE(file_.Create(path_));
  WriteNamelistComment(&file_, " === X ===");
  WriteNamelistBlankLine(&file_);
  WriteNamelistGroupStart(&file_, "G", "  !! c  ");
  WriteNamelistString(&file_, " K ", "  v \t", "note", false);
  WriteNamelistString(&file_, "Blank", "   ", "c", false);
  WriteNamelistString(&file_, "Q", "  ", " !!! ", true);
  WriteNamelistString(&file_, "O", "O'Hara", nullptr, true);
  WriteNamelistInt(&file_, "Min", -2147483647 - 1, " ");
  WriteNamelistInt(&file_, "P", 2, "0:A, 1:B");
  WriteNamelistGroupEnd(&file_);
  ASSERT_TRUE(file_.Close());
  EXPECT_EQ(test::ReadBytes(path_),
            "! === X ===\r\n\r\n&G\t! c\r\n K  = v,\t! note\r\nQ = '  ',\r\nO = 'O'Hara',\r\n"
            "Min = -2147483648,\r\nP = 2,\t! 0:A, 1:B\r\n/\r\n");
  ASSERT_TRUE(file_.OpenRead(path_));
  EXPECT_EQ(ReadNamelistValue(&file_, "G", "Q"), "  ");
}

}  // namespace
}  // namespace orvent
