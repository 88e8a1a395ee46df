#include "project/project_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/core/test_support.h"

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
                   const std::string& project) {
  ProjectFile record;
  record.projectType = type;
  record.fileVersion = version;
  record.geodeticIndex = index;
  record.geodeticName = name;
  record.projectName = project;
  return record;
}

void ExpectRecord(const ProjectFile& actual, const ProjectFile& expected) {
  EXPECT_EQ(actual.projectType, expected.projectType);
  EXPECT_EQ(actual.fileVersion, expected.fileVersion);
  EXPECT_EQ(actual.geodeticIndex, expected.geodeticIndex);
  EXPECT_EQ(actual.geodeticName, expected.geodeticName);
  EXPECT_EQ(actual.projectName, expected.projectName);
}

TEST(ProjectFileTables, GeodeticNamesAndSeparator) {
  const std::vector<std::string> names(GeodeticNames, GeodeticNames + kGeodeticNameCount);
  EXPECT_EQ(names, (std::vector<std::string>{"ZV_MERIDANCE", "TD", "GRS80", "WGS84", "JGD2000",
                                             "JGD2011"}));
  EXPECT_EQ(std::string(kSeparatorLine).size(), 74u);
  const ProjectFile defaults;
  ExpectRecord(defaults, Record(0, "1.0.0.0", 0, "ZV_MERIDANCE", ""));
}

struct GoldenCase {
  const char* name;
  ProjectFile record;
  std::string golden;
};

class WriteProjectFileGolden : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(WriteProjectFileGolden, MatchesBytes) {
  const GoldenCase& c = GetParam();
  test::ScratchFolder folder;
  const std::string path = folder.File("written.mbc");
  ASSERT_TRUE(WriteProjectFile(path, c.record));
  bool ok = false;
  const std::string golden = test::ReadBytes(test::DataPath(c.golden), &ok);
  ASSERT_TRUE(ok) << c.golden;
  EXPECT_EQ(test::ReadBytes(path), golden);
}

const GoldenCase kGoldens[] = {
    {"Site1", Record(0, "1.0.0.0", 3, "WGS84", "Site1"), "project_site1.mbc"},
    {"Japanese", Record(3, " 6.0.0.2 ", 5, "JGD2011", kHyoji), "project_japanese.mbc"},
    {"NoLabelNoGeodetic", Record(4, "1.0.0.0", 1, "TD", "  "), "project_no_geodetic.mbc"},
};
INSTANTIATE_TEST_SUITE_P(Files, WriteProjectFileGolden, ::testing::ValuesIn(kGoldens),
                         [](const auto& info) { return std::string(info.param.name); });

struct LinesCase {
  const char* name;
  ProjectFile record;
  std::vector<std::string> groupLines;  // between the group start and its end
};

class WriteProjectFileLines : public ::testing::TestWithParam<LinesCase> {};

TEST_P(WriteProjectFileLines, WritesLayout) {
  const LinesCase& c = GetParam();
  test::ScratchFolder folder;
  const std::string path = folder.File("p.mbc");
  ASSERT_TRUE(WriteProjectFile(path, c.record));
  std::vector<std::string> lines = {kBasic, "", kSeparatorLine, kG};
  lines.insert(lines.end(), c.groupLines.begin(), c.groupLines.end());
  lines.push_back("/");
  EXPECT_EQ(test::ReadBytes(path), CrLf(lines));
}

const std::string kType0 = "ProjectType = 0,\t! 0:Measurement, 1:Meso-Scale, 2:Engineering(DWS)";
const std::string kGeoComment = ",\t! \x91\xAA\x92\x6E\x8C\x6E";

