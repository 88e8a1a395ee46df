// What the selector window and start-up decide, against the fake platform:
// the program's own path, command line and version line, where the settings
// file lies, and the selector's model: grey rows and their tips, finding a row
// by typing, a delete, a file dropped or on the command line, a start; and
// whether project files exist. (The cells as shown, the context menu and the
// unsaved history told once are the journeys' to check.)
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <future>
#include <stdexcept>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "app/startup.h"
#include "history/history_file.h"
#include "history/project_presence.h"
#include "history/settings_file.h"
#include "launch/selector_model.h"
#include "platform/version_info.h"
#include "project/app_catalogue.h"
#include "project/command_line_project.h"
#include "tests/support/fake_platform.h"
#include "tests/support/project_names.h"

namespace orvent {
namespace {

using test::kHyoji;

TEST(Startup, TheVersionLineWritesTheBuildAsALetter) {
  test::ExpectTable("version_lines.tsv", [](const std::vector<std::string>& f) {
    VersionNumbers v;
    std::sscanf(f[1].c_str(), "%u.%u.%u.%u", &v.majorPart, &v.minorPart, &v.build, &v.revision);
    return VersionLine(f[0], v);
  });
}

// version_records.tsv: the fixed record (its file version 5.2.3.4) is looked
// for in four-byte steps up to the resource's last byte.
TEST(Startup, TheFileVersionComesFromTheFixedRecord) {
  test::ExpectTable("version_records.tsv", [](const std::vector<std::string>& f) {
    FakePlatform platform;
    platform.version.assign(std::stoul(f[1]), 0);
    const unsigned words[] = {0xFEEF04BDu, 0, 0x50002u, 0x30004u};
    for (std::size_t i = 0; i < 4 * std::size(words); ++i)
      platform.version.at(std::stoul(f[0]) + i) = (words[i / 4] >> (8 * (i % 4))) & 0xFFu;
    return ThreePartVersionText(ReadVersionInfo(platform).fileVersion);
  });
}

TEST(Startup, TheProgramsNameAndFolderFromItsPath) {
  test::ExpectTable("program_folders.tsv", [](const std::vector<std::string>& f) {
    FakePlatform platform;
    if (f[2] != "none") platform.shortPaths[ProgramFolderOf(f[0], f[1])] = f[2];
    const std::string folder = ProgramFolderFor(platform, f[0], f[1]);
    return ExeNameOf(f[0]) + " | " + (folder.empty() ? "none" : folder);
  });
}

// settings_seeds.tsv: which of the user's file and the seeds there are.
TEST(SettingsFile, TheUsersFileIsMadeFromTheFirstSeedOrEmpty) {
  test::ExpectTable("settings_seeds.tsv", [](const std::vector<std::string>& f) {
    FakePlatform platform;
    const std::string root = platform.Root(), path = root + "AppData\\ORVENT V5_2\\orvent.ini";
    platform.SetSpecialFolder(SpecialFolder::kAppData, root + "AppData\\\\");
    platform.SetSpecialFolder(SpecialFolder::kProgramFilesCommon, root + "Common");
    platform.AddFolder(root + "AppData");
    const char* folders[] = {"AppData\\ORVENT V5_2", "Common\\ORVENT V5_2\\Common", "P"};
    for (std::size_t i = 0; i < 3; ++i) {
      if (f[i] == "none") continue;
      platform.AddFolder(root + folders[i]);
      EXPECT_TRUE(test::WriteBytes(root + folders[i] + "\\orvent.ini",
                                   test::ReadBytes(test::DataPath(f[i]))));
    }
    RecentHistory history;
    EXPECT_EQ(LocateSettingsFile(platform, root + "P\\", &history), path);
    std::string holds = "none of them";
    for (const char* file :
         {"history_empty.ini", "history_rules.ini", "history_rows.ini", "history_beside.ini"})
      if (test::ReadBytes(path) == test::ReadBytes(test::DataPath(file))) holds = file;
    return (history.empty() ? "none" : history[0].projectName) + " | " + holds + " | " +
           (platform.madeFolders.empty() ? "was there" : "made");
  });
}

// command_lines.tsv: options ("/x", "-x") are skipped, the last other token
// wins, and a full-width space belongs to the path.
TEST(Startup, TheProjectOnTheCommandLine) {
  test::ExpectTable("command_lines.tsv", [](const std::vector<std::string>& f) {
    const std::string path = ProjectPathFromCommandLine(f[0]);
    return path.empty() ? "none" : path;
  });
}

// The model over these projects, each in D:\ and started with Basic, its
// history saved in the scratch folder, and every member application there.
class SelectorModelTest : public ::testing::Test {
 protected:
  SelectorModelTest() : model(platform, "C:\\P\\") {
    model.settingsPath = platform.Root() + "orvent.ini";
    for (const char* name : {"Site 0", "site A", kHyoji.c_str(), "Basin", "\x83\x41", "Sand"})
      model.history.push_back({-1, name, "D:\\", App::kBasic, 0, "TD"});
    for (const auto& app : kAppCatalogue) platform.AddFile(std::string("C:\\P\\") + app.executable);
  }
  // A row by the name of its project in a table, "none" for -1, and back.
  int RowOf(const std::string& name) const {
    int row = model.Rows() - 1;
    while (row >= 0 && model.history[static_cast<std::size_t>(row)].projectName != name) --row;
    return row;
  }
  std::string NameOf(int row) const {
    return model.Entry(row) == nullptr ? "none" : model.Entry(row)->projectName;
  }
  // The first projects of the saved history.
  std::string Saved() const {
    RecentHistory saved;
    std::string names = LoadHistory(model.settingsPath, &saved) ? "" : "not saved";
    for (std::size_t i = 0; i < saved.size() && i < 3; ++i)
      names += (i > 0 ? ", " : "") + saved[i].projectName;
    return names.empty() ? "nothing" : names;
  }

