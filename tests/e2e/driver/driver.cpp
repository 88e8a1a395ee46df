#include "tests/e2e/driver/driver.h"

#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "history/settings_file.h"
#include "platform/version_info.h"
#include "res/resource.h"
#include "tests/e2e/fake_member/launch_record_format.h"
#include "version.h"

namespace e2e {
namespace {

constexpr DWORD kTimeoutMs = 10000;

// Polls the condition, keeping the driver's own messages flowing.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = kTimeoutMs) {
  for (const ULONGLONG deadline = GetTickCount64() + timeoutMs;; Sleep(20)) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    if (condition()) return true;
    if (GetTickCount64() >= deadline) return false;
  }
}

// What a posted click or key changes shows a moment later.
template <typename Actual, typename T>
void ExpectSoon(Actual actual, const T& expected, const std::string& what) {
  WaitUntil([&] { return actual() == expected; }, 3000);
  EXPECT_EQ(actual(), expected) << what;
}

LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(window, message, wParam, lParam, 0, kTimeoutMs, &result) ? result : -1;
}

std::string TextOf(HWND window) {
  char text[4096] = {};
  return std::string(text, Send(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text)));
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return in ? bytes.str() : "(no file)";
}

// Writes the file, making its folder first; a trail byte 0x5C is no separator.
bool WriteFile(const std::string& path, const std::string& bytes) {
  for (size_t i = 3; i < path.size(); i += IsDBCSLeadByte(static_cast<BYTE>(path[i])) ? 2 : 1) {
    if (path[i] == '\\') CreateDirectoryA(path.substr(0, i).c_str(), nullptr);
  }
  return path.back() == '\\' || static_cast<bool>(std::ofstream(path, std::ios::binary) << bytes);
}

HWND Descendant(HWND root, const char* className, int id) {
  for (HWND child = GetWindow(root, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char name[64] = {};
    GetClassNameA(child, name, sizeof name);
    if (lstrcmpiA(name, className) == 0 && (id == 0 || GetDlgCtrlID(child) == id)) return child;
    if (HWND inner = Descendant(child, className, id)) return inner;
  }
  return nullptr;
}

RECT RectOf(HWND window, int id = 0) {
  RECT r = {};
  GetWindowRect(id == 0 ? window : GetDlgItem(window, id), &r);
  return r;
}

// The member applications started so far: "module|command line|folder".
std::vector<std::string> Launches(const Driver& d) {
  std::istringstream record(ReadFile(d.Expand("{F}") + fake_member::kLaunchRecordFile));
  std::vector<std::string> launches;
  for (std::string line; std::getline(record, line) && line != "(no file)";) {
    launches.push_back(line.substr(0, line.size() - 1));
  }
  return launches;
}

}  // namespace

std::string HistoryBytes(const std::vector<Row>& rows) {
  std::string text =
      "!=== ORVENT Environment File ===\r\n! Recent Project (MAX:999)\r\n&RecentProject\r\n";
  for (size_t i = 0; i < rows.size(); ++i) {
    char key[16];
    snprintf(key, sizeof key, "Recent%03d", static_cast<int>(i + 1));
    text += std::string(key) + " = \"" + rows[i].name + "\", \"" + rows[i].application + "\", " +
            std::to_string(rows[i].type) + ", \"" + rows[i].location + "\", \"" + rows[i].code +
            "\",\r\n";
  }
  return text + "/\r\n";
}

std::string ProjectBytes(int projectType) {
  return "! === ORVENT Basic Environment File ===\r\n\r\n!" + std::string(73, '=') +
         "\r\n&General_Parameters\r\nFileVersion = " +
         orvent::ThreePartVersionText({ORVENT_VERSION_MAJOR, ORVENT_VERSION_MINOR,
                                       ORVENT_VERSION_BUILD, ORVENT_VERSION_REVISION}) +
         ",\r\nProjectType = " + std::to_string(projectType) +
         ",\t! 0:Measurement, 1:Meso-Scale, 2:Engineering(DWS)\r\n/\r\n";
}

