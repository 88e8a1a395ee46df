// The user's journeys through the real Selector, each a list of steps.
#include <string>
#include <vector>

#include "history/recent_grid.h"
#include "launch/start_application.h"
#include "platform/version_info.h"
#include "project/project_dialog_model.h"
#include "res/resource.h"
#include "tests/e2e/driver/steps.h"
#include "version.h"

namespace e2e {
namespace {

// Code page 932 names, each holding a trail byte 0x5C.
const std::string kHyouji = "\x95\x5C\x8E\xA6";            // 表示
const std::string kSoftware = "\x83\x5C\x83\x74\x83\x67";  // ソフト
const std::string kNouryoku = "\x94\x5C\x97\xCD";          // 能力
const std::string kCreate = orvent::kCreateModeTexts.title;
const std::string kOpen = orvent::kOpenModeTexts.title;

Row WithApplication(Row row, const std::string& application) {
  row.application = application;
  return row;
}

// Three projects on disk in the history: one in a folder with a blank, one
// with a Japanese name.
const std::vector<Row> kThree = {{"Site 0", "Energy", 1, "{P}Alpha\\", "JGD"},
                                 {"Site A", "Basic", 0, "{P}Wind Work\\Site A\\", "TD"},
                                 {kNouryoku, "Extreme Wind", 3, "{P}" + kNouryoku + "\\", "WGS"}};
std::vector<Step> ThreeProjects() {
  std::vector<Step> steps = {History(kThree)};
  for (const Row& row : kThree)
    steps.push_back(Project(row.location + row.name + ".mbc", row.type));
  steps.push_back(Start());
  return steps;
}

std::vector<Step> Then(std::vector<Step> steps, const std::vector<Step>& more) {
  steps.insert(steps.end(), more.begin(), more.end());
  return steps;
}

// A seed as someone might have edited it by hand: rows out of order, bare LF
// line ends, a row without its geodetic code; and what the Selector makes of it.
std::string Seed(const std::string& at) {
  return "!=== ORVENT Environment File ===\n&RecentProject\n"
         "Recent002 = \"Site B\", \"energy\", 1, \"" +
         at +
         "Site B\",\n"
         "Recent001 = \"" +
         kHyouji + "\", \"Wind Farm\", 4, \"" + at + kSoftware + "\\\\\", \"WGS\",\n/\n";
}
std::vector<Row> SeedRows(const std::string& at) {
  return {{kHyouji, "Wind Farm", 4, at + kSoftware + "\\", "WGS"},
          {"Site B", "Energy", 1, at + "Site B\\", "JGD"}};
}

const std::vector<Row> kDeletable = {{"Site 0", "Energy", 1, "{P}Alpha\\", "JGD"},
                                     {kHyouji, "Wind Farm", 4, "{P}" + kSoftware + "\\", "WGS"},
                                     {"Site 2", "Basic", 0, "{P}Gamma\\", "TD"}};
std::vector<Step> DeleteSecondRow(Step ask, int answer) {
  const bool deleted = answer == IDOK;
  return {History(kDeletable),
          Project("{P}" + kSoftware + "\\" + kHyouji + ".mbc"),
          Start(),
          Down(1),
          ask,
          Message(orvent::kMsgDeleteQuestion, answer),
          Items(deleted ? 2 : 3),
          deleted ? Settings({kDeletable[0], kDeletable[2]}) : SettingsUnchanged(),
          Cells(1, deleted ? std::vector<std::string>{"Site 2 [TD]", "Basic", "{P}Gamma\\"}
                           : std::vector<std::string>{kHyouji + " [WGS]", "Wind Farm",
                                                      "{P}" + kSoftware + "\\"}),
          Current(1),
          FileHolds("{P}" + kSoftware + "\\" + kHyouji + ".mbc", ProjectBytes(0)),
          Runs(),
          Exit()};
}

// Started with a project on its command line, the Selector opens the
// project dialog on it; cancelled, it is forgotten.
std::vector<Step> CommandLine(const std::string& file, const std::string& named, int type,
                              int radio) {
  return {Project(file, type),
          File(named, "energy project\r\n"),
          Start("/x \"" + named + "\""),
          Opens(kOpen),
          Shows(IDC_LOCATION, file),
          Shows(IDC_PROJECT_OK, "&Open"),
          Checked(radio),
          Screenshot("project_open"),
          Press(IDC_PROJECT_CANCEL),
          Closes(),
          Press(IDC_SELECT_OPEN_PROJECT),
          Opens(kOpen),
          Shows(IDC_PROJECT_NAME, ""),
          Shows(IDC_LOCATION, ""),
          Enabled(IDC_APP_BASIC, false),
          Press(IDC_PROJECT_CANCEL),
          Closes(),
          NoLaunch(),
          Exit()};
}

std::vector<Row> FullHistory() {
  std::vector<Row> rows;
  for (int n = 1; n <= orvent::kMaxRecentRows; ++n) {
    const std::string name = kHyouji + std::to_string(1000 + n).substr(1);
    rows.push_back({name, n % 2 ? "Wind Farm" : "Energy", n % 5,
                    "D:\\" + kSoftware + "\\" + name + "\\", "JGD"});
  }
  return rows;
}

const std::string kAboutLine =
    "ORVENT Project Selector Version " +
    orvent::VersionLine("", {ORVENT_VERSION_MAJOR, ORVENT_VERSION_MINOR, ORVENT_VERSION_BUILD,
                             ORVENT_VERSION_REVISION});

const Journey kJourneys[] = {
    {"FirstStartWritesAnEmptyHistory", {Start(), Items(0), Settings({}), Exit()}},
    {"TheCloseBoxEndsIt", {Start(), System(SC_CLOSE), Exits()}},
    {"SeedInTheCommonFolder",
     {File("{C}", Seed("C:\\Common\\")), File("{F}orvent.ini", Seed("C:\\Program\\")), Start(),
      Settings(SeedRows("C:\\Common\\")),
      Cells(1, {"Site B [JGD]", "Energy", "C:\\Common\\Site B\\"}),
      FileHolds("{C}", Seed("C:\\Common\\")), Exit()}},
    {"SeedBesideTheProgram",
     {File("{F}orvent.ini", Seed("C:\\Program\\")), Start(), Settings(SeedRows("C:\\Program\\")),
      FileHolds("{F}orvent.ini", Seed("C:\\Program\\")), Exit()}},
    {"AUserFileIsReadNotRewritten",
     {File("{U}", Seed("D:\\User\\")), File("{C}", Seed("C:\\Common\\")), Start(), Items(2),
      Cells(0, {kHyouji + " [WGS]", "Wind Farm", "D:\\User\\" + kSoftware + "\\"}),
      FileHolds("{U}", Seed("D:\\User\\")), Exit()}},
    {"ANewProjectIsMadeStartedAndRemembered",
     {History({{"Site B", "Energy", 1, "D:\\Wind Work\\Site B\\", "JGD"}}),
      Folder("{P}" + kSoftware + "\\"),
      Start(),
      Press(IDC_CREATE_NEW_PROJECT),
      Opens(kCreate),
      Shows(IDC_PROJECT_NAME, ""),
      Shows(IDC_LOCATION, ""),
      Shows(IDC_PROJECT_OK, "&Create"),
      Checked(IDC_APP_BASIC),
      Enabled(IDC_APP_ENERGY, false),
      Type(IDC_PROJECT_NAME, kHyouji),
      Type(IDC_LOCATION, "{P}" + kSoftware + "\\"),
      Screenshot("project_create"),
      Press(IDC_PROJECT_OK),
      Exits(),
      FileHolds("{P}" + kSoftware + "\\" + kHyouji + "\\" + kHyouji + ".mbc", ProjectBytes(0)),
      Launched("ORVENTBasic.exe",
               "/nofm {P}" + kSoftware + "\\" + kHyouji + "\\" + kHyouji + ".mbc",
               "{P}" + kSoftware + "\\" + kHyouji),
      Settings({{kHyouji, "Basic", 0, "{P}" + kSoftware + "\\" + kHyouji + "\\", "TD"},
                {"Site B", "Energy", 1, "D:\\Wind Work\\Site B\\", "JGD"}}),
      Start(),
      Items(2),
      Cells(0, {kHyouji + " [TD]", "Basic", "{P}" + kSoftware + "\\" + kHyouji + "\\"}),
      Current(0),
      Exit()}},
    {"ADoubleClickStartsARowWithItsApplication",
     Then(ThreeProjects(),
          {Down(1), DoubleClick(1), Exits(),
           Launched("ORVENTBasic.exe", "/nofm \"{P}Wind Work\\Site A\\Site A.mbc\"",
                    "{P}Wind Work\\Site A"),
           Settings({kThree[1], kThree[0], kThree[2]})})},
    {"LastApplicationStartsTheCurrentRow",
     Then(ThreeProjects(),
          {Down(2), Press(IDC_LAST_APPLICATION), Exits(),
           Launched("ORVENTExtremeWind.exe",
                    "/dws2 /nofm {P}" + kNouryoku + "\\" + kNouryoku + ".mbc", "{P}" + kNouryoku),
           Settings({kThree[2], kThree[0], kThree[1]})})},
    {"SelectApplicationStartsTheRowWithAnother",
     Then(ThreeProjects(),
          {Down(1), Press(IDC_SELECT_APPLICATION), Opens(kOpen), Shows(IDC_PROJECT_NAME, "Site A"),
           Shows(IDC_LOCATION, "{P}Wind Work\\Site A\\Site A.mbc"), Enabled(IDC_REFERENCE, false),
           Checked(IDC_APP_BASIC), Press(IDC_APP_ENGINEERING), Checked(IDC_APP_ENGINEERING),
           Press(IDC_PROJECT_OK), Exits(),
           Launched("ORVENTEnergy.exe", "/weng /nofm \"{P}Wind Work\\Site A\\Site A.mbc\"",
                    "{P}Wind Work\\Site A"),
           Settings({WithApplication(kThree[1], "Wind Climate"), kThree[0], kThree[2]})})},
    {"DeleteButtonConfirmed", DeleteSecondRow(Press(IDC_DELETE_HISTORY), IDOK)},
    {"DeleteButtonCancelled", DeleteSecondRow(Press(IDC_DELETE_HISTORY), IDCANCEL)},
    {"DeleteKeyConfirmed", DeleteSecondRow(Key(VK_DELETE), IDOK)},
    {"DeleteKeyCancelled", DeleteSecondRow(Key(VK_DELETE), IDCANCEL)},
    {"ACommandLineProject",
     CommandLine("{P}" + kSoftware + "\\" + kHyouji + ".mbc",
                 "{P}" + kSoftware + "\\" + kHyouji + ".mbc", 0, IDC_APP_BASIC)},
    {"ACommandLineEnergyProject",
     CommandLine("{P}Wind Work\\Site A.mbc", "{P}Wind Work\\Site A.meg", 0, IDC_APP_ENERGY)},
    {"ACommandLineWindClimateProject",
     CommandLine("{P}Wind Work\\Site D.mbc", "{P}Wind Work\\Site D.meg", 2, IDC_APP_ENGINEERING)},
    {"AMissingProjectFileChangesNothing",
     {History(
          {{"Gone", "Energy", 1, "{P}Gone\\", "JGD"}, {"Site B", "Basic", 0, "{P}Site B\\", "TD"}}),
      Start(), Press(IDC_LAST_APPLICATION), Message(orvent::kMsgProjectNotFound, IDOK), Runs(),
      SettingsUnchanged(), Items(2), NoLaunch(), Exit()}},
    {"AMissingMemberIsReportedAndCanBeStartedLater",
     {History({kThree[1], kThree[0]}), Project("{P}Wind Work\\Site A\\Site A.mbc"),
      NoMember("ORVENTBasic.exe"), Start(), Press(IDC_LAST_APPLICATION),
      Message(orvent::kMsgNotStarted, IDOK), Runs(), SettingsUnchanged(), Items(2), Current(0),
      NoLaunch(), Member("ORVENTBasic.exe"), Press(IDC_LAST_APPLICATION), Exits(),
      Launched("ORVENTBasic.exe", "/nofm \"{P}Wind Work\\Site A\\Site A.mbc\"",
               "{P}Wind Work\\Site A")}},
    {"TheAboutBoxShowsTheVersion",
     {Start(), System(IDM_ABOUTBOX), Opens(""), ChildShows(1, kAboutLine), Screenshot("about"),
      Press(IDOK), Closes(), Runs(), Exit()}},
    {"AProjectFileIsChosenAndStarted",
     {Project("{P}Wind Work\\Site A.mbc"), Start(), Press(IDC_SELECT_OPEN_PROJECT), Opens(kOpen),
      Press(IDC_REFERENCE), Opens(orvent::kProjectFileChooserTitle),
      Choose("{P}Wind Work\\Site A.mbc"), Shows(IDC_PROJECT_NAME, "Site A"),
      Shows(IDC_LOCATION, "{P}Wind Work\\Site A.mbc"), Checked(IDC_APP_BASIC),
      Press(IDC_PROJECT_OK), Exits(),
      Launched("ORVENTBasic.exe", "/nofm \"{P}Wind Work\\Site A.mbc\"", "{P}Wind Work"),
      Settings({{"Site A", "Basic", 0, "{P}Wind Work\\", "TD"}})}},
    {"AFolderIsChosenForANewProject",
     {Folder("{P}" + kSoftware + "\\"), Start(), Press(IDC_CREATE_NEW_PROJECT), Opens(kCreate),
      Type(IDC_PROJECT_NAME, "Site C"), Press(IDC_REFERENCE), Opens(""),
      Choose("{P}" + kSoftware + "\\"), Shows(IDC_LOCATION, "{P}" + kSoftware + "\\"),
      Press(IDC_PROJECT_OK), Exits(),
      FileHolds("{P}" + kSoftware + "\\Site C\\Site C.mbc", ProjectBytes(0)),
      Launched("ORVENTBasic.exe", "/nofm \"{P}" + kSoftware + "\\Site C\\Site C.mbc\"",
               "{P}" + kSoftware + "\\Site C")}},
    {"TheGridAndButtonsFollowTheWindow",
     {History({kThree[0]}), Start(), KeepsItsStartSizeAsMinimum(), FollowsAGrownWindow(200, 150),
      Exit()}},
    {"ASecondStartBringsTheFirstToTheFront", {Start(), SecondStart(false), Exit()}},
    {"ASecondStartRestoresAMinimisedFirst", {Start(), SecondStart(true), Exit()}},
    {"AFullHistoryIsShownWithTheNewestCurrent",
     {History(FullHistory()), Start(), Items(orvent::kMaxRecentRows),
      Cells(0,
            {FullHistory().front().name + " [JGD]", "Wind Farm", FullHistory().front().location}),
      Cells(998,
            {FullHistory().back().name + " [JGD]", "Wind Farm", FullHistory().back().location}),
      Current(0), Screenshot("selector"), Exit()}},
};

class Journeys : public Driver, public ::testing::WithParamInterface<Journey> {};

TEST_P(Journeys, Run) {
  for (const Step& step : GetParam().steps) {
    step(*this);
    if (HasFatalFailure()) return;
  }
}

INSTANTIATE_TEST_SUITE_P(Selector, Journeys, ::testing::ValuesIn(kJourneys),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace e2e
