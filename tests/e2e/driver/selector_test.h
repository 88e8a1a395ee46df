// Base of the journeys: every test gets its own program folder and starts
// the Selector from there.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/e2e/driver/e2e_settings.h"
#include "tests/e2e/driver/settings_files.h"
#include "tests/e2e/driver/test_process.h"

namespace e2e {

constexpr char kSelectorClass[] = "CORVENTApp";
constexpr char kSelectorTitle[] = "ORVENT Project Selector";
constexpr int kSelectorIconResource = 128;
constexpr int kExitButton = 1001;

class SelectorTest : public ::testing::Test {
 protected:
  void SetUp() override;

  // Starts the Selector of this test's program folder with the given
  // arguments; its working folder is the scratch folder, not its own.
  bool StartSelector(TestProcess* process, const std::string& arguments = std::string());
  // The visible selector window of that process, or nullptr after the
  // generous start-up timeout.
  HWND WaitForSelectorWindow(const TestProcess& process);
  // Every window of class "CORVENTApp" of any process.
  std::vector<HWND> AllSelectorWindows() const;

  std::string SelectorPath() const;

  E2eSettings settings_;
  std::string programFolder_;
  // The settings files are shared by all tests: whatever a test does to
  // them is undone when it ends.
  SettingsSnapshot settingsSnapshot_;
};

}  // namespace e2e
