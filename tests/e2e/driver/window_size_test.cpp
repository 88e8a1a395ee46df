// Journeys of the selector window's size: the grid and the buttons follow
// a larger window, and a drag cannot make it smaller than at start.
#include <gtest/gtest.h>

#include "tests/e2e/driver/journey_test.h"
#include "tests/e2e/driver/polling.h"
#include "tests/e2e/driver/selector_ids.h"

namespace e2e {
namespace {

constexpr int kGrowX = 200;
constexpr int kGrowY = 150;

RECT ControlRect(HWND window, int id) {
  RECT rect = {};
  GetWindowRect(GetDlgItem(window, id), &rect);
  return rect;
}

int Width(const RECT& rect) { return rect.right - rect.left; }
int Height(const RECT& rect) { return rect.bottom - rect.top; }

using WindowSizeTest = JourneyTest;

TEST_F(WindowSizeTest, TheGridAndButtonsFollowALargerWindow) {
  WriteUserHistory({{"Site A", "Basic", 0, "D:\\Work\\", "TD"}});
  TestProcess selector;
  HWND window = StartAndWait(&selector);
  ASSERT_NE(window, nullptr);
  RECT start = {};
  ASSERT_TRUE(GetWindowRect(window, &start));
  const RECT grid = ControlRect(window, kRecentGrid);
  const RECT frame = ControlRect(window, kRecentFrame);
  const RECT lastApplication = ControlRect(window, kLastApplicationButton);
  const RECT create = ControlRect(window, kCreateNewProjectButton);

  ASSERT_TRUE(SetWindowPos(window, nullptr, 0, 0, Width(start) + kGrowX, Height(start) + kGrowY,
                           SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE));
  ASSERT_TRUE(WaitUntil([&] { return Width(ControlRect(window, kRecentGrid)) != Width(grid); },
                        kDialogTimeoutMs))
      << "the grid kept its size";

  const RECT grown = ControlRect(window, kRecentGrid);
  EXPECT_EQ(Width(grown), Width(grid) + kGrowX);
  EXPECT_EQ(Height(grown), Height(grid) + kGrowY);
  const RECT grownFrame = ControlRect(window, kRecentFrame);
  EXPECT_EQ(Width(grownFrame), Width(frame) + kGrowX);
  EXPECT_EQ(Height(grownFrame), Height(frame) + kGrowY);
  EXPECT_EQ(ControlRect(window, kExitButton).right, grown.right);
  EXPECT_EQ(ControlRect(window, kHelpButton).right, grown.right);
  const RECT remove = ControlRect(window, kDeleteHistoryButton);
  EXPECT_EQ(remove.left, grown.left);
  EXPECT_EQ(remove.top, grown.bottom + 5);
  const RECT select = ControlRect(window, kSelectApplicationButton);
  EXPECT_EQ(select.right, grown.right);
  EXPECT_EQ(select.top, grown.bottom + 5);
  const RECT last = ControlRect(window, kLastApplicationButton);
  EXPECT_EQ(last.right, select.left - 8);
  EXPECT_EQ(last.top, grown.bottom + 5);
  EXPECT_EQ(Width(last), Width(lastApplication));
  EXPECT_EQ(Height(last), Height(lastApplication));
  const RECT createNow = ControlRect(window, kCreateNewProjectButton);
  EXPECT_TRUE(EqualRect(&createNow, &create)) << "the Project Task buttons moved";
  ExitSelector(selector, window);
}

struct SizingCase {
  const char* name;
  int edge;
  // How much the proposed rectangle's sides move inwards.
  RECT shrink;
  // Which sides the window puts back to keep the minimum size.
  bool left, top, right, bottom;
};

const SizingCase kSizingCases[] = {
    {"left", WMSZ_LEFT, {60, 0, 0, 0}, true, false, false, false},
    {"right", WMSZ_RIGHT, {0, 0, 60, 0}, false, false, true, false},
    {"top", WMSZ_TOP, {0, 40, 0, 0}, false, true, false, false},
    {"bottom", WMSZ_BOTTOM, {0, 0, 0, 40}, false, false, false, true},
    {"top left", WMSZ_TOPLEFT, {60, 40, 0, 0}, true, true, false, false},
    {"top right", WMSZ_TOPRIGHT, {0, 40, 60, 0}, false, true, true, false},
    {"bottom left", WMSZ_BOTTOMLEFT, {60, 0, 0, 40}, true, false, false, true},
    {"bottom right", WMSZ_BOTTOMRIGHT, {0, 0, 60, 40}, false, false, true, true},
    // Narrower through the top edge: only the height is the top's.
    {"top, narrower", WMSZ_TOP, {30, 40, 30, 0}, false, true, false, false},
    {"larger", WMSZ_BOTTOMRIGHT, {0, 0, -50, -50}, false, false, false, false},
};

// A drag that would make the window smaller: the proposed rectangle comes
// back with the dragged side moved out to the size at start.
TEST_F(WindowSizeTest, ADragStopsAtTheSizeAtStart) {
  TestProcess selector;
  HWND window = StartAndWait(&selector);
  ASSERT_NE(window, nullptr);
  RECT start = {};
  ASSERT_TRUE(GetWindowRect(window, &start));

  for (const SizingCase& sizingCase : kSizingCases) {
    SCOPED_TRACE(sizingCase.name);
    RECT proposed = {start.left + sizingCase.shrink.left, start.top + sizingCase.shrink.top,
                     start.right - sizingCase.shrink.right,
                     start.bottom - sizingCase.shrink.bottom};
    const RECT asked = proposed;
    // The system copies a WM_SIZING rectangle to the other process and back.
    DWORD_PTR result = 0;
    ASSERT_TRUE(SendMessageTimeoutA(window, WM_SIZING, static_cast<WPARAM>(sizingCase.edge),
                                    reinterpret_cast<LPARAM>(&proposed), SMTO_ABORTIFHUNG,
                                    kDialogTimeoutMs, &result));
    EXPECT_EQ(proposed.left, sizingCase.left ? asked.right - Width(start) : asked.left);
    EXPECT_EQ(proposed.right, sizingCase.right ? asked.left + Width(start) : asked.right);
    EXPECT_EQ(proposed.top, sizingCase.top ? asked.bottom - Height(start) : asked.top);
    EXPECT_EQ(proposed.bottom, sizingCase.bottom ? asked.top + Height(start) : asked.bottom);
  }
  ExitSelector(selector, window);
}

}  // namespace
}  // namespace e2e
