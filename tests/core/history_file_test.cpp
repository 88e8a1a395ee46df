#include "history/history_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/support/test_support.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace orvent {
namespace {

const std::string kHyoji = "\x95\x5C\x8E\xA6";         // 表示
const std::string kSoft = "\x83\x5C\x83\x74\x83\x67";  // ソフト
const char kGroupHeader[] =
    "!=== ORVENT Environment File ===\r\n! Recent Project (MAX:999)\r\n&RecentProject\r\n";

RecentEntry Entry(int number, const std::string& name, const std::string& location, int app,
                  int type, const std::string& geodetic) {
  return {number, name, location, app, type, geodetic};
}

// One row as text, so that a failing comparison shows every field.
std::string Describe(const RecentEntry& e) {
  return std::to_string(e.number) + "|" + e.projectName + "|" + e.location + "|" +
         std::to_string(e.appIndex) + "|" + std::to_string(e.projectType) + "|" + e.geodeticCode;
}

std::vector<std::string> Describe(const RecentHistory& list) {
  std::vector<std::string> rows;
  for (const RecentEntry& e : list) rows.push_back(Describe(e));
  return rows;
}

std::string CrLf(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  return bytes;
}

const RecentHistory kGoldenRows = {
    Entry(1, "Site A", "D:\\Wind Work\\Site A\\", 1, 0, "JGD"),
    Entry(2, kHyoji, "C:\\" + kSoft + "\\" + kHyoji + "\\", 4, 3, "WGS"),
    Entry(3, "Site1", "E:\\P\\", 5, 4, "TD"),
    Entry(4, "x", "\\\\srv\\share\\", 3, -2, ""),
};

TEST(HistoryGolden, SavesBytesAndLoadsBack) {
  const struct {
    RecentHistory list;
    std::string golden;
  } cases[] = {{kGoldenRows, "history_rows.ini"}, {{}, "history_empty.ini"}};
  test::ScratchFolder folder;
  const std::string path = folder.File("orvent.ini");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.golden);
    ASSERT_TRUE(test::WriteBytes(path, std::string(10000, 'x')));  // replaced whole
    ASSERT_TRUE(SaveHistory(path, c.list));
    bool ok = false;
    EXPECT_EQ(test::ReadBytes(path), test::ReadBytes(test::DataPath(c.golden), &ok));
    ASSERT_TRUE(ok);
    EXPECT_FALSE(test::FileExists(path + ".tmp"));
    RecentHistory loaded = {Entry(7, "stale", "S\\", 0, 0, "")};
    ASSERT_TRUE(LoadHistory(test::DataPath(c.golden), &loaded));
    EXPECT_EQ(Describe(loaded), Describe(c.list));
  }
}

// The text row by row as printf would put it, for lists longer than the file
// holds and numbers at the ends of their range.
TEST(FormatHistoryText, MatchesPrintfForExtremeRows) {
  RecentHistory list;
  std::string expected =
      "!=== ORVENT Environment File ===\n! Recent Project (MAX:999)\n&RecentProject\n";
  const int types[] = {0, -1, 7, INT_MIN, INT_MAX, 1000000};
  const char* const apps[] = {
      "Basic", "Energy", "Wind Climate", "Design Wind Speed", "Extreme Wind", "Wind Farm", "", ""};
  for (int i = 0; i < 1002; ++i) {
    const int app = i % 8 == 7 ? -3 : i % 8;
    list.push_back(Entry(-1, i % 9 ? "n" + std::to_string(i) : "", std::string(i % 40, 'L'), app,
                         types[i % 6], i % 4 ? "JGD" : ""));
    char row[512];
    std::snprintf(row, sizeof row, "Recent%03d = \"%s\", \"%s\", %d, \"%s\", \"%s\",\n", i + 1,
                  list.back().projectName.c_str(), apps[i % 8], types[i % 6],
                  list.back().location.c_str(), list.back().geodeticCode.c_str());
    expected += row;
  }
  expected += "/\n";
  EXPECT_EQ(FormatHistory(list), expected);
}

struct LoadCase {
  const char* name;
  std::string bytes;
  std::vector<std::string> expected;
};

