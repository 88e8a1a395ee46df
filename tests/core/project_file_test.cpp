// The project file: written byte for byte, and read from the ".mbc" file
// beside any path with its header test, defaults and geodetic names.
#include "project/project_file.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "tests/support/test_support.h"

namespace orvent {
namespace {

std::string Describe(const ProjectFile& r) {
  return std::to_string(r.projectType) + "|" + r.fileVersion + "|" +
         std::to_string(r.geodeticIndex) + "|" + r.geodeticName + "|" + r.projectName;
}

// Written byte for byte, and read back; the geodetic system only from 3 to 5.
TEST(ProjectFile, IsWrittenByteForByteAndReadsBack) {
  const std::tuple<ProjectFile, const char*, std::string> cases[] = {
      {{0, "1.0.0.0", 3, "WGS84", "Site1"}, "project_site1.mbc", "0|1.0.0.0|3|WGS84|w"},
      {{3, " 6.0.0.2 ", 5, "JGD2011", "\x95\x5C\x8E\xA6"},
       "project_japanese.mbc",
       "3|6.0.0.2|5|JGD2011|w"},
      {{4, "1.0.0.0", 2, "GRS80", "  "}, "project_no_geodetic.mbc", "4|1.0.0.0|0|ZV_MERIDANCE|w"}};
  test::ScratchFolder folder;
  for (const auto& [record, golden, read] : cases) {
    ASSERT_TRUE(WriteProjectFile(folder.File("w.mbc"), record));
    EXPECT_EQ(test::ReadBytes(folder.File("w.mbc")), test::ReadBytes(test::DataPath(golden)));
    ProjectFile back;
    EXPECT_TRUE(ReadProjectFile(folder.File("w.meg"), &back));
    EXPECT_EQ(Describe(back), read);
  }
  EXPECT_FALSE(WriteProjectFile(folder.File("missing/p.mbc"), ProjectFile()));
}

// project_read.tsv: the bytes of the ".mbc" beside any path; whether it
// reads (the header test), and the record then, reset before the file is read.
TEST(ProjectFile, IsReadBesideAnyExtension) {
  test::ScratchFolder folder;
  // A ".meg" beside it is never read.
  ASSERT_TRUE(test::WriteBytes(
      folder.File("S.meg"),
      "! === ORVENT Basic Environment File ===\r\n&General_Parameters\r\nFileVersion = 9,\r\n"));
  test::ExpectTable("project_read.tsv", [&](const std::vector<std::string>& f) {
    EXPECT_TRUE(test::WriteBytes(folder.File("S.mbc"), f[0]));
    ProjectFile record = {4, "junk", 5, "junk", "junk"};
    const bool read = ReadProjectFile(folder.File("S.meg"), &record);
    return std::to_string(read) + "|" + Describe(record);
  });
  // A file that cannot be opened leaves the record alone.
  ProjectFile record = {4, "junk", 5, "junk", "junk"};
  EXPECT_FALSE(ReadProjectFile(folder.File("Other.mbc"), &record));
  EXPECT_EQ(Describe(record), "4|junk|5|junk|junk");
}

}  // namespace
}  // namespace orvent
