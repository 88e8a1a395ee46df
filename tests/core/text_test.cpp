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
#include "namelist/text_split.h"
#include "project/project_file.h"
#include "tests/support/project_names.h"
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
  return test::Name(test::kProjectTypes, r.projectType) + "|" + r.fileVersion + "|" +
         GeodeticSystemName(r.geodeticSystem) + "|" + r.geodeticName + "|" + r.projectName;
}

// A file of these bytes in a scratch folder shared by the cases; its path.
std::string Scratch(const std::string& name, const std::string& bytes) {
  static test::ScratchFolder folder;
  EXPECT_TRUE(test::WriteBytes(folder.File(name), bytes));
  return folder.File(name);
}

// What a case of the table of operation `op` gives.
std::string Computed(const std::string& op, const std::vector<std::string>& f) {
  std::vector<std::string> pieces = {"left over"};
  std::string line = f[0];
  if (op == "strip") return StripTrailingBackslashes(f[0]) + "|" + WithTrailingBackslash(f[0]);
  if (op == "int") return std::to_string(AsciiToInt(f[0].c_str()));
  if (op == "path") {
    const FilePathParts p = SplitFilePath(f[0]);
    return Joined({p.drive, p.directory, p.baseName, p.extension});
  }
  if (op == "split") line = std::to_string(SplitText(f[0], f[1], f[2] == "yes", &pieces));
  if (op == "split") return line + Joined(pieces);
  if (op == "clean") return CleanNamelistLine(&line) ? "+" + line : "-";
  if (op == "project" || op == "write") {
    ProjectFile record = {4, "junk", GeodeticSystem::kJgd2011, "junk", "junk"};
    const std::string mbc = op == "write" ? Scratch("w.mbc", "") : Scratch("S.mbc", f[0]);
    if (op == "write") {
      const int type = test::Index(test::kProjectTypes, f[0]);
      EXPECT_TRUE(
          WriteProjectFile(mbc, {type, f[1],
                                 GeodeticSystem(test::Index(
                                     {std::begin(kGeodeticNames), std::end(kGeodeticNames)}, f[2])),
                                 f[3], f[4]}));
      EXPECT_EQ(test::ReadBytes(mbc), test::ReadBytes(test::DataPath(f[5]))) << f[5];
    }
    const bool read = ReadProjectFile(mbc.substr(0, mbc.size() - 3) + "meg", &record);
    return (read ? "read|" : "not read|") + Describe(record);
  }
  TextFile file;
  EXPECT_TRUE(file.OpenRead(Scratch("namelist.txt", f[0])));
  if (op == "value")
    return ReadNamelistValue(&file, "G", f[1]) + "|" + ReadNamelistValue(&file, "G", f[1]);
  if (!FindNamelistGroup(&file, "R")) return "not found";
  const std::string next = file.ReadLine(&line) ? line : "the end";
  return "found, then " + next + (FindNamelistGroup(&file, "R") ? ", found again" : "");
}

void ExpectCases(const std::string& op, const std::string& table) {
  test::ExpectTable(table, [&](const std::vector<std::string>& f) { return Computed(op, f); });
}

TEST(Text, TrailingBackslashesGoButNotTrailBytes) { ExpectCases("strip", "text_backslashes.tsv"); }
TEST(Text, NumbersReadAsAtoiReadsThem) { ExpectCases("int", "text_numbers.tsv"); }
TEST(Text, PathsSplitIntoDriveDirectoryNameAndExtension) { ExpectCases("path", "text_paths.tsv"); }
TEST(Text, SplittingKeepsQuotedSeparators) { ExpectCases("split", "text_split.tsv"); }
TEST(Namelist, LinesLoseCommentsBlanksAndCommas) { ExpectCases("clean", "namelist_lines.tsv"); }
TEST(Namelist, GroupsAreFoundByName) { ExpectCases("group", "namelist_groups.tsv"); }
TEST(Namelist, ValuesComeFromTheFirstGroupOfTheirName) {
  ExpectCases("value", "namelist_values.tsv");
}
TEST(ProjectFile, TheMbcBesideAnyPathIsRead) {
  // A ".meg" beside it is never read.
  Scratch("S.meg",
          "! === ORVENT Basic Environment File ===\r\n&General_Parameters\r\nFileVersion = 9,\r\n");
  ExpectCases("project", "project_file_read.tsv");
}
TEST(ProjectFile, IsWrittenByteForByteAndReadsBack) {
  ExpectCases("write", "project_file_write.tsv");
}
TEST(ProjectFile, PathWithoutLocationIsJustTheFileName) {
  EXPECT_EQ(ProjectFilePath({-1, " A ", "  ", App::kBasic, 0, ""}), "A.mbc");
}
// ASCII case only is ignored: ア and ヂ differ in a trail byte.
TEST(Text, CaseIsIgnoredForAsciiLettersOnly) { EXPECT_FALSE(EqualsNoCase("\x83\x41", "\x83\x61")); }

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
  EXPECT_TRUE(file.Close());
  EXPECT_EQ(test::ReadBytes(path), bytes);
  ASSERT_TRUE(test::WriteBytes(path, bytes + "last\r"));  // no final line end, a lone CR kept
  ASSERT_TRUE(file.OpenRead(path));
  for (int round = 0; round < 2; ++round) {
    std::string line, read;
    while (file.ReadLine(&line)) read += line + "\n";
    EXPECT_EQ(read, first + rest + "last\r\n");
    ASSERT_TRUE(file.SeekToStart());
  }
  EXPECT_TRUE(file.Close()) << "a file read closes well";
  EXPECT_FALSE(file.OpenRead(folder.Path())) << "a folder is no text file";
  EXPECT_FALSE(file.Create(folder.File("missing/x.txt")));
  EXPECT_FALSE(file.Write("x"));
  EXPECT_FALSE(file.Close()) << "nothing is open";
#ifndef _WIN32
  // A disk that takes no more shows when the file is closed.
  ASSERT_TRUE(file.Create("/dev/full"));
  EXPECT_TRUE(file.Write("x"));
  EXPECT_FALSE(file.Close());
#endif
}

// A file that cannot be made fails; one that cannot be opened leaves the
// record alone.
TEST(ProjectFile, ThatCannotBeMadeOrOpenedFails) {
  test::ScratchFolder folder;
  EXPECT_FALSE(WriteProjectFile(folder.File("missing/p.mbc"), ProjectFile()));
  ProjectFile record = {4, "junk", GeodeticSystem::kJgd2011, "junk", "junk"};
  EXPECT_FALSE(ReadProjectFile(folder.File("Other.mbc"), &record));
  EXPECT_EQ(Describe(record), "wind power|junk|JGD2011|junk|junk");
}

}  // namespace
}  // namespace orvent
