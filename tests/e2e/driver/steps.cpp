#include "tests/e2e/driver/steps.h"

#include "res/resource.h"

namespace e2e {
namespace {

std::vector<Row> Expanded(const Driver& d, std::vector<Row> rows) {
  for (Row& row : rows) row.location = d.Expand(row.location);
  return rows;
}

// The folder of a path, with its backslash; a trail byte 0x5C is no separator.
std::string FolderOf(const std::string& path) {
  size_t end = 0;
  for (size_t i = 0; i < path.size(); ++i) {
    if (IsDBCSLeadByte(static_cast<BYTE>(path[i]))) {
      ++i;
    } else if (path[i] == '\\') {
      end = i + 1;
    }
  }
  return path.substr(0, end);
}

// What a posted click or key changes shows a moment later.
template <typename Actual, typename T>
void ExpectSoon(Actual actual, const T& expected, const std::string& what) {
  WaitUntil([&] { return actual() == expected; }, 3000);
  EXPECT_EQ(actual(), expected) << what;
}

}  // namespace

Step History(const std::vector<Row>& rows) {
  return [=](Driver& d) {
    ASSERT_TRUE(MakeFolders(FolderOf(d.UserSettingsFile())));
    ASSERT_TRUE(WriteFile(d.UserSettingsFile(), HistoryBytes(Expanded(d, rows))));
  };
}

Step Project(const std::string& file, int projectType) {
  return [=](Driver& d) {
    ASSERT_TRUE(MakeFolders(FolderOf(d.Expand(file))));
    ASSERT_TRUE(WriteFile(d.Expand(file), ProjectBytes(projectType)));
  };
}

Step Folder(const std::string& folder) {
  return [=](Driver& d) { ASSERT_TRUE(MakeFolders(d.Expand(folder))); };
}

Step File(const std::string& path, const std::string& bytes) {
  return [=](Driver& d) {
    ASSERT_TRUE(MakeFolders(FolderOf(d.Expand(path))));
    ASSERT_TRUE(WriteFile(d.Expand(path), d.Expand(bytes)));
  };
}

Step NoMember(const std::string& exe) {
  return [=](Driver& d) { ASSERT_TRUE(DeleteFileA((d.ProgramFolder() + exe).c_str())); };
}

Step Member(const std::string& exe) {
  return [=](Driver& d) {
    ASSERT_TRUE(CopyFileA((d.ProgramFolder() + "ORVENTEnergy.exe").c_str(),
                          (d.ProgramFolder() + exe).c_str(), TRUE));
  };
}

Step Start(const std::string& arguments) {
  return [=](Driver& d) { ASSERT_TRUE(d.Start(d.Expand(arguments))) << "no selector window"; };
}

Step Press(int id) {
  return [=](Driver& d) { ASSERT_TRUE(d.Click(id)) << "no control " << id; };
}

Step Type(int id, const std::string& text) {
  return [=](Driver& d) {
    const std::string typed = d.Expand(text);
    ASSERT_TRUE(SendMessageA(GetDlgItem(d.Top(), id), WM_SETTEXT, 0,
                             reinterpret_cast<LPARAM>(typed.c_str())));
  };
}

Step Down(int rows) {
  return [=](Driver& d) {
    for (int i = 0; i < rows; ++i) ASSERT_TRUE(d.Key(VK_DOWN));
    ASSERT_TRUE(WaitUntil([&] { return d.FocusedItem() == rows; })) << d.FocusedItem();
  };
}

Step Key(unsigned virtualKey) {
  return [=](Driver& d) { ASSERT_TRUE(d.Key(virtualKey)); };
}

Step DoubleClick(int item) {
  return [=](Driver& d) {
    RECT r = {};
    ASSERT_TRUE(d.ItemRect(item, &r));
    const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    ASSERT_TRUE(PostMessageA(d.Grid(), WM_LBUTTONDBLCLK, MK_LBUTTON, at));
    ASSERT_TRUE(PostMessageA(d.Grid(), WM_LBUTTONUP, 0, at));
  };
}

Step System(unsigned command) {
  return [=](Driver& d) { ASSERT_TRUE(PostMessageA(d.Top(), WM_SYSCOMMAND, command, 0)); };
}

Step Opens(const std::string& title) {
  return [=](Driver& d) {
    ASSERT_NE(d.Opens(title), nullptr) << "no window \"" << title << "\" came";
  };
}

Step Closes() {
  return [](Driver& d) { ASSERT_TRUE(d.Closes()) << "the window stays"; };
}

Step Message(const std::string& text, int button) {
  return [=](Driver& d) {
    ASSERT_NE(d.Opens(""), nullptr) << "no message \"" << text << "\" came";
    EXPECT_EQ(TextOf(GetDlgItem(d.Top(), 0xFFFF)), text);
    EXPECT_EQ(TextOf(d.Top()), "ORVENTLancher") << "a message is titled with the program's name";
    ASSERT_NE(GetDlgItem(d.Top(), button), nullptr) << "no button " << button;
    ASSERT_TRUE(d.Click(button));
    ASSERT_TRUE(d.Closes());
    // The Selector has finished what the answer made it do once it answers.
    SendMessageTimeoutA(d.Top(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kTimeoutMs, nullptr);
  };
}

Step Exit() {
  return [](Driver& d) {
    ASSERT_TRUE(d.Click(1001));
    ASSERT_TRUE(d.WaitForExit()) << "the Selector did not end";
  };
}

Step Shows(int id, const std::string& text) {
  return [=](Driver& d) {
    ExpectSoon([&] { return TextOf(GetDlgItem(d.Top(), id)); }, d.Expand(text),
               "text of " + std::to_string(id));
  };
}

Step Checked(int id, bool checked) {
  return [=](Driver& d) {
    ExpectSoon(
        [&] { return SendMessageA(GetDlgItem(d.Top(), id), BM_GETCHECK, 0, 0) == BST_CHECKED; },
        checked, "check of " + std::to_string(id));
  };
}

Step Enabled(int id, bool enabled) {
  return
      [=](Driver& d) { EXPECT_EQ(IsWindowEnabled(GetDlgItem(d.Top(), id)) != 0, enabled) << id; };
}

Step ChildShows(int index, const std::string& text) {
  return [=](Driver& d) {
    HWND child = GetWindow(d.Top(), GW_CHILD);
    for (int i = 0; i < index && child != nullptr; ++i) child = GetWindow(child, GW_HWNDNEXT);
    EXPECT_EQ(TextOf(child), text);
  };
}

Step Items(int count) {
  return [=](Driver& d) { ExpectSoon([&] { return d.ItemCount(); }, count, "rows"); };
}

Step Current(int item) {
  return [=](Driver& d) { ExpectSoon([&] { return d.FocusedItem(); }, item, "current row"); };
}

Step Cells(int item, const std::vector<std::string>& texts) {
  return [=](Driver& d) {
    for (size_t column = 0; column < texts.size(); ++column) {
      ExpectSoon([&] { return d.Cell(item, static_cast<int>(column)); }, d.Expand(texts[column]),
                 "row " + std::to_string(item) + " column " + std::to_string(column));
    }
  };
}

Step Exits() {
  return [](Driver& d) { ASSERT_TRUE(d.WaitForExit()) << "the Selector did not end"; };
}

Step Runs() {
  return [](Driver& d) {
    EXPECT_TRUE(d.Running());
    EXPECT_TRUE(IsWindowVisible(d.windows.at(0)));
  };
}

Step Launched(const std::string& exe, const std::string& arguments, const std::string& folder) {
  return [=](Driver& d) {
    std::vector<std::string> launches;
    ASSERT_TRUE(WaitUntil([&] { return !(launches = d.Launches()).empty(); })) << "no start";
    const std::string program = d.ProgramFolder() + exe;
    EXPECT_EQ(launches, std::vector<std::string>{program + "|\"" + program + "\" " +
                                                 d.Expand(arguments) + "|" + d.Expand(folder)});
  };
}

Step NoLaunch() {
  return [](Driver& d) { EXPECT_TRUE(d.Launches().empty()); };
}

Step Settings(const std::vector<Row>& rows) {
  return [=](Driver& d) { EXPECT_EQ(d.UserSettings(), HistoryBytes(Expanded(d, rows))); };
}

Step SettingsUnchanged() {
  return [](Driver& d) { EXPECT_EQ(d.UserSettings(), d.settingsAtStart); };
}

Step FileHolds(const std::string& path, const std::string& bytes) {
  return [=](Driver& d) {
    std::string held = "(no file)";
    ReadFile(d.Expand(path), &held);
    EXPECT_EQ(held, d.Expand(bytes)) << d.Expand(path);
  };
}

Step Screenshot(const std::string& name) {
  return [=](Driver& d) { EXPECT_TRUE(d.Screenshot(name)); };
}

}  // namespace e2e

namespace e2e {
namespace {

HWND Descendant(HWND root, const char* className, int id) {
  struct Search {
    const char* className;
    int id;
    HWND found;
  } search = {className, id, nullptr};
  EnumChildWindows(
      root,
      [](HWND child, LPARAM context) {
        auto* s = reinterpret_cast<Search*>(context);
        char name[64] = {};
        GetClassNameA(child, name, sizeof name);
        if (lstrcmpiA(name, s->className) != 0 || (s->id != 0 && GetDlgCtrlID(child) != s->id)) {
          return TRUE;
        }
        s->found = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

RECT RectOf(HWND window, int id) {
  RECT r = {};
  GetWindowRect(id == 0 ? window : GetDlgItem(window, id), &r);
  return r;
}

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

}  // namespace

Step Choose(const std::string& path) {
  return [=](Driver& d) {
    // The open dialog's name box is a combo box with an edit inside; the
    // folder chooser has an edit of its own.
    HWND combo = Descendant(d.Top(), "ComboBoxEx32", 1148);
    HWND edit = combo != nullptr ? Descendant(combo, "Edit", 0) : Descendant(d.Top(), "Edit", 1152);
    HWND accept = Descendant(d.Top(), "Button", IDOK);
    ASSERT_TRUE(edit != nullptr && accept != nullptr) << "not a chooser this driver knows";
    const std::string typed = d.Expand(path);
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed.c_str()));
    ASSERT_TRUE(PostMessageA(accept, BM_CLICK, 0, 0));
    ASSERT_TRUE(d.Closes()) << "the chooser stays";
  };
}

Step FollowsAGrownWindow(int dx, int dy) {
  return [=](Driver& d) {
    HWND w = d.windows.at(0);
    const RECT start = RectOf(w, 0), grid = RectOf(w, IDC_RECENT_GRID),
               frame = RectOf(w, IDC_RECENT_FRAME), last = RectOf(w, IDC_LAST_APPLICATION),
               task = RectOf(w, IDC_CREATE_NEW_PROJECT);
    ASSERT_TRUE(SetWindowPos(w, nullptr, 0, 0, Width(start) + dx, Height(start) + dy,
                             SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE));
    ASSERT_TRUE(WaitUntil([&] { return Width(RectOf(w, IDC_RECENT_GRID)) == Width(grid) + dx; }));
    const RECT g = RectOf(w, IDC_RECENT_GRID);
    EXPECT_EQ(Height(g), Height(grid) + dy);
    EXPECT_EQ(Width(RectOf(w, IDC_RECENT_FRAME)), Width(frame) + dx);
    EXPECT_EQ(Height(RectOf(w, IDC_RECENT_FRAME)), Height(frame) + dy);
    for (int id : {IDC_EXIT, IDC_HELP_MANUAL, IDC_SELECT_APPLICATION}) {
      EXPECT_EQ(RectOf(w, id).right, g.right) << id;
    }
    for (int id : {IDC_DELETE_HISTORY, IDC_SELECT_APPLICATION, IDC_LAST_APPLICATION}) {
      EXPECT_EQ(RectOf(w, id).top, g.bottom + 5) << id;
    }
    EXPECT_EQ(RectOf(w, IDC_DELETE_HISTORY).left, g.left);
    const RECT moved = RectOf(w, IDC_LAST_APPLICATION);
    EXPECT_EQ(moved.right, RectOf(w, IDC_SELECT_APPLICATION).left - 8);
    EXPECT_EQ(Width(moved), Width(last));
    const RECT taskNow = RectOf(w, IDC_CREATE_NEW_PROJECT);
    EXPECT_TRUE(EqualRect(&taskNow, &task)) << "the Project Task buttons moved";
  };
}

Step KeepsItsStartSizeAsMinimum() {
  return [](Driver& d) {
    const RECT start = RectOf(d.windows.at(0), 0);
    // Edge, how far the proposed sides move inwards, and which sides come back.
    const struct {
      int edge;
      RECT in;
      bool left, top, right, bottom;
    } cases[] = {
        {WMSZ_LEFT, {60, 0, 0, 0}, true, false, false, false},
        {WMSZ_RIGHT, {0, 0, 60, 0}, false, false, true, false},
        {WMSZ_TOP, {30, 40, 30, 0}, false, true, false, false},
        {WMSZ_BOTTOM, {0, 0, 0, 40}, false, false, false, true},
        {WMSZ_TOPLEFT, {60, 40, 0, 0}, true, true, false, false},
        {WMSZ_TOPRIGHT, {0, 40, 60, 0}, false, true, true, false},
        {WMSZ_BOTTOMLEFT, {60, 0, 0, 40}, true, false, false, true},
        {WMSZ_BOTTOMRIGHT, {0, 0, -50, -50}, false, false, false, false},
    };
    for (const auto& c : cases) {
      const RECT asked = {start.left + c.in.left, start.top + c.in.top, start.right - c.in.right,
                          start.bottom - c.in.bottom};
      RECT r = asked;
      // The system copies a WM_SIZING rectangle to the other process and back.
      ASSERT_TRUE(SendMessageTimeoutA(d.windows.at(0), WM_SIZING, c.edge,
                                      reinterpret_cast<LPARAM>(&r), SMTO_ABORTIFHUNG, kTimeoutMs,
                                      nullptr));
      EXPECT_EQ(r.left, c.left ? asked.right - Width(start) : asked.left) << c.edge;
      EXPECT_EQ(r.right, c.right ? asked.left + Width(start) : asked.right) << c.edge;
      EXPECT_EQ(r.top, c.top ? asked.bottom - Height(start) : asked.top) << c.edge;
      EXPECT_EQ(r.bottom, c.bottom ? asked.top + Height(start) : asked.bottom) << c.edge;
    }
  };
}

Step SecondStart(bool minimised) {
  return [=](Driver& d) {
    HWND first = d.windows.at(0);
    if (minimised) {
      ShowWindow(first, SW_MINIMIZE);
      ASSERT_TRUE(WaitUntil([&] { return IsIconic(first) != FALSE; }));
    }
    // Something else has the front, so that the first window must be raised.
    HWND other = CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 700, 500,
                                 200, 100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(
        WaitUntil([&] { return SetForegroundWindow(other) && GetForegroundWindow() == other; }));
    ASSERT_TRUE(d.Start("\"D:\\Some Project\\Site A.mbc\"", false));
    bool others = false;
    ASSERT_TRUE(WaitUntil([&] {
      HWND shown = FindWindowA(ORVENT_WINDOW_CLASS, nullptr);
      others =
          others || shown != first || FindWindowExA(nullptr, shown, ORVENT_WINDOW_CLASS, nullptr);
      return !d.Running();
    })) << "the second start still runs";
    EXPECT_FALSE(others) << "a second selector window showed";
    EXPECT_TRUE(WaitUntil([&] {
      HWND front = GetForegroundWindow();
      while (front != nullptr && front != first) front = GetWindow(front, GW_OWNER);
      return front == first && !IsIconic(first);
    })) << "the first Selector is not in front";
    EXPECT_TRUE(d.Running(0));
    DestroyWindow(other);
  };
}

}  // namespace e2e
