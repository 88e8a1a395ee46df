// The recent-project history: how a start and a deletion change it, and its
// settings file, written byte for byte and read by the loader's rules (rows
// in the shape the program writes take a quicker road, which must agree).
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "history/history_file.h"
#include "history/history_row.h"
#include "history/saved_row.h"
#include "tests/crash/saved_histories.h"
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
const std::string kFullWidthSpace = "\x81\x40";
const std::string kHeader =
    "!=== ORVENT Environment File ===\r\n! Recent Project (MAX:999)\r\n&RecentProject\r\n";

std::string Describe(const RecentEntry& e) {
  return std::to_string(e.number) + "|" + e.projectName + "|" + e.location + "|" +
         std::to_string(e.appIndex) + "|" + std::to_string(e.projectType) + "|" + e.geodeticCode;
}

std::string Describe(const RecentHistory& list) {
  std::string text;
  for (const RecentEntry& e : list) text += (text.empty() ? "" : " ; ") + Describe(e);
  return text;
}

RecentHistory Named(const std::vector<std::string>& names) {
  RecentHistory list;
  for (const std::string& name : names) list.push_back({-1, name, name + "\\", 0, 0, ""});
  return list;
}

TEST(History, AStartedProjectComesFirstOnce) {
  const RecentHistory six = {{-1, "P", "D:\\P\\", 0, 0, ""},
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
    RecentHistory list = six;
    RecordProject(&list, c.entry, c.fromRow);
    std::string names;
    for (const RecentEntry& e : list) names += e.projectName + "@" + e.location + ",";
    EXPECT_EQ(names, c.names);
  }
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
  const struct {
    RecentHistory list;
    const char* golden;
  } cases[] = {{{{1, "Site A", "D:\\Wind Work\\Site A\\", 1, 0, "JGD"},
                 {2, kHyoji, "C:\\" + kSoft + "\\" + kHyoji + "\\", 4, 3, "WGS"},
                 {3, "Site1", "E:\\P\\", 5, 4, "TD"},
                 {4, "x", "\\\\srv\\share\\", 3, -2, ""},
                 // Full-width spaces inside a name and a folder name stay.
                 {5, kHyoji + kFullWidthSpace + "A",
                  "D:\\" + kFullWidthSpace + kHyoji + kFullWidthSpace + "\\", 0, 1, "JGD"}},
                "history_rows.ini"},
               {{}, "history_empty.ini"}};
  test::ScratchFolder folder;
  const std::string path = folder.File("orvent.ini");
  for (const auto& c : cases) {
    ASSERT_TRUE(test::WriteBytes(path, std::string(10000, 'x')));  // replaced whole
    ASSERT_TRUE(SaveHistory(path, c.list));
    bool ok = false;
    EXPECT_EQ(test::ReadBytes(path), test::ReadBytes(test::DataPath(c.golden), &ok));
    ASSERT_TRUE(ok);
    EXPECT_FALSE(test::FileExists(path + ".tmp"));
    RecentHistory loaded = Named({"stale"});
    ASSERT_TRUE(LoadHistory(path, &loaded));
    EXPECT_EQ(Describe(loaded), Describe(c.list));
  }
  RecentHistory loaded = Named({"stale"});
  EXPECT_FALSE(LoadHistory(folder.File("missing.ini"), &loaded));
  EXPECT_FALSE(LoadHistory(folder.Path(), &loaded));
  EXPECT_TRUE(loaded.empty());
}

