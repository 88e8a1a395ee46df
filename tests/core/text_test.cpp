// The text layer everything rests on: backslashes beside code page 932 trail
// bytes, the loose matching of a filter's words, numbers read as atoi reads
// them, quote-aware splitting, path parts, the line-by-line text file,
// namelist lookups and lines, and the project file made of them. Each table
// is computed by the test named for it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "namelist/ascii_to_int.h"
#include "namelist/loose_match.h"
#include "namelist/mbcs.h"
#include "namelist/namelist_reader.h"
#include "namelist/text_split.h"
#include "project/project_file.h"
#include "tests/support/project_names.h"
#include "tests/support/test_support.h"

namespace orvent {
namespace {

using Fields = std::vector<std::string>;

// Each piece in brackets, so that empty pieces show.
std::string Joined(const Fields& pieces) {
  std::string text;
  for (const std::string& piece : pieces) text += "[" + piece + "]";
  return text;
}

// A file of these bytes in a scratch folder shared by the cases; its path.
std::string Scratch(const std::string& name, const std::string& bytes) {
  static test::ScratchFolder folder;
  EXPECT_TRUE(test::WriteBytes(folder.File(name), bytes));
  return folder.File(name);
}

// The project file beside `path` read over a record of junk, as the tables
// write it.
std::string ReadBeside(const std::string& path) {
  ProjectFile r = {4, "junk", GeodeticSystem::kJgd2011, "junk", "junk"};
  const bool read = ReadProjectFile(path, &r);
  return std::string(read ? "read|" : "not read|") +
         test::Name(test::kProjectTypes, r.projectType) + "|" + r.fileVersion + "|" +
         GeodeticSystemName(r.geodeticSystem) + "|" + r.geodeticName + "|" + r.projectName;
}

TEST(Text, TrailingBackslashesGoButNotTrailBytes) {
  test::ExpectTable("text_backslashes.tsv", [](const Fields& f) {
    return StripTrailingBackslashes(f[0]) + "|" + WithTrailingBackslash(f[0]);
  });
}

TEST(Text, NumbersReadAsAtoiReadsThem) {
  test::ExpectTable("text_numbers.tsv",
                    [](const Fields& f) { return std::to_string(AsciiToInt(f[0])); });
}

TEST(Text, PathsSplitIntoDriveDirectoryNameAndExtension) {
  test::ExpectTable("text_paths.tsv", [](const Fields& f) {
    const FilePathParts p = SplitFilePath(f[0]);
    return Joined({p.drive, p.directory, p.baseName, p.extension});
  });
}

TEST(Text, SplittingKeepsQuotedSeparators) {
  test::ExpectTable("text_split.tsv", [](const Fields& f) {
    Fields pieces = {"left over"};
    const int count = SplitText(f[0], f[1], f[2] == "yes", &pieces);
    return std::to_string(count) + Joined(pieces);
  });
}

TEST(Text, AFilterFindsEveryWordLooselyInTheNameOrTheLocation) {
  test::ExpectTable("filter_matches.tsv", [](const Fields& f) {
    const LooseFilter filter(f[0]);
    return (filter.Empty() ? "no words, " : "") +
           std::string(filter.Matches({f[1], f[2]}) ? "matches" : "no match");
  });
}

TEST(Namelist, LinesLoseCommentsBlanksAndCommas) {
  test::ExpectTable("namelist_lines.tsv", [](const Fields& f) {
    std::string line = f[0];
    return CleanNamelistLine(&line) ? "+" + line : "-";
  });
}

TEST(Namelist, GroupsAreFoundByName) {
  test::ExpectTable("namelist_groups.tsv", [](const Fields& f) {
    TextFile file;
    std::string line;
    EXPECT_TRUE(file.OpenRead(Scratch("groups.txt", f[0])));
    if (!FindNamelistGroup(&file, "R")) return std::string("not found");
    const std::string next = file.ReadLine(&line) ? line : "the end";
    return "found, then " + next + (FindNamelistGroup(&file, "R") ? ", found again" : "");
  });
}

TEST(Namelist, ValuesComeFromTheFirstGroupOfTheirName) {
  test::ExpectTable("namelist_values.tsv", [](const Fields& f) {
    TextFile file;
    EXPECT_TRUE(file.OpenRead(Scratch("values.txt", f[0])));
    const std::string value = ReadNamelistValue(&file, "G", f[1]);
    return value + "|" + ReadNamelistValue(&file, "G", f[1]);
  });
}

TEST(ProjectFile, TheMbcBesideAnyPathIsRead) {
  // A ".meg" beside it is never read.
  Scratch("S.meg",
          "! === ORVENT Basic Environment File ===\r\n&General_Parameters\r\nFileVersion = 9,\r\n");
  test::ExpectTable("project_file_read.tsv", [](const Fields& f) {
    const std::string mbc = Scratch("S.mbc", f[0]);
    return ReadBeside(mbc.substr(0, mbc.size() - 3) + "meg");
  });
}

TEST(ProjectFile, IsWrittenByteForByteAndReadsBack) {
  test::ExpectTable("project_file_write.tsv", [](const Fields& f) {
    const std::string mbc = Scratch("w.mbc", "");
    const std::vector<std::string> systems(std::begin(kGeodeticNames), std::end(kGeodeticNames));
    EXPECT_TRUE(WriteProjectFile(mbc, {test::Index(test::kProjectTypes, f[0]), f[1],
                                       GeodeticSystem(test::Index(systems, f[2])), f[3], f[4]}));
    EXPECT_EQ(test::ReadBytes(mbc), test::ReadBytes(test::DataPath(f[5]))) << f[5];
    return ReadBeside(mbc);
  });
}

// A file that cannot be made fails; one that cannot be opened leaves the
// record alone.
TEST(ProjectFile, ThatCannotBeMadeOrOpenedFails) {
  test::ScratchFolder folder;
  EXPECT_FALSE(WriteProjectFile(folder.File("missing/p.mbc"), ProjectFile()));
  EXPECT_EQ(ReadBeside(folder.File("Other.mbc")), "not read|wind power|junk|JGD2011|junk|junk");
}

TEST(Text, TextFileWritesCrLfAndReadsLinesWithoutThem) {
  test::ExpectTable("text_file.tsv", [](const Fields& f) {
    const std::string path = Scratch("text.txt", "");
    const std::size_t half = f[0].size() / 2;
    TextFile file;
    EXPECT_TRUE(file.Create(path) && file.Write(f[0].substr(0, half)) &&
                file.Write(f[0].substr(half)) && file.Close());
    std::string lines[2], line;
    EXPECT_TRUE(file.OpenRead(path));
    for (std::string& read : lines) {  // the second time from the start again
      while (file.ReadLine(&line)) read += "[" + line + "]";
      EXPECT_TRUE(file.SeekToStart());
    }
    EXPECT_TRUE(file.Close() && lines[1] == lines[0]);
    return test::ReadBytes(path) + "|" + lines[0];
  });
#ifndef _WIN32
  // A disk that takes no more shows when the file is closed.
  TextFile file;
  ASSERT_TRUE(file.Create("/dev/full"));
  EXPECT_TRUE(file.Write("x"));
  EXPECT_FALSE(file.Close());
#endif
}

}  // namespace
}  // namespace orvent
