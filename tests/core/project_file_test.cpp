// The project file: written byte for byte, and read from the ".mbc" file
// beside any path with its header test, defaults and geodetic names.
#include "project/project_file.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "tests/support/test_support.h"

namespace orvent {
namespace {

const std::string kHeader = "! === ORVENT Basic Environment File ===\r\n&General_Parameters\r\n";

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

TEST(ProjectFile, IsReadBesideAnyExtension) {
  const std::string none = "0|1.0.0.0|0|ZV_MERIDANCE|S";  // the record reset
  const std::tuple<std::string, bool, std::string> cases[] = {
      {kHeader + "FileVersion = 2.0,\r\nProjectType = 2,\r\nGeodeticSystem = 'jgd2000',\r\n", true,
       "2|2.0|4|jgd2000|S"},
      {"x=== ORVENT Energy Environment File ===y\n&General_Parameters\nFileVersion = 3,\n", true,
       "0|3|0|ZV_MERIDANCE|S"},
      {"\r\n" + kHeader + "FileVersion = 3,\r\n", false, none},
      {kHeader + "FileVersion = ,\r\nProjectType = 2,\r\n", false, none},
      {kHeader + "FileVersion = 1,\r\nAtlasMode = .true.,\r\n", true, "1|1|0|ZV_MERIDANCE|S"},
      {kHeader + "ProjectType = 4x,\r\nFileVersion = 1,\r\nAtlasMode = .true.,\r\n", true,
       "4|1|0|ZV_MERIDANCE|S"},
      {kHeader + "FileVersion = 1,\r\nGeodeticSystem = 'grs80',\r\n", true, "0|1|2|grs80|S"},
      {kHeader + "FileVersion = 1,\r\nProjectLabel = X,\r\nGeodeticSystem = 'Bessel',\r\n", true,
       "0|1|0|Bessel|S"}};
  test::ScratchFolder folder;
  // A ".meg" beside it is never read.
  ASSERT_TRUE(test::WriteBytes(folder.File("S.meg"), kHeader + "FileVersion = 9,\r\n"));
  for (const auto& [bytes, result, read] : cases) {
    ASSERT_TRUE(test::WriteBytes(folder.File("S.mbc"), bytes));
    ProjectFile record = {4, "junk", 5, "junk", "junk"};
    EXPECT_EQ(ReadProjectFile(folder.File("S.meg"), &record), result) << bytes;
    EXPECT_EQ(Describe(record), read) << bytes;
  }
  // A file that cannot be opened leaves the record alone.
  ProjectFile record = {4, "junk", 5, "junk", "junk"};
  EXPECT_FALSE(ReadProjectFile(folder.File("Other.mbc"), &record));
  EXPECT_EQ(Describe(record), "4|junk|5|junk|junk");
}

}  // namespace
}  // namespace orvent
