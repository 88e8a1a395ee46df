// The project dialog's decisions, against the fake platform: what it opens
// with, which radios may be picked, what the choosers take, and OK.
#include "project/project_dialog_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/fake_platform.h"
#include "tests/support/project_names.h"

namespace orvent {
namespace {

// The names of the radios enabled in a group, or "none".
std::string Enabled(const bool* flags, const std::vector<std::string>& names) {
  std::string text;
  for (std::size_t i = 0; i < names.size(); ++i)
    if (flags[i]) text += (text.empty() ? "" : ", ") + names[i];
  return text.empty() ? "none" : text;
}

std::string Enabled(const RadioEnables& e) {
  return Enabled(e.application, test::kApplicationRadios) + " / " +
         Enabled(e.projectType, test::kProjectTypes) + " / " +
         Enabled(e.geodetic, test::kGeodeticRadios);
}

std::string Choices(const ProjectDialogModel& m) {
  const ProjectDialogState& s = m.State();
  return test::Name(test::kApplicationRadios, s.application) + "|" +
         test::Name(test::kProjectTypes, s.projectType) + "|" +
         test::Name(test::kProjectTypes, s.initialProjectType) + "|" +
         test::Name(test::kGeodeticRadios, s.geodeticRadio);
}

ProjectDialogMode ModeNamed(const std::string& name) {
  return ProjectDialogMode(test::Index({"open", "create", "select application"}, name));
}

// The dialog in that mode with these texts and choices.
ProjectDialogModel Model(const std::string& mode, const std::string& name,
                         const std::string& location, const std::string& application,
                         const std::string& projectType) {
  ProjectDialogModel m(ModeNamed(mode));
  m.State() = {name, location, test::Index(test::kApplicationRadios, application),
               test::Index(test::kProjectTypes, projectType)};
  return m;
}

class ProjectDialogModelTest : public ::testing::Test {
 protected:
  ProjectDialogModelTest() {
    platform.SetSpecialFolder(SpecialFolder::kDocuments, "C:\\Docs");
    platform.AddFolder(work);
  }
  // A project file of that type and geodetic system in work.
  std::string AddProject(const std::string& name, int type,
                         GeodeticSystem system = GeodeticSystem::kZvMeridance) {
    EXPECT_TRUE(WriteProjectFile(work + name + ".mbc",
                                 {type, "1", system, GeodeticSystemName(system), name}));
    return work + name + ".mbc";
  }
  // The dialog as it opens, preset with a project in work (none for "").
  ProjectDialogModel Opened(const std::string& mode, const std::string& name,
                            App app = App::kBasic) {
    RecentEntry preset;
    if (!name.empty()) preset = {-1, " " + name, " " + work + "\\\\ ", app, 3, "TD"};
    ProjectDialogModel model(ModeNamed(mode), preset);
    model.Initialise(platform);
    return model;
  }
  // The work folder written {W}, as the tables hold it, and back.
  std::string Shown(std::string text) const {
    for (std::size_t at; (at = text.find(work)) != std::string::npos;)
      text.replace(at, work.size(), "{W}");
    return text;
  }
  std::string Unshown(std::string text) const {
    if (text.find("{W}") != std::string::npos) text.replace(text.find("{W}"), 3, work);
    return text;
  }
  OkOutcome Ok(ProjectDialogModel& model) {
    model.PrepareOk();
    return model.ConfirmOk(platform, {6, 0, 0, 2});
  }

