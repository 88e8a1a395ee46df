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

// Application, project type, initial project type and geodetic radio.
std::string Choices(const ProjectDialogModel& m) {
  return std::to_string(m.applicationChoice) + std::to_string(m.projectTypeChoice) +
         std::to_string(m.initialProjectType) + std::to_string(m.geodeticRadio);
}

class ProjectDialogModelTest : public ::testing::Test {
 protected:
  ProjectDialogModelTest() {
    platform.SetSpecialFolder(SpecialFolder::kDocuments, "C:\\Docs");
    platform.AddFolder(work);
  }
  // A project file of that type and geodetic system in work.
  std::string AddProject(const std::string& name, int type, int geodeticIndex = 0) {
    EXPECT_TRUE(WriteProjectFile(work + name + ".mbc",
                                 {type, "1", geodeticIndex, GeodeticNames[geodeticIndex], name}));
    return work + name + ".mbc";
  }
  // The dialog as it opens, preset with a project in work (none for "").
  ProjectDialogModel Opened(bool create, const std::string& name, int appIndex = 0) {
    ProjectDialogModel model;
    model.createMode = create;
    if (!name.empty()) model.SetEntry({-1, " " + name, " " + work + "\\\\ ", appIndex, 3, "TD"});
    model.Initialise(platform);
    return model;
  }
  OkOutcome Ok(ProjectDialogModel& model) {
    model.PrepareOk();
    return model.ConfirmOk(platform, {6, 0, 0, 2});
  }

  FakePlatform platform;
  const std::string work = platform.Root() + "Work\\";
};

TEST_F(ProjectDialogModelTest, OpensWithThePresetProjectAndItsFile) {
  AddProject("Site1", 3, 5);
  AddProject("Power", 4, 3);
  const struct {
    bool create;
    const char* name;
    int appIndex;
    const char* choices;
  } cases[] = {{true, "", 0, "0000"},       {false, "", 0, "0000"},
               {false, "Site1", 1, "1331"}, {false, "Site1", 3, "2231"},
               {false, "Site1", 4, "2331"}, {false, "Power", 5, "1440"},
               {true, "Site1", 4, "0000"}};
  for (const auto& c : cases) {
    const ProjectDialogModel model = Opened(c.create, c.name, c.appIndex);
    EXPECT_EQ(Choices(model), c.choices) << c.name << " " << c.appIndex;
    const std::string name = c.name;
    EXPECT_EQ(model.nameText, name);
    EXPECT_EQ(model.locationText, name.empty() ? "" : c.create ? work : work + name + ".mbc");
    EXPECT_EQ(model.startFolder, name.empty() ? "C:\\Docs" : work);
    EXPECT_FALSE(model.showWindPower) << "shown only for a file chosen with Reference";
  }
}

TEST_F(ProjectDialogModelTest, RadiosFollowModeChoicesAndProject) {
  const struct {
    bool create, selectApplication, windPower, name, location;
    int application, projectType, initialType, geodetic;
    const char* flags;
  } cases[] = {{true, false, false, false, false, 0, 0, 0, 0, "100/11110/111"},
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
               {false, false, true, true, true, 2, 3, 3, 0, "101/00010/100"}};
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
  // A click repairs what may not be picked, by the radios enabled when it came.
  AddProject("Power", 4);
  ProjectDialogModel power = Opened(false, "Power");  // Basic is not for wind power
  EXPECT_EQ(Flags(power.ProjectTypeClicked()), "010/00001/100");
  EXPECT_EQ(power.applicationChoice, kAppEnergy);
  power.showWindPower = true;
  power.initialProjectType = kTypeMeasurement;
  power.applicationChoice = kAppBasic;
  EXPECT_EQ(Flags(power.ApplicationClicked()), "010/10000/100");
  EXPECT_EQ(Choices(power), "1000");
  ProjectDialogModel none;  // nothing may be picked: the choice stays
  none.applicationChoice = 2;
  none.ApplicationClicked();
  EXPECT_EQ(none.applicationChoice, 2);
}

TEST_F(ProjectDialogModelTest, ReferenceOpensWhereTheLocationIsAndTakesTheChoice) {
  const std::string file = AddProject("Power", 4, 4);
  ProjectDialogModel create = Opened(true, "");
  create.locationText = " " + work + " ";
  EXPECT_EQ(create.BeginReference(platform).folder, work);
  EXPECT_EQ(platform.currentFolder, work) << "the folder chooser opens in the current folder";
  create.applicationChoice = 2;
  create.TakeFolder(" C:\\New\\\\ ");
  EXPECT_EQ(create.locationText + create.startFolder, "C:\\New\\C:\\New\\");
  EXPECT_EQ(create.applicationChoice, kAppBasic);

  ProjectDialogModel open = Opened(false, "");
  ChooserStart start = open.BeginReference(platform);
  EXPECT_EQ(start.folder + "|" + start.fileName, "C:\\|Docs");
  open.locationText = file;
  start = open.BeginReference(platform);
  EXPECT_EQ(start.folder + "|" + start.fileName, work + "|Power.mbc");
  open.TakeProjectFile(file);
  EXPECT_EQ(open.nameText + "|" + open.startFolder, "Power|" + work);
  EXPECT_EQ(Choices(open), "0401") << "Basic stays until a click repairs it";
  EXPECT_TRUE(open.showWindPower);
}

