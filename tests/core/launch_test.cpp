// Starting a member application: the command line handed to the system, the
// plan for each catalogue row, and what a start does to the history.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "history/history_file.h"
#include "history/recent_grid.h"
#include "launch/manual.h"
#include "launch/run_process.h"
#include "launch/start_application.h"
#include "tests/support/fake_platform.h"

namespace orvent {
namespace {

TEST(Launch, OnlyPathsWithBlanksAreQuotedAndLongOnesShortened) {
  FakePlatform platform;
  // One character beyond MAX_PATH is shortened, MAX_PATH itself is not.
  const std::string longest = "D:\\" + std::string(246, 'w') + "\\Site A.mbc";
  for (const std::string& path : {longest, "D:\\w" + longest.substr(3)}) {
    platform.AddFile(path);
    platform.shortPaths[path] = "D:\\WWWWWW~" + std::to_string(path.size()) + "\\SITEA~1.MBC";
  }
  ProcessRequest request;
  for (const auto& [argument, onCommandLine] :
       {std::pair{std::string("  D:\\Wind Work\\Site A.mbc\t"),
                  std::string("\"D:\\Wind Work\\Site A.mbc\"")},
        {"D:\\Work\\Site1.mbc", "D:\\Work\\Site1.mbc"},
        {"x\\\\server\\Site A.mbc", "\"x\\\\server\\Site A.mbc\""},
        // A network path is one; a drive mark, or a double backslash with
        // no server name, begins none.
        {"\\\\srv\\share\\Wind Work\\A.mbc", "\"\\\\srv\\share\\Wind Work\\A.mbc\""},
        {"\\\\\\odd name", "\\\\\\odd name"},
        {":\\odd name", ":\\odd name"},
        {"\"D:\\Wind Work\\A.mbc\"", "\"D:\\Wind Work\\A.mbc\""},
        // 表\ : the 0x5C trail byte and a real backslash make no "\\".
        {"\x95\x5C\\Site A.mbc", "\x95\x5C\\Site A.mbc"},
        {longest, "\"" + longest + "\""},
        {"D:\\w" + longest.substr(3), "D:\\WWWWWW~261\\SITEA~1.MBC"}}) {
    request = BuildProcessRequest(platform, "C:\\T\\Missing.exe", {argument}, "  ", 5, 0);
    EXPECT_EQ(request.commandLine, "\"C:\\T\\Missing.exe\" " + onCommandLine) << argument;
  }
  // A missing program is left to the command line; no folder is the current one.
  EXPECT_EQ(request.applicationName + "|" + request.workingFolder, "|.");
  platform.AddFile("C:\\T\\E.exe");
  ASSERT_TRUE(RunProcess(platform, " C:\\T\\E.exe ", {"/weng", "  ", "/nofm"}, " D:\\\x83\x5C\\\\ ",
                         kShowNormalWindow, kNormalPriority));
  const ProcessRequest& started = platform.started.at(0);
  // ソ (0x83 0x5C) at the end of the folder keeps its trail byte.
  EXPECT_EQ(started.applicationName + "|" + started.commandLine + "|" + started.workingFolder,
            "C:\\T\\E.exe|\"C:\\T\\E.exe\" /weng /nofm|D:\\\x83\x5C");
  EXPECT_EQ(started.showMode, 5);
  EXPECT_EQ(started.creationFlags, 0x04000020u);
}

TEST(Launch, EachApplicationHasItsCommandLineAndIsRecordedAsStarted) {
  FakePlatform platform;
  platform.AddFile("D:\\Wind Work\\Site A\\Site A.mbc");
  // Application and project type, the executable and its option, and the
  // application and project type recorded (10 * app + type).
  for (const auto& [app, type, commandLine, recorded] :
       {std::tuple{0, 0, "ORVENTBasic.exe\" /nofm", 0},
        {0, 3, "ORVENTBasicEW.exe\" /nofm", 3},
        {1, 4, "ORVENTEnergy.exe\" /nofm", 14},
        {2, 4, "ORVENTEnergy.exe\" /weng /nofm", 20},
        {2, 2, "ORVENTEnergy.exe\" /design /nofm", 30},
        {3, 2, "ORVENTEnergy.exe\" /design /nofm", 32},
        {4, 3, "ORVENTExtremeWind.exe\" /dws2 /nofm", 43},
        {5, 4, "ORVENTWindFarm.exe\" /windpower /nofm", 54}}) {
    const RecentEntry entry{7, " Site A ", "D:\\Wind Work\\Site A\\\\ ", app, type, "WGS"};
    StartPlan plan;
    ASSERT_EQ(PlanStart(platform, {}, &entry, -1, "C:\\P\\", &plan), StartCheck::kReady);
    ASSERT_TRUE(RunStart(platform, plan));
    EXPECT_EQ(platform.started.back().commandLine,
              std::string("\"C:\\P\\") + commandLine + " \"D:\\Wind Work\\Site A\\Site A.mbc\"");
    EXPECT_EQ(plan.project.appIndex * 10 + plan.project.projectType, recorded);
  }
  EXPECT_EQ(platform.started.back().workingFolder + "|" + platform.currentFolder,
            "D:\\Wind Work\\Site A|D:\\Wind Work\\Site A\\\\");
  // A history row is started as it is; a missing one or file starts nothing.
  RecentHistory history = {{1, "Gone", "D:\\Gone\\", 0, 0, "TD"},
                           {7, " Site A ", "D:\\Wind Work\\Site A", 0, 0, "WGS"}};
  StartPlan plan;
  std::vector<StartCheck> checks;
  for (int row : {2, -1, 0, 1}) {
    checks.push_back(PlanStart(platform, history, nullptr, row, "C:\\P\\", &plan));
  }
  EXPECT_EQ(checks, (std::vector<StartCheck>{StartCheck::kNoProject, StartCheck::kNoProject,
                                             StartCheck::kProjectFileMissing, StartCheck::kReady}));
  // The project heads the history, which is saved.
  const std::string settings = platform.Root() + "orvent.ini";
  ASSERT_TRUE(RecordStart(&history, plan, 1, settings));
  EXPECT_EQ(history[0].projectName + history[1].projectName, " Site A Gone");
  RecentHistory saved;
  ASSERT_TRUE(LoadHistory(settings, &saved));
  // A row deleted from the grid is gone from the file too.
  ASSERT_TRUE(DeleteHistoryRow(&history, 1, settings));
  ASSERT_TRUE(LoadHistory(settings, &saved));
  EXPECT_EQ(saved.size() * 10 + history.size(), 11u);
  EXPECT_FALSE(RecordStart(&history, plan, 0, platform.Root() + "Missing/\\orvent.ini"));
  // An empty location names the file in the current folder.
  EXPECT_EQ(ProjectFilePath({-1, " A ", "  ", 0, 0, ""}), "A.mbc");
  EXPECT_TRUE(OpenManual(platform, "C:\\P\\"));
  platform.succeeds = false;
  EXPECT_FALSE(RunStart(platform, plan));
  EXPECT_FALSE(OpenManual(platform, "C:\\P\\"));
  EXPECT_EQ(platform.shellOpened, std::vector<std::string>(2, "C:\\P\\OL_Manual.pdf"));
}

}  // namespace
}  // namespace orvent
