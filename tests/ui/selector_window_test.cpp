// The selector window: its settings file, grid, layout, help and about box.
#include "tests/ui/selector_fixture.h"
#include "ui/about/about_dlg.h"

namespace orvent {
namespace {

const std::string kEmptyHistory =
    "!=== ORVENT Environment File ===\r\n! Recent Project (MAX:999)\r\n&RecentProject\r\n/\r\n";

TEST_F(SelectorTest, FirstStartMakesTheUserFolderAndAnEmptySettingsFile) {
  Run(nullptr);
  EXPECT_EQ(env.platform.MadeFolders().back(), UserFolder());
  EXPECT_EQ(test::ReadBytes(SettingsPath()), kEmptyHistory);
}

TEST_F(SelectorTest, SeedInTheCommonFolderComesFirst) {
  const std::string common = Root() + "Common Files\\ORVENT V5_2\\Common\\orvent.ini";
  WriteHistory(common, {Row("Common", "D:\\A\\", 1)});
  env.platform.SetModuleFileName(Root() + "ORVENTLancher.exe");
  WriteHistory(Root() + "orvent.ini", {Row("Beside", "D:\\B\\", 2)});
  const std::string seed = test::ReadBytes(common);
  Run([&](Window&, CDlgPage1& selector) {
    ASSERT_EQ(selector.history.size(), 1u);
    EXPECT_EQ(selector.history[0].projectName, "Common");
  });
  EXPECT_EQ(test::ReadBytes(SettingsPath()), seed);
  EXPECT_EQ(test::ReadBytes(common), seed) << "the seed itself is never written";
}

TEST_F(SelectorTest, SeedBesideTheProgramWhenTheCommonFolderHasNone) {
  env.platform.SetModuleFileName(Root() + "ORVENTLancher.exe");
  WriteHistory(Root() + "orvent.ini", {Row("Beside", "D:\\B\\", 2)});
  Run([&](Window&, CDlgPage1& selector) {
    ASSERT_EQ(selector.history.size(), 1u);
    EXPECT_EQ(selector.history[0].projectName, "Beside");
  });
  EXPECT_EQ(test::ReadBytes(SettingsPath()), test::ReadBytes(Root() + "orvent.ini"));
}

TEST_F(SelectorTest, ExistingSettingsFileIsReadAndNotRewritten) {
  // Rows out of order: loading sorts them, so a rewrite would show.
  const std::string text =
      "!=== ORVENT Environment File ===\r\n! Recent Project (MAX:999)\r\n&RecentProject\r\n"
      "Recent002 = \"B\", \"Energy\", 0, \"D:\\B\\\", \"TD\",\r\n"
      "Recent001 = \"A\", \"Basic\", 3, \"D:\\A\\\", \"JGD\",\r\n/\r\n";
  env.platform.MakeFolders(UserFolder());
  ASSERT_TRUE(test::WriteBytes(SettingsPath(), text));
  env.platform.AddFile(SettingsPath());
  const std::size_t made = env.platform.MadeFolders().size();
  Run([&](Window&, CDlgPage1& selector) {
    ASSERT_EQ(selector.history.size(), 2u);
    EXPECT_EQ(selector.history[0].projectName, "A");
  });
  EXPECT_EQ(test::ReadBytes(SettingsPath()), text);
  EXPECT_EQ(env.platform.MadeFolders().size(), made);
}

TEST_F(SelectorTest, GridShowsTheHistoryUnderOneHeaderRow) {
  WriteHistory(SettingsPath(), {Row("Site A", "D:\\Work\\", 4, 3, "WGS"),
                                Row("\x95\x5C\x8E\xA6", "C:\\\x83\x5C\x83\x74\x83\x67\\", 2)});
  Run([&](Window& window, CDlgPage1&) {
    ui::memory::MemoryGrid* grid = window.GridOf(IDC_RECENT_GRID);
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->Rows(), 3);
    EXPECT_EQ(grid->FixedRows(), 1);
    EXPECT_EQ(grid->FixedCols(), 0);
    const char* expected[3][3] = {
        {"Project Name [GS]", "Recent App.", "Location"},
        {"Site A [WGS]", "Extreme Wind", "D:\\Work\\"},
        {"\x95\x5C\x8E\xA6 [JGD]", "Wind Climate", "C:\\\x83\x5C\x83\x74\x83\x67\\"},
    };
    for (int r = 0; r < 3; ++r) {
      for (int c = 0; c < 3; ++c) EXPECT_EQ(grid->TextMatrix(r, c), expected[r][c]) << r << c;
    }
    EXPECT_EQ(grid->Row(), 1) << "the most recent project is current";
    EXPECT_EQ(grid->Col(), 0);
    EXPECT_EQ(grid->ShownRow(), 1);
    EXPECT_EQ(grid->ColWidths(), (std::vector<int>{3500, 1800, 7000}));
    // The dialog font of 8.25 points becomes a whole 9 in the GUI font's face.
    EXPECT_EQ(grid->FontFace(), "MS UI Gothic");
    EXPECT_EQ(grid->FontPoints(), 9.0f);
  });
}

TEST_F(SelectorTest, FullHistoryIsWrittenToTheGridWithDrawingOff) {
  RecentHistory rows;
  for (int i = 0; i < kMaxRecentRows; ++i) {
    rows.push_back(
        Row("\x95\x5C\x8E\xA6" + std::to_string(i), "D:\\" + std::to_string(i) + "\\", i % 6));
  }
  WriteHistory(SettingsPath(), rows);
  Run([&](Window& window, CDlgPage1& selector) {
    ui::memory::MemoryGrid* grid = window.GridOf(IDC_RECENT_GRID);
    EXPECT_EQ(selector.history.size(), 999u);
    EXPECT_EQ(grid->Rows(), 1000);
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_EQ(grid->TextMatrix(999, 0),
              "\x95\x5C\x8E\xA6"
              "998 [JGD]");
    EXPECT_TRUE(grid->Redrawing());
    EXPECT_EQ(grid->RowsWrittenWhileDrawing(), 3) << "only the headers are written while drawing";
  });
}

TEST_F(SelectorTest, WindowKeepsItsStartSizeAsMinimumAndControlsFollowIt) {
  Run([&](Window& window, CDlgPage1&) {
    const ui::Rect start = window.WindowRect();
    const ui::Rect grid = window.ItemRect(IDC_RECENT_GRID);
    const ui::Rect frame = window.ItemRect(IDC_RECENT_FRAME);
    const ui::Rect exit = window.ItemRect(IDC_EXIT);
    const ui::Rect select = window.ItemRect(IDC_SELECT_APPLICATION);
    const ui::Rect last = window.ItemRect(IDC_LAST_APPLICATION);
    const ui::Rect del = window.ItemRect(IDC_DELETE_HISTORY);
    const ui::Rect task = window.ItemRect(IDC_CREATE_NEW_PROJECT);
    // The buttons below the grid take their places at once.
    EXPECT_EQ(select.top, grid.bottom + 5);
    EXPECT_EQ(select.right, grid.right);
    EXPECT_EQ(last.right, select.left - 8);
    EXPECT_EQ(del.left, grid.left);

    // Smaller from every edge: held at the start size, the far edge still.
    const struct {
      int edge;
      ui::Rect proposed, kept;
    } drags[] = {
        {ui::kEdgeLeft, {100, 0, start.right, start.bottom}, {0, 0, start.right, start.bottom}},
        {ui::kEdgeRight, {0, 0, 300, start.bottom}, start},
        {ui::kEdgeTop, {0, 50, start.right, start.bottom}, start},
        {ui::kEdgeBottom, {0, 0, start.right, 200}, start},
        {ui::kEdgeTopLeft, {40, 40, start.right, start.bottom}, start},
        {ui::kEdgeBottomRight, {0, 0, 10, 10}, start},
        {ui::kEdgeBottomLeft, {30, 0, start.right, 30}, start},
        {ui::kEdgeTopRight, {0, 30, 30, start.bottom}, start},
    };
    for (const auto& d : drags) {
      EXPECT_EQ(window.DragBorder(d.edge, d.proposed), d.kept) << d.edge;
    }

    // Larger: the grid and frame grow, the buttons keep their sizes and follow.
    const ui::Rect larger{0, 0, start.right + 200, start.bottom + 100};
    EXPECT_EQ(window.DragBorder(ui::kEdgeBottomRight, larger), larger);
    const ui::Rect grown = window.ItemRect(IDC_RECENT_GRID);
    EXPECT_EQ(grown.Width(), grid.Width() + 200);
    EXPECT_EQ(grown.Height(), grid.Height() + 100);
    EXPECT_EQ(window.ItemRect(IDC_RECENT_FRAME).Width(), frame.Width() + 200);
    EXPECT_EQ(window.ItemRect(IDC_RECENT_FRAME).Height(), frame.Height() + 100);
    EXPECT_EQ(window.ItemRect(IDC_EXIT),
              (ui::Rect{exit.left + 200, exit.top, exit.right + 200, exit.bottom}));
    EXPECT_EQ(window.ItemRect(IDC_SELECT_APPLICATION).top, grown.bottom + 5);
    EXPECT_EQ(window.ItemRect(IDC_SELECT_APPLICATION).Width(), select.Width());
    EXPECT_EQ(window.ItemRect(IDC_DELETE_HISTORY).left, del.left);
    EXPECT_EQ(window.ItemRect(IDC_CREATE_NEW_PROJECT), task) << "the project task stays";
  });
}

TEST_F(SelectorTest, EnterKeepsTheWindowOpenAndEscapeClosesIt) {
  Run([&](Window& window, CDlgPage1&) {
    window.PressEnter();
    EXPECT_FALSE(window.Ended());
    window.PressEscape();
    EXPECT_TRUE(window.Ended());
  });
  EXPECT_EQ(result, ui::kIdCancel);
}

TEST_F(SelectorTest, HelpOpensTheManualOrSaysAcrobatIsMissing) {
  for (bool opens : {true, false}) {
    UiTestEnvironment local;
    local.platform.SetModuleFileName("C:\\Tools\\ORVENTLancher.exe");
    local.platform.SetShellOpenResult(opens);
    local.backend.OnDialog(IDD_SELECTOR, [](Window& w) {
      w.Click(IDC_HELP_MANUAL);
      w.Click(IDC_EXIT);
    });
    CORVENTLancherApp app;
    app.Run("");
    EXPECT_EQ(local.platform.ShellOpened(), std::vector<std::string>{"C:\\Tools\\OL_Manual.pdf"});
    if (opens) {
      EXPECT_TRUE(local.backend.MessageBoxes().empty());
    } else {
      ASSERT_EQ(local.backend.MessageBoxes().size(), 1u);
      EXPECT_EQ(local.backend.MessageBoxes()[0].text,
                "Acrobat reader is not installed or not found.");
    }
  }
}

TEST_F(SelectorTest, TooltipShowsTheTrimmedCellTextOverDataCellsOnly) {
  WriteHistory(SettingsPath(), {Row("Site A", "D:\\A very long location\\", 1)});
  Run([&](Window& window, CDlgPage1& selector) {
    ui::memory::MemoryToolTip* tip = window.ToolTipOf(IDC_RECENT_GRID);
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(tip->initial, 200);
    EXPECT_EQ(tip->reshow, 500);
    EXPECT_EQ(tip->autoPop, 10000);
    EXPECT_EQ(tip->maxWidth, 300);

    window.MoveMouseOverGrid(IDC_RECENT_GRID, 1, 2, 10.0f, 20.0f);
    EXPECT_EQ(tip->text, "D:\\A very long location\\");
    const int pops = tip->pops;
    window.MoveMouseOverGrid(IDC_RECENT_GRID, 1, 2, 10.0f, 20.0f);
    EXPECT_EQ(tip->pops, pops) << "a pointer at rest keeps the tip";
    window.MoveMouseOverGrid(IDC_RECENT_GRID, 1, 0, 11.0f, 20.0f);
    EXPECT_EQ(tip->pops, pops + 1) << "a moving pointer hides it";
    EXPECT_EQ(tip->text, "Site A [JGD]");
    for (int row : {0, -1}) {
      window.MoveMouseOverGrid(IDC_RECENT_GRID, row, 1, 12.0f, 20.0f);
      EXPECT_EQ(tip->text, "") << "nothing on the header or outside the cells";
      EXPECT_EQ(selector.tipText, "");
    }
  });
}

TEST(AboutBox, VersionLineFromTheProductVersion) {
  const std::string line = "ORVENT Project Selector Version 1.0";
  const struct {
    unsigned major, minor, build, revision;
    const char* tail;
  } cases[] = {
      {6, 0, 0, 2, "6.0  (6.0.0.2)"},     {6, 1, 2, 0, "6.1b (6.1.2.0)"},
      {1, 2, 1, 3, "1.2a (1.2.1.3)"},     {1, 2, 26, 0, "1.2z (1.2.26.0)"},
      {1, 2, 27, 0, "1.2{ (1.2.27.0)"},   {1, 2, 31, 0, "1.2\x7F (1.2.31.0)"},
      {1, 2, 32, 0, "1.2  (1.2.32.0)"},   {1, 2, 256, 0, "1.2  (1.2.256.0)"},
      {1, 2, 257, 0, "1.2a (1.2.257.0)"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(VersionLine(line, c.major, c.minor, c.build, c.revision),
              std::string("ORVENT Project Selector Version ") + c.tail);
  }
  EXPECT_EQ(VersionLine("ab", 6, 0, 0, 2), "6.0  (6.0.0.2)");
}

TEST_F(SelectorTest, AboutBoxReadsTheVersionResourceOrKeepsTheTemplate) {
  // A version resource with the record at offset 40: product version 6.0.0.2.
  std::vector<unsigned char> resource(40, 0);
  const unsigned words[13] = {0xFEEF04BD, 0x10000, 0x60000, 0x2, 0x60000, 0x2};
  for (unsigned w : words) {
    for (int b = 0; b < 4; ++b) resource.push_back(static_cast<unsigned char>(w >> (8 * b)));
  }
  const std::string copyright = "(C) the maker of this build";
  for (bool readable : {true, false}) {
    UiTestEnvironment local;
    if (readable) {
      local.platform.SetVersionResource(resource);
      local.platform.SetVersionValue("\\VarFileInfo\\Translation", {0x11, 0x04, 0xB0, 0x04});
      std::vector<unsigned char> text(copyright.begin(), copyright.end());
      text.push_back(0);
      local.platform.SetVersionValue("\\StringFileInfo\\041104b0\\LegalCopyright", text);
    }
    std::string version, copyrightLine;
    local.backend.OnDialog(IDD_SELECTOR, [&](Window& w) {
      local.backend.OnDialog(IDD_ABOUTBOX, [&](Window& about) {
        version = about.ChildText(1);
        copyrightLine = about.ChildText(2);
        about.PressEnter();
      });
      w.SystemCommand(IDM_ABOUTBOX);
      w.Click(IDC_EXIT);
    });
    CORVENTLancherApp app;
    app.Run("");
    EXPECT_EQ(version, readable ? "ORVENT Project Selector Version 6.0  (6.0.0.2)"
                                : "ORVENT Project Selector Version 1.0");
    EXPECT_EQ(copyrightLine, readable ? copyright : "Copyright (C) 2026 HALVORN")
        << "the template's line stays when the resource cannot be read";
    EXPECT_TRUE(local.backend.UnscriptedDialogs().empty());
  }
}

}  // namespace
}  // namespace orvent