TEST_F(ProjectDialogModelTest, OkRefusesInItsOrder) {
  AddProject("Site1", 0);
  platform.AddFile(work + "Odd.mbc");  // not a project file: reads as type 0
  const struct {
    bool create;
    std::string name, location, shown;  // the location once OK normalised it
    int application, projectType;
    const char* message;
    Field focus;
  } cases[] = {
      {true, " ", "C:\\Missing", "C:\\Missing\\", 0, 0, kMsgNameInvalid, Field::kName},
      {true, "a/b", work + "\\\\", work, 0, 0, kMsgNameForbidden, Field::kName},
      {true, "x|", work, work, 0, 0, kMsgNameForbidden, Field::kName},
      {true, "Site", "  ", "\\", 0, 0, kMsgLocationInvalid, Field::kLocation},
      {true, "Site", "C:\\Missing", "C:\\Missing\\", 0, 0, kMsgLocationInvalid, Field::kLocation},
      {false, "Site1", " ", "", 0, 0, kMsgProjectFileMissing, Field::kLocation},
      {false, "Site1", work + "None.mbc", work + "None.mbc", 0, 0, kMsgProjectFileMissing,
       Field::kLocation},
      {false, "Site1", work + "Site1.mbc", work + "Site1.mbc", -1, 0, kMsgNoApplication,
       Field::kApplication},
      {false, "x", work + "Odd.mbc", work + "Odd.mbc", 0, -1, kMsgNoProjectType,
       Field::kProjectType}};
  for (const auto& c : cases) {
    ProjectDialogModel model;
    model.createMode = c.create;
    model.nameText = c.name;
    model.locationText = c.location;
    model.applicationChoice = c.application;
    model.projectTypeChoice = c.projectType;
    const OkOutcome outcome = Ok(model);
    EXPECT_EQ(model.locationText, c.shown);
    EXPECT_FALSE(outcome.accepted);
    EXPECT_EQ(outcome.message, c.message) << c.name << " in " << c.location;
    EXPECT_EQ(outcome.focus, c.focus);
  }
  EXPECT_TRUE(platform.madeFolders.empty());
}

TEST_F(ProjectDialogModelTest, OkMakesTheProjectInAFolderOfItsOwn) {
  const std::string kHyoji = "\x95\x5C\x8E\xA6";  // 表示, trail byte 0x5C
  for (const char* folder : {"Taken", "Hidden"}) platform.AddFolder(work + folder);
  platform.AddFile(work + "Taken\\Taken.mbc", kAttrArchive | kAttrReadOnly);
  platform.AddFile(work + "Hidden\\x.mbc", kAttrHidden);
  // Made by someone else meanwhile: the folder is not there, yet cannot be made.
  platform.FailMakeFolder(work + "Raced\\", MakeFolderResult::kAlreadyExists);
  platform.AddFile(work + "Raced\\Raced.mbc");
  platform.FailMakeFolder(work + "Locked\\", MakeFolderResult::kFailed);
  const struct {
    std::string name, message;
    int slept;
  } cases[] = {{kHyoji, "", 0},
               {"Hidden", "", 0},
               {"Taken", kMsgProjectExists, 0},
               {"Raced", kMsgProjectExists, 60000},
               {"Locked", kMsgFolderFailed + work + "Locked\\]", 60000}};
  for (const auto& c : cases) {
    platform.sleptMilliseconds = 0;
    ProjectDialogModel model = Opened(true, "");
    model.nameText = c.name;
    model.locationText = work;
    model.projectTypeChoice = kTypeExtremeWind;
    const OkOutcome outcome = Ok(model);
    EXPECT_EQ(outcome.message, c.message) << c.name;
    EXPECT_EQ(outcome.accepted, c.message.empty());
    EXPECT_EQ(outcome.focus, Field::kNone);
    EXPECT_EQ(platform.sleptMilliseconds, c.slept);
  }
  const std::string folder = work + kHyoji + "\\";
  EXPECT_EQ(platform.madeFolders, std::vector<std::string>{folder});
  ProjectFile written;
  ASSERT_TRUE(ReadProjectFile(folder + kHyoji + ".mbc", &written));
  EXPECT_EQ(written.fileVersion + "|" + std::to_string(written.projectType), "6.0.0|3");
  EXPECT_EQ(written.geodeticIndex, 0);
}

TEST_F(ProjectDialogModelTest, OkGivesTheProjectAndTheApplicationToStart) {
  AddProject("Site1", 2, 3);
  const struct {
    bool create;
    int application, projectType, appIndex;
  } cases[] = {
      {false, 2, 2, 2}, {false, 2, 3, 4}, {false, 1, 4, 5}, {false, 0, 1, 0}, {true, 0, 3, 0}};
  for (const auto& c : cases) {
    ProjectDialogModel model = Opened(c.create, "Site1");
    model.nameText = c.create ? "New" : model.nameText;
    model.applicationChoice = c.application;
    model.projectTypeChoice = c.projectType;
    ASSERT_TRUE(Ok(model).accepted);
    const RecentEntry entry = model.GetEntry();
    EXPECT_EQ(entry.location, c.create ? work + "New\\" : work);
    EXPECT_EQ(entry.projectName, c.create ? "New" : "Site1");
    EXPECT_EQ(entry.appIndex, c.appIndex);
    EXPECT_EQ(entry.projectType, c.projectType);
    EXPECT_EQ(entry.geodeticCode, "TD") << "WGS84 is shown, and so taken, as Tokyo datum";
    EXPECT_EQ(entry.number, -1);
  }
}

}  // namespace
}  // namespace orvent
