// Starting a member application: the program and command line handed to the
// system, the program and option of each application, what a start records,
// and the manual and a project folder opened.
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

// launch_command_lines.tsv: C:\T\E.exe is there, C:\T\Missing.exe is not.
TEST_F(StartTest, TheSystemIsNamedAProgramThereAndGivenPathsQuotedOrShortened) {
  platform.AddFile("C:\\T\\E.exe");
  test::ExpectTable("launch_command_lines.tsv", [&](const std::vector<std::string>& f) {
    platform.shortPaths.clear();
    platform.shortPaths[f[1]] = platform.shortPaths[StripTrailingBackslashes(f[2])] =
        f[3] == "none" ? "" : f[3];
    if (!StartProcess(platform, f[0], {f[1]}, f[2], kShowNormalWindow, kNormalPriority))
      return std::string("(not started)");
    const ProcessRequest& r = platform.started.back();
    EXPECT_EQ(r.creationFlags, 0x04000020u) << "normal priority, and an error mode of its own";
    return r.commandLine + " in " + r.workingFolder +
           (r.applicationName.empty() ? "" : ", named " + r.applicationName);
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

// launch_folders.tsv: the manual lies in the program folder C:\P\.
TEST_F(StartTest, TheShellOpensTheManualOrTheNearestFolderOfAProjectThere) {
  platform.AddFolder("D:\\" + test::kHyoji);
  test::ExpectTable("launch_folders.tsv", [&](const std::vector<std::string>& f) {
    platform.succeeds = f[1] == "opens";
    platform.shellOpened.clear();
    FolderOpen found = FolderOpen::kNotOpened;
    if (f[0] != "the manual")
      found = OpenProjectFolder(platform, {-1, "P", f[0], App::kBasic, 0, ""});
    else if (OpenManual(platform, "C:\\P\\"))
      found = FolderOpen::kOpened;
    return test::Name(test::kFolderOpens, int(found)) +
           (platform.shellOpened.empty() ? "" : " " + platform.shellOpened[0]);
  });
}

}  // namespace
}  // namespace orvent
