// What the selector window and start-up decide, against the fake platform:
// the command line and the version line, and the selector's model: grey
// rows and their tips, finding a row by typing, a delete, a file dropped or
// on the command line, a start, the window's place from the last session;
// and whether project files exist. (The cells as shown, the context menu,
// the unsaved history told once and the seeds of the settings file are the
// journeys' to check.)
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <thread>

#include "history/history_file.h"
#include "history/project_presence.h"
#include "namelist/text_split.h"
#include "platform/version_info.h"
#include "project/app_catalogue.h"
#include "project/command_line_project.h"
#include "project/project_file.h"
#include "selector/hand_over.h"
#include "selector/jump_list.h"
#include "selector/selector_model.h"
#include "selector/window_place.h"
#include "tests/support/fake_platform.h"
#include "tests/support/project_names.h"

namespace orvent {
namespace {

using test::Fields;

TEST(Startup, TheVersionLineWritesTheBuildAsALetter) {
  test::ExpectTable("version_lines.tsv", [](const std::vector<std::string>& f) {
    VersionNumbers v;
    std::sscanf(f[1].c_str(), "%u.%u.%u.%u", &v.majorPart, &v.minorPart, &v.build, &v.revision);
    return VersionLine(f[0], v);
  });
}

// command_lines.tsv: options ("/x", "-x") are skipped, the last other token
// wins, and a full-width space belongs to the path.
TEST(Startup, TheProjectOnTheCommandLine) {
  test::ExpectTable("command_lines.tsv", [](const std::vector<std::string>& f) {
    const std::string path = ProjectPathFromCommandLine(f[0]);
    return path.empty() ? "none" : path;
  });
}

// "Site 0, site A" as its names; none for "" or "none".
std::vector<std::string> Names(const std::string& list) {
  std::vector<std::string> names;
  if (list != "none") SplitText(list, ",", false, &names);
  return names;
}

// A model over the projects a table names, newest first, each in D:\ and
// last started with Basic, its history saved in the scratch folder.
class SelectorModelTest : public ::testing::Test {
 protected:
  SelectorModel Model(const std::string& names) {
    SelectorModel model(platform, "C:\\P\\");
    model.settingsPath = platform.Root() + "orvent.ini";
    for (const std::string& name : Names(names)) model.history.push_back({-1, name, "D:\\"});
    return model;
  }
  // A row by the name of its project, -1 for none, and back.
  static int RowOf(const SelectorModel& model, const std::string& name) {
    int row = model.Rows() - 1;
    while (row >= 0 && model.Entry(row)->projectName != name) --row;
    return row;
  }
  static std::string NameOf(const SelectorModel& model, int row) {
    return model.Entry(row) == nullptr ? "none" : model.Entry(row)->projectName;
  }
  // What the user does (the third field) to the rows of the history the first
  // field gives, newest first, once the second field filters them: each
  // project lies in D:\ unless "in FOLDER" names its folder, and its file is
  // there unless it is "gone". What is done, the rows shown then and the saved
  // history.
  std::string Acts(const Fields& f) {
    SelectorModel m = Model("none");
    std::remove(m.settingsPath.c_str());
    platform.AddFolder("D:\\");
    for (std::string item : Names(f[0])) {
      const bool gone = item.size() > 5 && item.compare(item.size() - 5, 5, " gone") == 0;
      if (gone) item.erase(item.size() - 5);
      const std::size_t in = item.find(" in ");
      m.history.push_back({-1, item.substr(0, in),
                           in == std::string::npos ? "D:\\" : item.substr(in + 4), App::kBasic, 0,
                           "TD"});
      if (!gone) platform.AddFile(ProjectFilePath(m.history.back()));
    }
    m.SetKnownState([&](const std::string& path) { return CheckProjectFile(platform, path); });
    m.SetFilter(f[1]);
    const std::string& act = f[2];
    const int row = act.back() - '1';
    std::string done;
    if (act.rfind("deletes", 0) == 0) done = NameOf(m, m.Delete(row)) + " current; ";
    if (act.rfind("starts", 0) == 0)
      done = m.Start(nullptr, row).started ? "started; " : "not started; ";
    if (act.rfind("types", 0) == 0) done = NameOf(m, m.Find(0, act.substr(6), 0)) + " found; ";
    if (act.rfind("rests on", 0) == 0) done = m.TipText(row, 0) + "; ";
    if (act.rfind("copies", 0) == 0) done = m.PathOf(row) + " copied; ";
    if (act.rfind("opens", 0) == 0)
      done = test::Name(test::kFolderOpens, int(m.OpenFolder(row))) + "; ";
    if (act == "removes the missing") done = std::to_string(m.MissingCount()) + " missing; ";
    if (act == "removes the missing") m.RemoveMissing();
    std::string shown;
    for (int r = 0; r < m.Rows(); ++r) shown += (r == 0 ? "" : ", ") + NameOf(m, r);
    const std::string count = m.CountText(), saved = Saved();
    return done + "shown " + (shown.empty() ? "none" : shown) +
           (count.empty() ? "" : " (" + count + ")") +
           (saved == "not saved" ? "; nothing saved" : "; saved " + saved);
  }
  // The projects of the saved history.
  std::string Saved() const {
    RecentHistory saved;
    std::string names = LoadHistory(platform.Root() + "orvent.ini", &saved) ? "" : "not saved";
    for (const RecentEntry& entry : saved) names += (names.empty() ? "" : ", ") + entry.projectName;
    return names.empty() ? "nothing" : names;
  }

