// The project dialog's decisions, against the fake platform: what it opens
// with, which radios may be picked, what the choosers take, and OK.
#include "project/project_dialog_model.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/support/fake_platform.h"

namespace orvent {
namespace {

using test::kHyoji;

// The enabled radios of the three groups, one digit each: "111/11110/100".
std::string Flags(const RadioEnables& e) {
  const auto digits = [](const auto& group) {
    std::string s;
    for (bool f : group) s += f ? '1' : '0';
    return s;
  };
  return digits(e.application) + "/" + digits(e.projectType) + "/" + digits(e.geodetic);
}

// Application, project type, initial project type and geodetic radio.
std::string Choices(const ProjectDialogModel& m) {
  return std::to_string(m.applicationChoice) + std::to_string(m.projectTypeChoice) +
         std::to_string(m.initialProjectType) + std::to_string(m.geodeticRadio);
}

// The dialog in open mode, or in create mode ('c'), select-application mode
// ('s') or showing wind power ('w'), with these texts and radios.
ProjectDialogModel Model(const std::string& modes, const std::string& name,
                         const std::string& location, int application = 0, int projectType = 0,
                         int initialType = 0, int geodetic = 0) {
  ProjectDialogModel m;
  m.createMode = modes.find('c') != std::string::npos;
  m.selectApplicationMode = modes.find('s') != std::string::npos;
  m.showWindPower = modes.find('w') != std::string::npos;
  m.nameText = name;
  m.locationText = location;
  m.applicationChoice = application;
  m.projectTypeChoice = projectType;
  m.initialProjectType = initialType;
  m.geodeticRadio = geodetic;
  return m;
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
                                 {type, "1", geodeticIndex, kGeodeticNames[geodeticIndex], name}));
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
  // The work folder written {W}, as the tables hold it.
  std::string Shown(std::string text) const {
    for (std::size_t at; (at = text.find(work)) != std::string::npos;)
      text.replace(at, work.size(), "{W}");
    return text;
  }
  OkOutcome Ok(ProjectDialogModel& model) {
    model.PrepareOk();
    return model.ConfirmOk(platform, {6, 0, 0, 2});
  }

  FakePlatform platform;
  const std::string work = platform.Root() + "Work\\";
};

// dialog_open.tsv: the mode ('c': create), the preset project and its
// application; the choices the dialog opens with, its location and start
// folder ({W}: the work folder), and in open mode whether OK is taken and the
// project, application, project type and geodetic code then started.
TEST_F(ProjectDialogModelTest, OpensWithThePresetProjectAndOkStartsItsApplication) {
  AddProject("Site1", 3, 5);
  AddProject("Power", 4, 3);  // WGS84 is shown, and so taken, as Tokyo datum
  test::ExpectTable("dialog_open.tsv", [&](const std::vector<std::string>& f) {
    ProjectDialogModel model = Opened(f[0] == "c", f[1], std::stoi(f[2]));
    std::string text = Choices(model) + "|" + model.locationText + "|" + model.startFolder;
    if (f[0] == "c") return Shown(text);
    text += "|" + std::to_string(Ok(model).accepted) + "|";
    const RecentEntry e = model.GetEntry();
    return Shown(text + e.location + e.projectName + "|" + std::to_string(e.appIndex) +
                 std::to_string(e.projectType) + e.geodeticCode);
  });
}

// dialog_radios.tsv: the modes, name, location, application, project type,
// initial type and geodetic radio, and a click on an application or project
// type radio, or none; the radios enabled, and after a click the choices it
// left: a click repairs what may not be picked, by the radios enabled when it
// came, and leaves the choice when nothing may be picked.
TEST_F(ProjectDialogModelTest, RadiosFollowModeChoicesAndProject) {
  test::ExpectTable("dialog_radios.tsv", [](const std::vector<std::string>& f) {
    ProjectDialogModel m =
        Model(f[0], f[1], f[2], std::stoi(f[3]), std::stoi(f[4]), std::stoi(f[5]), std::stoi(f[6]));
    if (f[7] == "none") return Flags(m.Enables());
    const std::string flags =
        Flags(f[7] == "application" ? m.ApplicationClicked() : m.ProjectTypeClicked());
    return flags + "|" + Choices(m);
  });
}

TEST_F(ProjectDialogModelTest, ReferenceOpensWhereTheLocationIsAndTakesTheChoice) {
  const std::string file = AddProject("Power", 4, 4);
  ProjectDialogModel create = Model("c", "", " " + work + " ", 2, 0);
  // The folder chooser opens in the current folder too.
  EXPECT_EQ(create.BeginReference(platform).folder + "|" + platform.currentFolder,
            work + "|" + work);
  create.TakeFolder(" C:\\New\\\\ ");
  EXPECT_EQ(create.locationText + create.startFolder + std::to_string(create.applicationChoice),
            "C:\\New\\C:\\New\\0");

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

TEST_F(ProjectDialogModelTest, OkRefusesInItsOrderOrMakesTheProjectInAFolderOfItsOwn) {
  const std::string site1 = AddProject("Site1", 0);
  for (const char* folder : {"Taken", "Hidden"}) platform.AddFolder(work + folder);
  platform.AddFile(work + "Taken\\Taken.mbc", kAttrArchive | kAttrReadOnly);
  platform.AddFile(work + "Hidden\\x.mbc", kAttrHidden);
  // Made by someone else meanwhile: the folder is not there, yet cannot be made.
  platform.makeFolderFailures[work + "Raced\\"] = MakeFolderResult::kAlreadyExists;
  platform.AddFile(work + "Raced\\Raced.mbc");
  platform.makeFolderFailures[work + "Locked\\"] = MakeFolderResult::kFailed;
  // dialog_ok.tsv: the modes, name, location ({W}: the work folder),
  // application and project type at OK; the refusal, the location shown
  // then, where the focus goes, how long it waited for a folder, whether it
  // was accepted and the project it made.
  test::ExpectTable("dialog_ok.tsv", [&](const std::vector<std::string>& f) {
    std::string location = f[2];
    if (location.compare(0, 3, "{W}") == 0) location.replace(0, 3, work);
    ProjectDialogModel model = Model(f[0], f[1], location, std::stoi(f[3]), std::stoi(f[4]));
    platform.sleptMilliseconds = 0;
    const OkOutcome outcome = Ok(model);
    const RecentEntry entry = model.GetEntry();
    return Shown(outcome.message + "|" + model.locationText + "|" +
                 std::to_string(int(outcome.focus)) + "|" +
                 std::to_string(platform.sleptMilliseconds) + "|" +
                 std::to_string(outcome.accepted) + "|" + entry.location + entry.projectName);
  });
  // Each character the message lists is refused.
  for (const char* forbidden = std::strchr(kMsgNameForbidden, '\t') + 1; *forbidden; ++forbidden) {
    ProjectDialogModel model = Model("c", std::string("a") + *forbidden, work, 0, 0);
    EXPECT_EQ(Ok(model).message, kMsgNameForbidden) << *forbidden;
  }
  const std::string folder = work + kHyoji + "\\";
  EXPECT_EQ(platform.madeFolders, std::vector<std::string>{folder});
  ProjectFile written;
  ASSERT_TRUE(ReadProjectFile(folder + kHyoji + ".mbc", &written));
  EXPECT_EQ(written.fileVersion + "|" + std::to_string(written.projectType) +
                std::to_string(written.geodeticIndex),
            "6.0.0|30");
}

}  // namespace
}  // namespace orvent
