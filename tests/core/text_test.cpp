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

TEST(Text, BackslashesNumbersNamesAndPathParts) {
  // Text, stripped, with one backslash.
  const std::string paths[][3] = {{"", "", "\\"},
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
  const std::string d253(253, 'd');
  // Path, [drive][directory][base name][extension]; a part beyond 255 bytes
  // empties all four.
  const std::string cases[][2] = {{"C:\\\x83\x5C\x83\x74\x83\x67\\\x95\x5C\x8E\xA6.mbc",
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

TEST(Text, TextFileWritesCrLfAndReadsLinesWithoutThem) {
  test::ScratchFolder folder;
  const std::string path = folder.File("text.txt");
  // Several buffers' worth, in two writes, a CR LF across the first buffer's end.
  const std::string first = std::string(64 * 1024 - 1, 'x') + "\n";
  std::string rest = "a\rb\r\n\n\x95\x5C\n", bytes;
  for (int i = 0; i < 3000; ++i) rest += std::string(i % 97, 'y') + std::to_string(i) + "\n";
  for (char c : first + rest) bytes += c == '\n' ? std::string("\r\n") : std::string(1, c);
  TextFile file;
  ASSERT_TRUE(file.Create(path));
  EXPECT_TRUE(file.Write(first) && file.Write(rest));
  EXPECT_EQ(file.Position(), std::int64_t(bytes.size()));
  EXPECT_TRUE(file.Close());
  EXPECT_EQ(test::ReadBytes(path), bytes);
  ASSERT_TRUE(test::WriteBytes(path, bytes + "last\r"));  // no final line end, a lone CR kept
  ASSERT_TRUE(file.OpenRead(path));
  for (int round = 0; round < 2; ++round) {
    std::string line, read;
    while (file.ReadLine(&line)) read += line + "\n";
    EXPECT_EQ(read, first + rest + "last\r\n");
    EXPECT_EQ(file.Position(), std::int64_t(bytes.size() + 5));
    ASSERT_TRUE(file.SeekToStart());
  }
  EXPECT_FALSE(file.OpenRead(folder.Path())) << "a folder is no text file";
  EXPECT_FALSE(file.Create(folder.File("missing/x.txt")));
  EXPECT_FALSE(file.Write("x"));
  EXPECT_FALSE(file.Close()) << "nothing is open";
}

// A file of these bytes, open for reading; each call replaces the last.
TextFile* Open(const std::string& bytes) {
  static test::ScratchFolder folder;
  static TextFile file;
  EXPECT_TRUE(test::WriteBytes(folder.File("namelist.txt"), bytes));
  EXPECT_TRUE(file.OpenRead(folder.File("namelist.txt")));
  return &file;
}

TEST(Namelist, LinesGroupsAndTheValuesOfKeysInTheFirstGroupOfTheirName) {
  for (std::string line : {" \t\r", "  ! note", "/", ",,,"}) EXPECT_FALSE(CleanNamelistLine(&line));
  // A "!" cuts even inside quotes.
  const std::pair<std::string, std::string> cleaned[] = {{"a = 1 ,,\t! note", "a = 1 "},
                                                         {"T = 'Hello! World',", "T = 'Hello"}};
  for (const auto& [text, expected] : cleaned) {
    std::string line = text;
    EXPECT_TRUE(CleanNamelistLine(&line));
    EXPECT_EQ(line, expected);
  }
  // Where the file stands after "&R"; the blank before a comma stays in the name.
  const std::pair<std::string, std::int64_t> groups[] = {
      {"! c\r\n&r\r\nx\r\n", 9}, {"  & R, ! c\n", 11}, {"&R ,\r\n", 0}, {"&RR\r\n", 0}};
  for (const auto& [bytes, position] : groups) {
    TextFile* file = Open(bytes);
    EXPECT_EQ(FindNamelistGroup(file, "R"), position) << bytes;
    EXPECT_EQ(file->Position(), position > 0 ? position : file->Position());
    EXPECT_EQ(FindNamelistGroup(file, "R"), position) << "each search starts from the top";
  }
  const std::string g = "&G\r\n";
  // Bytes, key, value.
  const std::string cases[][3] = {
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
      {g + "Q = '  ',\r\n", "Q", "  "}};
  for (const auto& [bytes, key, value] : cases) {
    TextFile* file = Open(bytes);
    EXPECT_EQ(ReadNamelistValue(file, "G", key), value) << bytes;
    EXPECT_EQ(ReadNamelistValue(file, "G", key), value) << "each lookup starts from the top";
  }
  // Value, flag (which starts as the opposite); "" for a key that is absent.
  const std::pair<std::string, bool> logicals[] = {
      {".TRUE.", true}, {"t", true}, {".T.", false}, {"", false}};
  for (const auto& [value, expected] : logicals) {
    bool flag = value.empty() ? expected : !expected;
    TextFile* file = Open(g + (value.empty() ? "Other = T" : "L = " + value) + ",\r\n");
    EXPECT_EQ(ReadNamelistLogical(file, "G", "L", &flag), value);
    EXPECT_EQ(flag, expected) << value;
  }
}

// What the project file's writer leaves to these: comments stripped of "!"
// and blanks, quoted blanks, keys as given, the lowest number.
TEST(Namelist, WrittenLines) {
  test::ScratchFolder folder;
  const std::string path = folder.File("namelist.txt");
  TextFile file;
  ASSERT_TRUE(file.Create(path));
  WriteNamelistGroupStart(&file, "G", "  !! c  ");
  WriteNamelistString(&file, " K ", "  v \t", " !!! ", false);
  WriteNamelistString(&file, "Q", "  ", nullptr, true);
  WriteNamelistInt(&file, "Min", -2147483647 - 1, " ");
  ASSERT_TRUE(file.Close());
  EXPECT_EQ(test::ReadBytes(path), "&G\t! c\r\n K  = v,\r\nQ = '  ',\r\nMin = -2147483648,\r\n");
}

}  // namespace
}  // namespace orvent
