// The text helpers everything rests on: backslashes beside code page 932
// trail bytes, numbers read as atoi reads them, quote-aware splitting, path
// parts, and the line-by-line text file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "namelist/ascii_to_int.h"
#include "namelist/mbcs.h"
#include "namelist/text_file.h"
#include "namelist/text_split.h"
#include "project/app_catalogue.h"
#include "tests/support/test_support.h"

namespace orvent {
namespace {

std::string Joined(const std::vector<std::string>& pieces) {
  std::string text;
  for (size_t i = 0; i < pieces.size(); ++i) text += (i > 0 ? " | " : "") + pieces[i];
  return pieces.size() == 1 && pieces[0].empty() ? "(one empty piece)" : text;
}

TEST(Text, BackslashesNumbersAndNames) {
  const struct {
    std::string text, stripped, withOne;
  } paths[] = {{"", "", "\\"},
               {"D:\\Work\\\\\\", "D:\\Work", "D:\\Work\\"},
               {"C:\\\x95\x5C", "C:\\\x95\x5C", "C:\\\x95\x5C\\"},  // 表: trail byte 0x5C
               {"C:\\\x83\x5C\\\\", "C:\\\x83\x5C", "C:\\\x83\x5C\\"},
               // A lead byte dangling at the end is dropped before one is added.
               {"C:\\\x83\x5C\x83", "C:\\\x83\x5C\x83", "C:\\\x83\x5C\\"}};
  for (const auto& c : paths) {
    EXPECT_EQ(StripTrailingBackslashes(c.text), c.stripped) << c.text;
    EXPECT_EQ(WithTrailingBackslash(c.text), c.withOne) << c.text;
  }
  const struct {
    const char* text;
    int value;
  } numbers[] = {{"001 ", 1},
                 {" \t\r\n\v\f-7x", -7},
                 {"+5", 5},
                 {"\x82\x4F", 0},
                 {"- 1", 0},
                 {"2147483648", 2147483647},
                 {"-99999999999", -2147483647 - 1}};
  for (const auto& c : numbers) EXPECT_EQ(AsciiToInt(c.text), c.value) << c.text;
  // Display names ignore ASCII case only: ア and ヂ differ in a trail byte.
  EXPECT_EQ(FindAppByDisplayName("wInD cLiMaTe"), 2);
  EXPECT_EQ(FindAppByDisplayName(" Basic"), -1);
  EXPECT_FALSE(EqualsNoCase("\x83\x41", "\x83\x61"));
  EXPECT_STREQ(AppDisplayName(5), "Wind Farm");
  EXPECT_STREQ(AppDisplayName(6), "");
}

TEST(Text, SplitTextKeepsQuotedRunsTogether) {
  const struct {
    std::string text;
    const char* delimiter;
    bool keepEmpty;
    std::string pieces;
  } cases[] = {{"Expr = \"x=1\"", "=", false, "Expr | x=1"},
               {"key =", "=", false, "key"},
               {"key = \"\"", "=", false, "key | "},
               {" = = ", "=", false, ""},
               {"", "=", true, ""},
               {"Text = \"Hello", "=", false, "Text | Hello"},
               {"Name = \"O\"\"Hara\"", "=", false, "Name | \"O\"\"Hara\""},
               {"\"C:\\My Projects\\S.mbc\" x", " ", false, "C:\\My Projects\\S.mbc | x"},
               {"\"a  b\"", " ", false, "a b"},
               {"\"a b c", " ", false, "a b c"},
               {"ab\"c d\"", " ", false, "ab\"c d\""},
               {"\" x", " ", true, " | x"},
               // A full-width space is white space only at the ends of a piece.
               {"\x81\x40"
                "a\x81\x40"
                "b\x81\x40 ",
                " ", false,
                "a\x81\x40"
                "b"},
               {"\x81\x40\"\x81\x40"
                "A\",\x81\x40"
                "B\x81\x40\x81\x40",
                ",", true,
                "\x81\x40"
                "A | B"},
               {"\x81\x81\x40", " ", false, "\x81\x81\x40"},  // 0x81 0x40 across two characters
               {", ,a,,b,", ",", true, " |  | a |  | b"},
               {", ,a,,b,", ",", false, "a | b"},
               {"\"a,,b\",c", ",", true, "a,b | c"},
               {"\"a\" \"b\"", ",", true, "\"a\" \"b\""},
               {"\"abc", ",", true, "abc"},
               {"ab\"c", ",", true, "ab\"c"},
               {" \t ", ",", true, "(one empty piece)"},
               {" \" a \" ,x", ",", true, " a  | x"},
               {"\"a, b\" ,c", ",", true, "\"a, b\"  | c"},
               {"a<>b<><>c", "<>", true, "a | b |  | c"},
               {"a,b", "", true, "a,b"},
               // Trail bytes 0x5C and 0x7C are no delimiters: ソ is 0x83 0x5C, ポ 0x83 0x7C.
               {"\x83\x5C\x83\x74", "\\", true, "\x83\x5C\x83\x74"},
               {"\x83\x7C|x", "|", true, "\x83\x7C | x"}};
  for (const auto& c : cases) {
    std::vector<std::string> pieces = {"left over"};
    const int count = SplitText(c.text, c.delimiter, c.keepEmpty, &pieces);
    EXPECT_EQ(count, static_cast<int>(pieces.size()));
    EXPECT_EQ(Joined(pieces), c.pieces) << c.text;
  }
}

TEST(Text, SplitFilePathByTheRuntimesRules) {
  const struct {
    std::string path, parts;  // drive | directory | base name | extension
  } cases[] = {
      {"C:\\P\\Site1.mbc", "C: | \\P\\ | Site1 | .mbc"},
      {"Site1.meg", " |  | Site1 | .meg"},
      {"C:\\Old.set\\Site1", "C: | \\Old.set\\ | Site1 | "},
      {" ..\\ ", " | ..\\ |  | "},
      {".", " | .\\ |  | "},
      {"D:a/b\\c", "D: | a/b\\ | c | "},
      {"a.tar.gz", " |  | a.tar | .gz"},
      {" C:\\a.b ", " |  C:\\ | a | .b "},
      {"C:\\\x83\x5C\x83\x74\x83\x67\\\x95\x5C\x8E\xA6.mbc",
       "C: | \\\x83\x5C\x83\x74\x83\x67\\ | \x95\x5C\x8E\xA6 | .mbc"},
      {"\\" + std::string(253, 'd') + "\\f", " | \\" + std::string(253, 'd') + "\\ | f | "},
      {"\\" + std::string(254, 'd') + "\\f", " |  |  | "},
      {std::string(256, 'a') + ".x", " |  |  | "}};
  for (const auto& c : cases) {
    std::vector<std::string> parts(4, "x");
    SplitFilePath(c.path, &parts[0], &parts[1], &parts[2], &parts[3]);
    EXPECT_EQ(Joined(parts), c.parts) << c.path;
  }
}

TEST(Text, TextFileWritesCrLfAndReadsLinesWithoutThem) {
  test::ScratchFolder folder;
  const std::string path = folder.File("text.txt");
  // Several buffers' worth, an LF written as CR LF right at a buffer's end.
  std::vector<std::string> lines = {std::string(64 * 1024 - 1, 'x'), "a\rb\r", "", "\x95\x5C"};
  for (int i = 0; i < 3000; ++i) lines.push_back(std::string(i % 97, 'y') + std::to_string(i));
  std::string bytes;
  {
    TextFile file;
    ASSERT_TRUE(file.Create(path));
    for (const std::string& line : lines) {
      EXPECT_TRUE(file.Write(line + "\n"));
      bytes += line + "\r\n";
    }
    EXPECT_EQ(file.Position(), static_cast<std::int64_t>(bytes.size()));
    EXPECT_TRUE(file.Close());
  }
  EXPECT_EQ(test::ReadBytes(path), bytes);
  ASSERT_TRUE(test::WriteBytes(path, bytes + "last\r"));  // no final line end, a lone CR kept
  lines.push_back("last\r");
  TextFile file;
  ASSERT_TRUE(file.OpenRead(path));
  for (int round = 0; round < 2; ++round) {
    std::string line;
    for (const std::string& expected : lines) {
      ASSERT_TRUE(file.ReadLine(&line));
      ASSERT_EQ(line, expected);
    }
    EXPECT_FALSE(file.ReadLine(&line));
    EXPECT_EQ(file.Position(), static_cast<std::int64_t>(bytes.size() + 5));
    ASSERT_TRUE(file.SeekToStart());
  }
  EXPECT_FALSE(file.OpenRead(folder.Path())) << "a folder is no text file";
  EXPECT_FALSE(file.Create(test::Join(folder.File("missing"), "x.txt")));
  EXPECT_FALSE(file.Write("x"));
  EXPECT_FALSE(file.Close()) << "nothing is open";
}

}  // namespace
}  // namespace orvent
