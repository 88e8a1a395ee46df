// The steps a journey is made of: what the user does to the Selector and
// what the user then sees, in the files and in the windows. A text may name
// the projects folder as "{P}" and the program folder as "{F}".
#pragma once

#include <string>
#include <vector>

#include "tests/e2e/driver/driver.h"

namespace e2e {

using Step = std::function<void(Driver&)>;

struct Journey {
  const char* name;
  std::vector<Step> steps;
};
inline void PrintTo(const Journey& journey, std::ostream* out) { *out << journey.name; }

// Set-up.
Step History(const std::vector<Row>& rows);  // the user's settings file
Step Project(const std::string& file, int projectType = 0);
Step Folder(const std::string& folder);
Step File(const std::string& path, const std::string& bytes);
Step NoMember(const std::string& exe);
Step Member(const std::string& exe);

// What the user does.
Step Start(const std::string& arguments = "");
Step Press(int id);
Step Type(int id, const std::string& text);
Step Down(int rows);  // in the grid
Step Key(unsigned virtualKey);
Step DoubleClick(int item);
Step System(unsigned command);  // a system-menu command
// Waits for a dialog (a message box when the title is "") and works in it.
Step Opens(const std::string& title);
Step Closes();
// A message box with the text, answered with the button.
Step Message(const std::string& text, int button);
Step Exit();

// What the user sees.
Step Shows(int id, const std::string& text);
Step Checked(int id, bool checked = true);
Step Enabled(int id, bool enabled = true);
Step ChildShows(int index, const std::string& text);  // a control without an id
Step Items(int count);
Step Current(int item);
Step Cells(int item, const std::vector<std::string>& texts);
Step Exits();
Step Runs();
Step Launched(const std::string& exe, const std::string& arguments, const std::string& folder);
Step NoLaunch();
Step Settings(const std::vector<Row>& rows);
Step SettingsUnchanged();  // since the Selector started
Step FileHolds(const std::string& path, const std::string& bytes);
Step Screenshot(const std::string& name);

}  // namespace e2e

namespace e2e {

// Windows of the system and the window itself.
// Types the path into the name box of a chooser (a file or folder dialog)
// and accepts it.
Step Choose(const std::string& path);
// The grid, its frame and the buttons follow a window grown by so much.
Step FollowsAGrownWindow(int dx, int dy);
// A drag of any edge or corner stops at the size the window started with.
Step KeepsItsStartSizeAsMinimum();
// A second start ends without a window and brings the first to the front,
// restoring it when it was minimised.
Step SecondStart(bool minimised);

}  // namespace e2e
