// Journeys of Delete selected history: by the button and by the Delete key
// in the grid, confirmed or not. Only the history row goes, never the
// project file.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/e2e/driver/file_paths.h"
#include "tests/e2e/driver/grid_input.h"
#include "tests/e2e/driver/journey_test.h"
#include "tests/e2e/driver/list_view_reader.h"
#include "tests/e2e/driver/message_box.h"
#include "tests/e2e/driver/owned_dialog.h"
#include "tests/e2e/driver/selector_ids.h"
#include "tests/e2e/driver/window_input.h"

namespace e2e {
namespace {

struct DeleteCase {
  const char* name;
  bool byKey;
  int answer;  // IDOK or IDCANCEL
};

void PrintTo(const DeleteCase& deleteCase, std::ostream* out) { *out << deleteCase.name; }

class DeleteHistoryTest : public JourneyTest, public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(DeleteHistoryTest, TheCurrentRowGoesOnlyWhenConfirmed) {
  const DeleteCase& deleteCase = GetParam();
  const std::vector<HistoryRow> rows = {
      {"Site 0", "Energy", 1, projects_ + "Alpha\\", "JGD"},
      {kHyouji, "Wind Farm", 4, projects_ + kSoftware + "\\", "WGS"},
      {"Site 2", "Basic", 0, projects_ + "Gamma\\", "TD"}};
  MakeProject(rows[1].location, rows[1].name, rows[1].projectType);
  WriteUserHistory(rows);
  const std::string before = UserSettingsBytes();

  TestProcess selector;
  HWND window = StartAndWait(&selector);
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(MoveCurrentRowDown(Grid(window), 1, 1));
  if (deleteCase.byKey) {
    ASSERT_TRUE(PostKey(Grid(window), VK_DELETE));
  } else {
    ASSERT_TRUE(PostButtonClick(window, kDeleteHistoryButton));
  }
  HWND box = WaitForMessageBox(window, kDialogTimeoutMs);
  ASSERT_NE(box, nullptr) << "no question asked";
  EXPECT_EQ(MessageBoxText(box), kDeleteQuestion);
  EXPECT_NE(GetDlgItem(box, IDCANCEL), nullptr) << "no Cancel button";
  ASSERT_TRUE(AnswerMessageBox(box, deleteCase.answer));
  ASSERT_TRUE(WaitForWindowToClose(box, kDialogTimeoutMs));
  ASSERT_TRUE(Settle(window));

  if (deleteCase.answer == IDOK) {
    EXPECT_EQ(ListViewItemCount(Grid(window)), 2);
    EXPECT_EQ(UserSettingsBytes(), HistoryFileBytes({rows[0], rows[2]}));
    EXPECT_EQ(GridRow(window, 1),
              (std::vector<std::string>{"Site 2 [TD]", "Basic", rows[2].location}));
    EXPECT_EQ(ListViewFocusedItem(Grid(window)), 1);
  } else {
    EXPECT_EQ(ListViewItemCount(Grid(window)), 3);
    EXPECT_EQ(UserSettingsBytes(), before);
    EXPECT_EQ(ListViewFocusedItem(Grid(window)), 1);
  }
  EXPECT_TRUE(FileExists(rows[1].location + rows[1].name + ".mbc"));
  EXPECT_TRUE(selector.IsRunning());
  ExitSelector(selector, window);
}

INSTANTIATE_TEST_SUITE_P(Deletions, DeleteHistoryTest,
                         ::testing::Values(DeleteCase{"ButtonOk", false, IDOK},
                                           DeleteCase{"ButtonCancel", false, IDCANCEL},
                                           DeleteCase{"DeleteKeyOk", true, IDOK},
                                           DeleteCase{"DeleteKeyCancel", true, IDCANCEL}),
                         [](const ::testing::TestParamInfo<DeleteCase>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace e2e