void Driver::SetUp() {
  char selector[MAX_PATH] = {}, member[MAX_PATH] = {}, scratch[MAX_PATH] = {};
  GetEnvironmentVariableA("ORVENT_E2E_SELECTOR", selector, MAX_PATH);
  GetEnvironmentVariableA("ORVENT_E2E_MEMBER", member, MAX_PATH);
  GetEnvironmentVariableA("ORVENT_E2E_SCRATCH", scratch, MAX_PATH);
  scratch_ = std::string(scratch) + "\\";
  // Each test has a program folder of its own; a repeated run takes the next name.
  for (int n = 0; program_.empty() && n < 100; ++n) {
    const std::string folder = scratch_ + GetParam().name + (n > 0 ? "_" + std::to_string(n) : "");
    if (CreateDirectoryA(folder.c_str(), nullptr)) program_ = folder + "\\";
  }
  ASSERT_FALSE(program_.empty()) << "no program folder in " << scratch_;
  ASSERT_TRUE(CopyFileA(selector, (program_ + "ORVENTLancher.exe").c_str(), TRUE)) << selector;
  for (const char* exe : {"ORVENTBasic.exe", "ORVENTEnergy.exe", "ORVENTExtremeWind.exe",
                          "ORVENTWindFarm.exe", "ORVENTBasicEW.exe"}) {
    ASSERT_TRUE(CopyFileA(member, (program_ + exe).c_str(), TRUE)) << member;
  }
  ASSERT_TRUE(WriteFile(Expand("{P}"), ""));
  // The settings files are the user's: kept, and put back afterwards.
  for (const std::string& path : {Expand("{U}"), Expand("{C}")}) {
    saved_.emplace_back(path, ReadFile(path));
    DeleteFileA(path.c_str());
  }
  ASSERT_EQ(FindWindowA(ORVENT_WINDOW_CLASS, nullptr), nullptr) << "a Selector is running";
}

void Driver::TearDown() {
  for (const PROCESS_INFORMATION& process : processes_) {
    TerminateProcess(process.hProcess, 1);  // if it still runs
    WaitForSingleObject(process.hProcess, kTimeoutMs);
    CloseHandle(process.hProcess);
  }
  for (const auto& saved : saved_) {
    SetFileAttributesA(saved.first.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(saved.first.c_str());
    if (saved.second != "(no file)") WriteFile(saved.first, saved.second);
  }
}

std::string Driver::Expand(const std::string& text) const {
  char appData[MAX_PATH] = {}, common[MAX_PATH] = {};
  SHGetSpecialFolderPathA(nullptr, appData, CSIDL_APPDATA, FALSE);
  SHGetSpecialFolderPathA(nullptr, common, CSIDL_PROGRAM_FILES_COMMON, FALSE);
  const std::string user = std::string(appData) + "\\" + orvent::kSettingsFolder;
  const std::pair<const char*, std::string> names[] = {
      {"{P}", program_ + "Projects\\"},
      {"{F}", program_},
      {"{U}", user + orvent::kSettingsFileName},
      {"{C}", std::string(common) + "\\" + orvent::kSettingsFolder + orvent::kSeedFolder +
                  orvent::kSettingsFileName}};
  std::string out = text;
  for (const auto& [name, value] : names) {
    for (size_t at; (at = out.find(name)) != std::string::npos;) out.replace(at, 3, value);
  }
  return out;
}

void Driver::Start(const std::string& arguments, bool wait) {
  if (processes_.empty()) settingsAtStart = ReadFile(Expand("{U}"));
  std::string commandLine = "\"" + program_ + "ORVENTLancher.exe\" " + Expand(arguments);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  ASSERT_TRUE(CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                             scratch_.c_str(), &startup, &process));
  CloseHandle(process.hThread);
  processes_.push_back(process);
  HWND window = nullptr;
  ASSERT_TRUE(!wait || WaitUntil([&] {
    window = FindWindowA(ORVENT_WINDOW_CLASS, nullptr);
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    return id == process.dwProcessId && IsWindowVisible(window);
  })) << "no selector window";
  if (wait) windows = {window};
}

bool Driver::Running(int which) const {
  const PROCESS_INFORMATION& p = processes_.at(which < 0 ? processes_.size() - 1 : which);
  return WaitForSingleObject(p.hProcess, 0) == WAIT_TIMEOUT;
}