  FakePlatform platform;
  const std::string work = platform.Root() + "Work\\";
};

TEST_F(ProjectDialogModelTest, OpensWithThePresetProjectAndOkStartsItsApplication) {
  AddProject("Site1", kTypeExtremeWind, GeodeticSystem::kJgd2011);
  AddProject("Power", kTypeWindPower, GeodeticSystem::kWgs84);
  test::ExpectTable("dialog_open.tsv", [&](const std::vector<std::string>& f) {
    App app = App::kBasic;
    EXPECT_TRUE(FindAppByDisplayName(f[2], &app)) << f[2];
    ProjectDialogModel model = Opened(f[0], f[1], app);
    std::string text = Choices(model) + "|" + model.State().location + "|" + model.StartFolder();
    if (model.CreateMode()) return Shown(text);
    text += Ok(model).accepted ? "|accepted|" : "|refused|";
    const RecentEntry e = model.Result();
    return Shown(text + e.location + e.projectName + "|" + AppDisplayName(e.app) + "|" +
                 test::Name(test::kProjectTypes, e.projectType) + "|" + e.geodeticCode);
  });
}

// The dialog of a radio table's first eight columns.
ProjectDialogModel Configured(const std::vector<std::string>& f) {
  ProjectDialogModel m = Model(f[0], f[2], f[3], f[4], f[5]);
  m.State().showWindPower = f[1] == "yes";
  m.State().initialProjectType = test::Index(test::kProjectTypes, f[6]);
  m.State().geodeticRadio = test::Index(test::kGeodeticRadios, f[7]);
  return m;
}

TEST_F(ProjectDialogModelTest, RadiosFollowModeChoicesAndProject) {
  test::ExpectTable("dialog_radios.tsv", [](const std::vector<std::string>& f) {
    return Enabled(Configured(f).Enables());
  });
}

TEST_F(ProjectDialogModelTest, AClickRepairsWhatMayNotBePicked) {
  test::ExpectTable("dialog_clicks.tsv", [](const std::vector<std::string>& f) {
    ProjectDialogModel m = Configured(f);
    const RadioEnables e = f[8] == "application" ? m.ApplicationClicked() : m.ProjectTypeClicked();
    return Enabled(e) + "|" + test::Name(test::kApplicationRadios, m.State().application) + "|" +
           test::Name(test::kProjectTypes, m.State().projectType);
  });
}

// The application is Engineering until the chooser's choice is taken.
TEST_F(ProjectDialogModelTest, ReferenceOpensWhereTheLocationIsAndTakesTheChoice) {
  AddProject("Power", kTypeWindPower, GeodeticSystem::kJgd2000);
  test::ExpectTable("dialog_reference.tsv", [&](const std::vector<std::string>& f) {
    ProjectDialogModel m = Opened(f[0], "");
    if (f[1] != "none") m.State().location = Unshown(f[1]);
    m.State().application = test::Index(test::kApplicationRadios, "Engineering");
    platform.currentFolder = "C:\\";
    const ChooserStart start = m.BeginReference(platform);
    std::string text = start.folder + "|" + start.fileName + "|" + platform.currentFolder + "|";
    if (m.CreateMode()) m.TakeFolder(Unshown(f[2]));
    if (!m.CreateMode()) m.TakeProjectFile(Unshown(f[2]));
    text += m.State().name + "|" + m.State().location + "|" + m.StartFolder() + "|" + Choices(m);
    return Shown(text + (m.State().showWindPower ? "|wind power shown" : ""));
  });
}

TEST_F(ProjectDialogModelTest, OkRefusesInItsOrderOrMakesTheProjectInAFolderOfItsOwn) {
  AddProject("Site1", kTypeMeasurement);
  for (const char* folder : {"Taken", "Hidden"}) platform.AddFolder(work + folder);
  platform.AddFile(work + "Taken\\Taken.mbc", kAttrArchive | kAttrReadOnly);
  platform.AddFile(work + "Hidden\\x.mbc", kAttrHidden);
  // Made by someone else meanwhile: the folder is not there, yet cannot be made.
  platform.makeFolderFailures[work + "Raced\\"] = MakeFolderResult::kAlreadyExists;
  platform.AddFile(work + "Raced\\Raced.mbc");
  platform.makeFolderFailures[work + "Locked\\"] = MakeFolderResult::kFailed;
  test::ExpectTable("dialog_ok.tsv", [&](const std::vector<std::string>& f) {
    ProjectDialogModel model = Model(f[0], f[1], Unshown(f[2]), f[3], f[4]);
    platform.sleptMilliseconds = 0;
    platform.madeFolders.clear();
    const std::string shown = model.PrepareOk().location;
    const OkOutcome outcome = model.ConfirmOk(platform, {6, 0, 0, 2});
    const std::string made = model.Result().location + model.Result().projectName;
    std::string wrote =
        platform.madeFolders.empty() ? "" : "made " + platform.madeFolders[0] + ", ";
    ProjectFile file;
    if (ReadProjectFile(made + ".mbc", &file))
      wrote += "wrote " + file.fileVersion + " " +
               test::Name(test::kProjectTypes, file.projectType) + " " +
               GeodeticSystemName(file.geodeticSystem);
    const char* focus[] = {"no field", "name", "location", "application", "project type"};
    return Shown(outcome.message + "|" + shown + "|" + focus[int(outcome.focus)] + "|" +
                 std::to_string(platform.sleptMilliseconds) + " ms|" +
                 (outcome.accepted ? "accepted|" : "refused|") + made + "|" + wrote);
  });
}

}  // namespace
}  // namespace orvent
