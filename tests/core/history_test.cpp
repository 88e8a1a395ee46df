// The recent-project history: how a start and a deletion change it, and its
// settings file, written byte for byte, read by the loader's rules (rows in
// the shape the program writes take a quicker road, which must agree), and
// replaced whole or not at all.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "history/history_file.h"
#include "history/history_row.h"
#include "history/saved_row.h"
#include "tests/support/test_support.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace orvent {
namespace {

namespace fs = std::filesystem;

const std::string kHyoji = "\x95\x5C\x8E\xA6";  // 表示: trail byte 0x5C

std::string Describe(const RecentHistory& list) {
  std::string text;
  for (const RecentEntry& e : list) {
    text += std::to_string(e.number) + "|" + e.projectName + "|" + e.location + "|" +
            std::to_string(e.appIndex) + "|" + std::to_string(e.projectType) + "|" +
            e.geodeticCode + "\n";
  }
  return text;
}

RecentHistory Named(const std::vector<std::string>& names) {
  RecentHistory list;
  for (const std::string& name : names) list.push_back({-1, name, name + "\\", 0, 0, ""});
  return list;
}

std::size_t Entries(const std::string& folder) {
  return static_cast<std::size_t>(
      std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(History, AStartedProjectComesFirstOnce) {
  const RecentHistory five = {{-1, "P", "D:\\P\\", 0, 0, ""},
                              {-1, "a", "A\\", 0, 0, ""},
                              {-1, "b", "B\\", 0, 0, ""},
                              {-1, "c", "C\\", 0, 0, ""},
                              {-1, "P", "D:\\P\\", 0, 0, ""}};
  const struct {
    RecentEntry entry;
    int fromRow;
    std::string names;  // the list's names and locations afterwards
  } cases[] = {{{-1, " p ", " d:\\p\\ ", 0, 0, ""}, -1, " p @ d:\\p\\ ,a@A\\,b@B\\,c@C\\,"},
               {{-1, "P", "D:\\P", 0, 0, ""}, -1, "P@D:\\P,P@D:\\P\\,a@A\\,b@B\\,c@C\\,P@D:\\P\\,"},
               {{-1, "new", "N\\", 0, 0, ""}, 2, "new@N\\,P@D:\\P\\,a@A\\,c@C\\,P@D:\\P\\,"},
               {{-1, "b", "A\\", 0, 0, ""}, 7, "b@A\\,P@D:\\P\\,a@A\\,b@B\\,c@C\\,P@D:\\P\\,"}};
  for (const auto& c : cases) {
    RecentHistory list = five;
    RecordProject(&list, c.entry, c.fromRow);
    std::string names;
    for (const RecentEntry& e : list) names += e.projectName + "@" + e.location + ",";
    EXPECT_EQ(names, c.names);
  }
  // A full list loses its last row, unless the project was in it.
  RecentHistory full;
  for (int i = 0; i < kMaxRecentRows; ++i) full.push_back(Named({std::to_string(i)})[0]);
  for (const std::string& name : {std::string("new"), std::string("500")}) {
    RecentHistory list = full;
    RecordProject(&list, Named({name})[0], -1);
    ASSERT_EQ(list.size(), 999u) << name;
    EXPECT_EQ(list.back().projectName, name == "new" ? "997" : "998");
  }
  RecentHistory three = Named({"a", "b", "c"});
  RemoveRecentRow(&three, 3);
  RemoveRecentRow(&three, 1);
  EXPECT_EQ(Describe(three), Describe(Named({"a", "c"})));
}

TEST(History, IsSavedByteForByteAndLoadsBack) {
  const std::string fullWidthSpace = "\x81\x40";
  const struct {
    RecentHistory list;
    const char* golden;
  } cases[] = {{{{1, "Site A", "D:\\Wind Work\\Site A\\", 1, 0, "JGD"},
                 {2, kHyoji, "C:\\\x83\x5C\x83\x74\x83\x67\\" + kHyoji + "\\", 4, 3, "WGS"},
                 {3, "Site1", "E:\\P\\", 5, 4, "TD"},
                 {4, "x", "\\\\srv\\share\\", 3, -2, ""},
                 // Full-width spaces inside a name and a folder name stay.
                 {5, kHyoji + fullWidthSpace + "A",
                  "D:\\" + fullWidthSpace + kHyoji + fullWidthSpace + "\\", 0, 1, "JGD"}},
                "history_rows.ini"},
               {{}, "history_empty.ini"}};
  test::ScratchFolder folder;
  const std::string path = folder.File("orvent.ini");
  for (const auto& c : cases) {
    ASSERT_TRUE(test::WriteBytes(path, std::string(10000, 'x')));  // replaced whole
    ASSERT_TRUE(SaveHistory(path, c.list));
    EXPECT_EQ(test::ReadBytes(path), test::ReadBytes(test::DataPath(c.golden)));
    RecentHistory loaded = Named({"stale"});
    ASSERT_TRUE(LoadHistory(path, &loaded));
    EXPECT_EQ(Describe(loaded), Describe(c.list));
  }
  EXPECT_EQ(Entries(folder.Path()), 1u);
  RecentHistory loaded = Named({"stale"});
  EXPECT_FALSE(LoadHistory(folder.File("missing.ini"), &loaded));
  EXPECT_FALSE(LoadHistory(folder.Path(), &loaded));
  EXPECT_TRUE(loaded.empty());
}

// history_rules.ini holds a row for each rule; history_rules.txt the rows
// kept, sorted by number.
TEST(History, RowsThatBreakARuleAreSkipped) {
  const std::string path = test::DataPath("history_rules.ini");
  RecentHistory list = Named({"stale"});
  ASSERT_TRUE(LoadHistory(path, &list));
  EXPECT_EQ(Describe(list), test::ReadBytes(test::DataPath("history_rules.txt")));
  // Each line the quick reader takes, the rules read alike.
  std::istringstream lines(test::ReadBytes(path));
  int quick = 0;
  for (std::string line; std::getline(lines, line);) {
    RecentEntry fast, general;
    std::vector<std::string> fields;
    if (!ParseSavedRow(line, &fast)) continue;
    ++quick;
    EXPECT_TRUE(ParseHistoryRow(&line, &fields, &general)) << line;
    EXPECT_EQ(Describe({fast}), Describe({general}));
  }
  EXPECT_EQ(quick, 10);
  // 1,200 valid rows and some bad ones: the first 999 valid ones, sorted.
  test::ScratchFolder folder;
  std::string bytes = "&RecentProject\r\n";
  RecentHistory expected;
  for (int i = 0; i < 1200; ++i) {
    const int number = 999 - (i * 7) % 999;
    bytes += "Recent" + std::to_string(number) + " = \"P" + std::to_string(i) +
             "\", \"Energy\", 1, \"D:\\\",\r\n" +
             (i % 10 ? "" : "Recent001 = \"bad\", \"Basic\",\r\n");
    if (i < 999) expected.push_back({number, "P" + std::to_string(i), "D:\\", 1, 1, "JGD"});
  }
  std::stable_sort(expected.begin(), expected.end(),
                   [](const RecentEntry& a, const RecentEntry& b) { return a.number < b.number; });
  ASSERT_TRUE(test::WriteBytes(folder.File("orvent.ini"), bytes));
  ASSERT_TRUE(LoadHistory(folder.File("orvent.ini"), &list));
  EXPECT_EQ(Describe(list), Describe(expected));
}

// A save writes a new file and moves it over the old one, which a second
// link to the old file shows; a failed save leaves the old file whole; no
// save leaves a file of its own beside it.
TEST(History, ASaveReplacesTheFileWholeOrNotAtAll) {
  test::ScratchFolder f;
  const std::string path = f.File("orvent.ini"), old = "&RecentProject\r\n/\r\n";
  EXPECT_FALSE(SaveHistory(f.File("missing/orvent.ini"), Named({"a"})));
  ASSERT_TRUE(test::MakeFolder(f.File("folder")));
  EXPECT_FALSE(SaveHistory(f.File("folder"), Named({"a"})));
  ASSERT_TRUE(test::WriteBytes(path, old));
  fs::create_hard_link(path, f.File("link"));
  ASSERT_TRUE(SaveHistory(path, Named({"a"})));
  EXPECT_EQ(test::ReadBytes(f.File("link")), old);
  const std::string saved = test::ReadBytes(path);
  fs::permissions(path, fs::perms::owner_read);
  if (std::FILE* probe = std::fopen(path.c_str(), "r+b")) {
    std::fclose(probe);  // this user may write read-only files
  } else {
    EXPECT_FALSE(SaveHistory(path, Named({"b"})));
    EXPECT_EQ(test::ReadBytes(path), saved);
  }
  fs::permissions(path, fs::perms::owner_all);
  EXPECT_EQ(Entries(f.Path()), 3u);
}

#ifdef _WIN32
DWORD WINAPI CloseAfterAMoment(void* file) {
  Sleep(100);
  CloseHandle(static_cast<HANDLE>(file));
  return 0;
}

// Another program holds the file open without sharing its deletion: the save
// waits for it a while, then writes in place when it may.
TEST(History, AFileHeldOpenIsWaitedForThenWrittenInPlace) {
  test::ScratchFolder f;
  const std::string path = f.File("orvent.ini");
  const auto holder = [&](DWORD sharing) {
    return CreateFileA(path.c_str(), GENERIC_READ, sharing, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
  };
  for (const DWORD sharing : {DWORD(FILE_SHARE_READ | FILE_SHARE_WRITE), DWORD(FILE_SHARE_READ)}) {
    ASSERT_TRUE(SaveHistory(path, Named({"old"})));
    const std::string old = test::ReadBytes(path);
    ASSERT_TRUE(SaveHistory(f.File("new.ini"), Named({"new"})));
    const HANDLE file = holder(sharing);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    const bool mayWrite = (sharing & FILE_SHARE_WRITE) != 0;
    const ULONGLONG start = GetTickCount64();
    EXPECT_EQ(SaveHistory(path, Named({"new"})), mayWrite);
    const ULONGLONG waited = GetTickCount64() - start;
    EXPECT_GE(waited, 200u);
    EXPECT_LT(waited, 2000u);
    CloseHandle(file);
    EXPECT_EQ(test::ReadBytes(path), mayWrite ? test::ReadBytes(f.File("new.ini")) : old);
    EXPECT_EQ(Entries(f.Path()), 2u);
  }
  // Held for a moment only: the move goes through once the file is free.
  const HANDLE file = holder(FILE_SHARE_READ);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  HANDLE release = CreateThread(nullptr, 0, CloseAfterAMoment, file, 0, nullptr);
  EXPECT_TRUE(SaveHistory(path, Named({"later"})));
  WaitForSingleObject(release, INFINITE);
  CloseHandle(release);
  ASSERT_TRUE(SaveHistory(f.File("new.ini"), Named({"later"})));
  EXPECT_EQ(test::ReadBytes(path), test::ReadBytes(f.File("new.ini")));
}
#endif

}  // namespace
}  // namespace orvent
