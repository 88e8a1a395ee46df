// The project dialog's decisions, against the fake platform: what it opens
// with, which radios may be picked, what the choosers take, and OK.
#include "project/project_dialog_model.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/fake_platform.h"

namespace orvent {
namespace {

// The enabled radios of the three groups, one digit each: "111/11110/100".
std::string Flags(const RadioEnables& e) {
  std::string s;
  for (bool f : e.application) s += f ? '1' : '0';
  s += '/';
  for (bool f : e.projectType) s += f ? '1' : '0';
  s += '/';
  for (bool f : e.geodetic) s += f ? '1' : '0';
  return s;
}

class ProjectDialogModelTest : public ::testing::Test {
 protected:
  ProjectDialogModelTest() {
    platform.SetSpecialFolder(SpecialFolder::kDocuments, "C:\\Docs");
    platform.AddFolder(work);
  }
  // A project file of that type and geodetic system in work.
  std::string AddProject(const std::string& name, int type, int geodeticIndex = 0) {
    const std::string path = work + name + ".mbc";
    platform.AddFile(path);
    EXPECT_TRUE(WriteProjectFile(
        path, {type, "1.0.0.0", geodeticIndex, GeodeticNames[geodeticIndex], name}));
    return path;
  }
  ProjectDialogModel Open(const std::string& name, int appIndex) {
    ProjectDialogModel model;
    model.SetEntry({-1, name, " " + work + "\\\\ ", appIndex, 3, "TD"});
    model.Initialise(platform);
    return model;
  }

