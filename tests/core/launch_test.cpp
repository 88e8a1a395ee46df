// Starting a member application: the command line handed to the system, the
// program and option of each application, what a start records, and the
// manual and a project folder opened.
#include <gtest/gtest.h>

#include "launch/manual.h"
#include "launch/project_folder.h"
#include "launch/start_application.h"
#include "launch/start_process.h"
#include "tests/support/fake_platform.h"
#include "tests/support/project_names.h"

namespace orvent {
namespace {

class StartTest : public ::testing::Test {
 protected:
  StartTest() { platform.AddFile("D:\\Wind Work\\Site A\\Site A.mbc"); }
  FakePlatform platform;
};

TEST_F(StartTest, CommandLineQuotesPathsWithBlanksAndShortensLongOnes) {
  test::ExpectTable("launch_command_lines.tsv", [&](const std::vector<std::string>& f) {
    platform.shortPaths.clear();
    platform.shortPaths[f[0]] = platform.shortPaths[StripTrailingBackslashes(f[1])] =
        f[2] == "none" ? "" : f[2];
    ProcessRequest request;
    if (!BuildProcessRequest(platform, "C:\\T\\Missing.exe", {f[0]}, f[1], 5, 0, &request))
      return std::string("(not started)");
    EXPECT_EQ(request.applicationName, "") << "a missing program is left to the command line";
    return request.commandLine + " in " + request.workingFolder;
  });
}

// What a start of Site A runs, and what it records as started.
TEST_F(StartTest, EachApplicationStartsItsProgramWithItsOptionInTheProjectFolder) {
  test::ExpectTable("launch_programs.tsv", [&](const std::vector<std::string>& f) {
    RecentEntry entry{7, " Site A ", "D:\\Wind Work\\Site A\\\\ "};
    entry.projectType = test::Index(test::kProjectTypes, f[1]);
    EXPECT_TRUE(FindAppByDisplayName(f[0], &entry.app)) << f[0];
    StartPlan plan;
    EXPECT_EQ(PlanStart(platform, {}, &entry, -1, "C:\\P\\", &plan), StartCheck::kReady);
    EXPECT_TRUE(StartApplication(platform, plan));
    const ProcessRequest& started = platform.started.back();
    return started.commandLine + " in " + started.workingFolder + ", then current " +
           platform.currentFolder + "; recorded as " + AppDisplayName(plan.project.app) + " on " +
           test::Name(test::kProjectTypes, plan.project.projectType);
  });
}

TEST_F(StartTest, AProgramThatIsThereIsNamedToTheSystemWithTheStartFlags) {
  platform.AddFile("C:\\T\\E.exe");
  ASSERT_TRUE(StartProcess(platform, " C:\\T\\E.exe ", {}, "", kShowNormalWindow, kNormalPriority));
  EXPECT_EQ(platform.started.back().applicationName, "C:\\T\\E.exe");
  EXPECT_EQ(platform.started.back().creationFlags, 0x04000020u);
}

TEST_F(StartTest, TheManualOpensInTheShell) {
  EXPECT_TRUE(OpenManual(platform, "C:\\P\\"));
  platform.succeeds = false;
  EXPECT_FALSE(OpenManual(platform, "C:\\P\\"));
  EXPECT_EQ(platform.shellOpened, std::vector<std::string>(2, "C:\\P\\OL_Manual.pdf"));
}

TEST_F(StartTest, AProjectFolderOpensWhenItExists) {
  platform.AddFolder("D:\\" + test::kHyoji);
  test::ExpectTable("launch_folders.tsv", [&](const std::vector<std::string>& f) {
    platform.succeeds = f[1] == "opens";
    platform.shellOpened.clear();
    const char* said[] = {"opened", "not found", "not opened"};
    const FolderOpen found = OpenProjectFolder(platform, {-1, "P", f[0], App::kBasic, 0, ""});
    return said[int(found)] + (platform.shellOpened.empty() ? "" : " " + platform.shellOpened[0]);
  });
}

}  // namespace
}  // namespace orvent
