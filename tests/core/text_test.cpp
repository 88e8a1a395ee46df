// The text layer everything rests on: backslashes beside code page 932 trail
// bytes, numbers read as atoi reads them, quote-aware splitting, path parts,
// the line-by-line text file, namelist lookups and lines, and the project
// file made of them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "namelist/ascii_to_int.h"
#include "namelist/mbcs.h"
#include "namelist/namelist_reader.h"
#include "namelist/namelist_writer.h"
#include "namelist/text_split.h"
#include "project/app_catalogue.h"
#include "project/project_file.h"
#include "tests/support/test_support.h"

namespace orvent {
namespace {

// Each piece in brackets, so that empty pieces show.
std::string Joined(const std::vector<std::string>& pieces) {
  std::string text;
  for (const std::string& piece : pieces) text += "[" + piece + "]";
  return text;
}

std::string Describe(const ProjectFile& r) {
  return std::to_string(r.projectType) + "|" + r.fileVersion + "|" +
         std::to_string(r.geodeticIndex) + "|" + r.geodeticName + "|" + r.projectName;
}

// A file of these bytes in a scratch folder shared by the cases; its path.
std::string Scratch(const std::string& name, const std::string& bytes) {
  static test::ScratchFolder folder;
  EXPECT_TRUE(test::WriteBytes(folder.File(name), bytes));
  return folder.File(name);
}

// text_cases.tsv: path backslashes beside trail bytes 0x5C, numbers, path
// parts (a part beyond 255 bytes empties all four), quote-aware splitting,
// namelist lines, groups (where the file stands after "&R"), and the values
// of keys in the first group of their name; each search starts from the top;
// and whether the ".mbc" beside any path reads as a project file (the header
// test), and the record then, reset before the file is read; a project file
// written byte for byte as the golden file, and read back (the geodetic
// system only from 3 to 5).
TEST(Text, Table) {
  // A ".meg" beside it is never read.
  Scratch("S.meg",
          "! === ORVENT Basic Environment File ===\r\n&General_Parameters\r\nFileVersion = 9,\r\n");
  test::ExpectTable("text_cases.tsv", [](const std::vector<std::string>& f) -> std::string {
    const std::string& op = f[0];
    std::vector<std::string> parts(4, "x"), pieces = {"left over"};
    std::string line = f[1];
    if (op == "strip") return StripTrailingBackslashes(f[1]) + "|" + WithTrailingBackslash(f[1]);
    if (op == "int") return std::to_string(AsciiToInt(f[1].c_str()));
    if (op == "path") SplitFilePath(f[1], &parts[0], &parts[1], &parts[2], &parts[3]);
    if (op == "path") return Joined(parts);
    if (op == "split") line = std::to_string(SplitText(f[1], f[2], f[3] == "1", &pieces));
    if (op == "split") return line + Joined(pieces);
    if (op == "clean") return CleanNamelistLine(&line) ? "+" + line : "-";
    if (op == "project" || op == "write") {
      ProjectFile record = {4, "junk", 5, "junk", "junk"};
      const std::string mbc = op == "write" ? Scratch("w.mbc", "") : Scratch("S.mbc", f[1]);
      if (op == "write") {
        EXPECT_TRUE(WriteProjectFile(mbc, {std::stoi(f[1]), f[2], std::stoi(f[3]), f[4], f[5]}));
        EXPECT_EQ(test::ReadBytes(mbc), test::ReadBytes(test::DataPath(f[6]))) << f[6];
      }
      const bool read = ReadProjectFile(mbc.substr(0, mbc.size() - 3) + "meg", &record);
      return std::to_string(read) + "|" + Describe(record);
    }
    TextFile file;
    EXPECT_TRUE(file.OpenRead(Scratch("namelist.txt", f[1])));
    if (op == "value")
      return ReadNamelistValue(&file, "G", f[2]) + "|" + ReadNamelistValue(&file, "G", f[2]);
    bool flag = op == "logical" && f[2] == "1";
    if (op == "logical") line = ReadNamelistLogical(&file, "G", "L", &flag) + "|";
    if (op == "logical") return line + std::to_string(flag);
    const std::int64_t at = FindNamelistGroup(&file, "R"), position = file.Position();
    return std::to_string(at) + "," + std::to_string(at > 0 ? position : at) + "," +
           std::to_string(FindNamelistGroup(&file, "R"));
  });
  // ASCII case only is ignored: ア and ヂ differ in a trail byte.
  EXPECT_FALSE(EqualsNoCase("\x83\x41", "\x83\x61"));
  EXPECT_STREQ(AppDisplayName(6), "");
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
  EXPECT_FALSE(EndsWithBackslash(""));
  EXPECT_FALSE(file.Close()) << "nothing is open";
}

// What the project file's writer leaves to these: comments stripped of "!"
// and blanks, quoted blanks, keys as given, the lowest number.
TEST(Namelist, WrittenLines) {
  const std::string path = Scratch("written.txt", "");
  TextFile file;
  ASSERT_TRUE(file.Create(path));
  WriteNamelistGroupStart(&file, "G", "  !! c  ");
  WriteNamelistString(&file, " K ", "  v \t", " !!! ", false);
  WriteNamelistString(&file, "Q", "  ", nullptr, true);
  WriteNamelistInt(&file, "Min", -2147483647 - 1, " ");
  ASSERT_TRUE(file.Close());
  EXPECT_EQ(test::ReadBytes(path), "&G\t! c\r\n K  = v,\r\nQ = '  ',\r\nMin = -2147483648,\r\n");
}

// A file that cannot be made fails; one that cannot be opened leaves the
// record alone.
TEST(ProjectFile, ThatCannotBeMadeOrOpenedFails) {
  test::ScratchFolder folder;
  EXPECT_FALSE(WriteProjectFile(folder.File("missing/p.mbc"), ProjectFile()));
  ProjectFile record = {4, "junk", 5, "junk", "junk"};
  EXPECT_FALSE(ReadProjectFile(folder.File("Other.mbc"), &record));
  EXPECT_EQ(Describe(record), "4|junk|5|junk|junk");
}

}  // namespace
}  // namespace orvent
