// What the selector window and start-up decide, against the fake platform:
// the program's own path, command line and version, where the settings file
// lies, the command-line project, the grid's rows and cells, finding a row by
// typing, whether a project file exists, and a file dropped.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <stdexcept>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "app/startup.h"
#include "history/project_presence.h"
#include "history/recent_grid.h"
#include "history/settings_file.h"
#include "platform/version_info.h"
#include "project/command_line_project.h"
#include "tests/support/fake_platform.h"

namespace orvent {
namespace {

using test::kHyoji;

TEST(Startup, VersionProgramFolderAndProjectFromTheSystem) {
  FakePlatform platform;
  // A signature out of the 4-byte steps, then the record: file version
  // 6.1.3.2, product version 6.1.0.2.
  platform.version[""] = {0, 0, 0xBD, 0x04, 0xEF, 0xFE, 0, 0, 0xBD, 0x04, 0xEF, 0xFE, 0, 0, 0, 0,
                          1, 0, 6,    0,    2,    0,    3, 0, 1,    0,    6,    0,    2, 0, 0, 0};
  platform.version[""].resize(8 + 52);
  platform.version["\\VarFileInfo\\Translation"] = {0x11, 0x04, 0xB0, 0x04};
  platform.version["\\StringFileInfo\\041104b0\\LegalCopyright"] = {'(', 'C', ')', 0, 'x'};
  const VersionInfo info = ReadVersionInfo(platform);
  EXPECT_EQ(VersionLine("x", info.fileVersion), "6.1c (6.1.3.2)");
  EXPECT_EQ(VersionLine("ORVENT Version 1.0", info.productVersion),
            "ORVENT Version 6.1  (6.1.0.2)");
  std::string copyright;
  EXPECT_TRUE(ReadVersionString(platform, "LegalCopyright", &copyright) && copyright == "(C)");
  platform.version["\\VarFileInfo\\Translation"] = {0x11, 0x04};  // too short
  EXPECT_FALSE(ReadVersionString(platform, "LegalCopyright", &copyright));
  platform.version[""].resize(8 + 51);  // the whole record must fit
  EXPECT_FALSE(ReadVersionInfo(platform).hasProductVersion);
  // Without a version resource the about box says 0.0.
  EXPECT_EQ(VersionLine("x", ReadVersionInfo(platform).productVersion), "0.0  (0.0.0.0)");
  // Builds 1 to 26 are letters, counted in the low byte; 32 and more give a blank.
  EXPECT_EQ(VersionLine("x", {1, 0, 32, 0}) + VersionLine("x", {1, 0, 257, 0}),
            "1.0  (1.0.32.0)1.0a (1.0.257.0)");
  // A folder whose files would reach MAX_PATH is used in its short form; the
  // longest such file is ORVENTExtremeWind.exe (21 characters).
  const std::string fits = "C:\\" + std::string(234, 'f') + "\\";
  const std::string tooLong = "C:\\" + std::string(235, 'l') + "\\";
  platform.shortPaths[tooLong] = "C:\\LLLLLL~1";
  platform.shortPaths[fits] = "C:\\FFFFFF~1\\";
  EXPECT_EQ(ProgramFolderFor(platform, tooLong + "ORVENTLancher.exe", "ORVENTLancher"),
            "C:\\LLLLLL~1\\");
  EXPECT_EQ(ProgramFolderFor(platform, fits + "ORVENTLancher.exe", "ORVENTLancher"), fits);
}

TEST(SettingsFile, TheUsersFileIsMadeFromTheFirstSeedOrEmpty) {
  const std::string empty = test::ReadBytes(test::DataPath("history_empty.ini"));
  // Which of the user's file, the common seed and the seed beside the
  // program there are, and the first row's project name then loaded.
  for (const auto& [present, loaded] :
       {std::pair{"", ""}, {"b", "Beside"}, {"cb", "Site A"}, {"ucb", "lower number"}}) {
    SCOPED_TRACE(present);
    FakePlatform platform;
    const std::string root = platform.Root();
    platform.SetSpecialFolder(SpecialFolder::kAppData, root + "AppData\\\\");
    platform.SetSpecialFolder(SpecialFolder::kProgramFilesCommon, root + "Common");
    platform.AddFolder(root + "AppData");
    const std::string path = root + "AppData\\ORVENT V5_2\\orvent.ini";
    std::string first;  // the file of the first seed there
    // The user's file has rows out of order: loading sorts them, so a rewrite would show.
    for (const auto& [mark, folder, file] :
         {std::tuple{'u', "AppData\\ORVENT V5_2", "history_rules.ini"},
          {'c', "Common\\ORVENT V5_2\\Common", "history_rows.ini"},
          {'b', "P", "history_beside.ini"}}) {
      if (std::string(present).find(mark) == std::string::npos) continue;
      const std::string bytes = test::ReadBytes(test::DataPath(file));
      platform.AddFolder(root + folder);
      ASSERT_TRUE(test::WriteBytes(root + folder + "\\orvent.ini", bytes));
      if (first.empty()) first = bytes;
    }
    RecentHistory history;
    EXPECT_EQ(LocateSettingsFile(platform, root + "P\\", &history), path);
    EXPECT_EQ(history.empty() ? "" : history[0].projectName, loaded);
    EXPECT_EQ(test::ReadBytes(path), first.empty() ? empty : first);
    EXPECT_EQ(platform.madeFolders.size(), *present == 'u' ? 0u : 1u);
  }
}

// selector_cases.tsv: the program's name and folder from its path; the
// project a command line names (options "/x", "-x" skipped, the last other
// token wins, a full-width space belongs to the path); the history index of
// a grid row and the row current after a deletion; finding a row by typed
// text (only whole characters compare: ア, 0x83 0x41, ends in the byte of
// 'A'); the typed text as keys come at their times; whether the files
// dropped are one project file; and the row a project on the command line
// (its path, the project file's type and geodetic system) is opened as.
TEST(Selector, Table) {
  FakePlatform platform;
  const std::string r = platform.Root(), folder = r + kHyoji + "\\";
  platform.AddFolder(folder);
  for (const char* name : {"a.mbc", "b.MEG", "c.txt", "d"}) platform.AddFile(r + name);
  platform.AddFolder(r + "e.mbc");
  RecentHistory history;
  for (const char* name : {"Site 0", "site A", kHyoji.c_str(), "Basin", "\x83\x41"}) {
    history.push_back({-1, name, "D:\\", 0, 0, "TD"});
  }
  TypeAhead typed;
  test::ExpectTable("selector_cases.tsv", [&](const std::vector<std::string>& f) -> std::string {
    const auto n = [&](std::size_t i) { return std::stoi(f[i]); };
    std::vector<std::string> paths;
    for (std::size_t i = 1; i < f.size(); ++i) paths.push_back(r + f[i]);
    if (f[0] == "exe") return ExeNameOf(f[1]);
    if (f[0] == "folder") return ProgramFolderOf(f[1], f[2]);
    if (f[0] == "command") return ProjectPathFromCommandLine(f[1]);
    if (f[0] == "row") return std::to_string(HistoryIndexOfRow(n(1), n(2), n(3)));
    if (f[0] == "after") return std::to_string(RowAfterDeletion(n(1), n(2), n(3)));
    if (f[0] == "drop") return std::to_string(IsDroppedProject(platform, paths));
    if (f[0] == "find") return std::to_string(FindRecentRow(history, n(1), f[2], f[3] == "1"));
    if (f[0] == "open") {
      platform.AddFile(folder + f[1]);
      const ProjectFile written = {n(2), "1", n(3), kGeodeticNames[n(3)], ""};
      EXPECT_TRUE(WriteProjectFile(folder + f[1][0] + ".mbc", written));
      RecentEntry e{-1, "", "", 7, 3, "JGD"};
      ProjectFile file;
      EXPECT_TRUE(ReadCommandLineProject(platform, folder + f[1], &e, &file) &&
                  e.location == folder);
      return e.projectName + "|" + std::to_string(e.appIndex) + std::to_string(e.projectType) +
             e.geodeticCode;
    }
    const std::string text = typed.Add(f[1], std::uint32_t(std::stoul(f[2])));
    return text + "|" + std::to_string(typed.Extended());
  });
  const RecentEntry row{1, kHyoji, "D:\\Work\\", 4, 3, "WGS"};
  EXPECT_EQ(GridCellText(row, 0) + "|" + GridCellText(row, 1) + "|" + GridCellText(row, 2),
            kHyoji + " [WGS]|Extreme Wind|D:\\Work\\");
  RecentEntry entry;
  ProjectFile file;
  EXPECT_FALSE(ReadCommandLineProject(platform, folder + "None.mbc", &entry, &file));
}

// Each path is asked once, on a few threads, one at a time per server or
// drive: a server that does not answer within the bound is given up and holds
// up no other; a check that throws is no answer, a report that throws harms
// nothing; and no more threads ever ask, however many checks never return.
TEST(Selector, PresenceAsksOnAFewThreadsAndGivesUpOnASilentServer) {
  using State = ProjectPresence::State;
  const auto kStep = std::chrono::milliseconds(10);
  std::promise<void> release;
  const std::shared_future<void> released = release.get_future().share();
  std::atomic<int> asked{0}, answers{0}, returned{0}, threads{0};
  auto ask = [](ProjectPresence& presence, const std::string& server) {
    for (int i = 0; i < 999; ++i) presence.Get("\\\\" + server + std::to_string(i) + "\\a.mbc");
  };
  {
    ProjectPresence presence(
        [&](const std::string& path) {
          thread_local bool counted = false;
          threads += counted ? 0 : 1;
          counted = true;
          ++asked;
          if (path[0] == '\\') released.wait();
          ++returned;
          if (path == "D:\\bad") throw std::runtime_error("out of order");
          return path == "D:\\here";
        },
        [&] { throw std::runtime_error(std::to_string(++answers)); }, 2000);
    ask(presence, "nowhere\\");
    for (const char* path : {"D:\\bad", "D:\\here", "D:\\gone", "D:\\here"}) presence.Get(path);
    for (int i = 0; i < 500 && answers < 2; ++i) std::this_thread::sleep_for(kStep);
    EXPECT_EQ(presence.Get("D:\\here"), State::kPresent);
    EXPECT_EQ(presence.Get("D:\\gone"), State::kMissing);
    EXPECT_EQ(presence.Get("D:\\bad"), State::kUnknown);
    ask(presence, "server");
    // Every thread stuck, and a moment later still no other path asked.
    const int stuck = 1 + 3 + ProjectPresence::kThreads - 1;
    for (int i = 0; i < 500 && asked < stuck; ++i) std::this_thread::sleep_for(kStep);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(asked, stuck);
    EXPECT_LE(threads, ProjectPresence::kThreads);
  }
  release.set_value();
  for (int i = 0; i < 1000 && returned < asked; ++i) std::this_thread::sleep_for(kStep);
  EXPECT_EQ(returned, asked) << "a check never returned";
}

}  // namespace
}  // namespace orvent
