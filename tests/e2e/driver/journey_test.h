// Base of the journeys that go through the history and the project dialog:
// settings prepared per test, projects on disk, the grid and the launches
// read from outside.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tests/e2e/driver/expected_files.h"
#include "tests/e2e/driver/launch_record.h"
#include "tests/e2e/driver/selector_test.h"

namespace e2e {

// The code page 932 bytes of the Japanese names the journeys use; each
// holds a trail byte 0x5C, the backslash.
constexpr char kHyouji[] = "\x95\x5C\x8E\xA6";            // 表示
constexpr char kSoftware[] = "\x83\x5C\x83\x74\x83\x67";  // ソフト
constexpr char kNouryoku[] = "\x94\x5C\x97\xCD";          // 能力

constexpr DWORD kDialogTimeoutMs = 10000;
constexpr DWORD kLaunchTimeoutMs = 10000;

class JourneyTest : public SelectorTest {
 protected:
  void SetUp() override;

  // Writes the user's settings file with these rows (no seed is left).
  void WriteUserHistory(const std::vector<HistoryRow>& rows);
  std::string UserSettingsBytes() const;
  // Writes location\name.mbc as a new project of that type would hold it.
  void MakeProject(const std::string& location, const std::string& name, int projectType = 0);

  // Starts the Selector and waits for its window; nullptr on failure.
  HWND StartAndWait(TestProcess* selector, const std::string& arguments = std::string());
  // Clicks a button of `owner` and waits for the dialog it opens; null
  // when no dialog of that title came.
  HWND PressForDialog(HWND owner, int button, const std::string& title);
  // Presses Exit and waits for the end.
  void ExitSelector(const TestProcess& selector, HWND window);
  // Returns once the window's thread has finished what it was doing (a
  // message sent to it is answered only between two handlers).
  static bool Settle(HWND window);
  HWND Grid(HWND window) const;
  // The three cell texts of one grid item.
  std::vector<std::string> GridRow(HWND window, int item) const;

  // Waits for the one launch a started member records.
  bool WaitForLaunch(LaunchRecord* launch) const;
  std::vector<LaunchRecord> Launches() const;
  // The command line a member gets: the executable quoted, then the rest.
  std::string MemberCommandLine(const std::string& exe, const std::string& arguments) const;

  // A folder for projects, below this test's program folder.
  std::string projects_;
};

}  // namespace e2e