const LinesCase kLinesCases[] = {
    {"Index0NoGeodetic",
     Record(0, "1", 0, "ZV_MERIDANCE", "P"),
     {"FileVersion = 1,", kType0, "ProjectLabel = P,"}},
    {"Index2NoGeodetic",
     Record(0, "1", 2, "GRS80", "P"),
     {"FileVersion = 1,", kType0, "ProjectLabel = P,"}},
    {"Index4",
     Record(0, "1", 4, "JGD2000", "P"),
     {"FileVersion = 1,", kType0, "ProjectLabel = P,", "GeodeticSystem = 'JGD2000'" + kGeoComment}},
    {"NameAsHeld",
     Record(0, "1", 5, "jgd2011 ", "P"),
     {"FileVersion = 1,", kType0, "ProjectLabel = P,",
      "GeodeticSystem = 'jgd2011 '" + kGeoComment}},
    {"EmptyNameQuoted",
     Record(0, "1", 3, "", "P"),
     {"FileVersion = 1,", kType0, "ProjectLabel = P,", "GeodeticSystem = ''" + kGeoComment}},
    {"Index6NotWritten",
     Record(0, "1", 6, "X", "P"),
     {"FileVersion = 1,", kType0, "ProjectLabel = P,"}},
    {"NoVersion", Record(0, " ", 0, "", "P"), {kType0, "ProjectLabel = P,"}},
    {"NegativeType",
     Record(-1, "1", 0, "", ""),
     {"FileVersion = 1,", "ProjectType = -1,\t! 0:Measurement, 1:Meso-Scale, 2:Engineering(DWS)"}},
};
INSTANTIATE_TEST_SUITE_P(Records, WriteProjectFileLines, ::testing::ValuesIn(kLinesCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct ReadCase {
  const char* name;
  std::string bytes;
  bool result;
  ProjectFile expected;  // projectName is always "Site1"
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
  ExpectRecord(record, c.expected);
}

ProjectFile Read(int type, const std::string& version, int index, const std::string& name) {
  return Record(type, version, index, name, "Site1");
}

const ProjectFile kReset = Read(0, "1.0.0.0", 0, "ZV_MERIDANCE");

const ReadCase kReadCases[] = {
    {"Basic", CrLf({kBasic, "", kG, "FileVersion = 2.0,", "ProjectType = 2,", "/"}), true,
     Read(2, "2.0", 0, "ZV_MERIDANCE")},
    {"EnergyHeader", CrLf({"! === ORVENT Energy Environment File ===", kG, "FileVersion = 3,"}),
     true, Read(0, "3", 0, "ZV_MERIDANCE")},
    {"HeaderInsideLine", CrLf({"x=== ORVENT Basic Environment File ===y", kG, "FileVersion = 3,"}),
     true, Read(0, "3", 0, "ZV_MERIDANCE")},
    {"HeaderCaseMatters", CrLf({"! === orvent basic environment file ===", kG, "FileVersion = 3,"}),
     false, kReset},
    {"HeaderOnSecondLine", CrLf({"", kBasic, kG, "FileVersion = 3,"}), false, kReset},
    {"EmptyFile", "", false, kReset},
    {"NoFileVersion", CrLf({kBasic, kG, "ProjectType = 2,"}), false, kReset},
    {"EmptyFileVersion", CrLf({kBasic, kG, "FileVersion = ,", "ProjectType = 2,"}), false, kReset},
    {"FileVersionElsewhere", CrLf({kBasic, "&Other", "FileVersion = 1,", "/", kG, "/"}), false,
     kReset},
    {"AtlasOnly", CrLf({kBasic, kG, "FileVersion = 1,", "AtlasMode = .true.,"}), true,
     Read(1, "1", 0, "ZV_MERIDANCE")},
    {"AtlasFalse", CrLf({kBasic, kG, "FileVersion = 1,", "AtlasMode = F,"}), true,
     Read(0, "1", 0, "ZV_MERIDANCE")},
    {"ProjectTypeWins",
     CrLf({kBasic, kG, "ProjectType = 2,", "FileVersion = 1,", "AtlasMode = .true.,"}), true,
     Read(2, "1", 0, "ZV_MERIDANCE")},
    {"ProjectTypeText", CrLf({kBasic, kG, "FileVersion = 1,", "ProjectType = x,"}), true,
     Read(0, "1", 0, "ZV_MERIDANCE")},
    {"ProjectTypeLeadingDigits", CrLf({kBasic, kG, "FileVersion = 1,", "ProjectType = 4x,"}), true,
     Read(4, "1", 0, "ZV_MERIDANCE")},
    {"GeodeticIgnoringCase", CrLf({kBasic, kG, "FileVersion = 1,", "GeodeticSystem = 'wgs84',"}),
     true, Read(0, "1", 3, "wgs84")},
    {"GeodeticUnknown", CrLf({kBasic, kG, "FileVersion = 1,", "GeodeticSystem = 'Bessel',"}), true,
     Read(0, "1", 0, "Bessel")},
    {"GeodeticFirstEntry", CrLf({kBasic, kG, "FileVersion = 1,", "GeodeticSystem = td,"}), true,
     Read(0, "1", 1, "td")},
    {"LabelIgnored", CrLf({kBasic, kG, "FileVersion = 1,", "ProjectLabel = Other,"}), true,
     Read(0, "1", 0, "ZV_MERIDANCE")},
    {"LfOnly", "! === ORVENT Basic Environment File ===\n&General_Parameters\nFileVersion = 5,\n",
     true, Read(0, "5", 0, "ZV_MERIDANCE")},
};
INSTANTIATE_TEST_SUITE_P(Files, ReadProjectFileTest, ::testing::ValuesIn(kReadCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReadProjectFileOpen, MissingFileLeavesRecord) {
  test::ScratchFolder folder;
  ASSERT_TRUE(test::WriteBytes(folder.File("Site1.meg"), CrLf({kBasic, kG, "FileVersion = 1,"})));
  const ProjectFile before = Record(4, "junk", 5, "junk", "junk");
  ProjectFile record = before;
  EXPECT_FALSE(ReadProjectFile(folder.File("Site1.meg"), &record));
  ExpectRecord(record, before);
  EXPECT_FALSE(ReadProjectFile(folder.Path(), &record));
  ExpectRecord(record, before);
}

TEST(ProjectFileRoundTrip, EveryGeodeticIndexAndType) {
  test::ScratchFolder folder;
  for (int index = 0; index < kGeodeticNameCount; ++index) {
    for (int type = 0; type <= 4; ++type) {
      const std::string path = folder.File("Round.mbc");
      ASSERT_TRUE(
          WriteProjectFile(path, Record(type, "6.0.0.2", index, GeodeticNames[index], "Label")));
      ProjectFile record;
      ASSERT_TRUE(ReadProjectFile(path, &record));
      const bool written = index >= 3;
      ExpectRecord(record, Record(type, "6.0.0.2", written ? index : 0,
                                  written ? GeodeticNames[index] : GeodeticNames[0], "Round"));
    }
  }
}

TEST(ProjectFileRoundTrip, EmptyVersionDoesNotReadBack) {
  test::ScratchFolder folder;
  const std::string path = folder.File("P.mbc");
  ASSERT_TRUE(WriteProjectFile(path, Record(2, "", 3, "WGS84", "P")));
  ProjectFile record;
  EXPECT_FALSE(ReadProjectFile(path, &record));
  ExpectRecord(record, Record(0, "1.0.0.0", 0, "ZV_MERIDANCE", "P"));
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
  ExpectRecord(record, Record(3, "6.0.0.2", 5, "JGD2011", kHyoji));
}

TEST(WriteProjectFileOpen, MissingFolderFails) {
  test::ScratchFolder folder;
  EXPECT_FALSE(WriteProjectFile(folder.File("missing") + "/p.mbc", ProjectFile()));
}

}  // namespace
}  // namespace orvent
