// Journeys through the system's choosers behind the project dialog's
// Reference button: a project file picked in the open dialog, a location
// picked in the folder chooser. Both are found by the classes and ids of
// their controls, so the diagnostics list the whole chooser.
#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/driver/dialog_controls.h"
#include "tests/e2e/driver/file_paths.h"
#include "tests/e2e/driver/journey_test.h"
#include "tests/e2e/driver/owned_dialog.h"
#include "tests/e2e/driver/selector_ids.h"
#include "tests/e2e/driver/window_input.h"

namespace e2e {
namespace {

// The file name box of the open dialog (a combo box with an edit inside),
// and the edit of the folder chooser.
constexpr int kFileNameCombo = 1148;
constexpr int kFolderNameEdit = 1152;
constexpr char kFileChooserTitle[] = "Select the ORVENT project file";

class ChoosersTest : public JourneyTest {
 protected:
  // Types the text into the chooser's edit and presses its default button.
  static bool TypeAndAccept(HWND chooser, HWND edit, const std::string& text) {
    HWND accept = FindDescendant(chooser, "Button", IDOK);
    DWORD_PTR result = 0;
    return edit != nullptr && accept != nullptr &&
           SendMessageTimeoutA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                               SMTO_ABORTIFHUNG, kDialogTimeoutMs, &result) &&
           PostMessageA(accept, BM_CLICK, 0, 0);
  }
};

TEST_F(ChoosersTest, AProjectFilePickedInTheOpenDialogIsStarted) {
  const std::string location = projects_ + "Wind Work\\";
  MakeProject(location, "Site A", 0);
  const std::string projectFile = location + "Site A.mbc";

  TestProcess selector;
  HWND window = StartAndWait(&selector);
  ASSERT_NE(window, nullptr);
  HWND dialog = PressForDialog(window, kSelectOpenProjectButton, kOpenProjectTitle);
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(PostButtonClick(dialog, kReferenceButton));
  HWND chooser = WaitForOwnedDialog(dialog, kFileChooserTitle, kDialogTimeoutMs);
  ASSERT_NE(chooser, nullptr) << "no dialog titled " << kFileChooserTitle;
  HWND combo = FindDescendant(chooser, "ComboBoxEx32", kFileNameCombo);
  HWND edit = combo != nullptr ? FindDescendant(combo, "Edit") : nullptr;
  ASSERT_TRUE(TypeAndAccept(chooser, edit, projectFile)) << DescribeDescendants(chooser);
  ASSERT_TRUE(WaitForWindowToClose(chooser, kDialogTimeoutMs)) << DescribeDescendants(chooser);

  EXPECT_EQ(ControlText(dialog, kProjectNameEdit), "Site A");
  EXPECT_EQ(ControlText(dialog, kLocationEdit), projectFile);
  EXPECT_TRUE(IsControlChecked(dialog, kBasicRadio));
  ASSERT_TRUE(PostButtonClick(dialog, kProjectOkButton));
  ASSERT_TRUE(selector.WaitForExit(kLaunchTimeoutMs)) << "the Selector did not end";

  LaunchRecord launch;
  ASSERT_TRUE(WaitForLaunch(&launch));
  EXPECT_EQ(launch.commandLine,
            MemberCommandLine("ORVENTBasic.exe", "/nofm \"" + projectFile + "\""));
  EXPECT_EQ(launch.workingFolder, projects_ + "Wind Work");
  EXPECT_EQ(UserSettingsBytes(), HistoryFileBytes({{"Site A", "Basic", 0, location, "TD"}}));
}

TEST_F(ChoosersTest, ALocationPickedInTheFolderChooserGetsTheNewProject) {
  const std::string location = projects_ + kSoftware + "\\";
  ASSERT_TRUE(CreateFolderPath(location));

  TestProcess selector;
  HWND window = StartAndWait(&selector);
  ASSERT_NE(window, nullptr);
  HWND dialog = PressForDialog(window, kCreateNewProjectButton, kCreateProjectTitle);
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(SetControlText(dialog, kProjectNameEdit, "Site C"));
  ASSERT_TRUE(PostButtonClick(dialog, kReferenceButton));
  HWND chooser = WaitForOwnedDialog(dialog, "", kDialogTimeoutMs);
  ASSERT_NE(chooser, nullptr) << "no folder chooser";
  HWND edit = FindDescendant(chooser, "Edit", kFolderNameEdit);
  ASSERT_TRUE(TypeAndAccept(chooser, edit, location)) << DescribeDescendants(chooser);
  ASSERT_TRUE(WaitForWindowToClose(chooser, kDialogTimeoutMs)) << DescribeDescendants(chooser);

  EXPECT_EQ(ControlText(dialog, kLocationEdit), location);
  ASSERT_TRUE(PostButtonClick(dialog, kProjectOkButton));
  ASSERT_TRUE(selector.WaitForExit(kLaunchTimeoutMs)) << "the Selector did not end";

  const std::string projectFile = location + "Site C\\Site C.mbc";
  std::string content;
  ASSERT_TRUE(ReadWholeFile(projectFile, &content)) << "no project file " << projectFile;
  EXPECT_EQ(content, NewProjectFileBytes(kProjectFileVersion, 0));
  LaunchRecord launch;
  ASSERT_TRUE(WaitForLaunch(&launch));
  EXPECT_EQ(launch.commandLine,
            MemberCommandLine("ORVENTBasic.exe", "/nofm \"" + projectFile + "\""));
}

}  // namespace
}  // namespace e2e
