// Journey of a new project: typed into the project dialog in create mode,
// made on disk, started with the basic application, and at the top of the
// history the next time.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/driver/dialog_controls.h"
#include "tests/e2e/driver/file_paths.h"
#include "tests/e2e/driver/journey_test.h"
#include "tests/e2e/driver/list_view_reader.h"
#include "tests/e2e/driver/owned_dialog.h"
#include "tests/e2e/driver/screenshot.h"
#include "tests/e2e/driver/selector_ids.h"
#include "tests/e2e/driver/window_input.h"

namespace e2e {
namespace {

using CreateProjectTest = JourneyTest;

// Both names hold the trail byte 0x5C: 表示 made in a folder ソフト.
TEST_F(CreateProjectTest, ANewProjectIsMadeStartedAndRemembered) {
  const HistoryRow older{"Site B", "Energy", 1, "D:\\Wind Work\\Site B\\", "JGD"};
  WriteUserHistory({older});
  const std::string location = projects_ + kSoftware + "\\";
  ASSERT_TRUE(CreateFolderPath(location));

  TestProcess selector;
  HWND window = StartAndWait(&selector);
  ASSERT_NE(window, nullptr);
  HWND dialog = PressForDialog(window, kCreateNewProjectButton, kCreateProjectTitle);
  ASSERT_NE(dialog, nullptr) << "no dialog titled " << kCreateProjectTitle;

  EXPECT_EQ(ControlText(dialog, kProjectNameEdit), "");
  EXPECT_EQ(ControlText(dialog, kLocationEdit), "");
  EXPECT_EQ(ControlText(dialog, kProjectOkButton), "&Create");
  EXPECT_TRUE(IsControlChecked(dialog, kBasicRadio));
  EXPECT_FALSE(IsControlEnabled(dialog, kEnergyRadio));
  ASSERT_TRUE(SetControlText(dialog, kProjectNameEdit, kHyouji));
  ASSERT_TRUE(SetControlText(dialog, kLocationEdit, location));
  EXPECT_TRUE(TakeScreenshot(settings_.screenshotFolder, "project_create"));
  ASSERT_TRUE(PostButtonClick(dialog, kProjectOkButton));
  ASSERT_TRUE(selector.WaitForExit(kLaunchTimeoutMs)) << "the Selector did not end";

  const std::string folder = location + kHyouji + "\\";
  const std::string projectFile = folder + kHyouji + ".mbc";
  std::string content;
  ASSERT_TRUE(ReadWholeFile(projectFile, &content)) << "no project file " << projectFile;
  EXPECT_EQ(content, NewProjectFileBytes(kProjectFileVersion, 0));

  LaunchRecord launch;
  ASSERT_TRUE(WaitForLaunch(&launch)) << "no single member start recorded";
  EXPECT_EQ(launch.module, programFolder_ + "ORVENTBasic.exe");
  EXPECT_EQ(launch.commandLine, MemberCommandLine("ORVENTBasic.exe", "/nofm " + projectFile));
  EXPECT_EQ(launch.workingFolder, location + kHyouji);

  const HistoryRow created{kHyouji, "Basic", 0, folder, "TD"};
  EXPECT_EQ(UserSettingsBytes(), HistoryFileBytes({created, older}));

  TestProcess again;
  window = StartAndWait(&again);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(ListViewItemCount(Grid(window)), 2);
  EXPECT_EQ(GridRow(window, 0),
            (std::vector<std::string>{std::string(kHyouji) + " [TD]", "Basic", folder}));
  EXPECT_EQ(ListViewFocusedItem(Grid(window)), 0);
  ExitSelector(again, window);
}

}  // namespace
}  // namespace e2e
