// The project dialog's decisions, against the fake platform: what it opens
// with, which radios may be picked, what the choosers take, and OK.
#include "project/project_dialog_model.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/fake_platform.h"
#include "tests/support/project_names.h"

namespace orvent {
namespace {

using test::Fields;
using test::Index;
using test::kApplicationRadios;
using test::kProjectTypes;
using test::Name;

Fields operator+(Fields fields, const Fields& more) {
  fields.insert(fields.end(), more.begin(), more.end());
  return fields;
}

// The names of the radios enabled in a group, or "none".
std::string Names(const bool* flags, const Fields& names) {
  std::string text;
  for (std::size_t i = 0; i < names.size(); ++i)
    if (flags[i]) text += (text.empty() ? "" : ", ") + names[i];
  return text.empty() ? "none" : text;
}

Fields Enabled(const RadioEnables& e) {
  return {Names(e.application, kApplicationRadios), Names(e.projectType, kProjectTypes),
          Names(e.geodetic, test::kGeodeticRadios)};
}

// Application, project type, initial project type, geodetic radio.
Fields Choices(const ProjectDialogState& s) {
  return {Name(kApplicationRadios, s.application), Name(kProjectTypes, s.projectType),
          Name(kProjectTypes, s.initialProjectType), Name(test::kGeodeticRadios, s.geodeticRadio)};
}

ProjectDialogModel Dialog(const std::string& mode) {
  return ProjectDialogModel(
      ProjectDialogMode(Index({"open", "create", "select application"}, mode)));
}

// The dialog of a table's first columns: mode, whether Wind power is shown,
// name, location, application, project type, initial project type, geodetic radio.
ProjectDialogModel Configured(const Fields& f) {
  ProjectDialogModel m = Dialog(f[0]);
  m.State() = {f[2], f[3], Index(kApplicationRadios, f[4]), Index(kProjectTypes, f[5])};
  m.State().initialProjectType = Index(kProjectTypes, f[6]);
  m.State().geodeticRadio = Index(test::kGeodeticRadios, f[7]);
  m.State().showWindPower = f[1] == "yes";
  return m;
}

// Each `from` in the fields written as `to`.
Fields Replaced(Fields fields, const std::string& from, const std::string& to) {
  for (std::string& f : fields)
    for (std::size_t at = 0; (at = f.find(from, at)) != std::string::npos; at += to.size())
      f.replace(at, from.size(), to);
  return fields;
}

// What a case starts from: the Documents folder C:\Docs, and a fresh work
// folder {W} with what the first field gives.
struct World {
  explicit World(const Fields& f) : in(Replaced(f, "{W}", work)) {
    platform.SetSpecialFolder(SpecialFolder::kDocuments, "C:\\Docs");
    platform.Give(work, f[0]);
  }
  // The results with the work folder written {W}, as the tables hold it.
  Fields Shown(const Fields& results) const { return Replaced(results, work, "{W}"); }

  FakePlatform platform;
  const std::string work = platform.Root() + "Work\\";
  const Fields in;  // the case's fields, {W} written out
};

TEST(ProjectDialogModel, OpensWithThePresetProjectAndOkStartsItsApplication) {
  test::ExpectTable("dialog_open.tsv", 11, [](const Fields& f) {
    World world(f);
    App app = App::kBasic;
    EXPECT_TRUE(FindAppByDisplayName(f[4], &app)) << f[4];
    ProjectDialogModel m(Dialog(f[1]).Mode(), {-1, f[2], world.in[3], app, 3, "TD"});
    m.Initialise(world.platform);
    const Fields opened = Choices(m.State()) + Fields{m.State().location, m.StartFolder()};
    if (m.CreateMode()) return world.Shown(opened + Fields(5));  // OK in open mode only
    m.PrepareOk();
    const bool accepted = m.ConfirmOk(world.platform, {}).accepted;
    const RecentEntry& e = m.Result();
    return world.Shown(opened + Fields{accepted ? "accepted" : "refused",
                                       e.location + e.projectName, AppDisplayName(e.app),
                                       Name(kProjectTypes, e.projectType), e.geodeticCode});
  });
}

TEST(ProjectDialogModel, RadiosFollowModeChoicesAndProject) {
  test::ExpectTable("dialog_radios.tsv", 3,
                    [](const Fields& f) { return Enabled(Configured(f).Enables()); });
}

TEST(ProjectDialogModel, AClickRepairsWhatMayNotBePicked) {
  test::ExpectTable("dialog_clicks.tsv", 7, [](const Fields& f) {
    ProjectDialogModel m = Configured(f);
    const RadioEnables e = f[8] == "application" ? m.ApplicationClicked() : m.ProjectTypeClicked();
    return Enabled(e) + Choices(m.State());
  });
}

TEST(ProjectDialogModel, ReferenceOpensWhereTheLocationIsAndTakesTheChoice) {
  test::ExpectTable("dialog_reference.tsv", 11, [](const Fields& f) {
    World world(f);
    ProjectDialogModel m = Dialog(f[1]);
    m.Initialise(world.platform);
    if (f[2] != "as opened") m.State().location = world.in[2];
    m.State().application = Index(kApplicationRadios, f[3]);
    const ChooserStart start = m.BeginReference(world.platform);
    if (m.CreateMode()) m.TakeFolder(world.in[4]);
    if (!m.CreateMode()) m.TakeProjectFile(world.in[4]);
    const ProjectDialogState& s = m.State();
    return world.Shown(Fields{start.folder, start.fileName, world.platform.currentFolder, s.name,
                              s.location, m.StartFolder()} +
                       Choices(s) + Fields{s.showWindPower ? "shown" : "hidden"});
  });
}

TEST(ProjectDialogModel, OkRefusesInItsOrderOrMakesTheProjectInAFolderOfItsOwn) {
  test::ExpectTable("dialog_ok.tsv", 7, [](const Fields& f) {
    World world(f);
    ProjectDialogModel m = Dialog(f[1]);
    m.State() = {f[2], world.in[3], Index(kApplicationRadios, f[4]), Index(kProjectTypes, f[5])};
    const std::string shown = m.PrepareOk().location;
    const OkOutcome outcome = m.ConfirmOk(world.platform, {6, 0, 0, 2});
    const std::string made = m.Result().location + m.Result().projectName;
    ProjectFile f2;
    const std::string wrote = ReadProjectFile(made + ".mbc", &f2)
                                  ? f2.fileVersion + ", " + Name(kProjectTypes, f2.projectType) +
                                        ", " + GeodeticSystemName(f2.geodeticSystem)
                                  : "";
    const char* focus[] = {"no field", "name", "location", "application", "project type"};
    const Fields& folders = world.platform.madeFolders;
    return world.Shown(
        {outcome.message == kMsgNameForbidden ? "forbidden characters" : outcome.message, shown,
         focus[int(outcome.focus)], std::to_string(world.platform.sleptMilliseconds) + " ms", made,
         folders.empty() ? "" : folders[0], wrote});
  });
}

}  // namespace
}  // namespace orvent
