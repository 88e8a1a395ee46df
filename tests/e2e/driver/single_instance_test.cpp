// Journeys of a second start while a Selector runs: the newcomer ends
// without a window and the running one comes to the front.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tests/e2e/driver/foreground_window.h"
#include "tests/e2e/driver/polling.h"
#include "tests/e2e/driver/selector_test.h"
#include "tests/e2e/driver/window_input.h"
#include "tests/e2e/driver/window_query.h"

namespace e2e {
namespace {

constexpr DWORD kSecondStartLimitMs = 2000;
constexpr DWORD kForegroundTimeoutMs = 2000;

class SingleInstanceTest : public SelectorTest {
 protected:
  // Starts a second Selector and watches it until it ends, checking at
  // every poll that the first window is the only selector window and the
  // newcomer shows nothing.
  void StartSecondAndWatch(const TestProcess& first, HWND firstWindow) {
    TestProcess second;
    const ULONGLONG started = GetTickCount64();
    ASSERT_TRUE(StartSelector(&second, "\"D:\\Some Project\\Site A.mbc\""));
    std::vector<std::string> violations;
    const bool ended = WaitUntil(
        [&] {
          const bool running = second.IsRunning();
          CheckOnlyFirstShows(first, firstWindow, second, &violations);
          return !running;
        },
        kWindowTimeoutMs);
    const ULONGLONG elapsed = GetTickCount64() - started;
    ASSERT_TRUE(ended) << "the second start still runs after " << elapsed << " ms";
    EXPECT_LE(elapsed, kSecondStartLimitMs) << "the second start took " << elapsed << " ms";
    EXPECT_TRUE(violations.empty()) << violations.front();
  }

  // The window at the front is the first selector window or a popup it owns.
  static bool FirstIsInFront(HWND firstWindow) {
    return IsSameOrOwnedBy(GetForegroundWindow(), firstWindow);
  }

  void ExitFirst(const TestProcess& first, HWND firstWindow) {
    ASSERT_TRUE(PostButtonClick(firstWindow, kExitButton));
    EXPECT_TRUE(first.WaitForExit(kExitTimeoutMs));
  }

 private:
  void CheckOnlyFirstShows(const TestProcess& first, HWND firstWindow, const TestProcess& second,
                           std::vector<std::string>* violations) const {
    const std::vector<HWND> selectors = AllSelectorWindows();
    if (selectors.size() != 1 || selectors.front() != firstWindow ||
        WindowProcessId(firstWindow) != first.Id()) {
      std::ostringstream what;
      what << selectors.size() << " selector window(s) seen, expected only the first one";
      violations->push_back(what.str());
    }
    WindowFilter shown;
    shown.processId = second.Id();
    shown.visibleOnly = true;
    if (second.Id() != 0 && !FindTopLevelWindows(shown).empty()) {
      violations->push_back("the second start showed a window");
    }
  }
};

TEST_F(SingleInstanceTest, SecondStartEndsAndBringsTheFirstToTheFront) {
  TestProcess first;
  ASSERT_TRUE(StartSelector(&first));
  HWND firstWindow = WaitForSelectorWindow(first);
  ASSERT_NE(firstWindow, nullptr);

  // Something else has the front, so that the first window must be raised.
  ForegroundWindow other;
  ASSERT_TRUE(other.TakeForeground(kForegroundTimeoutMs)) << "the driver cannot take the front";

  StartSecondAndWatch(first, firstWindow);
  EXPECT_TRUE(WaitUntil([&] { return FirstIsInFront(firstWindow); }, kForegroundTimeoutMs))
      << "the first Selector is not in front";
  EXPECT_TRUE(first.IsRunning());
  EXPECT_TRUE(IsWindowVisible(firstWindow));
  ExitFirst(first, firstWindow);
}

TEST_F(SingleInstanceTest, SecondStartRestoresAMinimisedFirst) {
  TestProcess first;
  ASSERT_TRUE(StartSelector(&first));
  HWND firstWindow = WaitForSelectorWindow(first);
  ASSERT_NE(firstWindow, nullptr);

  ShowWindow(firstWindow, SW_MINIMIZE);
  ASSERT_TRUE(WaitUntil([&] { return IsIconic(firstWindow) != FALSE; }, kForegroundTimeoutMs))
      << "the first window did not minimise";
  ForegroundWindow other;
  ASSERT_TRUE(other.TakeForeground(kForegroundTimeoutMs)) << "the driver cannot take the front";

  StartSecondAndWatch(first, firstWindow);
  EXPECT_TRUE(WaitUntil([&] { return !IsIconic(firstWindow); }, kForegroundTimeoutMs))
      << "the first window is still minimised";
  EXPECT_TRUE(WaitUntil([&] { return FirstIsInFront(firstWindow); }, kForegroundTimeoutMs))
      << "the first Selector is not in front";
  EXPECT_TRUE(first.IsRunning());
  ExitFirst(first, firstWindow);
}

}  // namespace
}  // namespace e2e
