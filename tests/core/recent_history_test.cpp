#include "history/recent_history.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvent {
namespace {

RecentEntry Entry(const std::string& name, const std::string& location) {
  RecentEntry entry;
  entry.projectName = name;
  entry.location = location;
  return entry;
}

// "name@location" of each row, separated by blanks.
std::string Names(const RecentHistory& list) {
  std::string names;
  for (const RecentEntry& e : list)
    names += (names.empty() ? "" : " ") + e.projectName + "@" + e.location;
  return names;
}

struct RecordCase {
  const char* name;
  RecentHistory list;
  RecentEntry entry;
  int fromRow;
  std::string expected;
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
    {"IgnoringCaseAndTrimmedEntry", kSix, Entry(" p ", " d:\\p\\ "), -1,
     " p @ d:\\p\\  a@A\\ b@B\\ c@C\\ d@D\\"},
    {"NoPathNormalisation", kSix, Entry("P", "D:\\P"), -1,
     "P@D:\\P P@D:\\P\\ a@A\\ b@B\\ c@C\\ d@D\\ P@D:\\P\\"},
    {"FromRowRemovedFirst", kSix, Entry("new", "N\\"), 3,
     "new@N\\ P@D:\\P\\ a@A\\ b@B\\ d@D\\ P@D:\\P\\"},
    {"FromRowAndDuplicate", kSix, Entry("b", "b\\"), 0, "b@b\\ a@A\\ c@C\\ d@D\\ P@D:\\P\\"},
    {"FromRowOutOfRange", {Entry("a", "A\\")}, Entry("n", "L\\"), 7, "n@L\\ a@A\\"},
    {"NameMustMatchToo",
     {Entry("a", "L\\"), Entry("b", "M\\")},
     Entry("a", "M\\"),
     -1,
     "a@M\\ a@L\\ b@M\\"},
    // ア (0x83 0x41) and ヂ (0x83 0x61) differ only in a trail byte: no case fold.
    {"TrailByteNotFolded",
     {Entry("\x83\x61", "L\\")},
     Entry("\x83\x41", "L\\"),
     -1,
     "\x83\x41@L\\ \x83\x61@L\\"},
    {"AsciiFoldedBesideMultiByte",
     {Entry("\x95\x5Cxy", "\x83\x5C\\")},
     Entry("\x95\x5CXY", "\x83\x5C\\"),
     -1,
     "\x95\x5CXY@\x83\x5C\\"},
};
INSTANTIATE_TEST_SUITE_P(Lists, RecordProjectTest, ::testing::ValuesIn(kRecordCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RecordProjectLimit, FullListDropsOldestUnlessADuplicateGoes) {
  RecentHistory full;
  for (int i = 0; i < kMaxRecentRows; ++i) full.push_back(Entry(std::to_string(i), "L\\"));
  const struct {
    std::string name, second, last;
  } cases[] = {{"new", "0", "997"}, {"500", "0", "998"}};
  for (const auto& c : cases) {
    RecentHistory list = full;
    RecordProject(&list, Entry(c.name, "L\\"), -1);
    ASSERT_EQ(list.size(), 999u);
    EXPECT_EQ(list[0].projectName, c.name);
    EXPECT_EQ(list[1].projectName, c.second);
    EXPECT_EQ(list.back().projectName, c.last);
  }
}

TEST(RemoveRecentRow, TakesOneRow) {
  const struct {
    int row;
    std::string expected;
  } cases[] = {
      {0, "b@B\\ c@C\\"},
      {2, "a@A\\ b@B\\"},
      {3, "a@A\\ b@B\\ c@C\\"},
      {-1, "a@A\\ b@B\\ c@C\\"},
  };
  for (const auto& c : cases) {
    RecentHistory list = {Entry("a", "A\\"), Entry("b", "B\\"), Entry("c", "C\\")};
    RemoveRecentRow(&list, c.row);
    EXPECT_EQ(Names(list), c.expected) << c.row;
  }
}

}  // namespace
}  // namespace orvent
