// The project dialog's OK button: checks, creation of a new project, result.
#include "tests/ui/project_dialog_fixture.h"

namespace orvent {
namespace {

const char kHeader[] =
    "! === ORVENT Basic Environment File ===\r\n\r\n"
    "!=========================================================================\r\n"
    "&General_Parameters\r\n";

class ProjectOkTest : public ProjectDialogTest {
 protected:
  // Types name and location in create mode and presses Enter.
  int Create(const std::string& name, const std::string& location,
             std::function<void(Window&)> after = nullptr) {
    return Run(true, false, nullptr, [&](Window& w) {
      w.Type(IDC_PROJECT_NAME, name);
      w.Type(IDC_LOCATION, location);
      w.PressEnter();
      if (after) after(w);
    });
  }
  std::string LastMessage() const {
    return backend.MessageBoxes().empty() ? "" : backend.MessageBoxes().back().text;
  }
};

TEST_F(ProjectOkTest, RefusalsInTheirOrderWithFocus) {
  platform.AddFolder("C:\\Work");
  const struct {
    bool create;
    std::string name, location;
    const char* message;
    int focus;
    std::string shown;  // the location edit afterwards
  } cases[] = {
      {true, "", "C:\\Missing", "The project name is invalid.", IDC_PROJECT_NAME, "C:\\Missing\\"},
      {true, "a/b", "C:\\Work\\\\\\",
       "The following character cannot be used for a project name.\n\t\\/:,;*?\"<>|",
       IDC_PROJECT_NAME, "C:\\Work\\"},
      {true, "x|", "C:\\Work",
       "The following character cannot be used for a project name.\n\t"
       "\\/:,;*?\"<>|",
       IDC_PROJECT_NAME, "C:\\Work\\"},
      {true, "Site1", "  ", "The location is invalid.", IDC_LOCATION, "\\"},
      {true, "Site1", "C:\\Missing\\", "The location is invalid.", IDC_LOCATION, "C:\\Missing\\"},
      {false, "Site1", "", "The project file is not exist.", IDC_LOCATION, ""},
      {false, "Site1", "C:\\Work", "The project file is not exist.", IDC_LOCATION,
       "C:\\Work\\Site1.mbc"},
      {false, "Site1", "C:\\Work", "The application is no selected.", IDC_APP_BASIC, ""},
      {false, "P", "", "The project type is no selected.", IDC_TYPE_MEASUREMENT, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    RecentEntry preset = Preset(c.name, c.location, 0);
    if (c.focus == IDC_APP_BASIC) {
      preset.appIndex = 9;  // no radio for it
      platform.AddFile("C:\\Work\\Site1.mbc");
    }
    if (c.focus == IDC_TYPE_MEASUREMENT) preset.location = AddProject("P", 9);
    const size_t before = backend.MessageBoxes().size();
    const int result = Run(c.create, false, c.create ? nullptr : &preset, [&](Window& w) {
      if (c.create) {
        w.Type(IDC_PROJECT_NAME, c.name);
        w.Type(IDC_LOCATION, c.location);
      }
      ASSERT_TRUE(w.Click(IDC_PROJECT_OK));
      EXPECT_EQ(w.FocusedItem(), c.focus);
      if (c.focus == IDC_PROJECT_NAME || c.focus == IDC_LOCATION) {
        EXPECT_EQ(w.Control(c.focus)->selectionEnd, static_cast<int>(w.ItemText(c.focus).size()));
        EXPECT_EQ(w.Control(c.focus)->selectionStart, 0);
      }
      if (!c.shown.empty()) {
        EXPECT_EQ(w.ItemText(IDC_LOCATION), c.shown);
      }
    });
    EXPECT_EQ(result, ui::kIdCancel);
    ASSERT_EQ(backend.MessageBoxes().size(), before + 1) << "one message, then the dialog waits";
    EXPECT_EQ(LastMessage(), c.message);
    platform.Remove("C:\\Work\\Site1.mbc");
  }
}

TEST_F(ProjectOkTest, CreatesTheProjectFolderAndFileWithTheSelectorsVersion) {
  // A version resource whose fixed record says 6.0.0.2, behind a header.
  std::vector<unsigned char> resource(40, 0);
  const unsigned char record[16] = {0xBD, 0x04, 0xEF, 0xFE, 0, 0, 1, 0, 0, 0, 6, 0, 2, 0, 0, 0};
  resource.insert(resource.end(), record, record + 16);
  resource.resize(resource.size() + 36, 0);
  platform.SetVersionResource(resource);
  platform.AddFolder(Location());
  // 表示 ends in a trail byte 0x5C: the name is allowed and stays one level.
  const std::string name = "Site\x95\x5C\x8E\xA6";
  EXPECT_EQ(Create(name, Location() + "\\\\"), ui::kIdOk);
  EXPECT_TRUE(backend.MessageBoxes().empty()) << LastMessage();

  const std::string folder = Location() + name + "\\";
  EXPECT_EQ(platform.MadeFolders(), std::vector<std::string>{folder});
  EXPECT_EQ(test::ReadBytes(folder + name + ".mbc"),
            std::string(kHeader) +
                "FileVersion = 6.0.0,\r\n"
                "ProjectType = 0,\t! 0:Measurement, 1:Meso-Scale, 2:Engineering(DWS)\r\n/\r\n");
  const RecentEntry result = dialog->GetEntry();
  EXPECT_EQ(result.projectName, name);
  EXPECT_EQ(result.location, folder);
  EXPECT_EQ(result.appIndex, 0);
  EXPECT_EQ(result.projectType, 0);
  EXPECT_EQ(result.geodeticCode, "TD");
  EXPECT_EQ(result.number, -1);
}

TEST_F(ProjectOkTest, ExistingProjectFolder) {
  const struct {
    const char* what;
    const char* entry;  // in the project folder, "" for none
    unsigned attributes;
    bool refused;
  } cases[] = {
      {"empty folder", "", 0, false},
      {"plain project file", "Old.mbc", kAttrArchive, true},
      {"read-only project file", "Old.mbc", kAttrReadOnly | kAttrArchive, true},
      {"hidden project file", "Old.mbc", kAttrHidden, false},
      {"folder named like one", "Old.mbc", kAttrFolder, false},
  };
  int number = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string name = "E" + std::to_string(++number);
    const std::string folder = Location() + name + "\\";
    test::MakeFolder(folder);
    platform.AddFolder(folder);
    if (*c.entry != '\0') platform.AddFile(folder + c.entry, c.attributes);
    const int result = Create(name, Location());
    EXPECT_EQ(result, c.refused ? ui::kIdCancel : ui::kIdOk);
    EXPECT_EQ(test::FileExists(folder + name + ".mbc"), !c.refused);
    if (c.refused) {
      EXPECT_EQ(LastMessage(),
                "A project already exists in the specified folder.\nPlease choose another "
                "location or another project name.");
    }
  }
}

TEST_F(ProjectOkTest, FolderThatCannotBeMadeIsRetriedForAMinute) {
  platform.AddFolder(Location());
  const std::string folder = Location() + "Locked\\";
  platform.FailMakeFolder(folder);
  EXPECT_EQ(Create("Locked", Location()), ui::kIdCancel);
  EXPECT_EQ(platform.SleptMilliseconds(), 60000);
  EXPECT_EQ(LastMessage(), "Creation of a project location went wrong.\n[" + folder + "]");
}

TEST_F(ProjectOkTest, FolderReportedAsExistingIsCheckedForAProject) {
  platform.AddFolder(Location());
  const std::string folder = Location() + "Raced\\";
  test::MakeFolder(folder);
  platform.FailMakeFolder(folder, MakeFolderResult::kAlreadyExists);
  EXPECT_EQ(Create("Raced", Location()), ui::kIdOk);
  EXPECT_EQ(platform.SleptMilliseconds(), 60000);
  EXPECT_TRUE(test::FileExists(folder + "Raced.mbc"));
}

TEST_F(ProjectOkTest, UnwritableProjectFileIsReported) {
  platform.AddFolder(Location());
  const std::string folder = Location() + "Blocked\\";
  test::MakeFolder(folder);
  platform.AddFolder(folder);
  test::MakeFolder(folder + "Blocked.mbc");  // a folder where the file should go
  EXPECT_EQ(Create("Blocked", Location()), ui::kIdCancel);
  EXPECT_EQ(LastMessage(), "Creation of a project file went wrong.");
}

TEST_F(ProjectOkTest, OpenModeGivesTheFileFolderNameAndApplication) {
  const struct {
    int appIndex, fileType, geodeticIndex;
    int resultApp;
    const char* code;
  } cases[] = {
      {0, 0, 0, 0, "TD"},  {1, 1, 5, 1, "JGD"},
      {2, 0, 4, 2, "JGD"}, {3, 2, 3, 2, "TD"},  // WGS84 is shown, and so recorded, as Tokyo datum
      {4, 3, 0, 4, "TD"},  {5, 4, 0, 5, "TD"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.appIndex);
    RecentEntry preset =
        Preset("Mast", AddProject("Mast", c.fileType, c.geodeticIndex), c.appIndex);
    preset.number = 7;
    for (bool selectApplication : {false, true}) {
      EXPECT_EQ(Run(false, selectApplication, &preset, [](Window& w) { w.PressEnter(); }),
                ui::kIdOk);
      const RecentEntry result = dialog->GetEntry();
      EXPECT_EQ(result.projectName, "Mast");
      EXPECT_EQ(result.location, Location());
      EXPECT_EQ(result.appIndex, c.resultApp);
      EXPECT_EQ(result.projectType, c.fileType);
      EXPECT_EQ(result.geodeticCode, c.code);
      EXPECT_EQ(result.number, 7);
    }
  }
  EXPECT_TRUE(platform.MadeFolders().empty());
}

TEST_F(ProjectOkTest, OpenModeTakesAnyPresetNameAndCancelKeepsTheEntry) {
  platform.AddFile("C:\\Work\\a;b.mbc");
  const RecentEntry preset = Preset("a;b", "C:\\Work", 1);
  EXPECT_EQ(Run(false, false, &preset, [](Window& w) { w.Click(IDC_PROJECT_OK); }), ui::kIdOk);
  EXPECT_EQ(dialog->GetEntry().location, "C:\\Work\\");
  for (int way = 0; way < 3; ++way) {
    EXPECT_EQ(Run(false, false, &preset,
                  [&](Window& w) {
                    if (way == 0) w.Click(IDC_PROJECT_CANCEL);
                    if (way == 1) w.CloseBox();
                  }),
              ui::kIdCancel);
    EXPECT_EQ(dialog->GetEntry().location, "C:\\Work");
  }
}

TEST_F(ProjectOkTest, LocationMatchingSeveralEntriesIsExaminedByItsFirstMatch) {
  for (unsigned attributes : {0u, unsigned(kAttrHidden), unsigned(kAttrFolder)}) {
    FakePlatform& fake = platform;
    fake.Remove("C:\\P\\*.mbc");
    fake.AddFile("C:\\P\\*.mbc", attributes);
    fake.AddFile("C:\\P\\b.mbc");
    const RecentEntry preset = Preset("*", "C:\\P", 0);
    const int result = Run(false, false, &preset, [](Window& w) { w.PressEnter(); });
    EXPECT_EQ(result, attributes == 0 ? ui::kIdOk : ui::kIdCancel) << attributes;
    if (attributes != 0) {
      EXPECT_EQ(LastMessage(), "The project file is invalid.");
    }
  }
}

}  // namespace
}  // namespace orvent