template <typename Record>
LRESULT Driver::Remote(UINT message, WPARAM wParam, Record* record, std::string* text) const {
  const SIZE_T room = 1024;
  DWORD id = 0;
  GetWindowThreadProcessId(Grid(), &id);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, 0, id);
  char* at = static_cast<char*>(
      VirtualAllocEx(process, nullptr, sizeof *record + room, MEM_COMMIT, PAGE_READWRITE));
  if (text != nullptr) reinterpret_cast<LVITEMA*>(record)->pszText = at + sizeof *record;
  std::vector<char> got(room + 1, '\0');
  LRESULT result = -1;
  if (at != nullptr && WriteProcessMemory(process, at, record, sizeof *record, nullptr)) {
    result = Send(Grid(), message, wParam, reinterpret_cast<LPARAM>(at));
    ReadProcessMemory(process, at, record, sizeof *record, nullptr);
    ReadProcessMemory(process, at + sizeof *record, got.data(), room, nullptr);
  }
  if (text != nullptr) *text = got.data();
  VirtualFreeEx(process, at, 0, MEM_RELEASE);
  CloseHandle(process);
  return result;
}

Step File(const std::string& path, const std::string& bytes) {
  return [=](Driver& d) { ASSERT_TRUE(WriteFile(d.Expand(path), d.Expand(bytes))) << path; };
}

Step ReadOnly(const std::string& path) {
  return [=](Driver& d) {
    ASSERT_TRUE(SetFileAttributesA(d.Expand(path).c_str(), FILE_ATTRIBUTE_READONLY)) << path;
  };
}

Step Member(const std::string& exe, bool present) {
  return [=](Driver& d) {
    const std::string path = d.Expand("{F}" + exe), model = d.Expand("{F}ORVENTEnergy.exe");
    ASSERT_TRUE(present ? CopyFileA(model.c_str(), path.c_str(), TRUE) : DeleteFileA(path.c_str()));
  };
}

Step Start(const std::string& arguments) {
  return [=](Driver& d) { d.Start(arguments); };
}

Step Press(int id) {
  return [=](Driver& d) { ASSERT_TRUE(PostMessageA(GetDlgItem(d.Top(), id), BM_CLICK, 0, 0)); };
}

Step Type(int id, const std::string& text) {
  return [=](Driver& d) {
    const std::string typed = d.Expand(text);
    ASSERT_EQ(Send(GetDlgItem(d.Top(), id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed.c_str())),
              TRUE);
  };
}

Step Key(unsigned virtualKey, int times) {
  return [=](Driver& d) {
    const LPARAM down = 1 | static_cast<LPARAM>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC)) << 16;
    for (int i = 0; i < times; ++i) {
      ASSERT_TRUE(PostMessageA(d.Grid(), WM_KEYDOWN, virtualKey, down));
      ASSERT_TRUE(PostMessageA(d.Grid(), WM_KEYUP, virtualKey, down | 0xC0000000));
    }
  };
}

Step F1(int id) {
  return [=](Driver& d) {
    ASSERT_TRUE(PostMessageA(GetDlgItem(d.Top(), id), WM_KEYDOWN, VK_F1, 0x3B0001));
    ASSERT_TRUE(PostMessageA(GetDlgItem(d.Top(), id), WM_KEYUP, VK_F1, 0xC03B0001));
  };
}

Step NothingOpens() {
  return [](Driver& d) {
    Sleep(500);
    Send(d.Top(), WM_NULL);  // whatever the key asked for is done
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
      EXPECT_FALSE(GetWindow(w, GW_OWNER) == d.Top() && IsWindowVisible(w)) << TextOf(w);
    }
  };
}

Step DoubleClick(int item) {
  return [=](Driver& d) {
    RECT r = {LVIR_LABEL, 0, 0, 0};
    ASSERT_GT(d.Remote(LVM_GETITEMRECT, item, &r), 0);
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
    HWND found = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
      for (found = GetTopWindow(nullptr); found; found = GetWindow(found, GW_HWNDNEXT)) {
        if (GetWindow(found, GW_OWNER) == d.Top() && IsWindowVisible(found) &&
            (title.empty() || TextOf(found) == title)) {
          return true;
        }
      }
      return false;
    })) << "no window \""
        << title << "\"";
    d.windows.push_back(found);
  };
}

