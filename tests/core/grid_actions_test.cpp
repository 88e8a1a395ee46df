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

const std::string kHyoji = "\x95\x5C\x8E\xA6";  // 表示, trail byte 0x5C

TEST(GridActions, TypingFindsTheNextRowWhoseNameBeginsSo) {
  RecentHistory history;
  // ア (0x83 0x41) ends in the byte of 'A': only whole characters compare.
  for (const std::string& name :
       std::vector<std::string>{"Site 0", "site A", kHyoji, "Basin", "\x83\x41"}) {
    history.push_back({-1, name, "D:\\", 0, 0, "TD"});
  }
  const struct {
    int current;
    std::string text;
    bool extended;
    int row;
  } cases[] = {{0, "s", false, 1},  {1, "s", false, 0},        {1, "si", true, 1},
               {-1, "b", false, 3}, {0, "\x95\x5C", false, 2}, {0, "\x83\x61", false, -1},
               {0, "x", false, -1}};
  for (const auto& c : cases) {
    EXPECT_EQ(FindRecentRow(history, c.current, c.text, c.extended), c.row) << c.text;
  }
  TypeAhead typed;
  const struct {
    const char* chars;
    std::uint32_t at;
    const char* text;
  } keys[] = {{"s", 5000, "s"},
              {"i", 6000, "si"},
              {"t", 7001, "t"},
              {"a", 0xFFFFFF00u, "a"},
              {"b", 0x100, "ab"}};
  for (const auto& k : keys) {
    EXPECT_EQ(typed.Add(k.chars, k.at), k.text) << k.at;
    EXPECT_EQ(typed.Extended(), std::string(k.text) != k.chars);
  }
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
  while (returned < 3) std::this_thread::sleep_for(kStep);
}

TEST(GridActions, TheFolderOpensWhenItExists) {
  FakePlatform platform;
  platform.AddFolder(platform.Root() + kHyoji);
  const RecentEntry here = {-1, "P", " " + platform.Root() + kHyoji + "\\ ", 0, 0, "TD"};
  EXPECT_EQ(OpenProjectFolder(platform, here), FolderOpen::kOpened);
  EXPECT_EQ(platform.shellOpened, std::vector<std::string>{platform.Root() + kHyoji + "\\"});
  platform.succeeds = false;
  EXPECT_EQ(OpenProjectFolder(platform, here), FolderOpen::kNotOpened);
  for (const std::string& location : {platform.Root() + "gone\\", std::string(" ")}) {
    EXPECT_EQ(OpenProjectFolder(platform, {-1, "P", location, 0, 0, ""}), FolderOpen::kNotFound);
  }
  EXPECT_EQ(platform.shellOpened.size(), 2u);
}

TEST(GridActions, OneProjectFileDroppedIsAProject) {
  FakePlatform platform;
  const std::string r = platform.Root();
  for (const char* name : {"a.mbc", "b.MEG", "c.txt", "d"}) platform.AddFile(r + name);
  platform.AddFolder(r + "e.mbc");
  const struct {
    std::vector<std::string> paths;
    bool project;
  } cases[] = {{{r + "a.mbc"}, true},
               {{r + "b.MEG"}, true},
               {{r + "c.txt"}, false},
               {{r + "d"}, false},
               {{r + "e.mbc"}, false},
               {{r + "gone.mbc"}, false},
               {{}, false},
               {{r + "a.mbc", r + "b.MEG"}, false}};
  for (const auto& c : cases) {
    EXPECT_EQ(IsDroppedProject(platform, c.paths), c.project)
        << (c.paths.empty() ? "" : c.paths[0]);
  }
}

}  // namespace
}  // namespace orvent
