// The end-to-end driver: starts the real Selector in a program folder of its
// own, with fake member applications beside it, and acts on its windows from
// outside as a user does, through window messages. A journey is a list of
// steps: what the user does, and what the user then sees in the windows and
// the files. Every wait gives up after a few seconds, and whatever a test
// started ends with it. In the texts of the steps "{P}" stands for the
// projects folder, "{F}" for the program folder, "{U}" for the user's
// settings file and "{C}" for the seed in the common folder.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace e2e {

class Driver;
using Step = std::function<void(Driver&)>;
struct Journey {
  const char* name;
  std::vector<Step> steps;
};
inline void PrintTo(const Journey& journey, std::ostream* out) { *out << journey.name; }

class Driver : public ::testing::TestWithParam<Journey> {
 public:
  std::string Expand(const std::string& text) const;
  // Starts a Selector; with `wait`, until its window shows, which then
  // becomes the only window in view.
  void Start(const std::string& arguments, bool wait = true);
  // Of the Selectors started, counted from 0; -1 is the latest.
  bool Running(int which = -1) const;
  // The windows in view: the selector window first, the latest dialog last.
  std::vector<HWND> windows;
  HWND Top() const { return windows.back(); }
  HWND Grid() const { return GetDlgItem(windows.at(0), 1009); }
  // A list-view message whose record goes to the Selector's memory and back,
  // with a text after the record.
  template <typename Record>
  LRESULT Remote(UINT message, WPARAM wParam, Record* record, std::string* text = nullptr) const;
  std::string settingsAtStart;  // the user's settings file before the first start

 protected:
  void SetUp() override;
  void TearDown() override;

 private:
  std::string scratch_, program_;
  std::vector<PROCESS_INFORMATION> processes_;
  std::vector<std::pair<std::string, std::string>> saved_;  // the user's settings files
};

// A row of the history file, as the tests write and expect it.
struct Row {
  std::string name, application;
  int type;
  std::string location, code;
};
std::string HistoryBytes(const std::vector<Row>& rows);
// A project file as the Selector makes it, with its own file version.
std::string ProjectBytes(int projectType);

// Set-up.
Step File(const std::string& path, const std::string& bytes);  // "" for a folder
inline Step History(const std::vector<Row>& rows) { return File("{U}", HistoryBytes(rows)); }
Step Member(const std::string& exe, bool present);
Step ReadOnly(const std::string& path);
// What the user does.
Step Start(const std::string& arguments = "");
Step Press(int id);
Step Type(int id, const std::string& text);
Step Key(unsigned virtualKey, int times = 1);  // in the grid
Step F1(int id);                               // pressed in a control of the top window
Step NothingOpens();
Step DoubleClick(int item);
Step System(unsigned command);  // from the system menu
// A dialog (a message box when the title is "") comes; the next steps are in it.
Step Opens(const std::string& title);
Step Closes();
Step Message(const std::string& text, int button);  // shown, and answered
// Types the path into a chooser's name box (a file or folder dialog) and accepts it.
Step Choose(const std::string& path);
// A second start ends without a window and restores and raises the first one.
Step SecondStart();
// What the user sees.
// The top window stands centred over the one below it, or on the work area,
// and inside the work area.
Step Centred();
Step Shows(int id, const std::string& text);  // id 0: the second control, which has none
Step Checked(int id, bool checked = true);
Step Enabled(int id, bool enabled = true);
Step Visible(int id, bool visible = true);
Step Focused(int id);
// The rows, and the current row, which is the one highlighted.
Step Rows(int count, int current);
Step ClickBelowTheRows();
Step OneTooltip();  // the grid's own, no info tip of the list-view's
Step Cells(int item, const std::vector<std::string>& texts);
Step ColumnsInProportion();  // widest the location, then the name, then the application
Step Exits();
Step Launched(const std::string& exe, const std::string& arguments, const std::string& folder);
Step NoLaunch();
Step FileHolds(const std::string& path, const std::string& bytes);
inline Step Settings(const std::vector<Row>& rows) { return FileHolds("{U}", HistoryBytes(rows)); }
Step SettingsUnchanged();
Step Screenshot(const std::string& name);
// A drag of any edge or corner stops at the size the window started with; a
// larger window takes the grid, its frame and the buttons along.
Step FollowsTheWindowsSize();

}  // namespace e2e