  FakePlatform platform;
};

TEST_F(SelectorModelTest, AGoneProjectIsGreyAndItsTipsSaySo) {
  test::ExpectTable("selector_grey.tsv", [&](const std::vector<std::string>& f) {
    SelectorModel shown = Model("none");
    shown.history = {{-1, f[0], f[1], App::kBasic, 0, "TD"}};
    const auto found = ProjectPresence::State(test::Index(test::kPresenceStates, f[3]));
    if (f[2] != "none") {
      shown.SetKnownState([checked = f[2], found](const std::string& p) {
        return p == checked ? found : ProjectPresence::State::kUnknown;
      });
    }
    return (shown.IsGrey(0) ? "grey; " : "as usual; ") + shown.TipText(0, 0) + " | " +
           shown.TipText(0, 1) + " | " + shown.TipText(0, 2);
  });
}

TEST_F(SelectorModelTest, TypingFindsTheNextProjectByTheStartOfItsName) {
  test::ExpectTable("selector_find.tsv", [&](const std::vector<std::string>& f) {
    SelectorModel typing = Model(f[0]);
    int row = typing.Find(RowOf(typing, f[1]), f[2], std::stoul(f[3]));
    if (!f[4].empty()) row = typing.Find(row, f[4], std::stoul(f[5]));
    return NameOf(typing, row);
  });
}

TEST_F(SelectorModelTest, ADeleteSavesTheHistoryAndLeavesTheNextOrLastRowCurrent) {
  test::ExpectTable("selector_delete.tsv", [&](const Fields& f) { return Acts(f); });
}

// selector_drop.tsv: the files are all there as files, all as folders, or
// none of them.
TEST_F(SelectorModelTest, ADroppedFileOpensTheProjectDialogWhenItIsOneProjectFile) {
  test::ExpectTable("selector_drop.tsv", [&](const std::vector<std::string>& f) {
    std::vector<std::string> paths;
    for (const std::string& name : Names(f[0])) {
      paths.push_back(platform.Root() + name);
      if (f[1] == "files") platform.AddFile(paths.back());
      if (f[1] == "folders") platform.AddFolder(paths.back());
    }
    SelectorModel dropped = Model("none");
    if (!dropped.TakeDropped(paths)) return std::string("beeps");
    return "opens the project dialog on " + dropped.Preset()->projectName;
  });
}

// selector_open.tsv: the project a command line names (written with that
// project type and geodetic system) as the project dialog opens with it, in
// a folder whose name ends in the byte 0x5C; none for a file not there, and
// none once the project dialog was cancelled.
TEST_F(SelectorModelTest, ACommandLineProjectOpensWithItsFilesChoicesUntilCancelled) {
  const std::string folder = platform.Root() + test::kHyoji + "\\";
  platform.AddFolder(folder);
  test::ExpectTable("selector_open.tsv", [&](const std::vector<std::string>& f) {
    const int type = test::Index(test::kProjectTypes, f[1]);
    const int geodetic = test::Index({std::begin(kGeodeticNames), std::end(kGeodeticNames)}, f[2]);
    platform.AddFile(folder + f[0]);
    EXPECT_TRUE(
        WriteProjectFile(folder + f[0].substr(0, f[0].find('.')) + ".mbc",
                         {type, "1", GeodeticSystem(geodetic), kGeodeticNames[geodetic], ""}));
    SelectorModel opening = Model("none");
    EXPECT_TRUE(opening.TakeCommandLineProject(folder + f[0]));
    const RecentEntry e = *opening.Preset();
    EXPECT_EQ(e.location, folder);
    opening.DropPreset();
    EXPECT_EQ(opening.Preset(), nullptr);
    return e.projectName + ", " + AppDisplayName(e.app) + ", " +
           test::kProjectTypes[std::size_t(e.projectType)] + ", " + e.geodeticCode;
  });
  SelectorModel opening = Model("none");
  EXPECT_FALSE(opening.TakeCommandLineProject(folder + "None.mbc") || opening.Preset() != nullptr);
}

// hand_over.tsv: any program may send the message. Every file is there, and
// the path asked for is the one that opens.
TEST(SelectorModel, ASecondStartsProjectOpensOnlyFromItsOwnWellFormedHandOver) {
  struct Everywhere : FakePlatform {
    bool Exists(const std::string& path) override {
      asked = path;
      return true;
    }
    std::string asked;
  };
  test::ExpectTable("hand_over.tsv", [](const std::vector<std::string>& f) {
    Everywhere platform;
    SelectorModel first(platform, "C:\\P\\");
    const std::uintptr_t kind = f[0] == "the Selector's" ? kHandOverKind : 1;
    return first.TakeHandedOver(kind, f[1]) ? "opens " + platform.asked : std::string("ignored");
  });
}

TEST_F(SelectorModelTest, AStartPutsTheProjectAtTheHeadOrSaysWhyNot) {
  test::ExpectTable("selector_start.tsv", [&](const std::vector<std::string>& f) {
    SelectorModel starting = Model(f[0]);
    if (f[4] == "cannot be written") starting.settingsPath = platform.Root() + "Missing/orvent.ini";
    const bool isNew = f[1].rfind("new project ", 0) == 0;
    const std::string name = isNew ? f[1].substr(12) : f[1].substr(f[1].find(' ') + 1);
    if (f[2] == "there") platform.AddFile("D:\\" + name + ".mbc");
    platform.succeeds = f[3] == "starts";
    const RecentEntry entry = {-1, name, "D:\\", App::kEnergy, 0, "TD"};
    const StartOutcome outcome = starting.Start(isNew ? &entry : nullptr, RowOf(starting, name));
    if (!outcome.started) return outcome.message.empty() ? "nothing happens" : outcome.message;
    if (starting.TakeUnsavedMessage().empty()) return "started; saved " + Saved();
    const bool toldAgain = !starting.TakeUnsavedMessage().empty();
    return std::string("started; told ") + (toldAgain ? "twice" : "once it is not saved");
  });
}

// selector_filter.tsv: what the user does is done on the rows the filter
// leaves.
TEST_F(SelectorModelTest, AFilteredRowActsOnItsOwnProjectAndNoOther) {
  test::ExpectTable("selector_filter.tsv", [&](const Fields& f) { return Acts(f); });
}

// jump_list.tsv: each project in D:\Work\; the removals as the next
// session reads them.
TEST(JumpList, ShowsTheNewestProjectsButNoneTheUserTookOut) {
  test::ExpectTable("jump_list.tsv", [](const std::vector<std::string>& f) {
    RecentHistory history;
    for (const std::string& name : Names(f[0])) history.push_back({-1, name, "D:\\Work\\"});
    FakePlatform platform;  // the removals kept for the next session, and read there
    KeepJumpRemovals(platform, Names(f[1]));
    std::string shown;
    for (const JumpEntry& e :
         JumpListEntries(history, KeptJumpRemovals(platform), std::stoul(f[2])))
      shown += (shown.empty() ? "" : ", ") + e.title + " as " + e.projectFile;
    return shown.empty() ? "none" : shown;
  });
}

// window_places.tsv: the place kept at the last session's end, the monitors
// there are now and the window's minimum size. A place the window opens at
// is kept again, at the end, as it was.
TEST(WindowPlace, TheWindowOpensWhereItWasLeftWhileThatIsOnAMonitor) {
  test::ExpectTable("window_places.tsv", [](const std::vector<std::string>& f) {
    FakePlatform platform;
    if (f[0] != "nothing kept") platform.userSettings[kWindowPlaceSetting] = f[0];
    std::vector<std::string> areas;
    std::vector<Rect> workAreas(SplitText(f[1], ";", false, &areas));
    for (std::size_t i = 0; i < areas.size(); ++i) {
      Rect& a = workAreas[i];
      std::sscanf(areas[i].c_str(), "%d,%d to %d,%d", &a.left, &a.top, &a.right, &a.bottom);
    }
    int width = 0, height = 0;
    std::sscanf(f[2].c_str(), "%d x %d", &width, &height);
    const std::optional<WindowPlace> place = KeptWindowPlace(platform, workAreas, width, height);
    if (!place) return std::string("as today (centred)");
    platform.userSettings.clear();
    KeepWindowPlace(platform, *place);
    EXPECT_EQ(platform.userSettings[kWindowPlaceSetting], f[0]);
    const Rect& r = place->normal;
    char opens[80];
    std::snprintf(opens, sizeof opens, "at %d,%d to %d,%d%s", r.left, r.top, r.right, r.bottom,
                  place->maximised ? ", maximised" : "");
    return std::string(opens);
  });
}

// presence_checks.tsv: a path is asked once, a server one path at a time and
// holding up no other, a silent server given up, and no answer once the
// checker is gone. The system has "D:\here" there, cannot be asked about
// "D:\bad" and has any other path gone; told to, it holds a check of a
// network path until released.
TEST(ProjectPresence, ChecksRunOffTheWindowsThreadAndGiveUpASilentServer) {
  test::ExpectTable("presence_checks.tsv", 3, [](const Fields& f) -> Fields {
    std::atomic<int> asked{0}, answers{0}, returned{0};
    std::atomic<bool> released{false};
    const bool hold = f[2].find("holds") != std::string::npos;
    const bool reportThrows = f[2].find("report throws") != std::string::npos;
    auto presence = std::make_unique<ProjectPresence>(
        [&](const std::string& path) {
          ++asked;
          while (hold && path[0] == '\\' && !released)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
          ++returned;
          if (path == "D:\\bad") throw std::runtime_error("out of order");
          return path == "D:\\here" ? ProjectPresence::State::kPresent
                                    : ProjectPresence::State::kMissing;
        },
        [&] {
          ++answers;
          if (reportThrows) throw std::runtime_error("out of order");
        },
        std::stoi(f[0]));
    // Until the counts have stood still for half a second, five at most.
    const auto settle = [&] {
      for (int still = 0, i = 0; still < 50 && i < 500; ++i) {
        const int before = asked + 10000 * answers;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        still = before == asked + 10000 * answers ? still + 1 : 0;
      }
    };
    // The held checks return, as every check must within seconds.
    const auto release = [&] {
      released = true;
      for (int i = 0; i < 5000 && returned < asked; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
      EXPECT_EQ(returned, asked) << "a check never returned";
    };
    const std::vector<std::string> paths = Names(f[1]);
    if (f[3] == "waits for them all") presence->Wait(paths);
    for (const std::string& path : paths) presence->Get(path);
    settle();
    if (f[3] == "forgets them") presence->Forget();
    if (f[3] == "ends the checker") presence.reset();
    if (f[3] != "nothing" && f[3] != "waits for them all") release();
    // Asked again, as the checker was left; none once it is gone.
    const std::vector<std::string> again = presence ? paths : std::vector<std::string>();
    for (const std::string& path : again) presence->Get(path);
    settle();
    std::string known;
    for (const std::string& path : again)
      known += ", " + test::Name(test::kPresenceStates, int(presence->Get(path)));
    presence.reset();
    release();
    return {std::to_string(asked), std::to_string(answers), known.empty() ? "-" : known.substr(2)};
  });
}

TEST(ProjectPresence, AFileIsMissingOnlyWhereItsDriveOrShareAnswers) {
  test::ExpectTable("presence_states.tsv", [](const std::vector<std::string>& f) {
    FakePlatform platform;
    if (f[1] != "nothing") platform.AddFolder(f[1]);
    if (f[2] == "yes") platform.AddFile(f[0]);
    return test::Name(test::kPresenceStates, int(CheckProjectFile(platform, f[0])));
  });
}

}  // namespace
}  // namespace orvent
