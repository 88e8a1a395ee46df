// The project file: written byte for byte, and read from the ".mbc" file
// beside any path with its header test, defaults and geodetic names.
#include "project/project_file.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "project/geodetic_codes.h"
#include "tests/support/test_support.h"

namespace orvent {
namespace {

const std::string kHeader = "! === ORVENT Basic Environment File ===\r\n&General_Parameters\r\n";

std::string Describe(const ProjectFile& r) {
  return std::to_string(r.projectType) + "|" + r.fileVersion + "|" +
         std::to_string(r.geodeticIndex) + "|" + r.geodeticName + "|" + r.projectName;
}

TEST(ProjectFile, IsWrittenByteForByte) {
  const std::pair<ProjectFile, const char*> cases[] = {
      {{0, "1.0.0.0", 3, "WGS84", "Site1"}, "project_site1.mbc"},
      {{3, " 6.0.0.2 ", 5, "JGD2011", "\x95\x5C\x8E\xA6"}, "project_japanese.mbc"},
      // No label, no geodetic line for an index below 3.
      {{4, "1.0.0.0", 2, "GRS80", "  "}, "project_no_geodetic.mbc"}};
  test::ScratchFolder folder;
  for (const auto& [record, golden] : cases) {
    ASSERT_TRUE(WriteProjectFile(folder.File("written.mbc"), record));
    EXPECT_EQ(test::ReadBytes(folder.File("written.mbc")), test::ReadBytes(test::DataPath(golden)))
        << golden;
  }
  EXPECT_FALSE(WriteProjectFile(folder.File("missing/p.mbc"), ProjectFile()));
  // Every index and type reads back; only 3 to 5 are written.
  for (int index = 0; index < kGeodeticNameCount; ++index) {
    for (int type = 0; type <= 4; ++type) {
      ASSERT_TRUE(WriteProjectFile(folder.File("Round.mbc"),
                                   {type, "6.0.0.2", index, GeodeticNames[index], "L"}));
      ProjectFile read;
      ASSERT_TRUE(ReadProjectFile(folder.File("Round.meg"), &read));
      const int kept = index >= 3 ? index : 0;
      EXPECT_EQ(Describe(read), Describe({type, "6.0.0.2", kept, GeodeticNames[kept], "Round"}));
    }
  }
  EXPECT_EQ(
      std::string(GeodeticCodeForIndex(2)) + GeodeticCodeForIndex(3) + GeodeticCodeForIndex(4),
      "TDWGSJGD");
}

TEST(ProjectFile, IsReadBesideAnyExtension) {
  const std::string reset = "0|1.0.0.0|0|ZV_MERIDANCE|Site1";
  const std::tuple<std::string, bool, std::string> cases[] = {
      {kHeader + "FileVersion = 2.0,\r\nProjectType = 2,\r\nProjectLabel = X,\r\nGeodeticSystem = "
                 "'wgs84',\r\n",
       true, "2|2.0|3|wgs84|Site1"},
      {"x=== ORVENT Energy Environment File ===y\n&General_Parameters\nFileVersion = 3,\n", true,
       "0|3|0|ZV_MERIDANCE|Site1"},
      {"\r\n" + kHeader + "FileVersion = 3,\r\n", false, reset},
      {kHeader + "FileVersion = ,\r\nProjectType = 2,\r\n", false, reset},
      {kHeader + "FileVersion = 1,\r\nAtlasMode = .true.,\r\n", true, "1|1|0|ZV_MERIDANCE|Site1"},
      {kHeader + "ProjectType = 4x,\r\nFileVersion = 1,\r\nAtlasMode = .true.,\r\n", true,
       "4|1|0|ZV_MERIDANCE|Site1"},
      {kHeader + "FileVersion = 1,\r\nGeodeticSystem = 'Bessel',\r\n", true, "0|1|0|Bessel|Site1"}};
  test::ScratchFolder folder;
  // A ".meg" beside it is never read.
  ASSERT_TRUE(test::WriteBytes(folder.File("Site1.meg"), kHeader + "FileVersion = 9,\r\n"));
  for (const auto& [bytes, result, read] : cases) {
    ASSERT_TRUE(test::WriteBytes(folder.File("Site1.mbc"), bytes));
    ProjectFile record = {4, "junk", 5, "junk", "junk"};
    EXPECT_EQ(ReadProjectFile(folder.File("Site1.meg"), &record), result) << bytes;
    EXPECT_EQ(Describe(record), read) << bytes;
  }
  // A file that cannot be opened leaves the record alone.
  ProjectFile record = {4, "junk", 5, "junk", "junk"};
  EXPECT_FALSE(ReadProjectFile(folder.File("Other.mbc"), &record));
  EXPECT_EQ(Describe(record), "4|junk|5|junk|junk");
}

}  // namespace
}  // namespace orvent