// The file's header, then the lines.
std::string Rows(const std::vector<std::string>& lines) { return kGroupHeader + CrLf(lines); }

class LoadHistoryRules : public ::testing::TestWithParam<LoadCase> {};

TEST_P(LoadHistoryRules, KeepsValidRows) {
  const LoadCase& c = GetParam();
  test::ScratchFolder folder;
  const std::string path = folder.File("orvent.ini");
  ASSERT_TRUE(test::WriteBytes(path, c.bytes));
  RecentHistory list = {Entry(1, "stale", "S\\", 0, 0, "")};
  ASSERT_TRUE(LoadHistory(path, &list));
  EXPECT_EQ(Describe(list), c.expected);
}

const char kRow1[] = "Recent001 = \"A\", \"Basic\", 0, \"D:\\A\\\", \"TD\",";

const LoadCase kLoadCases[] = {
    {"NumberLimits",
     Rows({"Recent000 = \"Z\", \"Basic\", 0, \"D:\\\",",
           "Recent1000 = \"T\", \"Basic\", 0, \"D:\\\",",
           "Recent999 = \"N\", \"Basic\", 0, \"D:\\\",",
           "Recent-1 = \"M\", \"Basic\", 0, \"D:\\\","}),
     {"999|N|D:\\|0|0|JGD"}},
    {"KeyForms",
     Rows({"Recent7 = \"a\", \"Basic\", 0, \"L\",", "RecentRecent8 = \"b\", \"Basic\", 0, \"L\",",
           "Recent9x = \"c\", \"Basic\", 0, \"L\",", "xRecent5 = \"d\", \"Basic\", 0, \"L\",",
           "recent006 = \"e\", \"Basic\", 0, \"L\","}),
     {"7|a|L\\|0|0|JGD", "8|b|L\\|0|0|JGD", "9|c|L\\|0|0|JGD"}},
    {"SkippedLines",
     Rows({"", "!Recent002 = \"c\", \"Basic\", 0, \"L\",",
           "#Recent003 = \"h\", \"Basic\", 0, \"L\",", " Recent004 = \"i\", \"Basic\", 0, \"L\",",
           "Recent006 \"n\" \"Basic\"", kRow1}),
     {"1|A|D:\\A\\|0|0|TD"}},
    {"FieldRules",
     Rows({"Recent001 = \"three\", \"Basic\", 0,", "Recent002 = \"\", \"Basic\", 0, \"L\",",
           "Recent003 = \"n\", \"Basic\", 0, \"\",", "Recent004 = , \"Basic\", 0, \"L\",",
           "Recent005 = \"four\", \"Basic\", 2, \"L\"", "Recent006 = \" \", \"Basic\", 0, \" \","}),
     {"5|four|L\\|0|2|JGD", "6|||0|0|JGD"}},
    {"AppField",
     Rows({"Recent001 = \"a\", \"ENERGY\", 0, \"L\",", "Recent003 = \"c\", \"Unknown\", 0, \"L\",",
           "Recent005 = \"e\", \"6\", 0, \"L\",", "Recent006 = \"f\", \"5\", 0, \"L\",",
           "Recent009 = \"i\", Wind Farm, 0, \"L\",", "Recent010 = \"j\", \" Energy\", 0, \"L\","}),
     {"1|a|L\\|1|0|JGD", "3|c|L\\|0|0|JGD", "6|f|L\\|0|0|JGD", "9|i|L\\|5|0|JGD",
      "10|j|L\\|0|0|JGD"}},
    {"TypeAndTrims",
     Rows({"Recent001 = \" Site \", \"Basic\", x, \" D:\\Work \", \" wgs \",",
           "Recent002 = \"b\", \"Basic\", 12, \"D:\\Work\\\\\\\",",
           "Recent003 = \"c\", \"Basic\", -4, D:\\W,"}),
     {"1|Site|D:\\Work\\|0|0| wgs ", "2|b|D:\\Work\\|0|12|JGD", "3|c|D:\\W\\|0|-4|JGD"}},
    // ソ (0x83 0x5C) and 表 (0x95 0x5C) end in a byte that is no backslash.
    {"MultiByte",
     Rows({"Recent001 = \"" + kHyoji + "\", \"Basic\", 3, \"C:\\\x83\x5C\",",
           "Recent002 = \"" + kSoft + "\", \"Basic\", 3, \"C:\\\x95\x5C\\\\\","}),
     {"1|" + kHyoji + "|C:\\\x83\x5C\\|0|3|JGD", "2|" + kSoft + "|C:\\\x95\x5C\\|0|3|JGD"}},
    {"ReadsOnPastGroupEnd",
     Rows({kRow1, "/", "&Other", "Recent002 = \"B\", \"Basic\", 0, \"D:\\B\\\", \"TD\","}),
     {"1|A|D:\\A\\|0|0|TD", "2|B|D:\\B\\|0|0|TD"}},
    {"SortKeepsFileOrderOfEqualNumbers",
     Rows({"Recent002 = \"x\", \"Basic\", 0, \"L\",", "Recent001 = \"y\", \"Basic\", 0, \"L\",",
           "Recent002 = \"z\", \"Basic\", 0, \"L\","}),
     {"1|y|L\\|0|0|JGD", "2|x|L\\|0|0|JGD", "2|z|L\\|0|0|JGD"}},
    {"CommaInQuotedName",
     Rows({"Recent001 = \"a, b\", \"Basic\", 0, \"L\","}),
     {"1|a, b|L\\|0|0|JGD"}},
    {"EmptyFile", "", {}},
    {"NoGroup", CrLf({kRow1}), {}},
    {"RowBeforeGroup", CrLf({kRow1, "&RecentProject", "/"}), {}},
    {"LfOnlyAndGroupCase",
     "! x\n&recentproject\n" + std::string(kRow1) + "\n",
     {"1|A|D:\\A\\|0|0|TD"}},
    {"NoFinalLineEnd",
     "&RecentProject\r\nRecent001 = \"A\", \"Basic\", 0, \"L\"",
     {"1|A|L\\|0|0|JGD"}},
};
INSTANTIATE_TEST_SUITE_P(Rows, LoadHistoryRules, ::testing::ValuesIn(kLoadCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LoadHistoryOpen, MissingFileEmptiesListAndFails) {
  test::ScratchFolder folder;
  RecentHistory list = {Entry(1, "stale", "S\\", 0, 0, "")};
  EXPECT_FALSE(LoadHistory(folder.File("missing.ini"), &list));
  EXPECT_TRUE(list.empty());
  list.push_back(Entry(1, "stale", "S\\", 0, 0, ""));
  EXPECT_FALSE(LoadHistory(folder.Path(), &list));
  EXPECT_TRUE(list.empty());
}

TEST(LoadHistoryLimit, TwelveHundredRowsKeepFirst999ValidThenSort) {
  test::ScratchFolder folder;
  const std::string path = folder.File("orvent.ini");
  std::string bytes = kGroupHeader;
  RecentHistory expected;
  for (int i = 0; i < 1200; ++i) {
    const int number = 999 - (i * 7) % 999;  // out of order; rows past 999 repeat numbers
    const std::string name = "P" + std::to_string(i);
    bytes += "Recent" + std::to_string(number) + " = \"" + name + "\", \"Energy\", 1, \"D:\\" +
             name + "\",\r\n";
    if (i % 10 == 0) bytes += "Recent001 = \"bad\", \"Basic\", 0,\r\n";
    if (i < 999) expected.push_back(Entry(number, name, "D:\\" + name + "\\", 1, 1, "JGD"));
  }
  std::stable_sort(expected.begin(), expected.end(),
                   [](const RecentEntry& a, const RecentEntry& b) { return a.number < b.number; });
  ASSERT_TRUE(test::WriteBytes(path, bytes));
  RecentHistory list;
  ASSERT_TRUE(LoadHistory(path, &list));
  ASSERT_EQ(list.size(), 999u);
  EXPECT_EQ(Describe(list), Describe(expected));
}

TEST(SaveHistoryRoundTrip, FullListReadsBackInOrder) {
  test::ScratchFolder folder;
  const std::string path = folder.File("orvent.ini");
  RecentHistory list;
  for (int i = 0; i < kMaxRecentRows; ++i) {
    list.push_back(Entry(i + 1, "Name " + std::to_string(i), "C:\\F" + std::to_string(i) + "\\",
                         i % 6, i % 5, i % 2 ? "WGS" : "TD"));
  }
  ASSERT_TRUE(SaveHistory(path, list));
  RecentHistory loaded;
  ASSERT_TRUE(LoadHistory(path, &loaded));
  EXPECT_EQ(Describe(loaded), Describe(list));
}

TEST(SaveHistoryRoundTrip, JapaneseFolderOnDisk) {
  if (!test::SystemTakesCp932Paths()) GTEST_SKIP() << "system code page is not 932";
  test::ScratchFolder scratch;
  const std::string folder = scratch.File(kSoft);
  ASSERT_TRUE(test::MakeFolder(folder));
  const std::string path = test::Join(folder, kHyoji + ".ini");
  const RecentHistory list = {Entry(1, kHyoji, folder + "\\", 0, 3, "JGD")};
  ASSERT_TRUE(SaveHistory(path, list));
  RecentHistory loaded;
  ASSERT_TRUE(LoadHistory(path, &loaded));
  EXPECT_EQ(Describe(loaded), Describe(list));
}

bool MakeReadOnly(const std::string& path, bool readOnly) {
#ifdef _WIN32
  return SetFileAttributesA(path.c_str(),
                            readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL) != FALSE;
#else
  return chmod(path.c_str(), readOnly ? 0444 : 0644) == 0;
#endif
}

// Each failed save leaves the previous file whole and no temporary of ours.
TEST(SaveHistoryFailure, LeavesPreviousFile) {
  const std::string old = "!=== ORVENT Environment File ===\r\n&RecentProject\r\nold\r\n/\r\n";
  test::ScratchFolder f;
  const std::string missingFolder = test::Join(f.File("missing"), "orvent.ini");
  EXPECT_FALSE(SaveHistory(missingFolder, kGoldenRows));
  EXPECT_FALSE(test::FileExists(missingFolder + ".tmp"));

  ASSERT_TRUE(test::WriteBytes(f.File("file"), old));
  EXPECT_FALSE(SaveHistory(test::Join(f.File("file"), "orvent.ini"), kGoldenRows));
  EXPECT_EQ(test::ReadBytes(f.File("file")), old);

  ASSERT_TRUE(test::MakeFolder(f.File("folder")));
  ASSERT_TRUE(test::WriteBytes(test::Join(f.File("folder"), "inside.ini"), old));
  EXPECT_FALSE(SaveHistory(f.File("folder"), kGoldenRows));
  EXPECT_EQ(test::ReadBytes(test::Join(f.File("folder"), "inside.ini")), old);
  EXPECT_FALSE(test::FileExists(f.File("folder") + ".tmp"));

  // Whatever stands at the temporary name is not removed.
  ASSERT_TRUE(test::WriteBytes(f.File("taken.ini"), old));
  ASSERT_TRUE(test::MakeFolder(f.File("taken.ini.tmp")));
  EXPECT_FALSE(SaveHistory(f.File("taken.ini"), kGoldenRows));
  EXPECT_EQ(test::ReadBytes(f.File("taken.ini")), old);

  ASSERT_TRUE(test::WriteBytes(f.File("readonly.ini"), old));
  ASSERT_TRUE(MakeReadOnly(f.File("readonly.ini"), true));
  std::FILE* probe = std::fopen(f.File("readonly.ini").c_str(), "r+b");
  if (probe != nullptr) {
    std::fclose(probe);  // read-only files are writable for this user
  } else {
    EXPECT_FALSE(SaveHistory(f.File("readonly.ini"), kGoldenRows));
    EXPECT_EQ(test::ReadBytes(f.File("readonly.ini")), old);
    EXPECT_FALSE(test::FileExists(f.File("readonly.ini") + ".tmp"));
  }
  MakeReadOnly(f.File("readonly.ini"), false);
}

}  // namespace
}  // namespace orvent
