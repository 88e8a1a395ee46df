// Starting a member application: the command line, the working folder, and
// what the history and the window do after a start or a failure.
#include "tests/ui/selector_fixture.h"

namespace orvent {
namespace {

class StartApplicationTest : public SelectorTest {
 protected:
  static std::string SettingsOf(const UiTestEnvironment& e) {
    return e.Root() + "AppData\\ORVENT V5_2\\orvent.ini";
  }
  StartApplicationTest() {
    for (const char* exe : {"ORVENTBasic.exe", "ORVENTEnergy.exe", "ORVENTExtremeWind.exe",
                            "ORVENTWindFarm.exe", "ORVENTBasicEW.exe"}) {
      env.platform.AddFile(std::string("C:\\Tools\\") + exe);
    }
  }

  // Starts `entry` from a selector whose history holds `rows`.
  void Start(const RecentHistory& rows, const RecentEntry* entry, int row) {
    WriteHistory(SettingsPath(), rows);
    Run([&](Window&, CDlgPage1& selector) {
      selector.StartApplication(entry, row);
      history = selector.history;
    });
  }

  RecentHistory history;
};

TEST_F(StartApplicationTest, CommandLinesOfTheCatalogue) {
  const struct {
    int app, type;
    const char* commandLine;
    int recordedApp, recordedType;
  } cases[] = {
      {0, 0, "\"C:\\Tools\\ORVENTBasic.exe\" /nofm \"D:\\Wind Work\\Site A\\Site A.mbc\"", 0, 0},
      {0, 3, "\"C:\\Tools\\ORVENTBasicEW.exe\" /nofm \"D:\\Wind Work\\Site A\\Site A.mbc\"", 0, 3},
      {1, 4, "\"C:\\Tools\\ORVENTEnergy.exe\" /nofm \"D:\\Wind Work\\Site A\\Site A.mbc\"", 1, 4},
      {2, 4, "\"C:\\Tools\\ORVENTEnergy.exe\" /weng /nofm \"D:\\Wind Work\\Site A\\Site A.mbc\"", 2,
       0},
      {2, 2, "\"C:\\Tools\\ORVENTEnergy.exe\" /design /nofm \"D:\\Wind Work\\Site A\\Site A.mbc\"",
       3, 0},
      {3, 2, "\"C:\\Tools\\ORVENTEnergy.exe\" /design /nofm \"D:\\Wind Work\\Site A\\Site A.mbc\"",
       3, 2},
      {4, 3,
       "\"C:\\Tools\\ORVENTExtremeWind.exe\" /dws2 /nofm \"D:\\Wind Work\\Site A\\Site A.mbc\"", 4,
       3},
      {5, 4,
       "\"C:\\Tools\\ORVENTWindFarm.exe\" /windpower /nofm \"D:\\Wind Work\\Site A\\Site A.mbc\"",
       5, 4},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.commandLine);
    UiTestEnvironment local;
    local.platform.SetModuleFileName("C:\\Tools\\ORVENTLancher.exe");
    for (const char* exe : {"ORVENTBasic.exe", "ORVENTEnergy.exe", "ORVENTExtremeWind.exe",
                            "ORVENTWindFarm.exe", "ORVENTBasicEW.exe"}) {
      local.platform.AddFile(std::string("C:\\Tools\\") + exe);
    }
    const RecentEntry entry = Row(" Site A ", "D:\\Wind Work\\Site A\\\\ ", c.app, c.type);
    local.platform.AddFile("D:\\Wind Work\\Site A\\Site A.mbc");
    RecentHistory after;
    local.backend.OnDialog(IDD_SELECTOR, [&](Window&) {
      auto* selector = static_cast<CDlgPage1*>(ui::App()->MainWindow());
      selector->StartApplication(&entry, -1);
      after = selector->history;
    });
    CORVENTLancherApp app;
    app.Run("");
    ASSERT_EQ(local.platform.StartedProcesses().size(), 1u);
    const ProcessRequest& started = local.platform.StartedProcesses()[0];
    EXPECT_EQ(started.commandLine, c.commandLine);
    EXPECT_EQ(started.workingFolder, "D:\\Wind Work\\Site A");
    EXPECT_EQ(started.creationFlags, 0x04000020u);
    EXPECT_EQ(started.showMode, 5);
    EXPECT_EQ(local.platform.CurrentFolderChanges().back(), "D:\\Wind Work\\Site A\\\\");
    ASSERT_EQ(after.size(), 1u);
    EXPECT_EQ(after[0].appIndex, c.recordedApp);
    EXPECT_EQ(after[0].projectType, c.recordedType);
    EXPECT_EQ(after[0].projectName, " Site A ") << "the entry is recorded as it came";
  }
}

TEST_F(StartApplicationTest, AStartHeadsTheHistorySavesItAndClosesTheWindow) {
  RecentHistory rows;
  for (int i = 0; i < kMaxRecentRows; ++i) {
    rows.push_back(Row("P" + std::to_string(i), "D:\\W\\", 1));
  }
  rows[5] = Row("site a", "d:\\work\\", 1);  // the same project, other case
  rows[7] = Row("Site A", "D:\\Work\\", 0);
  const RecentEntry chosen = Row("Site A", "D:\\Work\\", 2, 2, "TD");
  AddProjectFile(chosen);
  Start(rows, &chosen, 7);
  EXPECT_EQ(result, ui::kIdOk);
  ASSERT_EQ(history.size(), 998u) << "rows 7 and 5 go, the new head comes";
  EXPECT_EQ(history[0].projectName, "Site A");
  EXPECT_EQ(history[0].appIndex, 3);
  EXPECT_EQ(history[1].projectName, "P0");
  RecentHistory saved;
  ASSERT_TRUE(LoadHistory(SettingsPath(), &saved));
  ASSERT_EQ(saved.size(), 998u);
  EXPECT_EQ(saved[0].appIndex, 3) << "the file stores Design Wind Speed";
  EXPECT_NE(
      test::ReadBytes(SettingsPath()).find("Recent001 = \"Site A\", \"Design Wind Speed\", 0,"),
      std::string::npos);
}

TEST_F(StartApplicationTest, AFullHistoryDropsItsOldestRow) {
  RecentHistory rows;
  for (int i = 0; i < kMaxRecentRows; ++i)
    rows.push_back(Row("P" + std::to_string(i), "D:\\W\\", 1));
  const RecentEntry fresh = Row("New", "D:\\N\\", 0);
  AddProjectFile(fresh);
  Start(rows, &fresh, -1);
  ASSERT_EQ(history.size(), 999u);
  EXPECT_EQ(history[0].projectName, "New");
  EXPECT_EQ(history[998].projectName, "P997");
}

TEST_F(StartApplicationTest, HistoryRowWithItsRecordedApplication) {
  const RecentHistory rows = {Row("A", "D:\\A\\", 1), Row("B", "D:\\B\\", 4, 3)};
  AddProjectFile(rows[1]);
  Start(rows, nullptr, 1);
  ASSERT_EQ(env.platform.StartedProcesses().size(), 1u);
  EXPECT_EQ(env.platform.StartedProcesses()[0].commandLine,
            "\"C:\\Tools\\ORVENTExtremeWind.exe\" /dws2 /nofm D:\\B\\B.mbc");
  EXPECT_EQ(history[0].projectName, "B");
  EXPECT_EQ(history[1].projectName, "A");
}

TEST_F(StartApplicationTest, FailuresChangeNothing) {
  const RecentHistory rows = {Row("A", "D:\\A\\", 1), Row("B", "D:\\B\\", 0)};
  const struct {
    bool projectExists, processStarts;
    int row;
    const char* message;
  } cases[] = {
      {false, true, 1, "The project file is not exist."},
      {true, false, 1, "The application is not started."},
      {true, true, 2, nullptr},  // no such row
      {true, true, -1, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.row);
    UiTestEnvironment local;
    local.platform.SetModuleFileName("C:\\Tools\\ORVENTLancher.exe");
    local.platform.MakeFolders(local.Root() + "AppData\\ORVENT V5_2\\");
    ASSERT_TRUE(SaveHistory(SettingsOf(local), rows));
    local.platform.AddFile(SettingsOf(local));
    if (c.projectExists) local.platform.AddFile("D:\\B\\B.mbc");
    local.platform.SetStartProcessResult(c.processStarts);
    const std::string before = test::ReadBytes(SettingsOf(local));
    RecentHistory after;
    bool endedByStart = true;
    local.backend.OnDialog(IDD_SELECTOR, [&](Window& w) {
      auto* selector = static_cast<CDlgPage1*>(ui::App()->MainWindow());
      selector->StartApplication(nullptr, c.row);
      endedByStart = w.Ended();
      after = selector->history;
      EXPECT_EQ(test::ReadBytes(SettingsOf(local)), before);
      EXPECT_EQ(local.platform.StartedProcesses().size(), c.projectExists && c.row == 1 ? 1u : 0u);
      // A later start from the same window still works.
      if (!c.projectExists) local.platform.AddFile("D:\\B\\B.mbc");
      local.platform.SetStartProcessResult(true);
      selector->StartApplication(nullptr, 1);
    });
    CORVENTLancherApp app;
    app.Run("");
    EXPECT_FALSE(endedByStart);
    EXPECT_EQ(after.size(), 2u);
    EXPECT_EQ(after[0].projectName, "A");
    if (c.message != nullptr) {
      ASSERT_EQ(local.backend.MessageBoxes().size(), 1u);
      EXPECT_EQ(local.backend.MessageBoxes()[0].text, c.message);
    } else {
      EXPECT_TRUE(local.backend.MessageBoxes().empty());
    }
    EXPECT_FALSE(local.backend.WaitCursorShown());
    // The later start went through and rewrote the file with B first.
    RecentHistory saved;
    ASSERT_TRUE(LoadHistory(SettingsOf(local), &saved));
    EXPECT_EQ(saved[0].projectName, "B");
    EXPECT_NE(test::ReadBytes(SettingsOf(local)), before);
  }
}

}  // namespace
}  // namespace orvent
