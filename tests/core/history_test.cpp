// The recent-project history: how a start changes it, and its settings file,
// written byte for byte, read by the loader's rules, and replaced whole or not
// at all.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "history/history_file.h"
#include "project/app_catalogue.h"
#include "tests/support/test_support.h"

#ifdef _WIN32
#include <windows.h>

#include "history/file_replace.h"
#else
#include <sys/resource.h>

#include <csignal>
#endif

namespace orvent {
namespace {

namespace fs = std::filesystem;

// A row as number|name|location|application|project type|geodetic code.
std::string Describe(const RecentHistory& list) {
  std::string text;
  for (const RecentEntry& e : list)
    text += std::to_string(e.number) + "|" + e.projectName + "|" + e.location + "|" +
            AppDisplayName(e.app) + "|" + std::to_string(e.projectType) + "|" + e.geodeticCode +
            "\n";
  return text;
}

// "name@location" for each project, separated by commas.
RecentHistory Projects(const std::string& text) {
  RecentHistory list;
  std::istringstream items(text);
  for (std::string item; std::getline(items, item, ',');) {
    const std::size_t at = item.find('@');
    list.push_back({-1, item.substr(0, at), item.substr(at + 1), App::kBasic, 0, ""});
  }
  return list;
}

TEST(History, AStartedProjectComesFirstOnce) {
  test::ExpectTable("history_record.tsv", [](const std::vector<std::string>& f) {
    RecentHistory list = Projects(f[0]);
    RecordProject(&list, Projects(f[1])[0], f[2] == "none" ? -1 : std::stoi(f[2].substr(4)));
    std::string after;
    for (const RecentEntry& e : list) after += "," + e.projectName + "@" + e.location;
    return after.substr(1);
  });
}

// Each golden settings file loads as the list beside it (.txt, as Describe
// writes it), and the files this program writes give their golden bytes when
// that list is saved over a longer file. history_rows.ini holds 表示, whose
// first character ends in the trail byte 0x5C, and full-width spaces inside a
// name and a folder name; history_rules.ini a row for each rule a row may
// break; history_full.ini more rows than are kept.
TEST(History, LoadsByItsRulesAndIsSavedByteForByte) {
  test::ScratchFolder folder;
  const std::string path = folder.File("orvent.ini");
  for (const std::string name : {"rows", "empty", "rules", "full"}) {
    const std::string golden = test::DataPath("history_" + name + ".ini");
    const std::string listed = test::DataPath("history_" + name + ".txt");
    // An empty list has an empty golden list, which must be there all the same.
    ASSERT_TRUE(fs::is_regular_file(listed)) << listed;
    RecentHistory list = Projects("stale@S");
    ASSERT_TRUE(LoadHistory(golden, &list));
    EXPECT_EQ(Describe(list), test::ReadBytes(listed)) << name;
    ASSERT_TRUE(test::WriteBytes(path, std::string(10000, 'x')) && SaveHistory(path, list));
    if (name == "rows" || name == "empty") {
      EXPECT_EQ(test::ReadBytes(path), test::ReadBytes(golden)) << name;
    }
  }
  RecentHistory list = Projects("stale@S");
  EXPECT_FALSE(LoadHistory(folder.File("missing.ini"), &list) || !list.empty());
}

// A save writes a new file and moves it over the old one, which a second
// link to the old file shows; a failed save leaves the old file whole: one
// to a file made read-only, which the save respects whoever runs it, and
// elsewhere than on Windows one whose writes fail, as on a full disk, by a
// file-size limit that binds root too. No save leaves a file of its own.
TEST(History, ASaveReplacesTheFileWholeOrNotAtAll) {
  test::ScratchFolder f;
  const std::string path = f.File("orvent.ini"), old = "&RecentProject\r\n/\r\n";
  const RecentHistory a = Projects("a@A"), b = Projects("b@B");
  ASSERT_TRUE(fs::create_directory(f.File("folder")) && test::WriteBytes(path, old));
  EXPECT_FALSE(SaveHistory(f.File("missing/orvent.ini"), a) || SaveHistory(f.File("folder"), a));
  fs::create_hard_link(path, f.File("link"));
  ASSERT_TRUE(SaveHistory(path, a));
  EXPECT_EQ(test::ReadBytes(f.File("link")), old);
  const std::string saved = test::ReadBytes(path);
  fs::permissions(path, fs::perms::owner_read);
  EXPECT_FALSE(SaveHistory(path, b));
  fs::permissions(path, fs::perms::owner_all);
#ifndef _WIN32
  rlimit limit{};
  getrlimit(RLIMIT_FSIZE, &limit);
  const rlimit oneByte{1, limit.rlim_max};
  const auto previous = std::signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &oneByte);
  EXPECT_FALSE(SaveHistory(path, b));
  setrlimit(RLIMIT_FSIZE, &limit);
  std::signal(SIGXFSZ, previous);
#endif
  EXPECT_EQ(test::ReadBytes(path), saved);
  // The file, the link and the folder, and nothing a save left beside them.
  EXPECT_EQ(std::distance(fs::directory_iterator(f.Path()), {}), 3);
}

#ifdef _WIN32
template <DWORD kMilliseconds>
DWORD WINAPI CloseAfter(void* file) {
  Sleep(kMilliseconds);
  return CloseHandle(static_cast<HANDLE>(file));
}

// Another program holds the file open without sharing its deletion: the save
// waits for it a while, then writes in place when it may; a file held for a
// moment only is replaced once it is free. A scanner that holds the new file
// so, longer than the move is tried, leaves the file as it was, and the new
// one goes once it is free; no "no disk" box could come up meanwhile.
TEST(History, AHeldFileIsWaitedForAndOnlyAHeldTargetWrittenInPlace) {
  test::ScratchFolder f;
  const std::string path = f.File("orvent.ini"), reference = f.File("new.ini");
  ASSERT_TRUE(SaveHistory(reference, Projects("new@N")) && SetThreadErrorMode(0, nullptr));
  // Sharing, held a moment only, saved.
  const std::tuple<DWORD, bool, bool> cases[] = {{FILE_SHARE_READ | FILE_SHARE_WRITE, false, true},
                                                 {FILE_SHARE_READ, false, false},
                                                 {FILE_SHARE_READ, true, true}};
  for (const auto& [sharing, moment, saved] : cases) {
    ASSERT_TRUE(SaveHistory(path, Projects("old@O")));
    const std::string old = test::ReadBytes(path);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, sharing, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    HANDLE closer = moment ? CreateThread(nullptr, 0, CloseAfter<100>, file, 0, nullptr) : file;
    const ULONGLONG start = GetTickCount64();
    EXPECT_EQ(SaveHistory(path, Projects("new@N")), saved);
    EXPECT_GE(GetTickCount64() - start, moment ? 50u : 200u);
    if (moment) WaitForSingleObject(closer, INFINITE);
    CloseHandle(closer);
    EXPECT_EQ(test::ReadBytes(path), saved ? test::ReadBytes(reference) : old);
    // This file and the reference, and nothing a save left beside them.
    EXPECT_EQ(std::distance(fs::directory_iterator(f.Path()), {}), 2);
  }
  EXPECT_FALSE(ReplaceFileContents(path, "new", [](const std::string& temporary) {
    EXPECT_EQ(GetThreadErrorMode(), DWORD{SEM_FAILCRITICALERRORS});
    const HANDLE file = CreateFileA(temporary.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    CloseHandle(CreateThread(nullptr, 0, CloseAfter<500>, file, 0, nullptr));
  }));
  EXPECT_EQ(test::ReadBytes(path), test::ReadBytes(reference));
  EXPECT_EQ(std::distance(fs::directory_iterator(f.Path()), {}), 2);
}
#endif

}  // namespace
}  // namespace orvent
