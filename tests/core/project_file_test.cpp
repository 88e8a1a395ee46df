#include "project/project_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "project/geodetic_codes.h"
#include "tests/support/test_support.h"

namespace orvent {
namespace {

const char kSeparatorLine[] =
    "!=========================================================================";
const char kBasic[] = "! === ORVENT Basic Environment File ===";
const char kG[] = "&General_Parameters";
const std::string kHyoji = "\x95\x5C\x8E\xA6";         // 表示
const std::string kSoft = "\x83\x5C\x83\x74\x83\x67";  // ソフト

std::string CrLf(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  return bytes;
}

ProjectFile Record(int type, const std::string& version, int index, const std::string& name,
                   const std::string& project = "Site1") {
  return {type, version, index, name, project};
}

std::string Describe(const ProjectFile& r) {
  return std::to_string(r.projectType) + "|" + r.fileVersion + "|" +
         std::to_string(r.geodeticIndex) + "|" + r.geodeticName + "|" + r.projectName;
}

TEST(GeodeticCodes, IndexOfAGeodeticNameToItsCode) {
  const struct {
    int index;
    const char* code;
  } cases[] = {{2, "TD"}, {3, "WGS"}, {4, "JGD"}, {5, "JGD"}, {6, "TD"}};
  for (const auto& c : cases) EXPECT_STREQ(GeodeticCodeForIndex(c.index), c.code) << c.index;
}

TEST(WriteProjectFile, MatchesGoldenBytes) {
  const struct {
    ProjectFile record;
    std::string golden;
  } cases[] = {
      {Record(0, "1.0.0.0", 3, "WGS84"), "project_site1.mbc"},
      {Record(3, " 6.0.0.2 ", 5, "JGD2011", kHyoji), "project_japanese.mbc"},
      {Record(4, "1.0.0.0", 1, "TD", "  "), "project_no_geodetic.mbc"},
  };
  test::ScratchFolder folder;
  const std::string path = folder.File("written.mbc");
  for (const auto& c : cases) {
    ASSERT_TRUE(WriteProjectFile(path, c.record));
    bool ok = false;
    const std::string golden = test::ReadBytes(test::DataPath(c.golden), &ok);
    ASSERT_TRUE(ok) << c.golden;
    EXPECT_EQ(test::ReadBytes(path), golden) << c.golden;
  }
}

TEST(WriteProjectFile, GeodeticLineOnlyForIndex3To5) {
  const std::string type0 = "ProjectType = 0,\t! 0:Measurement, 1:Meso-Scale, 2:Engineering(DWS)";
  const struct {
    ProjectFile record;
    std::vector<std::string> groupLines;  // between the group start and its end
  } cases[] = {
      {Record(0, " ", 2, "GRS80", "P"), {type0, "ProjectLabel = P,"}},
      {Record(0, "1", 4, "", "P"),
       {"FileVersion = 1,", type0, "ProjectLabel = P,",
        "GeodeticSystem = '',\t! \x91\xAA\x92\x6E\x8C\x6E"}},
      {Record(0, "1", 6, "X", "P"), {"FileVersion = 1,", type0, "ProjectLabel = P,"}},
  };
  test::ScratchFolder folder;
  const std::string path = folder.File("p.mbc");
  for (const auto& c : cases) {
    ASSERT_TRUE(WriteProjectFile(path, c.record));
    std::vector<std::string> lines = {kBasic, "", kSeparatorLine, kG};
    lines.insert(lines.end(), c.groupLines.begin(), c.groupLines.end());
    lines.push_back("/");
    EXPECT_EQ(test::ReadBytes(path), CrLf(lines));
  }
}

struct ReadCase {
  const char* name;
  std::string bytes;
  bool result;
  ProjectFile expected;
};

class ReadProjectFileTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadProjectFileTest, ReadsBesideMbc) {
  const ReadCase& c = GetParam();
  test::ScratchFolder folder;
  ASSERT_TRUE(test::WriteBytes(folder.File("Site1.mbc"), c.bytes));
  // A stale ".meg" beside it is never read.
  ASSERT_TRUE(test::WriteBytes(folder.File("Site1.meg"), CrLf({kBasic, kG, "FileVersion = 9,"})));
  ProjectFile record = Record(4, "junk", 5, "junk", "junk");
  EXPECT_EQ(ReadProjectFile(folder.File("Site1.meg"), &record), c.result);
  EXPECT_EQ(Describe(record), Describe(c.expected));
}

const ProjectFile kReset = Record(0, "1.0.0.0", 0, "ZV_MERIDANCE");
const std::string kBasicV1 = CrLf({kBasic, kG, "FileVersion = 1,"});

const ReadCase kReadCases[] = {
    {"Basic", CrLf({kBasic, "", kG, "FileVersion = 2.0,", "ProjectType = 2,", "ProjectLabel = X,"}),
     true, Record(2, "2.0", 0, "ZV_MERIDANCE")},
    {"EnergyHeader", CrLf({"! === ORVENT Energy Environment File ===", kG, "FileVersion = 3,"}),
     true, Record(0, "3", 0, "ZV_MERIDANCE")},
    {"HeaderInsideLine", CrLf({"x=== ORVENT Basic Environment File ===y", kG, "FileVersion = 3,"}),
     true, Record(0, "3", 0, "ZV_MERIDANCE")},
    {"HeaderCaseMatters", CrLf({"! === orvent basic environment file ===", kG, "FileVersion = 3,"}),
     false, kReset},
    {"HeaderOnSecondLine", CrLf({"", kBasic, kG, "FileVersion = 3,"}), false, kReset},
    {"EmptyFile", "", false, kReset},
    {"EmptyFileVersion", CrLf({kBasic, kG, "FileVersion = ,", "ProjectType = 2,"}), false, kReset},
    {"Atlas", kBasicV1 + "AtlasMode = .true.,\r\n", true, Record(1, "1", 0, "ZV_MERIDANCE")},
    {"ProjectTypeWins",
     CrLf({kBasic, kG, "ProjectType = 4x,", "FileVersion = 1,", "AtlasMode = .true.,"}), true,
     Record(4, "1", 0, "ZV_MERIDANCE")},
    {"GeodeticIgnoringCase", kBasicV1 + "GeodeticSystem = 'wgs84',\r\n", true,
     Record(0, "1", 3, "wgs84")},
    {"GeodeticUnknown", kBasicV1 + "GeodeticSystem = 'Bessel',\r\n", true,
     Record(0, "1", 0, "Bessel")},
    {"LfOnly", "! === ORVENT Basic Environment File ===\n&General_Parameters\nFileVersion = 5,\n",
     true, Record(0, "5", 0, "ZV_MERIDANCE")},
};
INSTANTIATE_TEST_SUITE_P(Files, ReadProjectFileTest, ::testing::ValuesIn(kReadCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ProjectFileOpen, FailuresLeaveRecord) {
  test::ScratchFolder folder;
  ASSERT_TRUE(test::WriteBytes(folder.File("Site1.meg"), kBasicV1));
  const ProjectFile before = Record(4, "junk", 5, "junk", "junk");
  ProjectFile record = before;
  EXPECT_FALSE(ReadProjectFile(folder.File("Site1.meg"), &record));
  EXPECT_FALSE(ReadProjectFile(folder.Path(), &record));
  EXPECT_EQ(Describe(record), Describe(before));
  EXPECT_FALSE(WriteProjectFile(test::Join(folder.File("missing"), "p.mbc"), ProjectFile()));
}

TEST(ProjectFileRoundTrip, EveryGeodeticIndexAndType) {
  test::ScratchFolder folder;
  const std::string path = folder.File("Round.mbc");
  for (int index = 0; index < kGeodeticNameCount; ++index) {
    for (int type = 0; type <= 4; ++type) {
      ASSERT_TRUE(
          WriteProjectFile(path, Record(type, "6.0.0.2", index, GeodeticNames[index], "L")));
      ProjectFile record;
      ASSERT_TRUE(ReadProjectFile(path, &record));
      const bool written = index >= 3;
      EXPECT_EQ(Describe(record), Describe(Record(type, "6.0.0.2", written ? index : 0,
                                                  GeodeticNames[written ? index : 0], "Round")));
    }
  }
}

TEST(ProjectFileRoundTrip, JapaneseFolderAndName) {
  if (!test::SystemTakesCp932Paths()) GTEST_SKIP() << "system code page is not 932";
  test::ScratchFolder scratch;
  const std::string folder = scratch.File(kSoft);
  ASSERT_TRUE(test::MakeFolder(folder));
  const std::string path = test::Join(folder, kHyoji + ".mbc");
  ASSERT_TRUE(WriteProjectFile(path, Record(3, "6.0.0.2", 5, "JGD2011", kHyoji)));
  EXPECT_EQ(test::ReadBytes(path), test::ReadBytes(test::DataPath("project_japanese.mbc")));
  ProjectFile record;
  ASSERT_TRUE(ReadProjectFile(path.substr(0, path.size() - 4) + ".meg", &record));
  EXPECT_EQ(Describe(record), Describe(Record(3, "6.0.0.2", 5, "JGD2011", kHyoji)));
}

}  // namespace
}  // namespace orvent
