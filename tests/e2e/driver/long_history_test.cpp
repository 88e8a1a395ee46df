// Journey of a full history: 999 rows with Japanese names, all shown, the
// newest current.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/e2e/driver/journey_test.h"
#include "tests/e2e/driver/list_view_reader.h"
#include "tests/e2e/driver/screenshot.h"

namespace e2e {
namespace {

using LongHistoryTest = JourneyTest;

constexpr int kMostRows = 999;

HistoryRow NumberedRow(int number) {
  char digits[8];
  std::snprintf(digits, sizeof digits, "%03d", number);
  const std::string name = std::string(kHyouji) + digits;
  return {name, number % 2 == 0 ? "Energy" : "Wind Farm", number % 5,
          std::string("D:\\") + kSoftware + "\\" + name + "\\", "JGD"};
}

TEST_F(LongHistoryTest, AllRowsAreShownWithTheFirstCurrent) {
  std::vector<HistoryRow> rows;
  for (int number = 1; number <= kMostRows; ++number) rows.push_back(NumberedRow(number));
  WriteUserHistory(rows);

  TestProcess selector;
  HWND window = StartAndWait(&selector);
  ASSERT_NE(window, nullptr);

  EXPECT_EQ(ListViewItemCount(Grid(window)), kMostRows);
  EXPECT_EQ(GridRow(window, 0), (std::vector<std::string>{rows.front().name + " [JGD]", "Wind Farm",
                                                          rows.front().location}));
  EXPECT_EQ(
      GridRow(window, kMostRows - 1),
      (std::vector<std::string>{rows.back().name + " [JGD]", "Wind Farm", rows.back().location}));
  EXPECT_EQ(ListViewFocusedItem(Grid(window)), 0);
  EXPECT_TRUE(TakeScreenshot(settings_.screenshotFolder, "selector"));
  ExitSelector(selector, window);
}

}  // namespace
}  // namespace e2e
