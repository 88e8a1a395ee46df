#include "history/recent_history.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "history/history_file.h"
#include "tests/core/test_support.h"

namespace orvent {
namespace {

RecentEntry Entry(const std::string& name, const std::string& location, int app = 0,
                  int number = -1) {
  RecentEntry entry;
  entry.number = number;
  entry.projectName = name;
  entry.location = location;
  entry.appIndex = app;
  return entry;
}

std::vector<std::string> Names(const RecentHistory& list) {
  std::vector<std::string> names;
  for (const RecentEntry& e : list) names.push_back(e.projectName + "@" + e.location);
  return names;
}

TEST(RecentEntryDefaults, AsDocumented) {
  const RecentEntry entry;
  EXPECT_EQ(entry.number, -1);
  EXPECT_EQ(entry.projectName, "");
  EXPECT_EQ(entry.location, "");
  EXPECT_EQ(entry.appIndex, 0);
  EXPECT_EQ(entry.projectType, 3);
  EXPECT_EQ(entry.geodeticCode, "JGD");
}

struct RecordCase {
  const char* name;
  RecentHistory list;
  RecentEntry entry;
  int fromRow;
  std::vector<std::string> expected;
};

class RecordProjectTest : public ::testing::TestWithParam<RecordCase> {};

TEST_P(RecordProjectTest, PutsAtHead) {
  const RecordCase& c = GetParam();
  RecentHistory list = c.list;
  RecordProject(&list, c.entry, c.fromRow);
  EXPECT_EQ(Names(list), c.expected);
}

const RecentHistory kSix = {Entry("P", "D:\\P\\"), Entry("a", "A\\"), Entry("b", "B\\"),
                            Entry("c", "C\\"),     Entry("d", "D\\"), Entry("P", "D:\\P\\")};

const RecordCase kRecordCases[] = {
    {"IntoEmpty", {}, Entry("n", "L\\"), -1, {"n@L\\"}},
    {"DuplicatesInRows0And5",
     kSix,
     Entry("P", "D:\\P\\"),
     -1,
     {"P@D:\\P\\", "a@A\\", "b@B\\", "c@C\\", "d@D\\"}},
    {"IgnoringCaseAndTrimmedEntry",
     kSix,
     Entry(" p ", " d:\\p\\ "),
     -1,
     {" p @ d:\\p\\ ", "a@A\\", "b@B\\", "c@C\\", "d@D\\"}},
    {"NoPathNormalisation",
     kSix,
     Entry("P", "D:\\P"),
     -1,
     {"P@D:\\P", "P@D:\\P\\", "a@A\\", "b@B\\", "c@C\\", "d@D\\", "P@D:\\P\\"}},
    {"FromRowRemovedFirst",
     kSix,
     Entry("new", "N\\"),
     3,
     {"new@N\\", "P@D:\\P\\", "a@A\\", "b@B\\", "d@D\\", "P@D:\\P\\"}},
    {"FromRowAndDuplicate",
     kSix,
     Entry("b", "b\\"),
     0,
     {"b@b\\", "a@A\\", "c@C\\", "d@D\\", "P@D:\\P\\"}},
    {"FromRowOutOfRange", {Entry("a", "A\\")}, Entry("n", "L\\"), 7, {"n@L\\", "a@A\\"}},
    {"NameMustMatchToo",
     {Entry("a", "L\\"), Entry("b", "M\\")},
     Entry("a", "M\\"),
     -1,
     {"a@M\\", "a@L\\", "b@M\\"}},
    // ア (0x83 0x41) and ヂ (0x83 0x61) differ only in a trail byte: no case fold.
    {"TrailByteNotFolded",
     {Entry("\x83\x61", "L\\")},
     Entry("\x83\x41", "L\\"),
     -1,
     {"\x83\x41@L\\", "\x83\x61@L\\"}},
    {"AsciiFoldedBesideMultiByte",
     {Entry("\x95\x5C"
            "ab",
            "\x83\x5C\\")},
     Entry("\x95\x5C"
           "AB",
           "\x83\x5C\\"),
     -1,
     {"\x95\x5C"
      "AB@\x83\x5C\\"}},
};
INSTANTIATE_TEST_SUITE_P(Lists, RecordProjectTest, ::testing::ValuesIn(kRecordCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RecordProjectLimit, FullListDropsOldest) {
  RecentHistory list;
  for (int i = 0; i < kMaxRecentRows; ++i) list.push_back(Entry(std::to_string(i), "L\\"));
  RecordProject(&list, Entry("new", "L\\"), -1);
  ASSERT_EQ(list.size(), 999u);
  EXPECT_EQ(list.front().projectName, "new");
  EXPECT_EQ(list[1].projectName, "0");
  EXPECT_EQ(list.back().projectName, "997");
}

TEST(RecordProjectLimit, DuplicateRemovalMakesRoomFirst) {
  RecentHistory list;
  for (int i = 0; i < kMaxRecentRows; ++i) list.push_back(Entry(std::to_string(i), "L\\"));
  RecordProject(&list, Entry("500", "L\\"), -1);
  ASSERT_EQ(list.size(), 999u);
  EXPECT_EQ(list.front().projectName, "500");
  EXPECT_EQ(list.back().projectName, "998");
}

TEST(RecordProjectEntry, InsertedUnchanged) {
  RecentHistory list;
  RecentEntry entry = Entry(" n ", " L ", 4, 42);
  entry.projectType = 1;
  entry.geodeticCode = "WGS";
  RecordProject(&list, entry, -1);
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0].number, 42);
  EXPECT_EQ(list[0].projectName, " n ");
  EXPECT_EQ(list[0].location, " L ");
  EXPECT_EQ(list[0].appIndex, 4);
  EXPECT_EQ(list[0].projectType, 1);
  EXPECT_EQ(list[0].geodeticCode, "WGS");
}

TEST(RecordProjectEntry, AnotherApplicationIsSaved) {
  RecentHistory list = kSix;
  RecentEntry entry = list[3];
  entry.appIndex = 1;
  RecordProject(&list, entry, 3);
  test::ScratchFolder folder;
  const std::string path = folder.File("orvent.ini");
  ASSERT_TRUE(SaveHistory(path, list));
  EXPECT_NE(test::ReadBytes(path).find("Recent001 = \"c\", \"Energy\", 3, \"C\\\", \"JGD\",\r\n"),
            std::string::npos);
}

struct RemoveCase {
  const char* name;
  int row;
  bool removed;
  std::vector<std::string> expected;
};

class RemoveRecentRowTest : public ::testing::TestWithParam<RemoveCase> {};

TEST_P(RemoveRecentRowTest, TakesOneRow) {
  RecentHistory list = {Entry("a", "A\\"), Entry("b", "B\\"), Entry("c", "C\\")};
  EXPECT_EQ(RemoveRecentRow(&list, GetParam().row), GetParam().removed);
  EXPECT_EQ(Names(list), GetParam().expected);
}

const RemoveCase kRemoveCases[] = {
    {"First", 0, true, {"b@B\\", "c@C\\"}},
    {"Middle", 1, true, {"a@A\\", "c@C\\"}},
    {"Last", 2, true, {"a@A\\", "b@B\\"}},
    {"PastEnd", 3, false, {"a@A\\", "b@B\\", "c@C\\"}},
    {"Negative", -1, false, {"a@A\\", "b@B\\", "c@C\\"}},
};
INSTANTIATE_TEST_SUITE_P(Rows, RemoveRecentRowTest, ::testing::ValuesIn(kRemoveCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orvent