TEST(History, RowsThatBreakARuleAreSkipped) {
  const std::string row = "Recent001 = \"A\", \"Basic\", 0, \"D:\\A\\\", \"TD\",\r\n";
  const struct {
    std::string bytes, rows;
  } cases[] = {
      {kHeader + "Recent000 = \"Z\", \"Basic\", 0, \"D:\\\",\r\nRecent1000 = \"T\", \"Basic\", 0, "
                 "\"D:\\\",\r\nRecent999 = \"N\", \"Basic\", 0, \"D:\\\",\r\n",
       "999|N|D:\\|0|0|JGD"},
      {kHeader +
           "Recent7 = \"a\", \"Basic\", 0, \"L\",\r\nRecentRecent8 = \"b\", \"Basic\", 0, "
           "\"L\",\r\nxRecent5 = \"d\", \"Basic\", 0, \"L\",\r\nrecent006 = \"e\", \"Basic\", "
           "0, \"L\",\r\n",
       "7|a|L\\|0|0|JGD ; 8|b|L\\|0|0|JGD"},
      {kHeader +
           "\r\n!Recent002 = \"c\", \"Basic\", 0, \"L\",\r\n#Recent003 = \"h\", \"Basic\", 0, "
           "\"L\",\r\n Recent004 = \"i\", \"Basic\", 0, \"L\",\r\nRecent006 \"n\" \"Basic\"\r\n" +
           row,
       "1|A|D:\\A\\|0|0|TD"},
      {kHeader +
           "Recent001 = \"three\", \"Basic\", 0,\r\nRecent002 = \"\", \"Basic\", 0, \"L\",\r\n"
           "Recent003 = \"n\", \"Basic\", 0, \"\",\r\nRecent005 = \"four\", \"Basic\", 2, "
           "\"L\"\r\nRecent006 = \" \", \"Basic\", 0, \" \",\r\n",
       "5|four|L\\|0|2|JGD ; 6|||0|0|JGD"},
      {kHeader +
           "Recent001 = \"a\", \"ENERGY\", 0, \"L\",\r\nRecent003 = \"c\", \"Unknown\", 0, "
           "\"L\",\r\nRecent005 = \"e\", \"6\", 0, \"L\",\r\nRecent009 = \"i\", Wind Farm, 0, "
           "\"L\",\r\n",
       "1|a|L\\|1|0|JGD ; 3|c|L\\|0|0|JGD ; 9|i|L\\|5|0|JGD"},
      {kHeader + "Recent001 = \" Site \", \"Basic\", x, \" D:\\Work \", \" wgs \",\r\nRecent002 = "
                 "\"b\", \"Basic\", 12, \"D:\\Work\\\\\\\",\r\n",
       "1|Site|D:\\Work\\|0|0| wgs  ; 2|b|D:\\Work\\|0|12|JGD"},
      // ソ (0x83 0x5C) and 表 (0x95 0x5C) end in a byte that is no backslash.
      {kHeader + "Recent001 = \"" + kHyoji + "\", \"Basic\", 3, \"C:\\\x83\x5C\",\r\n",
       "1|" + kHyoji + "|C:\\\x83\x5C\\|0|3|JGD"},
      {kHeader + row + "/\r\n&Other\r\nRecent002 = \"B\", \"Basic\", 0, \"D:\\B\\\", \"TD\",\r\n",
       "1|A|D:\\A\\|0|0|TD ; 2|B|D:\\B\\|0|0|TD"},
      {kHeader +
           "Recent002 = \"x\", \"Basic\", 0, \"L\",\r\nRecent001 = \"y\", \"Basic\", 0, \"L\","
           "\r\nRecent002 = \"z\", \"Basic\", 0, \"L\",\r\n",
       "1|y|L\\|0|0|JGD ; 2|x|L\\|0|0|JGD ; 2|z|L\\|0|0|JGD"},
      {kHeader + "Recent001 = \"a, b\", \"Basic\", 0, \"L\",\r\n", "1|a, b|L\\|0|0|JGD"},
      {row + "&RecentProject\r\n/\r\n", ""},
      {"! x\n&recentproject\nRecent001 = \"A\", \"Basic\", 0, \"L\"", "1|A|L\\|0|0|JGD"}};
  test::ScratchFolder folder;
  const std::string path = folder.File("orvent.ini");
  for (const auto& c : cases) {
    ASSERT_TRUE(test::WriteBytes(path, c.bytes));
    RecentHistory list = Named({"stale"});
    ASSERT_TRUE(LoadHistory(path, &list));
    EXPECT_EQ(Describe(list), c.rows) << c.bytes;
  }
  // 1,200 valid rows and some bad ones: the first 999 valid ones, sorted.
  std::string bytes = kHeader;
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
  ASSERT_TRUE(test::WriteBytes(path, bytes));
  RecentHistory list;
  ASSERT_TRUE(LoadHistory(path, &list));
  EXPECT_EQ(Describe(list), Describe(expected));
}

