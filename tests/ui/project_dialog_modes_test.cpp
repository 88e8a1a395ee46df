// The project dialog's modes, layout and radio rules.
#include "tests/ui/project_dialog_fixture.h"

namespace orvent {
namespace {

TEST_F(ProjectDialogTest, ModesSetCaptionsEditsAndTitle) {
  for (bool create : {true, false}) {
    Run(create, false, nullptr, [&](Window& w) {
      EXPECT_EQ(w.Title(), create ? "ORVENT Project Selector - Create New Project"
                                  : "ORVENT Project Selector - Select Open Project");
      EXPECT_EQ(w.ItemText(IDC_PROJECT_OK), create ? "&Create" : "&Open");
      EXPECT_EQ(w.ItemText(IDC_LOCATION_LABEL), create ? "Location :" : "Project file :");
      EXPECT_EQ(w.ItemText(IDC_REFERENCE), create ? "&Select..." : "&Reference...");
      for (int edit : {IDC_PROJECT_NAME, IDC_LOCATION}) {
        EXPECT_EQ(w.IsItemReadOnly(edit), !create);
        EXPECT_EQ(w.IsItemTabStop(edit), create);
      }
      for (int hidden : {IDC_GEODETIC_FRAME, IDC_GEO_TOKYO, IDC_GEO_JGD2011, IDC_GEO_WGS84,
                         IDC_TYPE_WIND_POWER}) {
        EXPECT_FALSE(w.IsItemVisible(hidden)) << hidden;
      }
      EXPECT_TRUE(w.IsItemVisible(IDC_TYPE_EXTREME_WIND));
      EXPECT_TRUE(w.IsItemChecked(IDC_GEO_TOKYO));
    });
  }
}

TEST_F(ProjectDialogTest, PresetLocationNamesTheFileInOpenModeWithItsEndInView) {
  for (bool create : {true, false}) {
    const RecentEntry preset = Preset(" Site1 ", " D:\\Wind\\\\ ", 0);
    Run(create, false, &preset, [&](Window& w) {
      const std::string expected = create ? "D:\\Wind\\" : "D:\\Wind\\Site1.mbc";
      EXPECT_EQ(w.ItemText(IDC_PROJECT_NAME), "Site1");
      EXPECT_EQ(w.ItemText(IDC_LOCATION), expected);
      const ui::memory::MemoryControl* edit = w.Control(IDC_LOCATION);
      EXPECT_EQ(edit->selectionStart, static_cast<int>(expected.size()));
      EXPECT_EQ(edit->selectionEnd, static_cast<int>(expected.size()));
      EXPECT_TRUE(edit->caretScrolled);
    });
  }
}

TEST_F(ProjectDialogTest, TypeBoxGrowsByScaledPixelsForExtremeWindAndWindPower) {
  for (int dpi : {96, 144}) {
    SCOPED_TRACE(dpi);
    backend.SetDpi(dpi);
    backend.QueueFileChoice(AddProject("Farm", 4) + "Farm.mbc");
    Run(false, false, nullptr, [&](Window& w) {
      const ui::Rect before = w.ItemRect(IDC_PROJECT_TYPE_FRAME);
      const int base = w.Control(IDC_PROJECT_TYPE_FRAME)->source.cy * 13 / 8;
      EXPECT_NEAR(before.Height() - base, 25 * dpi / 96, 1);
      ASSERT_TRUE(w.Click(IDC_REFERENCE));
      const ui::Rect after = w.ItemRect(IDC_PROJECT_TYPE_FRAME);
      EXPECT_NEAR(after.Height() - base, 52 * dpi / 96, 1);
      EXPECT_EQ(after.top, before.top);
      EXPECT_EQ(after.left, before.left);
      EXPECT_EQ(after.Width(), before.Width());
      EXPECT_TRUE(w.IsItemVisible(IDC_TYPE_WIND_POWER));
    });
  }
}

TEST_F(ProjectDialogTest, EnableRulesAndInitialChoices) {
  const int kNoFile = -99;
  const struct {
    const char* what;
    bool create, selectApplication, preset;
    int appIndex, fileType;
    const char* apps;
    const char* types;
    int app, type;
  } cases[] = {
      {"create, nothing preset", true, false, false, 0, kNoFile, "100", "11110", 0, 0},
      {"create ignores the preset's choices", true, false, true, 5, 4, "100", "11110", 0, 0},
      {"open, nothing preset", false, false, false, 0, kNoFile, "000", "00000", 0, 0},
      {"open measurement", false, false, true, 1, 0, "111", "10000", 1, 0},
      {"open meso-scale", false, false, true, 0, 1, "111", "01000", 0, 1},
      {"design wind speed", false, false, true, 3, 2, "101", "00100", 2, 2},
      {"extreme wind", false, false, true, 4, 3, "101", "00010", 2, 3},
      {"wind power", false, false, true, 5, 4, "010", "00001", 1, 4},
      {"type outside 0..4", false, false, true, 0, 7, "100", "00000", 0, -1},
      {"open, file missing", false, false, true, 2, kNoFile, "111", "10000", 2, 0},
      {"select application", false, true, true, 0, 2, "101", "00100", 0, 2},
  };
  int caseNumber = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string name = "P" + std::to_string(++caseNumber);
    if (c.fileType != kNoFile) AddProject(name, c.fileType);
    const RecentEntry preset = Preset(name, Location(), c.appIndex);
    Run(c.create, c.selectApplication, c.preset ? &preset : nullptr, [&](Window& w) {
      EXPECT_EQ(Enables(w, IDC_APP_BASIC, 3), c.apps);
      EXPECT_EQ(Enables(w, IDC_TYPE_MEASUREMENT, 5), c.types);
      EXPECT_EQ(Checked(w, IDC_APP_BASIC, 3), c.app);
      EXPECT_EQ(Checked(w, IDC_TYPE_MEASUREMENT, 5), c.type);
      EXPECT_EQ(w.IsItemEnabled(IDC_REFERENCE), !c.selectApplication);
    });
  }
}

TEST_F(ProjectDialogTest, GeodeticSelectionFollowsTheFileAndLimitsTheGroup) {
  const struct {
    bool create;
    int geodeticIndex;
    int checked;
    const char* enabled;
  } cases[] = {
      {true, 5, 0, "111"},  {false, 5, 1, "010"}, {false, 4, 1, "010"},
      {false, 3, 0, "100"}, {false, 0, 0, "100"},
  };
  for (const auto& c : cases) {
    const RecentEntry preset = Preset("Geo", AddProject("Geo", 0, c.geodeticIndex), 0);
    Run(c.create, false, &preset, [&](Window& w) {
      EXPECT_EQ(Checked(w, IDC_GEO_TOKYO, 3), c.checked) << c.geodeticIndex;
      EXPECT_EQ(Enables(w, IDC_GEO_TOKYO, 3), c.enabled) << c.geodeticIndex;
    });
  }
}

TEST_F(ProjectDialogTest, WindPowerFileLeavesBasicChosenUntilAnApplicationIsClicked) {
  backend.QueueFileChoice(AddProject("Farm", 4) + "Farm.mbc");
  Run(false, false, nullptr, [&](Window& w) {
    ASSERT_TRUE(w.Click(IDC_REFERENCE));
    EXPECT_EQ(Checked(w, IDC_APP_BASIC, 3), 0);
    EXPECT_EQ(Enables(w, IDC_APP_BASIC, 3), "010");
    EXPECT_EQ(Enables(w, IDC_TYPE_MEASUREMENT, 5), "10000") << "the initial type only";
    ASSERT_TRUE(w.Click(IDC_APP_ENERGY));
    EXPECT_EQ(Enables(w, IDC_TYPE_MEASUREMENT, 5), "10001") << "Energy brings Wind power";
    EXPECT_EQ(Checked(w, IDC_TYPE_MEASUREMENT, 5), 4);
    ASSERT_TRUE(w.Click(IDC_TYPE_MEASUREMENT));
    EXPECT_EQ(Enables(w, IDC_APP_BASIC, 3), "111");
    EXPECT_EQ(Checked(w, IDC_APP_BASIC, 3), 1);
  });
}

TEST_F(ProjectDialogTest, ProjectTypeClickRepairsADisabledApplication) {
  // Preset and chosen file are both wind power: only Wind power and Energy
  // are allowed, and Basic, chosen by the Reference button, moves to Energy.
  const RecentEntry preset = Preset("Farm", AddProject("Farm", 4), 5);
  backend.QueueFileChoice(Location() + "Farm.mbc");
  Run(false, false, &preset, [&](Window& w) {
    ASSERT_TRUE(w.Click(IDC_REFERENCE));
    EXPECT_EQ(Checked(w, IDC_APP_BASIC, 3), 0);
    ASSERT_TRUE(w.Click(IDC_TYPE_WIND_POWER));
    EXPECT_EQ(Checked(w, IDC_APP_BASIC, 3), 1);
    EXPECT_EQ(Enables(w, IDC_TYPE_MEASUREMENT, 5), "00001");
  });
}

TEST_F(ProjectDialogTest, SelectButtonTakesANormalisedFolder) {
  platform.AddFolder("C:\\Docs");
  backend.QueueFolderChoice(std::nullopt);
  backend.QueueFolderChoice(std::string(" E:\\\x95\x5C\x8E\xA6\\\\ "));
  backend.QueueFolderChoice(std::string("F:\\"));
  Run(true, false, nullptr, [&](Window& w) {
    ASSERT_TRUE(w.Click(IDC_REFERENCE));
    EXPECT_EQ(w.ItemText(IDC_LOCATION), "") << "cancelled";
    ASSERT_TRUE(w.Click(IDC_REFERENCE));
    EXPECT_EQ(w.ItemText(IDC_LOCATION), "E:\\\x95\x5C\x8E\xA6\\");
    ASSERT_TRUE(w.Click(IDC_REFERENCE));
    EXPECT_EQ(w.ItemText(IDC_LOCATION), "F:\\");
  });
  EXPECT_EQ(backend.FolderRequests(),
            (std::vector<std::string>{"C:\\Docs", "C:\\Docs", "E:\\\x95\x5C\x8E\xA6\\"}))
      << "the documents folder until a folder was chosen";
  EXPECT_EQ(platform.CurrentFolderChanges(), backend.FolderRequests())
      << "each chooser starts from the current folder, which stays";
}

TEST_F(ProjectDialogTest, ReferenceButtonOpensAProjectFileAndRestoresTheCurrentFolder) {
  platform.AddFolder("C:\\Start");
  platform.SetCurrentFolder("C:\\Start");
  const std::string location = AddProject("Mast", 2);
  backend.QueueFileChoice(std::nullopt);
  backend.QueueFileChoice(location + "Mast.mbc");
  Run(false, false, nullptr, [&](Window& w) {
    ASSERT_TRUE(w.Click(IDC_REFERENCE));
    EXPECT_EQ(w.ItemText(IDC_PROJECT_NAME), "") << "cancelled";
    ASSERT_TRUE(w.Click(IDC_REFERENCE));
    EXPECT_EQ(w.ItemText(IDC_PROJECT_NAME), "Mast");
    EXPECT_EQ(w.ItemText(IDC_LOCATION), location + "Mast.mbc");
    EXPECT_EQ(Checked(w, IDC_TYPE_MEASUREMENT, 5), 2);
    EXPECT_EQ(Enables(w, IDC_APP_BASIC, 3), "101");
  });
  ASSERT_EQ(backend.FileRequests().size(), 2u);
  const ui::FileChooser& request = backend.FileRequests()[0];
  EXPECT_EQ(request.filters,
            (std::vector<std::pair<std::string, std::string>>{
                {"ORVENT project files(*.mbc)", "*.mbc"}, {"all files(*.*)", "*.*"}}));
  EXPECT_EQ(request.filterIndex, 1);
  EXPECT_EQ(request.title, "Select the ORVENT project file");
  EXPECT_EQ(request.defaultExtension, ".mbc");
  EXPECT_TRUE(request.open);
  EXPECT_EQ(request.initialFolder, "C:\\");
  EXPECT_EQ(request.fileName, "Docs") << "the documents folder does not exist here";
  EXPECT_EQ(platform.CurrentFolder(), "C:\\Start");
}

}  // namespace
}  // namespace orvent