Step Closes() {
  return [](Driver& d) {
    HWND window = d.Top();
    d.windows.pop_back();
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(window); })) << "the window stays";
    // Once the window below answers, it has done what the closing asked of it.
    Send(d.Top(), WM_NULL);
  };
}

Step Message(const std::string& text, int button) {
  return [=](Driver& d) {
    Opens("")(d);
    ASSERT_FALSE(::testing::Test::HasFatalFailure()) << "no message \"" << text << "\"";
    EXPECT_EQ(TextOf(GetDlgItem(d.Top(), 0xFFFF)), d.Expand(text));
    EXPECT_EQ(TextOf(d.Top()), "ORVENTLancher") << "a message is titled with the program's name";
    ASSERT_NE(GetDlgItem(d.Top(), button), nullptr) << "no button " << button;
    Press(button)(d);
    Closes()(d);
  };
}

Step Choose(const std::string& path) {
  return [=](Driver& d) {
    // The open dialog's name box is a combo box with an edit inside; the
    // folder chooser has an edit of its own.
    HWND combo = Descendant(d.Top(), "ComboBoxEx32", 1148);
    HWND edit = combo ? Descendant(combo, "Edit", 0) : Descendant(d.Top(), "Edit", 1152);
    HWND accept = Descendant(d.Top(), "Button", IDOK);
    ASSERT_TRUE(edit && accept) << "not a chooser this driver knows";
    const std::string typed = d.Expand(path);
    Send(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed.c_str()));
    ASSERT_TRUE(PostMessageA(accept, BM_CLICK, 0, 0));
    Closes()(d);
  };
}

Step SecondStart() {
  return [](Driver& d) {
    HWND first = d.windows.at(0);
    ShowWindow(first, SW_MINIMIZE);
    // Something else has the front, so that the first window must be raised.
    HWND other = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 700, 500, 200,
                                 100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return IsIconic(first) && SetForegroundWindow(other); }));
    d.Start("\"D:\\Some Project\\Site A.mbc\"", false);
    bool another = false;
    ASSERT_TRUE(WaitUntil([&] {
      HWND shown = FindWindowA(ORVENT_WINDOW_CLASS, nullptr);
      another =
          another || shown != first || FindWindowExA(nullptr, shown, ORVENT_WINDOW_CLASS, nullptr);
      return !d.Running();
    })) << "the second start still runs";
    EXPECT_FALSE(another) << "a second selector window showed";
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == first && !IsIconic(first); }))
        << "the first Selector is not restored in front";
    EXPECT_TRUE(d.Running(0));
    DestroyWindow(other);
  };
}

