// The user's journeys through the real Selector, each a list of steps.
#include <string>
#include <vector>

#include "history/history_file.h"
#include "history/recent_grid.h"
#include "launch/manual.h"
#include "launch/start_application.h"
#include "platform/version_info.h"
#include "project/project_dialog_model.h"
#include "res/resource.h"
#include "tests/e2e/driver/driver.h"
#include "version.h"

namespace e2e {
namespace {

// Code page 932 names, each holding a trail byte 0x5C.
const std::string kHyouji = "\x95\x5C\x8E\xA6";            // 表示
const std::string kSoftware = "\x83\x5C\x83\x74\x83\x67";  // ソフト
const std::string kNouryoku = "\x94\x5C\x97\xCD";          // 能力
const std::string kCreate = orvent::kCreateModeTexts.title;
const std::string kOpen = orvent::kOpenModeTexts.title;
const std::string kSiteA = "{P}Wind Work\\Site A\\Site A.mbc";
const std::string kJapanese = "{P}" + kSoftware + "\\" + kHyouji + ".mbc";
// 表示　A in the folder 表示　W (a full-width space in each).
const std::string kSpacedName = kHyouji + "\x81\x40" + "A";
const std::string kSpaced = "{P}" + kHyouji + "\x81\x40" + "W\\";
const std::string kSpacedProject = kSpaced + kSpacedName + "\\" + kSpacedName + ".mbc";

// Three projects on disk in the history, one in a folder with a blank, one
// with a Japanese name, the selector window open on them; then the rest.
const std::vector<Row> kThree = {{"Site 0", "Energy", 1, "{P}Alpha\\", "JGD"},
                                 {"Site A", "Basic", 0, "{P}Wind Work\\Site A\\", "TD"},
                                 {kNouryoku, "Extreme Wind", 3, "{P}" + kNouryoku + "\\", "WGS"}};
std::vector<Step> ThreeProjectsAnd(const std::vector<Step>& rest) {
  std::vector<Step> steps = {History(kThree)};
  for (const Row& r : kThree)
    steps.push_back(File(r.location + r.name + ".mbc", ProjectBytes(r.type)));
  steps.push_back(Start());
  steps.insert(steps.end(), rest.begin(), rest.end());
  return steps;
}

// A seed as someone might have edited it by hand: rows out of order, bare LF
// line ends, a row without its geodetic code.
std::string Seed(const std::string& at) {
  return "!=== ORVENT Environment File ===\n&RecentProject\nRecent002 = \"Site B\", \"energy\", 1, "
         "\"" +
         at + "Site B\",\nRecent001 = \"" + kHyouji + "\", \"Wind Farm\", 4, \"" + at + kSoftware +
         "\\\\\", \"WGS\",\n/\n";
}

// The second of three rows deleted, or kept when the question is cancelled;
// the project file stays either way.
std::vector<Step> DeleteSecondRow(Step ask, int answer) {
  const std::vector<Row> rows = {kThree[0],
                                 {kHyouji, "Wind Farm", 4, "{P}" + kSoftware + "\\", "WGS"},
                                 {"Site 2", "Basic", 0, "{P}Gamma\\", "TD"}};
  const bool gone = answer == IDOK;
  return {History(rows),
          File(kJapanese, ProjectBytes(0)),
          Start(),
          Key(VK_DOWN),
          ClickBelowTheRows(),
          Rows(3, 1),
          ask,
          Message(orvent::kMsgDeleteQuestion, answer),
          Rows(gone ? 2 : 3, 1),
          gone ? Settings({rows[0], rows[2]}) : SettingsUnchanged(),
          Cells(1, {gone ? "Site 2 [TD]" : kHyouji + " [WGS]"}),
          FileHolds(kJapanese, ProjectBytes(0)),
          Press(IDC_EXIT),
          Exits()};
}

std::vector<Row> FullHistory() {
  std::vector<Row> rows;
  for (int n = 1; n <= orvent::kMaxRecentRows; ++n) {
    const std::string name = kHyouji + std::to_string(1000 + n).substr(1);
    rows.push_back({name, "Wind Farm", n % 5, "D:\\" + kSoftware + "\\" + name + "\\", "JGD"});
  }
  return rows;
}

const Journey kJourneys[] = {
    {"AFirstStartWritesAnEmptyHistoryAndTheCloseBoxEnds",
     {Start(), Centred(), Rows(0, -1), ColumnsInProportion(), OneTooltip(), Settings({}),
      System(SC_CLOSE), Exits()}},
    {"ASeedInTheCommonFolderIsCopiedForTheUser",
     {File("{C}", Seed("C:\\Common\\")), File("{F}orvent.ini", Seed("C:\\Program\\")), Start(),
      Settings({{kHyouji, "Wind Farm", 4, "C:\\Common\\" + kSoftware + "\\", "WGS"},
                {"Site B", "Energy", 1, "C:\\Common\\Site B\\", "JGD"}}),
      Cells(1, {"Site B [JGD]", "Energy", "C:\\Common\\Site B\\"}),
      FileHolds("{C}", Seed("C:\\Common\\")), Press(IDC_EXIT), Exits()}},
    {"ANewProjectIsMadeStartedAndRemembered",
     {History({kThree[0]}), File("{P}" + kSoftware + "\\", ""), Start(),
      Press(IDC_CREATE_NEW_PROJECT), Opens(kCreate), Centred(), Visible(IDC_GEO_TOKYO, false),
      Visible(IDC_TYPE_EXTREME_WIND), Shows(IDC_PROJECT_OK, orvent::kCreateModeTexts.okButton),
      Checked(IDC_APP_BASIC), Enabled(IDC_APP_ENERGY, false),
      // A refusal puts the focus where the fault is.
      Press(IDC_PROJECT_OK), Message(orvent::kMsgNameInvalid, IDOK), Focused(IDC_PROJECT_NAME),
      Type(IDC_PROJECT_NAME, kHyouji), Type(IDC_LOCATION, "{P}" + kSoftware + "\\"),
      Screenshot("project_create"), Press(IDC_PROJECT_OK), Exits(),
      FileHolds("{P}" + kSoftware + "\\" + kHyouji + "\\" + kHyouji + ".mbc", ProjectBytes(0)),
      Launched("ORVENTBasic.exe",
               "/nofm {P}" + kSoftware + "\\" + kHyouji + "\\" + kHyouji + ".mbc",
               "{P}" + kSoftware + "\\" + kHyouji),
      Settings({{kHyouji, "Basic", 0, "{P}" + kSoftware + "\\" + kHyouji + "\\", "TD"}, kThree[0]}),
      Start(), Rows(2, 0), Cells(0, {kHyouji + " [TD]", "Basic"}), Press(IDC_EXIT), Exits()}},
    {"AFullWidthSpaceStaysInTheNameAndTheFolder",
     {File(kSpaced, ""), Start(), Press(IDC_CREATE_NEW_PROJECT), Opens(kCreate),
      Type(IDC_PROJECT_NAME, kSpacedName), Type(IDC_LOCATION, kSpaced), Press(IDC_PROJECT_OK),
      Exits(), FileHolds(kSpacedProject, ProjectBytes(0)),
      Launched("ORVENTBasic.exe", "/nofm " + kSpacedProject, kSpaced + kSpacedName),
      Settings({{kSpacedName, "Basic", 0, kSpaced + kSpacedName + "\\", "TD"}}), Start(),
      Rows(1, 0), Cells(0, {kSpacedName + " [TD]"}), DoubleClick(0), Exits(),
      Launched("ORVENTBasic.exe", "/nofm " + kSpacedProject, kSpaced + kSpacedName)}},
    {"ADoubleClickStartsARowWithItsApplication",
     ThreeProjectsAnd(
         {Key(VK_DOWN), DoubleClick(1), Exits(),
          Launched("ORVENTBasic.exe", "/nofm \"" + kSiteA + "\"", "{P}Wind Work\\Site A"),
          Settings({kThree[1], kThree[0], kThree[2]})})},
    {"LastApplicationStartsTheCurrentRow",
     ThreeProjectsAnd(
         {Key(VK_DOWN, 2), Press(IDC_LAST_APPLICATION), Exits(),
          Launched("ORVENTExtremeWind.exe",
                   "/dws2 /nofm {P}" + kNouryoku + "\\" + kNouryoku + ".mbc", "{P}" + kNouryoku),
          Settings({kThree[2], kThree[0], kThree[1]})})},
    {"SelectApplicationStartsTheRowWithAnother",
     ThreeProjectsAnd(
         {Key(VK_DOWN), Press(IDC_SELECT_APPLICATION), Opens(kOpen),
          Shows(IDC_PROJECT_NAME, "Site A"), Shows(IDC_LOCATION, kSiteA),
          Enabled(IDC_REFERENCE, false), Checked(IDC_APP_BASIC), Press(IDC_APP_ENGINEERING),
          Checked(IDC_APP_ENGINEERING), Press(IDC_PROJECT_OK), Exits(),
          Launched("ORVENTEnergy.exe", "/weng /nofm \"" + kSiteA + "\"", "{P}Wind Work\\Site A"),
          Settings({{"Site A", "Wind Climate", 0, "{P}Wind Work\\Site A\\", "TD"},
                    kThree[0],
                    kThree[2]})})},
    {"TheDeleteButtonDeletesWhenConfirmed", DeleteSecondRow(Press(IDC_DELETE_HISTORY), IDOK)},
    {"TheDeleteKeyAsksFirst", DeleteSecondRow(Key(VK_DELETE), IDCANCEL)},
    {"ACommandLineProjectOpensTheProjectDialogOnce",
     {File(kJapanese, ProjectBytes(0)), Start("/x \"" + kJapanese + "\""), Opens(kOpen),
      Shows(IDC_LOCATION, kJapanese), Shows(IDC_PROJECT_OK, orvent::kOpenModeTexts.okButton),
      Checked(IDC_APP_BASIC), Screenshot("project_open"), Press(IDC_PROJECT_CANCEL), Closes(),
      Press(IDC_SELECT_OPEN_PROJECT), Opens(kOpen), Shows(IDC_LOCATION, ""),
      Enabled(IDC_APP_BASIC, false), Press(IDC_PROJECT_CANCEL), Closes(), NoLaunch(),
      Press(IDC_EXIT), Exits()}},
    // A history that cannot be saved is told of once, as the Selector ends:
    // after a start, whose application stays started, or on Exit.
    {"AHistoryThatCannotBeSavedIsToldOfOnce",
     ThreeProjectsAnd(
         {ReadOnly("{U}"), Key(VK_DOWN), Press(IDC_DELETE_HISTORY),
          Message(orvent::kMsgDeleteQuestion, IDOK), Rows(2, 1), Press(IDC_LAST_APPLICATION),
          Message(orvent::HistoryNotSavedMessage("{U}"), IDOK), Exits(),
          Launched("ORVENTExtremeWind.exe",
                   "/dws2 /nofm {P}" + kNouryoku + "\\" + kNouryoku + ".mbc", "{P}" + kNouryoku),
          SettingsUnchanged()})},
    {"AHistoryThatCannotBeSavedIsToldOfOnExit",
     ThreeProjectsAnd({ReadOnly("{U}"), Key(VK_DELETE), Message(orvent::kMsgDeleteQuestion, IDOK),
                       Rows(2, 0), Press(IDC_EXIT),
                       Message(orvent::HistoryNotSavedMessage("{U}"), IDOK), Exits(), NoLaunch(),
                       SettingsUnchanged()})},
    {"AStartThatCannotHappenIsReportedAndChangesNothing",
     {History({{"Gone", "Energy", 1, "{P}Gone\\", "JGD"}, kThree[1]}),
      File(kSiteA, ProjectBytes(0)), Member("ORVENTBasic.exe", false), Start(),
      Press(IDC_LAST_APPLICATION), Message(orvent::kMsgProjectNotFound, IDOK), Key(VK_DOWN),
      Press(IDC_LAST_APPLICATION), Message(orvent::kMsgNotStarted, IDOK), SettingsUnchanged(),
      Rows(2, 1), NoLaunch(), Member("ORVENTBasic.exe", true), Press(IDC_LAST_APPLICATION), Exits(),
      Launched("ORVENTBasic.exe", "/nofm \"" + kSiteA + "\"", "{P}Wind Work\\Site A")}},
    // A wind power project: Energy must be picked before Wind power may be.
    {"AProjectFileIsChosenAndStarted",
     {File(kSiteA, ProjectBytes(4)), Start(), Press(IDC_SELECT_OPEN_PROJECT), Opens(kOpen),
      Press(IDC_REFERENCE), Opens(orvent::kProjectFileChooserTitle), Choose(kSiteA),
      Shows(IDC_PROJECT_NAME, "Site A"), Shows(IDC_LOCATION, kSiteA), Checked(IDC_APP_BASIC),
      Checked(IDC_TYPE_WIND_POWER), Visible(IDC_TYPE_WIND_POWER),
      Enabled(IDC_TYPE_WIND_POWER, false), Press(IDC_APP_ENERGY), Enabled(IDC_TYPE_WIND_POWER),
      Press(IDC_PROJECT_OK), Exits(),
      Launched("ORVENTWindFarm.exe", "/windpower /nofm \"" + kSiteA + "\"", "{P}Wind Work\\Site A"),
      Settings({{"Site A", "Wind Farm", 4, "{P}Wind Work\\Site A\\", "TD"}})}},
    {"AFolderIsChosenForANewProject",
     {File("{P}" + kSoftware + "\\", ""), Start(), Press(IDC_CREATE_NEW_PROJECT), Opens(kCreate),
      Type(IDC_PROJECT_NAME, "Site C"), Press(IDC_REFERENCE), Opens(""),
      Choose("{P}" + kSoftware + "\\"), Shows(IDC_LOCATION, "{P}" + kSoftware + "\\"),
      Press(IDC_PROJECT_OK), Exits(),
      FileHolds("{P}" + kSoftware + "\\Site C\\Site C.mbc", ProjectBytes(0)),
      Launched("ORVENTBasic.exe", "/nofm \"{P}" + kSoftware + "\\Site C\\Site C.mbc\"",
               "{P}" + kSoftware + "\\Site C")}},
    {"TheAboutBoxShowsTheVersion",
     {Start(), System(IDM_ABOUTBOX), Opens(""), Centred(),
      Shows(0, "ORVENT Project Selector Version " +
                   orvent::VersionLine("", {ORVENT_VERSION_MAJOR, ORVENT_VERSION_MINOR,
                                            ORVENT_VERSION_BUILD, ORVENT_VERSION_REVISION})),
      Screenshot("about"), Press(IDOK), Closes(), Press(IDC_EXIT), Exits()}},
    {"F1AsksForTheManualInTheSelectorWindowOnly",
     {Start(), F1(IDC_RECENT_GRID), Message(orvent::kMsgNoManual, IDOK),
      Press(IDC_CREATE_NEW_PROJECT), Opens(kCreate), F1(IDC_PROJECT_NAME), NothingOpens(),
      Press(IDC_PROJECT_CANCEL), Closes(), System(IDM_ABOUTBOX), Opens(""), F1(IDOK),
      NothingOpens(), Press(IDOK), Closes(), Press(IDC_HELP_MANUAL),
      Message(orvent::kMsgNoManual, IDOK), Press(IDC_EXIT), Exits()}},
    {"TheGridAndButtonsFollowTheWindow",
     {History({kThree[0]}), Start(), FollowsTheWindowsSize(), Press(IDC_EXIT), Exits()}},
    {"ASecondStartRaisesTheFirst", {Start(), SecondStart(), Press(IDC_EXIT), Exits()}},
    {"AFullHistoryIsShownWithTheNewestCurrent",
     {History(FullHistory()), Start(), Rows(orvent::kMaxRecentRows, 0),
      Cells(0,
            {FullHistory().front().name + " [JGD]", "Wind Farm", FullHistory().front().location}),
      Cells(998, {FullHistory().back().name + " [JGD]"}), Screenshot("selector"), Press(IDC_EXIT),
      Exits()}}};

using Journeys = Driver;

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
