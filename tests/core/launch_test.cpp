// Starting a member application: the command line handed to the system, the
// plan for each catalogue row, and what a start does to the history.
#include <gtest/gtest.h>

#include <string>

#include "history/history_file.h"
#include "launch/manual.h"
#include "launch/run_process.h"
#include "launch/start_application.h"
#include "tests/support/fake_platform.h"

namespace orvent {
namespace {

TEST(Launch, OnlyPathsWithBlanksAreQuotedAndLongOnesShortened) {
  FakePlatform platform;
  const std::string longPath = "D:\\" + std::string(250, 'w') + "\\Site A\\Site A.mbc";
  platform.AddFile(longPath);
  platform.shortPaths[longPath] = "D:\\WWWWWW~1\\SITEA~1\\SITEA~1.MBC";
  const std::string longNetworkPath = "\\\\srv\\s\\" + std::string(250, 'w') + "\\Site A.mbc";
  platform.AddFile(longNetworkPath);
  platform.shortPaths[longNetworkPath] = "\\\\srv\\s\\WWWWWW~1\\SITEA~1.MBC";
  const std::string missingLong = "E:\\" + std::string(260, 'm') + " x.mbc";
  const struct {
    std::string argument, onCommandLine;
  } cases[] = {{"/weng", "/weng"},
               {"  D:\\Wind Work\\Site A.mbc\t", "\"D:\\Wind Work\\Site A.mbc\""},
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
               {longPath, "D:\\WWWWWW~1\\SITEA~1\\SITEA~1.MBC"},
               {longNetworkPath, "\\\\srv\\s\\WWWWWW~1\\SITEA~1.MBC"},
               {missingLong, "\"" + missingLong + "\""}};
  for (const auto& c : cases) {
    EXPECT_EQ(BuildProcessRequest(platform, "C:\\T\\E.exe", {c.argument}, "D:\\", 5, 0).commandLine,
              "\"C:\\T\\E.exe\" " + c.onCommandLine)
        << c.argument;
  }
  platform.AddFile("C:\\T\\E.exe");
  ASSERT_TRUE(RunProcess(platform, " C:\\T\\E.exe ", {"/weng", "  ", "/nofm"}, " D:\\Site A\\\\ ",
                         kShowNormalWindow, kNormalPriority));
  platform.startProcessResult = false;
  EXPECT_FALSE(RunProcess(platform, "C:\\T\\Missing.exe", {}, "  ", 5, 0x20));
  ASSERT_EQ(platform.started.size(), 2u);
  const ProcessRequest& first = platform.started[0];
  EXPECT_EQ(first.commandLine, "\"C:\\T\\E.exe\" /weng /nofm");
  EXPECT_EQ(first.applicationName + "|" + first.workingFolder, "C:\\T\\E.exe|D:\\Site A");
  EXPECT_EQ(first.showMode, 5);
  EXPECT_EQ(first.creationFlags, 0x04000020u);
  // A missing program is left to the command line; no folder is the current one.
  EXPECT_EQ(platform.started[1].applicationName + "|" + platform.started[1].workingFolder, "|.");
  // ソ (0x83 0x5C) at the end keeps its trail byte.
  EXPECT_EQ(BuildProcessRequest(platform, "a", {}, "D:\\\x83\x5C\\\\", 5, 0).workingFolder,
            "D:\\\x83\x5C");
}

class StartTest : public ::testing::Test {
 protected:
  StartTest() {
    platform.AddFolder("D:\\Wind Work\\Site A");
    platform.AddFile("D:\\Wind Work\\Site A\\Site A.mbc");
  }
  FakePlatform platform;
  const std::string settings = platform.Root() + "orvent.ini";
  const RecentEntry siteA{7, " Site A ", "D:\\Wind Work\\Site A\\\\ ", 0, 0, "WGS"};
};

TEST_F(StartTest, EachApplicationHasItsCommandLineAndIsRecordedAsStarted) {
  const std::string project = " \"D:\\Wind Work\\Site A\\Site A.mbc\"";
  const struct {
    int app, type;
    std::string commandLine;
    int recordedApp, recordedType;
  } cases[] = {{0, 0, "ORVENTBasic.exe\" /nofm", 0, 0},
               {0, 3, "ORVENTBasicEW.exe\" /nofm", 0, 3},
               {1, 4, "ORVENTEnergy.exe\" /nofm", 1, 4},
               {2, 4, "ORVENTEnergy.exe\" /weng /nofm", 2, 0},
               {2, 2, "ORVENTEnergy.exe\" /design /nofm", 3, 0},
               {3, 2, "ORVENTEnergy.exe\" /design /nofm", 3, 2},
               {4, 3, "ORVENTExtremeWind.exe\" /dws2 /nofm", 4, 3},
               {5, 4, "ORVENTWindFarm.exe\" /windpower /nofm", 5, 4}};
  for (const auto& c : cases) {
    RecentEntry entry = siteA;
    entry.appIndex = c.app;
    entry.projectType = c.type;
    RecentHistory history = {{1, "Other", "E:\\", 1, 0, "TD"},
                             {2, "site a", "d:\\wind work\\site a\\\\", 0, 0, "TD"}};
    StartPlan plan;
    ASSERT_EQ(PlanStart(platform, history, &entry, -1, "C:\\P\\", &plan), StartCheck::kReady);
    ASSERT_TRUE(RunStart(platform, plan));
    EXPECT_EQ(platform.started.back().commandLine, "\"C:\\P\\" + c.commandLine + project);
    EXPECT_EQ(platform.started.back().workingFolder, "D:\\Wind Work\\Site A");
    EXPECT_EQ(platform.currentFolder, "D:\\Wind Work\\Site A\\\\");
    ASSERT_TRUE(RecordStart(&history, plan, -1, settings));
    ASSERT_EQ(history.size(), 2u) << "the older row of the same project goes";
    EXPECT_EQ(history[0].projectName, " Site A ") << "recorded as it came";
    EXPECT_EQ(history[0].appIndex * 10 + history[0].projectType,
              c.recordedApp * 10 + c.recordedType);
    RecentHistory saved;
    ASSERT_TRUE(LoadHistory(settings, &saved));
    EXPECT_EQ(saved.size(), 2u);
  }
}

TEST_F(StartTest, HistoryRowsAndFailures) {
  RecentHistory history = {{1, "Gone", "D:\\Gone\\", 0, 0, "TD"}, siteA};
  StartPlan plan;
  EXPECT_EQ(PlanStart(platform, history, nullptr, 2, "C:\\P\\", &plan), StartCheck::kNoProject);
  EXPECT_EQ(PlanStart(platform, history, nullptr, -1, "C:\\P\\", &plan), StartCheck::kNoProject);
  EXPECT_EQ(PlanStart(platform, history, nullptr, 0, "C:\\P\\", &plan),
            StartCheck::kProjectFileMissing);
  ASSERT_EQ(PlanStart(platform, history, nullptr, 1, "C:\\P\\", &plan), StartCheck::kReady);
  platform.startProcessResult = false;
  EXPECT_FALSE(RunStart(platform, plan));
  platform.startProcessResult = true;
  ASSERT_TRUE(RunStart(platform, plan));
  // The settings file's folder does not exist (on either system).
  EXPECT_FALSE(RecordStart(&history, plan, 1, platform.Root() + "Missing/\\orvent.ini"));
  ASSERT_EQ(history.size(), 2u) << "kept in memory when the file cannot be written";
  EXPECT_EQ(history[0].projectName + history[1].projectName, " Site A Gone");
  // An empty location names the file in the current folder.
  EXPECT_EQ(ProjectFilePath({-1, " A ", "  ", 0, 0, ""}), "A.mbc");
  EXPECT_TRUE(OpenManual(platform, "C:\\P\\"));
  platform.shellOpenResult = false;
  EXPECT_FALSE(OpenManual(platform, "C:\\P\\"));
  EXPECT_EQ(platform.shellOpened, std::vector<std::string>(2, "C:\\P\\OL_Manual.pdf"));
}

}  // namespace
}  // namespace orvent
