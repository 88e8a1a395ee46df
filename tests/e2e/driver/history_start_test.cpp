// Journeys that start a project of the history again: by a double click,
// with its last application, or with another application chosen in the
// project dialog. The row then heads the history.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/e2e/driver/dialog_controls.h"
#include "tests/e2e/driver/grid_input.h"
#include "tests/e2e/driver/journey_test.h"
#include "tests/e2e/driver/list_view_reader.h"
#include "tests/e2e/driver/owned_dialog.h"
#include "tests/e2e/driver/polling.h"
#include "tests/e2e/driver/selector_ids.h"
#include "tests/e2e/driver/window_input.h"

namespace e2e {
namespace {

enum class HowStarted { kDoubleClick, kLastApplication, kEngineeringChosen };

struct StartCase {
  const char* name;
  HowStarted how;
  int row;
  const char* exe;
  // The options before the project file path.
  const char* options;
  // What the history records for the row afterwards.
  const char* application;
};

void PrintTo(const StartCase& startCase, std::ostream* out) { *out << startCase.name; }

class HistoryStartTest : public JourneyTest, public ::testing::WithParamInterface<StartCase> {
 protected:
  // Row 1 lies in a folder with a blank, row 2 has a Japanese name.
  void SetUp() override {
    JourneyTest::SetUp();
    if (HasFatalFailure()) return;
    rows_ = {{"Site 0", "Energy", 1, projects_ + "Alpha\\", "JGD"},
             {"Site A", "Basic", 0, projects_ + "Wind Work\\Site A\\", "TD"},
             {kNouryoku, "Extreme Wind", 3, projects_ + kNouryoku + "\\", "WGS"}};
    for (const HistoryRow& row : rows_) MakeProject(row.location, row.name, row.projectType);
    WriteUserHistory(rows_);
  }

  // Engineering in the project dialog, preset with the current row.
  void ChooseEngineering(HWND window, const HistoryRow& row) {
    HWND dialog = PressForDialog(window, kSelectApplicationButton, kOpenProjectTitle);
    ASSERT_NE(dialog, nullptr) << "no dialog titled " << kOpenProjectTitle;
    EXPECT_EQ(ControlText(dialog, kProjectNameEdit), row.name);
    EXPECT_EQ(ControlText(dialog, kLocationEdit), row.location + row.name + ".mbc");
    EXPECT_FALSE(IsControlEnabled(dialog, kReferenceButton));
    EXPECT_TRUE(IsControlChecked(dialog, kBasicRadio));
    ASSERT_TRUE(PostButtonClick(dialog, kEngineeringRadio));
    EXPECT_TRUE(
        WaitUntil([&] { return IsControlChecked(dialog, kEngineeringRadio); }, kDialogTimeoutMs));
    ASSERT_TRUE(PostButtonClick(dialog, kProjectOkButton));
  }

  std::vector<HistoryRow> rows_;
};

TEST_P(HistoryStartTest, TheRowIsStartedAndMovesToTheTop) {
  const StartCase& startCase = GetParam();
  TestProcess selector;
  HWND window = StartAndWait(&selector);
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(MoveCurrentRowDown(Grid(window), startCase.row, startCase.row))
      << "the current row is " << ListViewFocusedItem(Grid(window));

  HistoryRow started = rows_[startCase.row];
  switch (startCase.how) {
    case HowStarted::kDoubleClick:
      ASSERT_TRUE(PostDoubleClickOnItem(Grid(window), startCase.row));
      break;
    case HowStarted::kLastApplication:
      ASSERT_TRUE(PostButtonClick(window, kLastApplicationButton));
      break;
    case HowStarted::kEngineeringChosen:
      ChooseEngineering(window, started);
      break;
  }
  ASSERT_TRUE(selector.WaitForExit(kLaunchTimeoutMs)) << "the Selector did not end";

  const std::string projectFile = started.location + started.name + ".mbc";
  const std::string path =
      projectFile.find(' ') == std::string::npos ? projectFile : "\"" + projectFile + "\"";
  LaunchRecord launch;
  ASSERT_TRUE(WaitForLaunch(&launch)) << "no single member start recorded";
  EXPECT_EQ(launch.module, programFolder_ + startCase.exe);
  EXPECT_EQ(launch.commandLine,
            MemberCommandLine(startCase.exe, std::string(startCase.options) + "/nofm " + path));
  EXPECT_EQ(launch.workingFolder, started.location.substr(0, started.location.size() - 1));

  started.application = startCase.application;
  std::vector<HistoryRow> expected = rows_;
  expected.erase(expected.begin() + startCase.row);
  expected.insert(expected.begin(), started);
  EXPECT_EQ(UserSettingsBytes(), HistoryFileBytes(expected));
}

INSTANTIATE_TEST_SUITE_P(
    Starts, HistoryStartTest,
    ::testing::Values(StartCase{"DoubleClick", HowStarted::kDoubleClick, 1, "ORVENTBasic.exe", "",
                                "Basic"},
                      StartCase{"LastApplication", HowStarted::kLastApplication, 2,
                                "ORVENTExtremeWind.exe", "/dws2 ", "Extreme Wind"},
                      StartCase{"SelectApplication", HowStarted::kEngineeringChosen, 1,
                                "ORVENTEnergy.exe", "/weng ", "Wind Climate"}),
    [](const ::testing::TestParamInfo<StartCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace e2e
