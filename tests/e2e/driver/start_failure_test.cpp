// Journeys of a start that cannot happen: the project file is gone, or the
// member application is missing. The user is told, nothing changes, and
// the window stays open.
#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/driver/journey_test.h"
#include "tests/e2e/driver/list_view_reader.h"
#include "tests/e2e/driver/message_box.h"
#include "tests/e2e/driver/owned_dialog.h"
#include "tests/e2e/driver/program_folder.h"
#include "tests/e2e/driver/selector_ids.h"
#include "tests/e2e/driver/window_input.h"

namespace e2e {
namespace {

class StartFailureTest : public JourneyTest {
 protected:
  // Presses Last Application on the first row and answers the message.
  void ExpectRefusal(HWND window, const char* message) {
    ASSERT_TRUE(PostButtonClick(window, kLastApplicationButton));
    HWND box = WaitForMessageBox(window, kDialogTimeoutMs);
    ASSERT_NE(box, nullptr) << "no message shown";
    EXPECT_EQ(MessageBoxText(box), message);
    EXPECT_EQ(MessageBoxCaption(box), "ORVENTLancher");
    ASSERT_TRUE(AnswerMessageBox(box, IDOK));
    ASSERT_TRUE(WaitForWindowToClose(box, kDialogTimeoutMs));
    ASSERT_TRUE(Settle(window));
  }
};

TEST_F(StartFailureTest, AMissingProjectFileChangesNothing) {
  WriteUserHistory({{"Gone", "Energy", 1, projects_ + "Gone\\", "JGD"},
                    {"Site B", "Basic", 0, projects_ + "Site B\\", "TD"}});
  const std::string before = UserSettingsBytes();

  TestProcess selector;
  HWND window = StartAndWait(&selector);
  ASSERT_NE(window, nullptr);
  ExpectRefusal(window, kProjectMissingMessage);

  EXPECT_TRUE(selector.IsRunning());
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(UserSettingsBytes(), before);
  EXPECT_EQ(ListViewItemCount(Grid(window)), 2);
  EXPECT_TRUE(Launches().empty());
  ExitSelector(selector, window);
}

TEST_F(StartFailureTest, AMissingMemberApplicationIsReportedAndTheWindowStays) {
  const HistoryRow row{"Site A", "Basic", 0, projects_ + "Wind Work\\Site A\\", "TD"};
  MakeProject(row.location, row.name);
  WriteUserHistory({row, {"Site B", "Energy", 1, projects_ + "Site B\\", "JGD"}});
  const std::string before = UserSettingsBytes();
  const std::string basic = programFolder_ + "ORVENTBasic.exe";
  ASSERT_TRUE(DeleteFileA(basic.c_str()));

  TestProcess selector;
  HWND window = StartAndWait(&selector);
  ASSERT_NE(window, nullptr);
  ExpectRefusal(window, kNotStartedMessage);

  EXPECT_TRUE(selector.IsRunning());
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(UserSettingsBytes(), before);
  EXPECT_EQ(ListViewItemCount(Grid(window)), 2);
  EXPECT_EQ(ListViewFocusedItem(Grid(window)), 0);
  EXPECT_TRUE(Launches().empty());

  // Once the member is back, the same window starts it.
  ASSERT_TRUE(CopyFileA(settings_.memberExe.c_str(), basic.c_str(), TRUE));
  ASSERT_TRUE(PostButtonClick(window, kLastApplicationButton));
  EXPECT_TRUE(selector.WaitForExit(kLaunchTimeoutMs)) << "the second try did not start";
  LaunchRecord launch;
  EXPECT_TRUE(WaitForLaunch(&launch));
  EXPECT_EQ(launch.module, basic);
}

}  // namespace
}  // namespace e2e