  FakePlatform platform;
  const std::string work = platform.Root() + "Work\\";
  const VersionNumbers version{6, 0, 0, 2};
};

TEST_F(ProjectDialogModelTest, InitialiseTakesThePresetAndItsFile) {
  AddProject("Site1", 3, 5);
  AddProject("Power", 4, 3);
  const struct {
    bool create;
    std::string name;
    int appIndex;
    std::string location;  // "" for none, else what the edit shows
    int application, projectType, initialType, geodetic;
  } cases[] = {
      {true, "", 0, "", kAppBasic, kTypeMeasurement, kTypeMeasurement, kGeoTokyo},
      {false, "", 0, "", kAppBasic, kTypeMeasurement, kTypeMeasurement, kGeoTokyo},
      {false, "Site1", 1, work + "Site1.mbc", kAppEnergy, kTypeExtremeWind, 3, kGeoJgd2011},
      {false, "Site1", 3, work + "Site1.mbc", kAppEngineering, kTypeDesignWindSpeed, 3,
       kGeoJgd2011},
      {false, "Site1", 4, work + "Site1.mbc", kAppEngineering, kTypeExtremeWind, 3, kGeoJgd2011},
      {false, "Power", 5, work + "Power.mbc", kAppEnergy, kTypeWindPower, 4, kGeoTokyo},
      {true, "Site1", 4, work, kAppBasic, kTypeMeasurement, 0, kGeoTokyo},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name + " app " + std::to_string(c.appIndex) + (c.create ? " create" : ""));
    ProjectDialogModel model;
    model.createMode = c.create;
    if (!c.name.empty()) model.SetEntry({-1, " " + c.name, work + "\\\\", c.appIndex, 3, "TD"});
    model.Initialise(platform);
    EXPECT_EQ(model.nameText, c.name);
    EXPECT_EQ(model.locationText, c.location);
    EXPECT_EQ(model.startFolder, c.name.empty() ? "C:\\Docs" : work);
    EXPECT_EQ(model.applicationChoice, c.application);
    EXPECT_EQ(model.projectTypeChoice, c.projectType);
    EXPECT_EQ(model.initialProjectType, c.initialType);
    EXPECT_EQ(model.geodeticRadio, c.geodetic);
    EXPECT_TRUE(model.showExtremeWind);
    EXPECT_FALSE(model.showWindPower) << "shown only for a file chosen with Reference";
  }
}

TEST_F(ProjectDialogModelTest, EnablesFollowModeChoicesAndProject) {
  const struct {
    bool create, selectApplication, windPower, name, location;
    int application, projectType, initialType, geodetic;
    const char* flags;
  } cases[] = {
      {true, false, false, false, false, 0, 0, 0, 0, "100/11110/111"},
      {false, false, false, true, false, 0, 0, 0, 0, "000/00000/000"},
      {false, true, false, false, false, 0, 1, 1, 1, "111/01000/000"},
      {false, false, false, true, true, 0, 0, 0, 1, "111/10000/010"},
      {false, false, false, true, true, 2, 2, 2, 0, "101/00100/100"},
      {false, false, false, true, true, 2, 3, 3, 0, "101/00010/100"},
      {false, false, false, true, true, 1, 4, 4, 0, "010/00001/100"},
      {false, false, false, true, true, 0, 7, 7, 0, "100/00000/100"},
      {false, false, false, true, true, 0, -1, 0, -1, "100/00000/000"},
      {false, false, true, true, true, 1, 4, 0, 0, "010/10001/100"},
      {false, false, true, true, true, 0, 4, 2, 0, "010/00100/100"},
      {false, false, true, true, true, 2, 3, 3, 0, "101/00010/100"},
  };
  for (const auto& c : cases) {
    ProjectDialogModel model;
    model.createMode = c.create;
    model.selectApplicationMode = c.selectApplication;
    model.showWindPower = c.windPower;
    model.nameText = c.name ? "n" : "";
    model.locationText = c.location ? "l" : "";
    model.applicationChoice = c.application;
    model.projectTypeChoice = c.projectType;
    model.initialProjectType = c.initialType;
    model.geodeticRadio = c.geodetic;
    EXPECT_EQ(Flags(model.Enables()), c.flags) << "case " << (&c - cases);
  }
}

TEST_F(ProjectDialogModelTest, ClicksRepairAChoiceThatMayNotBePicked) {
  AddProject("Power", 4);
  ProjectDialogModel model = Open("Power", 0);  // Basic is not for wind power
  model.applicationChoice = kAppBasic;
  EXPECT_EQ(Flags(model.ProjectTypeClicked()), "010/00001/100");
  EXPECT_EQ(model.applicationChoice, kAppEnergy);

  model.showWindPower = true;
  model.initialProjectType = kTypeMeasurement;
  model.applicationChoice = kAppBasic;
  model.projectTypeChoice = kTypeWindPower;
  // The enables of the click's moment: Wind power was not yet allowed.
  EXPECT_EQ(Flags(model.ApplicationClicked()), "010/10000/100");
  EXPECT_EQ(model.applicationChoice, kAppEnergy);
  EXPECT_EQ(model.projectTypeChoice, kTypeMeasurement);

  ProjectDialogModel none;  // open mode without a project: nothing may be picked
  none.applicationChoice = 2;
  none.ApplicationClicked();
  EXPECT_EQ(none.applicationChoice, 2);
}

TEST_F(ProjectDialogModelTest, ReferenceOpensWhereTheLocationIsAndTakesTheChoice) {
  const std::string file = AddProject("Power", 4, 4);
  ProjectDialogModel create;
  create.createMode = true;
  create.Initialise(platform);
  create.locationText = " " + work + " ";
  EXPECT_EQ(create.BeginReference(platform).folder, work);
  EXPECT_EQ(platform.currentFolder, work) << "the folder chooser opens in the current folder";
  create.applicationChoice = 2;
  create.TakeFolder(" C:\\New\\\\ ");
  EXPECT_EQ(create.locationText, "C:\\New\\");
  EXPECT_EQ(create.startFolder, "C:\\New\\");
  EXPECT_EQ(create.applicationChoice, kAppBasic);

  ProjectDialogModel open;
  open.Initialise(platform);
  ChooserStart start = open.BeginReference(platform);
  EXPECT_EQ(start.folder, "C:\\");
  EXPECT_EQ(start.fileName, "Docs") << "the documents folder, not being known to exist";
  open.locationText = file;
  start = open.BeginReference(platform);
  EXPECT_EQ(start.folder, work);
  EXPECT_EQ(start.fileName, "Power.mbc");
  open.TakeProjectFile(file);
  EXPECT_EQ(open.nameText, "Power");
  EXPECT_EQ(open.startFolder, work);
  EXPECT_EQ(open.projectTypeChoice, kTypeWindPower);
  EXPECT_EQ(open.applicationChoice, kAppBasic) << "repaired only by a click";
  EXPECT_TRUE(open.showWindPower);
  EXPECT_EQ(open.geodeticRadio, kGeoJgd2011);
}

TEST_F(ProjectDialogModelTest, OkRefusesInItsOrder) {
  AddProject("Site1", 0);
  platform.AddFile(work + "Odd.mbc");  // not a project file: reads as type 0
  const struct {
    bool create;
    std::string name, location;
    int application, projectType;
    const char* message;
    Field focus;
    std::string shown;  // the location once OK normalised it
  } cases[] = {
      {true, " ", "C:\\Missing", 0, 0, kMsgNameInvalid, Field::kName, "C:\\Missing\\"},
      {true, "a/b", work + "\\\\", 0, 0, kMsgNameForbidden, Field::kName, work},
      {true, "x|", work, 0, 0, kMsgNameForbidden, Field::kName, work},
      {true, "Site", "  ", 0, 0, kMsgLocationInvalid, Field::kLocation, "\\"},
      {true, "Site", "C:\\Missing", 0, 0, kMsgLocationInvalid, Field::kLocation, "C:\\Missing\\"},
      {false, "Site1", "", 0, 0, kMsgProjectFileMissing, Field::kLocation, ""},
      {false, "Site1", work + "None.mbc", 0, 0, kMsgProjectFileMissing, Field::kLocation, ""},
      {false, "Site1", work + "Site1.mbc", -1, 0, kMsgNoApplication, Field::kApplication, ""},
      {false, "Site1", work + "Odd.mbc", 0, -1, kMsgNoProjectType, Field::kProjectType, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name + " in " + c.location);
    ProjectDialogModel model;
    model.createMode = c.create;
    model.nameText = c.name;
    model.locationText = c.location;
    model.applicationChoice = c.application;
    model.projectTypeChoice = c.projectType;
    model.PrepareOk();
    EXPECT_EQ(model.locationText, c.create ? c.shown : c.location);
    const OkOutcome outcome = model.ConfirmOk(platform, version);
    EXPECT_FALSE(outcome.accepted);
    EXPECT_EQ(outcome.message, c.message);
    EXPECT_EQ(outcome.focus, c.focus);
  }
  EXPECT_TRUE(platform.madeFolders.empty());
}

TEST_F(ProjectDialogModelTest, OkCreatesTheProjectInAFolderOfItsOwn) {
  const std::string kHyoji = "\x95\x5C\x8E\xA6";  // 表示, trail byte 0x5C
  ProjectDialogModel model;
  model.createMode = true;
  model.Initialise(platform);
  model.nameText = kHyoji;
  model.locationText = work;
  model.projectTypeChoice = kTypeExtremeWind;
  model.PrepareOk();
  const OkOutcome outcome = model.ConfirmOk(platform, version);
  ASSERT_TRUE(outcome.accepted) << outcome.message;
  const std::string folder = work + kHyoji + "\\";
  EXPECT_EQ(platform.madeFolders, std::vector<std::string>{folder});
  ProjectFile written;
  ASSERT_TRUE(ReadProjectFile(folder + kHyoji + ".mbc", &written));
  EXPECT_EQ(written.fileVersion, "6.0.0");
  EXPECT_EQ(written.projectType, kTypeExtremeWind);
  EXPECT_EQ(written.geodeticIndex, 0);
  const RecentEntry entry = model.GetEntry();
  EXPECT_EQ(entry.projectName, kHyoji);
  EXPECT_EQ(entry.location, folder);
  EXPECT_EQ(entry.appIndex, kAppBasic);
  EXPECT_EQ(entry.projectType, kTypeExtremeWind);
  EXPECT_EQ(entry.geodeticCode, "TD");
}

TEST_F(ProjectDialogModelTest, OkInAnExistingOrUnmakeableProjectFolder) {
  for (const char* folder : {"Taken", "Hidden"}) platform.AddFolder(work + folder);
  platform.AddFile(work + "Taken\\Taken.mbc", kAttrArchive | kAttrReadOnly);
  platform.AddFile(work + "Hidden\\x.mbc", kAttrHidden);
  // Made by someone else meanwhile: the folder is not there, yet cannot be made.
  platform.FailMakeFolder(work + "Raced\\", MakeFolderResult::kAlreadyExists);
  platform.AddFile(work + "Raced\\Raced.mbc");
  platform.FailMakeFolder(work + "Locked\\", MakeFolderResult::kFailed);
  const struct {
    const char* name;
    std::string message;
    int slept;
  } cases[] = {
      {"Taken", kMsgProjectExists, 0},
      {"Hidden", "", 0},
      {"Raced", kMsgProjectExists, 60000},
      {"Locked", kMsgFolderFailed + work + "Locked\\]", 60000},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    platform.sleptMilliseconds = 0;
    ProjectDialogModel model;
    model.createMode = true;
    model.nameText = c.name;
    model.locationText = work;
    model.PrepareOk();
    const OkOutcome outcome = model.ConfirmOk(platform, version);
    EXPECT_EQ(outcome.accepted, c.message.empty());
    EXPECT_EQ(outcome.message, c.message);
    EXPECT_EQ(outcome.focus, Field::kNone);
    EXPECT_EQ(platform.sleptMilliseconds, c.slept);
  }
}

TEST_F(ProjectDialogModelTest, OkInOpenModeGivesTheFileFolderAndTheApplication) {
  AddProject("Site1", 2, 3);
  const struct {
    int appIndex, application, projectType;
    int resultApp;
  } cases[] = {{0, 2, 2, 2}, {0, 2, 3, 4}, {0, 1, 4, 5}, {5, 0, 1, 0}};
  for (const auto& c : cases) {
    ProjectDialogModel model = Open("Site1", c.appIndex);
    model.selectApplicationMode = true;
    model.applicationChoice = c.application;
    model.projectTypeChoice = c.projectType;
    model.PrepareOk();
    ASSERT_TRUE(model.ConfirmOk(platform, version).accepted);
    const RecentEntry entry = model.GetEntry();
    EXPECT_EQ(entry.location, work);
    EXPECT_EQ(entry.projectName, "Site1");
    EXPECT_EQ(entry.appIndex, c.resultApp);
    EXPECT_EQ(entry.projectType, c.projectType);
    EXPECT_EQ(entry.geodeticCode, "TD") << "WGS84 is shown, and so taken, as Tokyo datum";
  }
  EXPECT_TRUE(platform.madeFolders.empty());
}

}  // namespace
}  // namespace orvent