  FakePlatform platform;
  SelectorModel model;
};

TEST_F(SelectorModelTest, AGoneProjectIsGreyAndItsTipsSaySo) {
  test::ExpectTable("selector_grey.tsv", [&](const std::vector<std::string>& f) {
    SelectorModel shown = model;
    shown.history = {{-1, f[0], f[1], App::kBasic, 0, "TD"}};
    if (f[2] != "none")
      shown.SetKnownMissing([gone = f[2]](const std::string& p) { return p == gone; });
    return (shown.IsGrey(0) ? "grey; " : "as usual; ") + shown.TipText(0, 0) + " | " +
           shown.TipText(0, 1) + " | " + shown.TipText(0, 2);
  });
}

TEST_F(SelectorModelTest, TypingFindsTheNextProjectByTheStartOfItsName) {
  test::ExpectTable("selector_find.tsv", [&](const std::vector<std::string>& f) {
    SelectorModel typing = model;
    int row = typing.Find(RowOf(f[0]), f[1], static_cast<std::uint32_t>(std::stoul(f[2])));
    if (!f[3].empty()) row = typing.Find(row, f[3], static_cast<std::uint32_t>(std::stoul(f[4])));
    return NameOf(row);
  });
}

TEST_F(SelectorModelTest, ADeleteSavesTheHistoryAndLeavesTheNextOrLastRowCurrent) {
  const RecentHistory all = model.history;
  test::ExpectTable("selector_delete.tsv", [&](const std::vector<std::string>& f) {
    model.history.assign(all.begin(), all.begin() + std::stoi(f[0]));
    const int current = model.Delete(RowOf(f[1]));
    return NameOf(current) + " current; saved " + Saved();
  });
}

TEST_F(SelectorModelTest, ADroppedFileOpensTheProjectDialogWhenItIsOneProjectFile) {
  for (const char* name : {"a.mbc", "b.MEG", "c.txt", "d"})
    platform.AddFile(platform.Root() + name);
  platform.AddFolder(platform.Root() + "e.mbc");
  test::ExpectTable("selector_drop.tsv", [&](const std::vector<std::string>& f) {
    std::vector<std::string> paths;
    for (const std::string& name : f)
      if (name != "nothing") paths.push_back(platform.Root() + name);
    SelectorModel dropped = model;
    if (!dropped.TakeDropped(paths)) return std::string("beeps");
    return "opens the project dialog on " + dropped.Preset()->projectName;
  });
}

// selector_open.tsv: the project a command line names (written with that
// project type and geodetic system) as the project dialog opens with it.
TEST_F(SelectorModelTest, ACommandLineProjectOpensWithItsFilesChoices) {
  const std::string folder = platform.Root() + kHyoji + "\\";
  platform.AddFolder(folder);
  test::ExpectTable("selector_open.tsv", [&](const std::vector<std::string>& f) {
    const int type = test::Index(test::kProjectTypes, f[1]);
    const int geodetic = test::Index({std::begin(kGeodeticNames), std::end(kGeodeticNames)}, f[2]);
    platform.AddFile(folder + f[0]);
    EXPECT_TRUE(
        WriteProjectFile(folder + f[0].substr(0, f[0].find('.')) + ".mbc",
                         {type, "1", GeodeticSystem(geodetic), kGeodeticNames[geodetic], ""}));
    SelectorModel opening = model;
    EXPECT_TRUE(opening.TakeCommandLineProject(folder + f[0]) &&
                opening.Preset()->location == folder);
    const RecentEntry& e = *opening.Preset();
    return e.projectName + ", " + AppDisplayName(e.app) + ", " +
           test::kProjectTypes[std::size_t(e.projectType)] + ", " + e.geodeticCode;
  });
  EXPECT_FALSE(model.TakeCommandLineProject(folder + "None.mbc") || model.Preset() != nullptr);
}

TEST_F(SelectorModelTest, AStartPutsTheProjectAtTheHeadOrSaysWhyNot) {
  test::ExpectTable("selector_start.tsv", [&](const std::vector<std::string>& f) {
    SelectorModel starting = model;
    const bool isNew = f[0].rfind("new project ", 0) == 0;
    const std::string name = isNew ? f[0].substr(12) : f[0].substr(f[0].find(' ') + 1);
    if (f[1] == "there") platform.AddFile("D:\\" + name + ".mbc");
    platform.succeeds = f[2] == "starts";
    const RecentEntry entry = {-1, name, "D:\\", App::kEnergy, 0, "TD"};
    const StartOutcome outcome = starting.Start(isNew ? &entry : nullptr, RowOf(name));
    if (!outcome.started) return outcome.message.empty() ? "nothing happens" : outcome.message;
    return "started; saved " + Saved();
  });
}

// Each path is asked once, on a few threads, one at a time per server or
// drive: a server that does not answer within the bound is given up and holds
// up no other; a check that throws is no answer, a report that throws harms
// nothing; no more threads ever ask, however many checks never return; and
// none answers once the checker is gone.
TEST(ProjectPresence, AsksOnAFewThreadsAndGivesUpOnASilentServer) {
  const auto kStep = std::chrono::milliseconds(10);
  std::promise<void> release;
  const std::shared_future<void> released = release.get_future().share();
  std::atomic<int> asked{0}, answers{0}, returned{0}, threads{0};
  {
    ProjectPresence presence(
        [&](const std::string& path) {
          thread_local bool counted = false;
          threads += std::exchange(counted, true) ? 0 : 1;
          ++asked;
          if (path[0] == '\\') released.wait();
          ++returned;
          if (path == "D:\\bad") throw std::runtime_error("out of order");
          return path == "D:\\here";
        },
        [&] { throw std::runtime_error(std::to_string(++answers)); }, 2000);
    for (int i = 0; i < 999; ++i) presence.Get("\\\\nowhere\\" + std::to_string(i) + "\\a.mbc");
    for (const char* path : {"D:\\bad", "D:\\here", "D:\\gone", "D:\\here"}) presence.Get(path);
    for (int i = 0; i < 500 && answers < 2; ++i) std::this_thread::sleep_for(kStep);
    EXPECT_EQ(presence.Get("D:\\here"), ProjectPresence::State::kPresent);
    EXPECT_EQ(presence.Get("D:\\gone"), ProjectPresence::State::kMissing);
    EXPECT_EQ(presence.Get("D:\\bad"), ProjectPresence::State::kUnknown);
    for (int i = 0; i < 999; ++i) presence.Get("\\\\server" + std::to_string(i) + "\\a.mbc");
    // Every thread stuck, and a moment later still no other path asked.
    const int stuck = 1 + 3 + ProjectPresence::kThreads - 1;
    for (int i = 0; i < 500 && asked < stuck; ++i) std::this_thread::sleep_for(kStep);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(asked, stuck);
    EXPECT_LE(threads, ProjectPresence::kThreads);
  }
  release.set_value();
  // A tenth of a second at least, for an answer that should not come.
  for (int i = 0; i < 1000 && (returned < asked || i < 10); ++i) std::this_thread::sleep_for(kStep);
  EXPECT_EQ(returned, asked) << "a check never returned";
  EXPECT_EQ(answers, 2) << "an answer came after the checker was gone";
}

}  // namespace
}  // namespace orvent
