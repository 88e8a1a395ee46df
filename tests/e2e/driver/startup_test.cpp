// Journeys of a single Selector: it shows its window and ends by Exit or by
// the close box.
#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/driver/caption_icon_check.h"
#include "tests/e2e/driver/icon_check.h"
#include "tests/e2e/driver/polling.h"
#include "tests/e2e/driver/screenshot.h"
#include "tests/e2e/driver/selector_test.h"
#include "tests/e2e/driver/window_input.h"
#include "tests/e2e/driver/window_query.h"
#include "tests/e2e/driver/wine_host.h"

namespace e2e {
namespace {

using StartupTest = SelectorTest;

TEST_F(StartupTest, FirstStartShowsTheSelectorWindowWithItsIcon) {
  TestProcess selector;
  ASSERT_TRUE(StartSelector(&selector));
  HWND window = WaitForSelectorWindow(selector);
  ASSERT_NE(window, nullptr) << "no visible window of class " << kSelectorClass;

  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(GetAncestor(window, GA_PARENT), GetDesktopWindow());
  EXPECT_EQ(WindowClassName(window), kSelectorClass);
  EXPECT_EQ(ReadWindowText(window), kSelectorTitle);
  // Wine answers WM_GETICON from another process with no usable handle, so
  // there the icon is checked where the system draws it: in the caption.
  std::string detail;
  const IconVerdict icon =
      RunningUnderWine()
          ? CompareCaptionIcon(window, SelectorPath(), kSelectorIconResource, &detail)
          : CompareWindowIcon(window, SelectorPath(), kSelectorIconResource, &detail);
  EXPECT_EQ(icon, IconVerdict::kSame) << detail;
  RecordProperty("icon", detail.empty() ? "same as the resource" : detail);
  EXPECT_TRUE(TakeScreenshot(settings_.screenshotFolder, "first_start"));
  EXPECT_TRUE(selector.IsRunning());
}

TEST_F(StartupTest, ExitButtonEndsTheSelector) {
  TestProcess selector;
  ASSERT_TRUE(StartSelector(&selector));
  HWND window = WaitForSelectorWindow(selector);
  ASSERT_NE(window, nullptr);

  ASSERT_TRUE(PostButtonClick(window, kExitButton));
  EXPECT_TRUE(selector.WaitForExit(kExitTimeoutMs)) << "still running after Exit";
}

TEST_F(StartupTest, CloseBoxEndsTheSelector) {
  TestProcess selector;
  ASSERT_TRUE(StartSelector(&selector));
  HWND window = WaitForSelectorWindow(selector);
  ASSERT_NE(window, nullptr);

  ASSERT_TRUE(PostCloseBox(window));
  EXPECT_TRUE(selector.WaitForExit(kExitTimeoutMs)) << "still running after the close box";
}

}  // namespace
}  // namespace e2e
