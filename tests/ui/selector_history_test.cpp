// The selector window's history buttons, the grid's double click and Delete
// key, and the project named on the command line.
#include "project/project_file.h"
#include "tests/ui/selector_fixture.h"

namespace orvent {
namespace {

const int kDeleteKey = 46;

RecentHistory FiveRows() {
  RecentHistory rows;
  for (int i = 0; i < 5; ++i) rows.push_back(Row("P" + std::to_string(i), "D:\\W\\", 1));
  return rows;
}

TEST_F(SelectorTest, DeleteAsksThenRemovesTheRowFromGridHistoryAndFile) {
  const struct {
    bool byKey;
    int answer;
    int currentRow;  // grid row
    int rowsAfter;
    int currentAfter;
  } cases[] = {
      {false, ui::kIdOk, 2, 5, 2},  // the row below moves up into place
      {true, ui::kIdOk, 5, 5, 4},   // the last row: the new last row
      {false, ui::kIdCancel, 3, 6, 3},
      {true, ui::kIdCancel, 1, 6, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.currentRow);
    WriteHistory(SettingsPath(), FiveRows());
    const std::string before = test::ReadBytes(SettingsPath());
    env.backend.AnswerMessageBoxes({c.answer});
    const std::size_t boxes = env.backend.MessageBoxes().size();
    Run([&](Window& window, CDlgPage1& selector) {
      ui::memory::MemoryGrid* grid = window.GridOf(IDC_RECENT_GRID);
      grid->SetRow(c.currentRow);
      const std::string deleted = grid->TextMatrix(c.currentRow, 0);
      if (c.byKey) {
        window.PressKeyInGrid(IDC_RECENT_GRID, kDeleteKey);
      } else {
        window.Click(IDC_DELETE_HISTORY);
      }
      EXPECT_EQ(grid->Rows(), c.rowsAfter);
      EXPECT_EQ(grid->Row(), c.currentAfter);
      EXPECT_EQ(selector.history.size(), static_cast<std::size_t>(c.rowsAfter - 1));
      const bool gone = c.answer == ui::kIdOk;
      for (int r = 1; r < grid->Rows(); ++r) {
        if (gone) {
          EXPECT_NE(grid->TextMatrix(r, 0), deleted);
        }
        EXPECT_EQ(grid->TextMatrix(r, 0), selector.history[r - 1].projectName + " [JGD]");
      }
    });
    ASSERT_EQ(env.backend.MessageBoxes().size(), boxes + 1);
    const ui::memory::MessageBoxRecord& box = env.backend.MessageBoxes().back();
    EXPECT_EQ(box.text, "Can I delete it?\n(The actual project file is not deleted.)");
    EXPECT_EQ(box.buttons, ui::MessageButtons::kOkCancel);
    RecentHistory saved;
    LoadHistory(SettingsPath(), &saved);
    EXPECT_EQ(saved.size(), static_cast<std::size_t>(c.rowsAfter - 1));
    if (c.answer == ui::kIdCancel) {
      EXPECT_EQ(test::ReadBytes(SettingsPath()), before);
    }
  }
}

TEST_F(SelectorTest, DeletingTheOnlyRowEmptiesTheGrid) {
  WriteHistory(SettingsPath(), {Row("Only", "D:\\O\\", 0)});
  Run([&](Window& window, CDlgPage1& selector) {
    window.Click(IDC_DELETE_HISTORY);
    EXPECT_EQ(window.GridOf(IDC_RECENT_GRID)->Rows(), 1);
    EXPECT_TRUE(selector.history.empty());
  });
  RecentHistory saved;
  LoadHistory(SettingsPath(), &saved);
  EXPECT_TRUE(saved.empty());
}

TEST_F(SelectorTest, WithoutAHistoryRowCurrentTheRowButtonsDoNothing) {
  for (bool emptyHistory : {true, false}) {
    WriteHistory(SettingsPath(), emptyHistory ? RecentHistory() : FiveRows());
    const std::size_t boxes = env.backend.MessageBoxes().size();
    Run([&](Window& window, CDlgPage1&) {
      window.GridOf(IDC_RECENT_GRID)->SetRow(0);  // the header row
      window.Click(IDC_LAST_APPLICATION);
      window.Click(IDC_SELECT_APPLICATION);
      window.Click(IDC_DELETE_HISTORY);
      window.PressKeyInGrid(IDC_RECENT_GRID, kDeleteKey);
      window.DoubleClickGrid(IDC_RECENT_GRID);
      EXPECT_FALSE(window.Ended());
    });
    EXPECT_EQ(env.backend.MessageBoxes().size(), boxes);
    EXPECT_TRUE(env.platform.StartedProcesses().empty());
    EXPECT_EQ(env.backend.OpenedDialogs().back(), IDD_SELECTOR) << "no project dialog";
  }
}

TEST_F(SelectorTest, DoubleClickAndLastApplicationStartTheCurrentRow) {
  const RecentHistory rows = {Row("A", "D:\\A\\", 1), Row("B", "D:\\B\\", 5, 4)};
  AddProjectFile(rows[1]);
  for (bool doubleClick : {true, false}) {
    WriteHistory(SettingsPath(), rows);
    Run([&](Window& window, CDlgPage1&) {
      window.GridOf(IDC_RECENT_GRID)->SetRow(2);
      if (doubleClick) {
        window.DoubleClickGrid(IDC_RECENT_GRID);
      } else {
        window.Click(IDC_LAST_APPLICATION);
      }
      EXPECT_TRUE(window.Ended());
    });
    EXPECT_EQ(result, ui::kIdOk);
    EXPECT_EQ(env.platform.StartedProcesses().back().commandLine,
              "\"C:\\Tools\\ORVENTWindFarm.exe\" /windpower /nofm D:\\B\\B.mbc");
    RecentHistory saved;
    LoadHistory(SettingsPath(), &saved);
    EXPECT_EQ(saved[0].projectName, "B");
  }
}

// The command-line project: opened in the project dialog once the window is
// shown, preset from its file; a cancel forgets it.
TEST_F(SelectorTest, CommandLineProjectOpensThePresetProjectDialog) {
  const struct {
    const char* file;
    int projectType;
    int geodeticIndex;
    int application;  // the Application radio the dialog shows
    const char* code;
  } cases[] = {
      {"Site.mbc", 0, 5, 0, "JGD"},
      {"Site.MBC", 1, 3, 0, "WGS"},
      {"Site.meg", 2, 0, 2, "TD"},
      {"Site.meg", 0, 4, 1, "JGD"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    // A path of the scratch folder would begin with "/" on Linux, which the
    // command line takes for an option: there the folder is a relative one.
    const std::string folder = kWindows ? Root() + "Work\\" : "orvent_cmdline_test\\";
    ProjectFile file;
    file.projectType = c.projectType;
    file.geodeticIndex = c.geodeticIndex;
    file.geodeticName = GeodeticNames[c.geodeticIndex];
    if (kWindows) env.platform.MakeFolders(folder);
    // A ".meg" path is read from the ".mbc" beside it.
    ASSERT_TRUE(WriteProjectFile(folder + "Site.mbc", file));
    env.platform.AddFile(folder + c.file);
    env.platform.AddFile(folder + "Site.mbc");
    // The first opening comes from the posted command, as soon as the window shows.
    env.backend.OnDialog(IDD_PROJECT, [&](Window& dialog) {
      EXPECT_EQ(dialog.ItemText(IDC_PROJECT_NAME), "Site");
      EXPECT_EQ(dialog.ItemText(IDC_LOCATION), folder + "Site.mbc");
      EXPECT_TRUE(dialog.IsItemChecked(IDC_APP_BASIC + c.application));
      dialog.PressEscape();
    });
    Run(
        [&](Window& window, CDlgPage1& selector) {
          EXPECT_EQ(selector.currentEntry.location, folder);
          EXPECT_EQ(selector.currentEntry.projectName, "Site");
          EXPECT_EQ(selector.currentEntry.projectType, c.projectType);
          EXPECT_EQ(selector.currentEntry.geodeticCode, c.code);
          EXPECT_EQ(selector.currentEntry.number, -1);
          EXPECT_TRUE(selector.commandLineProject.empty()) << "cleared by the cancel";
          env.backend.OnDialog(IDD_PROJECT, [&](Window& dialog) {
            EXPECT_EQ(dialog.ItemText(IDC_LOCATION), "") << "no preset any more";
            dialog.PressEscape();
          });
          window.Click(IDC_SELECT_OPEN_PROJECT);
        },
        "/x \"" + folder + c.file + "\"");
    EXPECT_TRUE(env.backend.UnscriptedDialogs().empty());
    std::remove((folder + "Site.mbc").c_str());
  }
}

}  // namespace
}  // namespace orvent