Step Centred() {
  return [](Driver& d) {
    const RECT r = RectOf(d.Top());
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(d.Top(), MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT area = monitor.rcWork;
    const RECT over = d.windows.size() > 1 ? RectOf(d.windows[d.windows.size() - 2]) : area;
    const int width = r.right - r.left, height = r.bottom - r.top;
    const int left = (over.left + over.right) / 2 - width / 2;
    const int top = (over.top + over.bottom) / 2 - height / 2;
    EXPECT_EQ(r.left, std::max<int>(area.left, std::min<int>(left, area.right - width)));
    EXPECT_EQ(r.top, std::max<int>(area.top, std::min<int>(top, area.bottom - height)));
  };
}

Step Shows(int id, const std::string& text) {
  return [=](Driver& d) {
    HWND child = GetWindow(GetWindow(d.Top(), GW_CHILD), GW_HWNDNEXT);
    ExpectSoon([&] { return TextOf(id ? GetDlgItem(d.Top(), id) : child); }, d.Expand(text),
               "text of " + std::to_string(id));
  };
}

Step Checked(int id, bool checked) {
  return [=](Driver& d) {
    ExpectSoon([&] { return Send(GetDlgItem(d.Top(), id), BM_GETCHECK) == BST_CHECKED; }, checked,
               "check of " + std::to_string(id));
  };
}

Step Enabled(int id, bool enabled) {
  return [=](Driver& d) {
    ExpectSoon([&] { return IsWindowEnabled(GetDlgItem(d.Top(), id)) != 0; }, enabled,
               "state of " + std::to_string(id));
  };
}

Step Visible(int id, bool visible) {
  return [=](Driver& d) {
    EXPECT_EQ(IsWindowVisible(GetDlgItem(d.Top(), id)) != FALSE, visible) << "sight of " << id;
  };
}

Step Focused(int id) {
  return [=](Driver& d) {
    GUITHREADINFO thread = {};
    thread.cbSize = sizeof thread;
    ExpectSoon(
        [&] {
          GetGUIThreadInfo(GetWindowThreadProcessId(d.Top(), nullptr), &thread);
          return thread.hwndFocus;
        },
        GetDlgItem(d.Top(), id), "focus on " + std::to_string(id));
  };
}

Step Rows(int count, int current) {
  return [=](Driver& d) {
    ExpectSoon([&] { return Send(d.Grid(), LVM_GETITEMCOUNT); }, LRESULT{count}, "rows");
    // The current row is the highlighted one, and no other is.
    ExpectSoon([&] { return Send(d.Grid(), LVM_GETNEXTITEM, -1, LVNI_FOCUSED); }, LRESULT{current},
               "current row");
    EXPECT_EQ(Send(d.Grid(), LVM_GETNEXTITEM, -1, LVNI_SELECTED), current) << "the highlighted row";
    EXPECT_EQ(Send(d.Grid(), LVM_GETSELECTEDCOUNT), current < 0 ? 0 : 1);
  };
}

Step ClickBelowTheRows() {
  return [](Driver& d) {
    RECT client = {};
    GetClientRect(d.Grid(), &client);
    ASSERT_TRUE(
        PostMessageA(d.Grid(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, client.bottom - 4)));
    ASSERT_TRUE(PostMessageA(d.Grid(), WM_LBUTTONUP, 0, MAKELPARAM(20, client.bottom - 4)));
  };
}

Step OneTooltip() {
  return [](Driver& d) {
    EXPECT_EQ(Send(d.Grid(), LVM_GETEXTENDEDLISTVIEWSTYLE) & LVS_EX_INFOTIP, 0)
        << "the list-view's own tip would show beside the grid's";
  };
}

Step Cells(int item, const std::vector<std::string>& texts) {
  return [=](Driver& d) {
    for (int column = 0; column < static_cast<int>(texts.size()); ++column) {
      LVITEMA record = {};
      record.iSubItem = column;
      record.cchTextMax = 1024;
      std::string text;
      d.Remote(LVM_GETITEMTEXTA, item, &record, &text);
      EXPECT_EQ(text, d.Expand(texts[column])) << "row " << item << " column " << column;
    }
  };
}

Step ColumnsInProportion() {
  return [](Driver& d) {
    LRESULT width[3];
    for (int column = 0; column < 3; ++column)
      width[column] = Send(d.Grid(), LVM_GETCOLUMNWIDTH, column);
    EXPECT_TRUE(width[2] > width[0] && width[0] > width[1] && width[1] > 0)
        << width[0] << " " << width[1] << " " << width[2];
  };
}

Step Exits() {
  return [](Driver& d) { ASSERT_TRUE(WaitUntil([&] { return !d.Running(); })) << "still running"; };
}

Step Launched(const std::string& exe, const std::string& arguments, const std::string& folder) {
  return [=](Driver& d) {
    std::vector<std::string> launches;
    ASSERT_TRUE(WaitUntil([&] { return !(launches = Launches(d)).empty(); })) << "no start";
    const std::string program = d.Expand("{F}" + exe);
    EXPECT_EQ(launches, std::vector<std::string>{program + "|\"" + program + "\" " +
                                                 d.Expand(arguments) + "|" + d.Expand(folder)});
    // Seen: the next start of a journey is recorded afresh.
    DeleteFileA((d.Expand("{F}") + fake_member::kLaunchRecordFile).c_str());
  };
}

Step NoLaunch() {
  return [](Driver& d) { EXPECT_TRUE(Launches(d).empty()); };
}

Step FileHolds(const std::string& path, const std::string& bytes) {
  return [=](Driver& d) { EXPECT_EQ(ReadFile(d.Expand(path)), d.Expand(bytes)) << path; };
}

Step SettingsUnchanged() {
  return [](Driver& d) { EXPECT_EQ(ReadFile(d.Expand("{U}")), d.settingsAtStart); };
}

Step Screenshot(const std::string& name) {
  return [=](Driver&) {
    char folder[MAX_PATH] = {};
    if (GetEnvironmentVariableA("ORVENT_E2E_SCREENSHOTS", folder, MAX_PATH) == 0) return;
    // The script watching the folder takes the picture and removes the request.
    const std::string request = std::string(folder) + "\\" + name + ".request";
    ASSERT_TRUE(WriteFile(request, ""));
    EXPECT_TRUE(
        WaitUntil([&] { return GetFileAttributesA(request.c_str()) == INVALID_FILE_ATTRIBUTES; }));
  };
}

Step FollowsTheWindowsSize() {
  return [](Driver& d) {
    HWND w = d.windows.at(0);
    const RECT start = RectOf(w), grid = RectOf(w, IDC_RECENT_GRID);
    for (int edge = WMSZ_LEFT; edge <= WMSZ_BOTTOMRIGHT + 1; ++edge) {
      const bool left = edge == WMSZ_LEFT || edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT;
      const bool right = edge == WMSZ_RIGHT || edge == WMSZ_TOPRIGHT || edge == WMSZ_BOTTOMRIGHT;
      const bool top = edge >= WMSZ_TOP && edge <= WMSZ_TOPRIGHT, bottom = edge >= WMSZ_BOTTOM;
      // Smaller on the dragged sides; the last drag, by the top, is narrower
      // as well, which only the top is to keep.
      const bool narrower = edge > WMSZ_BOTTOMRIGHT;
      RECT r = {start.left + left * 60 + narrower * 30, start.top + (top || narrower) * 40,
                start.right - right * 60 - narrower * 30,
                start.bottom - (bottom && !narrower) * 40};
      // The system copies a WM_SIZING rectangle to the other process and back.
      SendMessageTimeoutA(w, WM_SIZING, narrower ? WMSZ_TOP : edge, reinterpret_cast<LPARAM>(&r), 0,
                          kTimeoutMs, nullptr);
      const RECT kept = {start.left + narrower * 30, start.top, start.right - narrower * 30,
                         start.bottom};
      EXPECT_TRUE(EqualRect(&r, &kept)) << "a drag of edge " << edge;
    }
    ASSERT_TRUE(SetWindowPos(w, nullptr, 0, 0, start.right - start.left + 200,
                             start.bottom - start.top + 150, SWP_NOMOVE | SWP_NOZORDER));
    ASSERT_TRUE(WaitUntil([&] { return RectOf(w, IDC_RECENT_GRID).right == grid.right + 200; }));
    const RECT g = RectOf(w, IDC_RECENT_GRID), frame = RectOf(w, IDC_RECENT_FRAME);
    EXPECT_EQ(g.bottom, grid.bottom + 150);
    RECT client = {};
    GetClientRect(w, &client);
    POINT clientBottom = {0, client.bottom};
    ClientToScreen(w, &clientBottom);
    EXPECT_LT(frame.bottom, clientBottom.y) << "the frame ends inside the window";
    for (int id : {IDC_EXIT, IDC_HELP_MANUAL, IDC_SELECT_APPLICATION})
      EXPECT_EQ(RectOf(w, id).right, g.right);
    for (int id : {IDC_DELETE_HISTORY, IDC_SELECT_APPLICATION, IDC_LAST_APPLICATION}) {
      EXPECT_EQ(RectOf(w, id).top, g.bottom + 5) << id;
      EXPECT_LT(RectOf(w, id).bottom, frame.bottom) << id << " stays inside the frame";
    }
    EXPECT_EQ(RectOf(w, IDC_DELETE_HISTORY).left, g.left);
    EXPECT_EQ(RectOf(w, IDC_LAST_APPLICATION).right, RectOf(w, IDC_SELECT_APPLICATION).left - 8);
  };
}

}  // namespace e2e