TEST(History, TheQuickReaderAgreesWithTheRulesOrLeavesTheLine) {
  const struct {
    std::string line, row;  // "" when the quick reader leaves the line to the rules
  } cases[] = {{"Recent001 = \"Site A\", \"Energy\", 0, \"D:\\Wind Work\\Site A\\\", \"JGD\",",
                "1|Site A|D:\\Wind Work\\Site A\\|1|0|JGD"},
               {"Recent7 = \"a\", \"Basic\", 3, \"L\", \"TD\",", "7|a|L\\|0|3|TD"},
               {"Recent999 = \" Site \", \"wind FARM\", -4, \" D:\\W\\\\\\\\ \", \" wgs \",",
                "999|Site|D:\\W\\|5|-4| wgs "},
               {"Recent002 = \"x\", \"\", 12, \"\\\\srv\\s\\\", \"\",", "2|x|\\\\srv\\s\\|0|12|"},
               {"Recent004 = \"n\", \"Basic\", 3, \"C:\\\x95\x5C\\\\\", \"JGD\",",
                "4|n|C:\\\x95\x5C\\|0|3|JGD"},
               {"Recent009 = \"a\x83\", \"Basic\", 1, \"L\x83\", \"JGD\",", "9|a\x83|L\\|0|1|JGD"},
               {"Recent000 = \"a\", \"Basic\", 0, \"L\", \"JGD\",", ""},
               {"Recent001 = \"a\", \"Basic\", 0, \"L\",", ""},
               {"Recent001 = \"a\"b\", \"Basic\", 0, \"L\", \"JGD\",", ""},
               {"Recent001 = \"a\", \"7\", 0, \"L\", \"JGD\",", ""},
               {"Recent001 = \"\", \"Basic\", 0, \"L\", \"JGD\",", ""},
               {"Recent001 = \"a\", \"Basic\", x, \"L\", \"JGD\",", ""},
               {"Recent001 = \"a\", \"Basic\", 0, \"L\", \"JGD\", ", ""}};
  for (const auto& c : cases) {
    RecentEntry quick;
    ASSERT_EQ(ParseSavedRow(c.line, &quick), !c.row.empty()) << c.line;
    if (c.row.empty()) continue;
    EXPECT_EQ(Describe(quick), c.row);
    std::string line = c.line;
    std::vector<std::string> fields;
    RecentEntry general;
    ASSERT_TRUE(ParseHistoryRow(&line, &fields, &general));
    EXPECT_EQ(Describe(general), c.row);
  }
}

// A failed save leaves the previous file whole; no save, failed or not,
// leaves a file of its own beside it, nor is stopped by what another left.
TEST(History, ASaveLeavesTheNewFileOrTheOldOneAndNothingElse) {
  const std::string old = kHeader + "/\r\n";
  test::ScratchFolder f;
  const std::string path = f.File("orvent.ini");
  EXPECT_FALSE(SaveHistory(test::Join(f.File("missing"), "orvent.ini"), Named({"a"})));
  ASSERT_TRUE(test::MakeFolder(f.File("folder")));
  EXPECT_FALSE(SaveHistory(f.File("folder"), Named({"a"})));
  // What an earlier save left behind: a folder and a read-only file.
  ASSERT_TRUE(test::MakeFolder(path + ".tmp"));
  ASSERT_TRUE(test::WriteBytes(path + ".1.tmp", ""));
  test::SetReadOnly(path + ".1.tmp", true);
  const std::vector<std::string> names = {"folder", "orvent.ini", "orvent.ini.1.tmp",
                                          "orvent.ini.tmp"};
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(SaveHistory(path, Named({"a"})));
  EXPECT_EQ(test::Names(f.Path()), names);
  ASSERT_TRUE(test::WriteBytes(path, old));
  test::SetReadOnly(path, true);
  if (std::FILE* probe = std::fopen(path.c_str(), "r+b")) {
    std::fclose(probe);  // this user may write read-only files
  } else {
    EXPECT_FALSE(SaveHistory(path, Named({"a"})));
    EXPECT_EQ(test::ReadBytes(path), old);
  }
  test::SetReadOnly(path, false);
  test::SetReadOnly(path + ".1.tmp", false);
  EXPECT_EQ(test::Names(f.Path()), names);
}

