#include "tests/e2e/driver/journey_test.h"

#include "tests/e2e/driver/file_paths.h"
#include "tests/e2e/driver/list_view_reader.h"
#include "tests/e2e/driver/owned_dialog.h"
#include "tests/e2e/driver/polling.h"
#include "tests/e2e/driver/selector_ids.h"
#include "tests/e2e/driver/window_input.h"

namespace e2e {

void JourneyTest::SetUp() {
  SelectorTest::SetUp();
  if (HasFatalFailure()) return;
  projects_ = programFolder_ + "Projects\\";
  ASSERT_TRUE(CreateFolderPath(projects_));
  ASSERT_TRUE(RemoveSettingsFiles()) << "cannot clear the settings files";
}

void JourneyTest::WriteUserHistory(const std::vector<HistoryRow>& rows) {
  ASSERT_TRUE(CreateFolderPath(UserSettingsFolder()));
  ASSERT_TRUE(WriteWholeFile(UserSettingsFile(), HistoryFileBytes(rows)));
}

std::string JourneyTest::UserSettingsBytes() const {
  std::string content;
  if (!ReadWholeFile(UserSettingsFile(), &content)) return "(no settings file)";
  return content;
}

void JourneyTest::MakeProject(const std::string& location, const std::string& name,
                              int projectType) {
  ASSERT_TRUE(CreateFolderPath(location)) << location;
  ASSERT_TRUE(WriteWholeFile(location + name + ".mbc",
                             NewProjectFileBytes(kProjectFileVersion, projectType)));
}

HWND JourneyTest::StartAndWait(TestProcess* selector, const std::string& arguments) {
  if (!StartSelector(selector, arguments)) return nullptr;
  return WaitForSelectorWindow(*selector);
}

HWND JourneyTest::PressForDialog(HWND owner, int button, const std::string& title) {
  if (!PostButtonClick(owner, button)) return nullptr;
  return WaitForOwnedDialog(owner, title, kDialogTimeoutMs);
}

void JourneyTest::ExitSelector(const TestProcess& selector, HWND window) {
  ASSERT_TRUE(PostButtonClick(window, kExitButton));
  EXPECT_TRUE(selector.WaitForExit(kExitTimeoutMs)) << "still running after Exit";
}

bool JourneyTest::Settle(HWND window) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kDialogTimeoutMs, &result) !=
         0;
}

HWND JourneyTest::Grid(HWND window) const { return GetDlgItem(window, kRecentGrid); }

std::vector<std::string> JourneyTest::GridRow(HWND window, int item) const {
  std::vector<std::string> texts;
  for (int column = 0; column < 3; ++column) {
    texts.push_back(ListViewItemText(Grid(window), item, column));
  }
  return texts;
}

bool JourneyTest::WaitForLaunch(LaunchRecord* launch) const {
  std::vector<LaunchRecord> records;
  const bool seen =
      WaitUntil([&] { return ReadLaunchRecords(programFolder_, &records) && !records.empty(); },
                kLaunchTimeoutMs, 50);
  if (!seen || records.size() != 1) return false;
  *launch = records.front();
  return true;
}

std::vector<LaunchRecord> JourneyTest::Launches() const {
  std::vector<LaunchRecord> records;
  ReadLaunchRecords(programFolder_, &records);
  return records;
}

std::string JourneyTest::MemberCommandLine(const std::string& exe,
                                           const std::string& arguments) const {
  return "\"" + programFolder_ + exe + "\" " + arguments;
}

}  // namespace e2e
