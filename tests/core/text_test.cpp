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

// Each piece in brackets, so that empty pieces show.
std::string Joined(const std::vector<std::string>& pieces) {
  std::string text;
  for (const std::string& piece : pieces) text += "[" + piece + "]";
  return text;
}

TEST(Text, BackslashesNumbersAndNames) {
  const struct {
    std::string text, stripped, withOne;
  } paths[] = {{"", "", "\\"},
               {"D:\\Work\\\\\\", "D:\\Work", "D:\\Work\\"},
               // 表 ends in the trail byte 0x5C, which is no backslash.
               {"C:\\\x95\x5C\\\\", "C:\\\x95\x5C", "C:\\\x95\x5C\\"},
               // A lead byte dangling at the end is dropped before one is added.
               {"C:\\\x83\x5C\x83", "C:\\\x83\x5C\x83", "C:\\\x83\x5C\\"}};
  for (const auto& c : paths) {
    EXPECT_EQ(StripTrailingBackslashes(c.text), c.stripped) << c.text;
    EXPECT_EQ(WithTrailingBackslash(c.text), c.withOne) << c.text;
  }
  const struct {
    const char* text;
    int value;
  } numbers[] = {{"001 ", 1}, {" \t\r\n\v\f-7x", -7},     {"+5", 5},
                 {"- 1", 0},  {"2147483648", 2147483647}, {"-99999999999", -2147483647 - 1}};
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
  } cases[] = {{"Expr = \"x=1\"", "=", false, "[Expr][x=1]"},
               {"key = \"\"", "=", false, "[key][]"},
               {"N = \"O\"\"Hara\"", "=", false, "[N][\"O\"\"Hara\"]"},
               {"\"a b c", " ", false, "[a b c]"},
               {"ab\"c d\"", " ", false, "[ab\"c d\"]"},
               {"\" x", " ", true, "[][x]"},
               // A full-width space (0x81 0x40) is white space only at the ends
               // of a piece, and 0x81 0x40 across two characters is none.
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
               // ソ is 0x83 0x5C: its trail byte is no delimiter.
               {"\x83\x5C\\x", "\\", true, "[\x83\x5C][x]"}};
  for (const auto& c : cases) {
    std::vector<std::string> pieces = {"left over"};
    const int count = SplitText(c.text, c.delimiter, c.keepEmpty, &pieces);
    EXPECT_EQ(count, int(pieces.size()));
    EXPECT_EQ(Joined(pieces), c.pieces) << c.text;
  }
}

TEST(Text, SplitFilePathByTheRuntimesRules) {
  const std::string d253(253, 'd');
  const struct {
    std::string path, parts;  // [drive][directory][base name][extension]
  } cases[] = {{"C:\\\x83\x5C\x83\x74\x83\x67\\\x95\x5C\x8E\xA6.mbc",
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

}  // namespace
}  // namespace orvent