// A saver killed at a random moment, a hundred times: the file then holds one
// of the two histories it writes in turn, whole.
TEST(History, ASaveKilledAtAnyMomentLeavesAWholeHistory) {
  const std::string saver = test::BesideTestProgram("orvent_history_saver");
  test::ScratchFolder f;
  const std::string path = f.File("orvent.ini"), begun = f.File("begun");
  const std::string histories[2] = {Describe(test::SavedHistory(999)),
                                    Describe(test::SavedHistory(998))};
  ASSERT_TRUE(SaveHistory(path, test::SavedHistory(998)));
  std::mt19937 random(20261206);
  int found[2] = {0, 0};
  for (int kill = 0; kill < 100; ++kill) {
    std::remove(begun.c_str());
    test::ChildProcess child(saver, {path, begun});
    ASSERT_TRUE(child.Started()) << saver;
    for (int i = 0; i < 500 && !test::FileExists(begun); ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ASSERT_TRUE(test::FileExists(begun)) << "the saver did not begin";
    std::this_thread::sleep_for(std::chrono::microseconds(random() % 30000));
    child.Kill();
    RecentHistory loaded;
    ASSERT_TRUE(LoadHistory(path, &loaded)) << "kill " << kill;
    const std::string got = Describe(loaded);
    ASSERT_TRUE(got == histories[0] || got == histories[1])
        << "kill " << kill << ": " << loaded.size() << " rows";
    ++found[got == histories[0] ? 0 : 1];
  }
  // The temporaries of saves cut short, which nobody was left to remove.
  const std::size_t cutShort = test::Names(f.Path()).size() - 2;
  std::printf("100 kills: 999 rows %d times, 998 rows %d times, %zu saves cut short\n", found[0],
              found[1], cutShort);
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
  const std::string saved = FormatHistory(Named({"new"}));
  const auto crlf = [](std::string text) {
    for (std::size_t at = 0; (at = text.find('\n', at)) != std::string::npos; at += 2) {
      text.insert(at, "\r");
    }
    return text;
  };
  for (const DWORD sharing : {DWORD(FILE_SHARE_READ | FILE_SHARE_WRITE), DWORD(FILE_SHARE_READ)}) {
    ASSERT_TRUE(SaveHistory(path, Named({"old one", "old two"})));
    const std::string old = test::ReadBytes(path);
    HANDLE holder = CreateFileA(path.c_str(), GENERIC_READ, sharing, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    const bool mayWrite = (sharing & FILE_SHARE_WRITE) != 0;
    const ULONGLONG start = GetTickCount64();
    EXPECT_EQ(SaveHistory(path, Named({"new"})), mayWrite);
    const ULONGLONG waited = GetTickCount64() - start;
    EXPECT_GE(waited, 200u);
    EXPECT_LT(waited, 2000u);
    CloseHandle(holder);
    EXPECT_EQ(test::ReadBytes(path), mayWrite ? crlf(saved) : old);
    EXPECT_EQ(test::Names(f.Path()), std::vector<std::string>{"orvent.ini"});
  }
  // Held for a moment only: the move goes through once the file is free.
  HANDLE holder = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  HANDLE release = CreateThread(nullptr, 0, CloseAfterAMoment, holder, 0, nullptr);
  EXPECT_TRUE(SaveHistory(path, Named({"later"})));
  WaitForSingleObject(release, INFINITE);
  CloseHandle(release);
  EXPECT_EQ(test::ReadBytes(path), crlf(FormatHistory(Named({"later"}))));
}
#endif

}  // namespace
}  // namespace orvent
