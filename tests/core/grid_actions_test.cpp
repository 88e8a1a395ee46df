// What the grid does beyond the buttons: finding a row by typing, the
// context menu's folder, and a project file dropped onto the window.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "history/project_presence.h"
#include "history/recent_grid.h"
#include "launch/project_folder.h"
#include "project/command_line_project.h"
#include "tests/support/fake_platform.h"

namespace orvent {
namespace {

// grid_cases.tsv: finding a row by typed text (only whole characters
// compare: ア, 0x83 0x41, ends in the byte of 'A'), the typed text as keys
// come at their times, and whether the files dropped are one project file.
TEST(GridActions, TypingFindsARowAndOneProjectFileDroppedIsAProject) {
  FakePlatform platform;
  const std::string r = platform.Root();
  for (const char* name : {"a.mbc", "b.MEG", "c.txt", "d"}) platform.AddFile(r + name);
  platform.AddFolder(r + "e.mbc");
  RecentHistory history;
  for (const char* name : {"Site 0", "site A", test::kHyoji.c_str(), "Basin", "\x83\x41"}) {
    history.push_back({-1, name, "D:\\", 0, 0, "TD"});
  }
  TypeAhead typed;
  test::ExpectTable("grid_cases.tsv", [&](const std::vector<std::string>& f) {
    std::vector<std::string> paths;
    for (std::size_t i = 1; i < f.size(); ++i) paths.push_back(r + f[i]);
    if (f[0] == "drop") return std::to_string(IsDroppedProject(platform, paths));
    if (f[0] == "find") {
      return std::to_string(FindRecentRow(history, std::stoi(f[1]), f[2], f[3] == "1"));
    }
    const std::string text = typed.Add(f[1], std::uint32_t(std::stoul(f[2])));
    return text + "|" + std::to_string(typed.Extended());
  });
}

// Each path is asked once, on another thread; one that does not answer within
// the bound stays unknown and holds up no other.
TEST(GridActions, PresenceIsAskedOnceAndGivesUpOnASilentPath) {
  using State = ProjectPresence::State;
  const auto kStep = std::chrono::milliseconds(10);
  std::mutex mutex;
  std::condition_variable wake;
  bool release = false;
  std::atomic<int> asked{0}, answers{0}, returned{0};
  {
    ProjectPresence presence(
        [&](const std::string& path) {
          ++asked;
          if (path == "silent") {
            std::unique_lock<std::mutex> lock(mutex);
            wake.wait_for(lock, std::chrono::seconds(10), [&] { return release; });
          }
          ++returned;
          return path == "here";
        },
        [&] { ++answers; }, 100);
    for (const char* path : {"silent", "here", "gone", "here"}) {
      EXPECT_EQ(presence.Get(path), State::kUnknown) << path;
    }
    for (int i = 0; i < 500 && answers < 2; ++i) std::this_thread::sleep_for(kStep);
    EXPECT_EQ(presence.Get("here"), State::kPresent);
    EXPECT_EQ(presence.Get("gone"), State::kMissing);
    EXPECT_EQ(presence.Get("silent"), State::kUnknown);
    EXPECT_EQ(asked, 3);
    EXPECT_EQ(answers, 2);
  }
  {
    std::lock_guard<std::mutex> lock(mutex);
    release = true;
  }
  wake.notify_all();
  for (int i = 0; i < 1000 && returned < 3; ++i) std::this_thread::sleep_for(kStep);
  EXPECT_EQ(returned, 3) << "a check never returned";
}

TEST(GridActions, TheFolderOpensWhenItExists) {
  FakePlatform platform;
  platform.AddFolder(platform.Root() + test::kHyoji);
  const RecentEntry here = {-1, "P", " " + platform.Root() + test::kHyoji + "\\ ", 0, 0, "TD"};
  EXPECT_EQ(OpenProjectFolder(platform, here), FolderOpen::kOpened);
  EXPECT_EQ(platform.shellOpened, std::vector<std::string>{platform.Root() + test::kHyoji + "\\"});
  platform.succeeds = false;
  EXPECT_EQ(OpenProjectFolder(platform, here), FolderOpen::kNotOpened);
  for (const std::string& location : {platform.Root() + "gone\\", std::string(" ")}) {
    EXPECT_EQ(OpenProjectFolder(platform, {-1, "P", location, 0, 0, ""}), FolderOpen::kNotFound);
  }
  EXPECT_EQ(platform.shellOpened.size(), 2u);
}

}  // namespace
}  // namespace orvent
