// Journey of the about box, opened from the selector window's system menu.
#include <gtest/gtest.h>

#include "tests/e2e/driver/journey_test.h"
#include "tests/e2e/driver/owned_dialog.h"
#include "tests/e2e/driver/screenshot.h"
#include "tests/e2e/driver/selector_ids.h"
#include "tests/e2e/driver/window_input.h"
#include "tests/e2e/driver/window_query.h"

namespace e2e {
namespace {

using AboutBoxTest = JourneyTest;

TEST_F(AboutBoxTest, TheSystemMenuEntryShowsTheVersion) {
  TestProcess selector;
  HWND window = StartAndWait(&selector);
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(PostMessageA(window, WM_SYSCOMMAND, kAboutCommand, 0));
  HWND about = WaitForOwnedDialog(window, kAboutTitle, kDialogTimeoutMs);
  ASSERT_NE(about, nullptr) << "no dialog titled " << kAboutTitle;

  // The icon comes first; the version line is the second child.
  HWND icon = GetWindow(about, GW_CHILD);
  ASSERT_NE(icon, nullptr);
  HWND versionLine = GetWindow(icon, GW_HWNDNEXT);
  ASSERT_NE(versionLine, nullptr);
  EXPECT_EQ(ReadWindowText(versionLine), kVersionLine);
  EXPECT_TRUE(TakeScreenshot(settings_.screenshotFolder, "about"));

  ASSERT_TRUE(PostButtonClick(about, IDOK));
  ASSERT_TRUE(WaitForWindowToClose(about, kDialogTimeoutMs));
  EXPECT_TRUE(selector.IsRunning());
  ExitSelector(selector, window);
}

}  // namespace
}  // namespace e2e
