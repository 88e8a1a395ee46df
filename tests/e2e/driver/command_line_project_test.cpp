// Journeys of a project named on the Selector's command line: the project
// dialog opens on it in open mode; cancelling forgets it.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "tests/e2e/driver/dialog_controls.h"
#include "tests/e2e/driver/file_paths.h"
#include "tests/e2e/driver/journey_test.h"
#include "tests/e2e/driver/owned_dialog.h"
#include "tests/e2e/driver/screenshot.h"
#include "tests/e2e/driver/selector_ids.h"
#include "tests/e2e/driver/window_input.h"

namespace e2e {
namespace {

struct CommandLineCase {
  const char* name;
  const char* folder;
  const char* project;
  const char* extension;
  int projectType;
  // The application radio the project's extension and type select.
  int checkedApplication;
  bool screenshot;
};

void PrintTo(const CommandLineCase& lineCase, std::ostream* out) { *out << lineCase.name; }

class CommandLineProjectTest : public JourneyTest,
                               public ::testing::WithParamInterface<CommandLineCase> {};

TEST_P(CommandLineProjectTest, TheDialogOpensPresetAndCancelForgetsIt) {
  const CommandLineCase& lineCase = GetParam();
  const std::string location = projects_ + lineCase.folder + "\\";
  MakeProject(location, lineCase.project, lineCase.projectType);
  const std::string named = location + lineCase.project + lineCase.extension;
  // A ".meg" path is read as the ".mbc" beside it, but must exist itself.
  if (!FileExists(named)) {
    ASSERT_TRUE(WriteWholeFile(named, "energy project\r\n"));
  }

  TestProcess selector;
  HWND window = StartAndWait(&selector, "/x \"" + named + "\"");
  ASSERT_NE(window, nullptr);
  HWND dialog = WaitForOwnedDialog(window, kOpenProjectTitle, kDialogTimeoutMs);
  ASSERT_NE(dialog, nullptr) << "no dialog titled " << kOpenProjectTitle;
  EXPECT_EQ(ControlText(dialog, kProjectNameEdit), lineCase.project);
  EXPECT_EQ(ControlText(dialog, kLocationEdit), location + lineCase.project + ".mbc");
  EXPECT_EQ(ControlText(dialog, kProjectOkButton), "&Open");
  EXPECT_TRUE(IsControlChecked(dialog, lineCase.checkedApplication));
  if (lineCase.screenshot) {
    EXPECT_TRUE(TakeScreenshot(settings_.screenshotFolder, "project_open"));
  }
  ASSERT_TRUE(PostButtonClick(dialog, kProjectCancelButton));
  ASSERT_TRUE(WaitForWindowToClose(dialog, kDialogTimeoutMs));

  dialog = PressForDialog(window, kSelectOpenProjectButton, kOpenProjectTitle);
  ASSERT_NE(dialog, nullptr) << "Select Open Project shows no dialog";
  EXPECT_EQ(ControlText(dialog, kProjectNameEdit), "");
  EXPECT_EQ(ControlText(dialog, kLocationEdit), "");
  EXPECT_FALSE(IsControlEnabled(dialog, kBasicRadio));
  ASSERT_TRUE(PostButtonClick(dialog, kProjectCancelButton));
  ASSERT_TRUE(WaitForWindowToClose(dialog, kDialogTimeoutMs));
  EXPECT_TRUE(Launches().empty());
  ExitSelector(selector, window);
}

INSTANTIATE_TEST_SUITE_P(Projects, CommandLineProjectTest,
                         ::testing::Values(CommandLineCase{"Basic", kSoftware, kHyouji, ".mbc", 0,
                                                           kBasicRadio, true},
                                           CommandLineCase{"Energy", "Wind Work", "Site A", ".meg",
                                                           0, kEnergyRadio, false},
                                           CommandLineCase{"WindClimate", "Wind Work", "Site D",
                                                           ".meg", 2, kEngineeringRadio, false}),
                         [](const ::testing::TestParamInfo<CommandLineCase>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace e2e
