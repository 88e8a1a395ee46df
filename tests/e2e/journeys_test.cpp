// The user's journeys through the real Selector, started in a program folder
// of its own with fake member applications beside it and driven from outside,
// as a user does, through window messages. A journey is a list of steps: what
// the user does, and what the user then sees in the windows and the files.
// Every wait gives up after seconds; whatever a test started ends with it. In
// the steps' texts "{P}" stands for the projects folder, "{F}" for the program
// folder, "{U}" for the user's settings file, "{C}" for the common seed.
#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "history/history_file.h"
#include "history/recent_grid.h"
#include "history/settings_file.h"
#include "launch/manual.h"
#include "launch/project_folder.h"
#include "launch/start_application.h"
#include "platform/version_info.h"
#include "project/project_dialog_model.h"
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
    if (condition() || GetTickCount64() >= deadline) return condition();
  }
}

// What a posted click or key changes shows a moment later.
template <typename Actual, typename T>
void ExpectSoon(Actual actual, const T& expected, const std::string& what) {
  WaitUntil([&] { return actual() == expected; }, 3000);
  EXPECT_EQ(actual(), expected) << what;
}

// The answer, or -1 from a window that has not answered for seconds.
LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(window, message, wParam, lParam, 0, kTimeoutMs, &result) ? result : -1;
}

void Post(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  ASSERT_TRUE(PostMessageA(window, message, wParam, lParam)) << "message " << message;
}

std::string TextOf(HWND window) {
  char text[4096] = {};
  return std::string(text, Send(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text)));
}

// A control's state, in words each between blanks.
std::string StateOf(HWND c) {
  GUITHREADINFO thread = {};
  thread.cbSize = sizeof thread;
  GetGUIThreadInfo(GetWindowThreadProcessId(c, nullptr), &thread);
  return std::string(Send(c, BM_GETCHECK) == BST_CHECKED ? " checked " : " unchecked ") +
         (IsWindowEnabled(c) ? "enabled " : "disabled ") +
         (IsWindowVisible(c) ? "visible " : "hidden ") + (thread.hwndFocus == c ? "focused " : "");
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "(no file)";
}

// Writes the file ("" for a folder), making its folder first; a trail byte
// 0x5C is no separator.
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

// A row of the history file, as the tests write and expect it.
struct Row {
  std::string name, application;
  int type;
  std::string location, code;
};

std::string HistoryBytes(const std::vector<Row>& rows) {
  std::string text =
      "!=== ORVENT Environment File ===\r\n! Recent Project (MAX:999)\r\n&RecentProject\r\n";
  for (size_t i = 0; i < rows.size(); ++i) {
    char line[2048];
    snprintf(line, sizeof line, "Recent%03d = \"%s\", \"%s\", %d, \"%s\", \"%s\",\r\n",
             static_cast<int>(i + 1), rows[i].name.c_str(), rows[i].application.c_str(),
             rows[i].type, rows[i].location.c_str(), rows[i].code.c_str());
    text += line;
  }
  return text + "/\r\n";
}

// A project file as the Selector makes it, with its own file version.
std::string ProjectBytes(int projectType) {
  return "! === ORVENT Basic Environment File ===\r\n\r\n!" + std::string(73, '=') +
         "\r\n&General_Parameters\r\nFileVersion = " +
         orvent::ThreePartVersionText({ORVENT_VERSION_MAJOR, ORVENT_VERSION_MINOR,
                                       ORVENT_VERSION_BUILD, ORVENT_VERSION_REVISION}) +
         ",\r\nProjectType = " + std::to_string(projectType) +
         ",\t! 0:Measurement, 1:Meso-Scale, 2:Engineering(DWS)\r\n/\r\n";
}

struct Driver;
using Step = std::function<void(Driver&)>;
struct Journey {
  const char* name;
  std::vector<Step> steps;
};
void PrintTo(const Journey& journey, std::ostream* out) { *out << journey.name; }

struct Driver : ::testing::TestWithParam<Journey> {
  std::vector<HWND> windows;  // in view: the selector window first, the latest dialog last
  // The user's settings file before the first start, and the scratch folder.
  std::string settingsAtStart, scratch;
  // What the steps' texts name, and the user's settings files, kept to be put back.
  std::vector<std::pair<std::string, std::string>> names, saved;
  std::vector<PROCESS_INFORMATION> processes;

  HWND Top() const { return windows.back(); }
  HWND Item(int id) const { return GetDlgItem(Top(), id); }
  HWND Grid() const { return GetDlgItem(windows.at(0), IDC_RECENT_GRID); }

  void SetUp() override {
    char selector[MAX_PATH] = {}, member[MAX_PATH] = {}, folder[MAX_PATH] = {};
    char appData[MAX_PATH] = {}, common[MAX_PATH] = {};
    GetEnvironmentVariableA("ORVENT_E2E_SELECTOR", selector, MAX_PATH);
    GetEnvironmentVariableA("ORVENT_E2E_MEMBER", member, MAX_PATH);
    GetEnvironmentVariableA("ORVENT_E2E_SCRATCH", folder, MAX_PATH);
    SHGetSpecialFolderPathA(nullptr, appData, CSIDL_APPDATA, FALSE);
    SHGetSpecialFolderPathA(nullptr, common, CSIDL_PROGRAM_FILES_COMMON, FALSE);
    scratch = std::string(folder) + "\\";
    const std::string program = scratch + GetParam().name + "\\",
                      settings = orvent::kSettingsFolder;
    names = {{"{P}", program + "Projects\\"},
             {"{F}", program},
             {"{U}", std::string(appData) + "\\" + settings + orvent::kSettingsFileName},
             {"{C}", std::string(common) + "\\" + settings + orvent::kSeedFolder +
                         orvent::kSettingsFileName}};
    ASSERT_TRUE(CreateDirectoryA(program.c_str(), nullptr)) << program;
    ASSERT_TRUE(CopyFileA(selector, (program + "ORVENTLancher.exe").c_str(), TRUE)) << selector;
    for (const char* exe : {"ORVENTBasic.exe", "ORVENTEnergy.exe", "ORVENTExtremeWind.exe",
                            "ORVENTWindFarm.exe", "ORVENTBasicEW.exe"}) {
      ASSERT_TRUE(CopyFileA(member, (program + exe).c_str(), TRUE)) << member;
    }
    ASSERT_TRUE(WriteFile(Expand("{P}"), ""));
    for (const std::string& path : {Expand("{U}"), Expand("{C}")}) {
      saved.emplace_back(path, ReadFile(path));
      DeleteFileA(path.c_str());
    }
    ASSERT_EQ(FindWindowA(ORVENT_WINDOW_CLASS, nullptr), nullptr) << "a Selector is running";
  }

  void TearDown() override {
    for (const PROCESS_INFORMATION& process : processes) {
      TerminateProcess(process.hProcess, 1);  // if it still runs
      WaitForSingleObject(process.hProcess, kTimeoutMs);
      CloseHandle(process.hProcess);
    }
    for (const auto& [path, bytes] : saved) {
      SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileA(path.c_str());
      if (bytes != "(no file)") WriteFile(path, bytes);
    }
  }

  std::string Expand(std::string text) const {
    for (const auto& [name, value] : names) {
      for (size_t at; (at = text.find(name)) != std::string::npos;) text.replace(at, 3, value);
    }
    return text;
  }

  // The window of the Selector started, once it shows; null if it ends first.
  HWND Start(const std::string& arguments) {
    if (processes.empty()) settingsAtStart = ReadFile(Expand("{U}"));
    std::string commandLine = Expand("\"{F}ORVENTLancher.exe\" " + arguments);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    EXPECT_TRUE(CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                               scratch.c_str(), &startup, &process));
    CloseHandle(process.hThread);
    processes.push_back(process);
    HWND window = nullptr;
    WaitUntil([&] {
      for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, ORVENT_WINDOW_CLASS, nullptr));) {
        DWORD id = 0;
        GetWindowThreadProcessId(w, &id);
        if (id == process.dwProcessId) window = w;
      }
      return IsWindowVisible(window) || !Running();
    });
    return window;
  }

  // Of the Selectors started, counted from 0; -1 is the latest.
  bool Running(int which = -1) const {
    const PROCESS_INFORMATION& p = processes.at(which < 0 ? processes.size() - 1 : which);
    return WaitForSingleObject(p.hProcess, 0) == WAIT_TIMEOUT;
  }

  // A grid message whose record, and text after it, go to the Selector's memory and back.
  template <typename Record>
  LRESULT Remote(UINT message, WPARAM wParam, Record* record, std::string* text = nullptr) const {
    DWORD id = 0;
    GetWindowThreadProcessId(Grid(), &id);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, 0, id);
    char* at =
        static_cast<char*>(VirtualAllocEx(process, nullptr, 4096, MEM_COMMIT, PAGE_READWRITE));
    char got[2048] = {};
    if (text != nullptr) reinterpret_cast<LVITEMA*>(record)->pszText = at + sizeof got;
    WriteProcessMemory(process, at, record, sizeof *record, nullptr);
    const LRESULT result = Send(Grid(), message, wParam, reinterpret_cast<LPARAM>(at));
    ReadProcessMemory(process, at, record, sizeof *record, nullptr);
    ReadProcessMemory(process, at + sizeof got, got, sizeof got - 1, nullptr);
    if (text != nullptr) *text = got;
    VirtualFreeEx(process, at, 0, MEM_RELEASE);
    CloseHandle(process);
    return result;
  }

  // A visible dialog owned by the top one, with the title (any, for ""); not
  // the grid's tooltip, which the pointer resting on the grid may show.
  HWND Owned(const std::string& title) const {
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
      char name[16] = {};
      GetClassNameA(w, name, sizeof name);
      if (GetWindow(w, GW_OWNER) == Top() && IsWindowVisible(w) && !lstrcmpA(name, "#32770") &&
          (title.empty() || TextOf(w) == title)) {
        return w;
      }
    }
    return nullptr;
  }
};

// Set-up.
const auto File = [](const std::string& path, const std::string& bytes) -> Step {
  return [=](Driver& d) { ASSERT_TRUE(WriteFile(d.Expand(path), d.Expand(bytes))) << path; };
};
const auto History = [](const std::vector<Row>& rows) { return File("{U}", HistoryBytes(rows)); };
const auto ReadOnly = [](const std::string& path) -> Step {
  return [=](Driver& d) {
    ASSERT_TRUE(SetFileAttributesA(d.Expand(path).c_str(), FILE_ATTRIBUTE_READONLY));
  };
};
const auto Member = [](const std::string& exe, bool present) -> Step {
  return [=](Driver& d) {
    const std::string path = d.Expand("{F}" + exe), model = d.Expand("{F}ORVENTEnergy.exe");
    ASSERT_TRUE(present ? CopyFileA(model.c_str(), path.c_str(), TRUE) : DeleteFileA(path.c_str()));
  };
};

// What the user does.
const auto Start = [](const std::string& arguments = "") -> Step {
  return [=](Driver& d) {
    d.windows = {d.Start(arguments)};
    ASSERT_TRUE(IsWindowVisible(d.Top())) << "no selector window";
  };
};
const auto Press = [](int id) -> Step { return [=](Driver& d) { Post(d.Item(id), BM_CLICK); }; };
const auto Type = [](int id, const std::string& text) -> Step {
  return [=](Driver& d) {
    const std::string typed = d.Expand(text);
    ASSERT_EQ(Send(d.Item(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed.c_str())), TRUE);
  };
};
// Pressed in a control of the top window: the grid, unless another is named.
const auto Key = [](unsigned key, int times = 1, int id = IDC_RECENT_GRID) -> Step {
  return [=](Driver& d) {
    const LPARAM down = 1 | static_cast<LPARAM>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC)) << 16;
    for (int i = 0; i < times; ++i) {
      Post(d.Item(id), WM_KEYDOWN, key, down);
      Post(d.Item(id), WM_KEYUP, key, down | 0xC0000000);
    }
  };
};
const auto F1 = [](int id) { return Key(VK_F1, 1, id); };
// A click, or a double click, and its release at a point of the grid.
void Click(Driver& d, UINT message, LPARAM at) {
  Post(d.Grid(), message, MK_LBUTTON, at);
  Post(d.Grid(), WM_LBUTTONUP, 0, at);
}
// An item's label, in the grid's client coordinates.
RECT ItemRect(Driver& d, int item) {
  RECT r = {LVIR_LABEL, 0, 0, 0};
  EXPECT_GT(d.Remote(LVM_GETITEMRECT, item, &r), 0) << "no item " << item;
  return r;
}
LPARAM Middle(const RECT& r) { return MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2); }
const auto DoubleClick = [](int item) -> Step {
  return [=](Driver& d) { Click(d, WM_LBUTTONDBLCLK, Middle(ItemRect(d, item))); };
};
// Characters typed in the grid after a pause, as an input method gives them.
const auto Typed = [](const std::wstring& chars) -> Step {
  return [=](Driver& d) {
    Sleep(1100);
    for (const wchar_t c : chars) ASSERT_TRUE(PostMessageW(d.Grid(), WM_CHAR, c, 1));
  };
};
// Files dropped onto the selector window, as the shell hands them over.
const auto Drop = [](const std::vector<std::string>& paths) -> Step {
  return [=](Driver& d) {
    DROPFILES header = {};
    header.pFiles = sizeof header;
    std::string block(reinterpret_cast<const char*>(&header), sizeof header);
    for (const std::string& path : paths) block += d.Expand(path) + '\0';
    block += '\0';
    DWORD id = 0;
    GetWindowThreadProcessId(d.windows.at(0), &id);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, id);
    void* at = VirtualAllocEx(process, nullptr, block.size(), MEM_COMMIT, PAGE_READWRITE);
    ASSERT_TRUE(at && WriteProcessMemory(process, at, block.data(), block.size(), nullptr));
    CloseHandle(process);
    EXPECT_TRUE(GetWindowLongA(d.windows.at(0), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    Post(d.windows.at(0), WM_DROPFILES, reinterpret_cast<WPARAM>(at));
  };
};
const Step ClickBelowTheRows = [](Driver& d) {
  RECT client = {};
  GetClientRect(d.Grid(), &client);
  Click(d, WM_LBUTTONDOWN, MAKELPARAM(20, client.bottom - 4));
};
// From the system menu.
const auto System = [](unsigned id) -> Step {
  return [=](Driver& d) { Post(d.Top(), WM_SYSCOMMAND, id); };
};
// The window moved mostly past the screen's bottom right corner.
const Step ToTheCorner = [](Driver& d) {
  ASSERT_TRUE(SetWindowPos(d.Top(), nullptr, GetSystemMetrics(SM_CXSCREEN) - 100,
                           GetSystemMetrics(SM_CYSCREEN) - 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER));
};
// A dialog (a message box when the title is "") comes; the next steps are in it.
const auto Opens = [](const std::string& title) -> Step {
  return [=](Driver& d) {
    HWND found = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (found = d.Owned(title)) != nullptr; })) << title;
    d.windows.push_back(found);
  };
};
const Step NothingOpens = [](Driver& d) {
  Sleep(500);
  Send(d.Top(), WM_NULL);  // whatever the key asked for is done
  EXPECT_EQ(d.Owned(""), nullptr) << TextOf(d.Owned(""));
};
const Step Closes = [](Driver& d) {
  HWND window = d.Top();
  d.windows.pop_back();
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(window); })) << "the window stays";
  // Once the window below answers, it has done what the closing asked of it.
  Send(d.Top(), WM_NULL);
};
// A message box with the text, titled with the program's name, answered.
const auto Message = [](const std::string& text, int button) -> Step {
  return [=](Driver& d) {
    ASSERT_NO_FATAL_FAILURE(Opens("")(d)) << "no message " << text;
    EXPECT_EQ(TextOf(GetDlgItem(d.Top(), 0xFFFF)), d.Expand(text));
    EXPECT_EQ(TextOf(d.Top()), "ORVENTLancher");
    ASSERT_NE(d.Item(button), nullptr) << "no button " << button;
    Press(button)(d);
    Closes(d);
  };
};
// Types the path into a file or folder chooser's name box and accepts it.
const auto Choose = [](const std::string& path) -> Step {
  return [=](Driver& d) {
    // The open dialog's name box is an edit inside a combo box; the folder
    // chooser has an edit of its own.
    HWND combo = Descendant(d.Top(), "ComboBoxEx32", 1148);
    HWND edit = combo ? Descendant(combo, "Edit", 0) : Descendant(d.Top(), "Edit", 1152);
    HWND accept = Descendant(d.Top(), "Button", IDOK);
    ASSERT_TRUE(edit && accept) << "not a chooser this driver knows";
    const std::string typed = d.Expand(path);
    Send(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed.c_str()));
    Post(accept, BM_CLICK);
    Closes(d);
  };
};
// A second start ends without a window and restores and raises the first one.
const Step SecondStart = [](Driver& d) {
  HWND first = d.windows.at(0);
  ShowWindow(first, SW_MINIMIZE);
  // Something else has the front, so that the first window must be raised.
  HWND other = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 700, 500, 200,
                               100, nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return IsIconic(first) && SetForegroundWindow(other); }));
  EXPECT_EQ(d.Start("\"D:\\Some Project\\Site A.mbc\""), nullptr) << "a second selector window";
  EXPECT_FALSE(d.Running()) << "the second start still runs";
  EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == first && !IsIconic(first); }))
      << "the first Selector is not restored in front";
  EXPECT_TRUE(d.Running(0));
  DestroyWindow(other);
};

// What the user sees.
// The top window centred over the one below it, or on the work area, and
// inside the work area.
const Step Centred = [](Driver& d) {
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoA(MonitorFromWindow(d.Top(), MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT r = RectOf(d.Top()), area = monitor.rcWork;
  const RECT over = d.windows.size() > 1 ? RectOf(d.windows[d.windows.size() - 2]) : area;
  const int width = r.right - r.left, height = r.bottom - r.top;
  const int left = (over.left + over.right) / 2 - width / 2;
  const int top = (over.top + over.bottom) / 2 - height / 2;
  EXPECT_EQ(r.left, std::max<int>(area.left, std::min<int>(left, area.right - width)));
  EXPECT_EQ(r.top, std::max<int>(area.top, std::min<int>(top, area.bottom - height)));
};
// The text of a control of the top window (id 0: the second child, which has none).
const auto Shows = [](int id, const std::string& text) -> Step {
  return [=](Driver& d) {
    HWND c = id ? d.Item(id) : GetWindow(GetWindow(d.Top(), GW_CHILD), GW_HWNDNEXT);
    ExpectSoon([&] { return TextOf(c); }, d.Expand(text), "text of " + std::to_string(id));
  };
};
// One word of the state of a control of the top window, such as "checked" or "hidden".
const auto Is = [](int id, const std::string& state) -> Step {
  return [=](Driver& d) {
    const auto has = [&] {
      return StateOf(d.Item(id)).find(" " + state + " ") != std::string::npos;
    };
    ExpectSoon(has, true, std::to_string(id) + " is" + StateOf(d.Item(id)) + "not " + state);
  };
};
// The rows, and the current row, which is the highlighted one and no other.
const auto Rows = [](int count, int current) -> Step {
  return [=](Driver& d) {
    ExpectSoon([&] { return Send(d.Grid(), LVM_GETITEMCOUNT); }, LRESULT{count}, "rows");
    ExpectSoon([&] { return Send(d.Grid(), LVM_GETNEXTITEM, -1, LVNI_FOCUSED); }, LRESULT{current},
               "current row");
    EXPECT_EQ(Send(d.Grid(), LVM_GETNEXTITEM, -1, LVNI_SELECTED), current) << "the highlighted row";
    EXPECT_EQ(Send(d.Grid(), LVM_GETSELECTEDCOUNT), current < 0 ? 0 : 1);
  };
};
const auto Cells = [](int item, const std::vector<std::string>& texts) -> Step {
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
};
// The location column widest, then the name, then the application, and no
// horizontal scroll bar; the grid's own tooltip without the list-view's info
// tip beside it.
const Step TheGridsLook = [](Driver& d) {
  LRESULT width[3];
  for (int column = 0; column < 3; ++column)
    width[column] = Send(d.Grid(), LVM_GETCOLUMNWIDTH, column);
  EXPECT_TRUE(width[2] > width[0] && width[0] > width[1] && width[1] > 0)
      << width[0] << " " << width[1] << " " << width[2];
  EXPECT_EQ(Send(d.Grid(), LVM_GETEXTENDEDLISTVIEWSTYLE) & LVS_EX_INFOTIP, 0);
  EXPECT_EQ(GetWindowLongA(d.Grid(), GWL_STYLE) & WS_HSCROLL, 0) << "a horizontal scroll bar";
};
const Step Exits = [](Driver& d) { ASSERT_TRUE(WaitUntil([&] { return !d.Running(); })); };
const auto FileHolds = [](const std::string& path, const std::string& bytes) -> Step {
  return [=](Driver& d) { EXPECT_EQ(ReadFile(d.Expand(path)), d.Expand(bytes)) << path; };
};
const auto Settings = [](const std::vector<Row>& rows) {
  return FileHolds("{U}", HistoryBytes(rows));
};
const Step SettingsUnchanged = [](Driver& d) {
  EXPECT_EQ(ReadFile(d.Expand("{U}")), d.settingsAtStart);
};
const std::string kLaunches = std::string("{F}") + fake_member::kLaunchRecordFile;
const Step NoLaunch = FileHolds(kLaunches, "(no file)");
// The one member application started, its command line and working folder.
const auto Launched = [](const std::string& exe, const std::string& arguments,
                         const std::string& folder) -> Step {
  return [=](Driver& d) {
    ASSERT_TRUE(WaitUntil([&] { return ReadFile(d.Expand(kLaunches)).back() == '\n'; }));
    FileHolds(kLaunches,
              "{F}" + exe + "|\"{F}" + exe + "\" " + arguments + "|" + folder + "\r\n")(d);
    DeleteFileA(d.Expand(kLaunches).c_str());  // the next start is recorded afresh
  };
};
// With ORVENT_E2E_SCREENSHOTS, a script watching that folder takes the
// picture and removes the request.
const auto Screenshot = [](const std::string& name) -> Step {
  return [=](Driver&) {
    char folder[MAX_PATH] = {};
    if (GetEnvironmentVariableA("ORVENT_E2E_SCREENSHOTS", folder, MAX_PATH) == 0) return;
    char dpi[8] = {};
    const std::string suffix =
        GetEnvironmentVariableA("ORVENT_E2E_DPI", dpi, sizeof dpi) ? std::string("_") + dpi : "";
    const std::string request = std::string(folder) + "\\" + name + suffix + ".request";
    ASSERT_TRUE(WriteFile(request, ""));
    EXPECT_TRUE(
        WaitUntil([&] { return GetFileAttributesA(request.c_str()) == INVALID_FILE_ATTRIBUTES; }));
  };
};

// A drag of any edge or corner stops at the size the window started with; a
// larger window takes the grid, its frame and the buttons along.
const Step FollowsTheWindowsSize = [](Driver& d) {
  HWND w = d.windows.at(0);
  const RECT start = RectOf(w), grid = RectOf(w, IDC_RECENT_GRID);
  for (int edge = WMSZ_LEFT; edge <= WMSZ_BOTTOMRIGHT + 1; ++edge) {
    const bool left = edge == WMSZ_LEFT || edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT;
    const bool right = edge == WMSZ_RIGHT || edge == WMSZ_TOPRIGHT || edge == WMSZ_BOTTOMRIGHT;
    const bool top = edge >= WMSZ_TOP && edge <= WMSZ_TOPRIGHT, bottom = edge >= WMSZ_BOTTOM;
    // The last drag, by the top, is narrower as well, which only the top is to keep.
    const bool narrower = edge > WMSZ_BOTTOMRIGHT;
    RECT r = {start.left + left * 60 + narrower * 30, start.top + (top || narrower) * 40,
              start.right - right * 60 - narrower * 30, start.bottom - (bottom && !narrower) * 40};
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

// The class of pop-up menus, by its atom.
const char* const kMenuClass = MAKEINTATOM(32768);
// The grid's context menu, opened by a right-click on an item or from the
// keyboard; the item at `choice` is chosen (-1: Escape closes it).
const auto Menu = [](int item, int choice, const std::string& screenshot = "") -> Step {
  return [=](Driver& d) {
    if (item >= 0) {
      const LPARAM at = Middle(ItemRect(d, item));
      // Where the pointer is, lest the list-view take the click for a drag.
      POINT screen = {LOWORD(at), HIWORD(at)};
      ClientToScreen(d.Grid(), &screen);
      SetCursorPos(screen.x, screen.y);
      Post(d.Grid(), WM_RBUTTONDOWN, MK_RBUTTON, at);
      Post(d.Grid(), WM_RBUTTONUP, 0, at);
    } else {
      // Shift+F10 (item -1) or the menu key (-2) as the keyboard gives it, to
      // the grid, which has the focus.
      SetForegroundWindow(d.windows.at(0));
      const BYTE key = item == -1 ? VK_F10 : VK_APPS;
      if (item == -1) keybd_event(VK_SHIFT, 0, 0, 0);
      keybd_event(key, 0, 0, 0);
      keybd_event(key, 0, KEYEVENTF_KEYUP, 0);
      if (item == -1) keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
    }
    HWND menu = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(menu = FindWindowA(kMenuClass, nullptr)); }))
        << "no menu";
    if (!screenshot.empty()) Screenshot(screenshot)(d);
    for (int i = 0; i <= choice; ++i) Post(menu, WM_KEYDOWN, VK_DOWN, 1);
    Post(menu, WM_KEYDOWN, choice < 0 ? VK_ESCAPE : VK_RETURN, 1);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(menu); })) << "the menu stays";
  };
};
// The clipboard holds the text as ANSI and as Unicode text.
const auto Clipboard = [](const std::string& text) -> Step {
  return [=](Driver& d) {
    const std::string expected = d.Expand(text);
    wchar_t wide[1024] = {};
    MultiByteToWideChar(CP_ACP, 0, expected.c_str(), -1, wide, 1024);
    std::string ansi;
    std::wstring unicode;
    WaitUntil([&] {
      if (!OpenClipboard(nullptr)) return false;
      HANDLE a = GetClipboardData(CF_TEXT), w = GetClipboardData(CF_UNICODETEXT);
      ansi = a ? static_cast<const char*>(GlobalLock(a)) : "";
      unicode = w ? static_cast<const wchar_t*>(GlobalLock(w)) : L"";
      CloseClipboard();
      return ansi == expected;
    });
    EXPECT_EQ(ansi, expected);
    EXPECT_TRUE(unicode == wide) << "the Unicode text differs";
  };
};
// An item's text drawn in the grey of a gone project, or not: the darkest
// pixel of its label on the screen.
const auto Greyed = [](int item, bool grey) -> Step {
  return [=](Driver& d) {
    RECT r = ItemRect(d, item);
    MapWindowPoints(d.Grid(), nullptr, reinterpret_cast<POINT*>(&r), 2);
    const COLORREF g = GetSysColor(COLOR_GRAYTEXT);
    const int greyLevel = (GetRValue(g) + GetGValue(g) + GetBValue(g)) / 3;
    const int width = r.right - r.left, height = r.bottom - r.top;
    int darkest = 255;
    const auto looks = [&] {
      HDC screen = GetDC(nullptr), memory = CreateCompatibleDC(screen);
      HGDIOBJ old = SelectObject(memory, CreateCompatibleBitmap(screen, width, height));
      BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
      darkest = 255;
      for (int i = 0; i < width * height; ++i) {
        const COLORREF c = GetPixel(memory, i % width, i / width);
        darkest = std::min(darkest, (GetRValue(c) + GetGValue(c) + GetBValue(c)) / 3);
      }
      DeleteObject(SelectObject(memory, old));
      DeleteDC(memory);
      ReleaseDC(nullptr, screen);
      return grey ? std::abs(darkest - greyLevel) < 30 : darkest < greyLevel - 40;
    };
    EXPECT_TRUE(WaitUntil(looks, 5000)) << "item " << item << ": darkest " << darkest;
  };
};
// Each text of the top window's buttons and static texts fits its control,
// measured in the dialogs' font at the screen's DPI.
const Step NothingClipped = [](Driver& d) {
  HDC dc = GetDC(d.Top());
  HFONT font = CreateFontA(-MulDiv(8, GetDeviceCaps(dc, LOGPIXELSY), 72), 0, 0, 0, FW_NORMAL, 0, 0,
                           0, DEFAULT_CHARSET, 0, 0, 0, 0, "MS Shell Dlg");
  HGDIOBJ old = SelectObject(dc, font);
  for (HWND c = GetWindow(d.Top(), GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    char name[32] = {};
    GetClassNameA(c, name, sizeof name);
    const std::string text = TextOf(c);
    if (!IsWindowVisible(c) || text.empty() ||
        (lstrcmpiA(name, "Button") && lstrcmpiA(name, "Static")))
      continue;
    const LONG type = lstrcmpiA(name, "Button") ? -1 : GetWindowLongA(c, GWL_STYLE) & BS_TYPEMASK;
    // Room beside a check box's or radio button's mark, or a button's edges.
    const int room =
        type > BS_DEFPUSHBUTTON && type != BS_GROUPBOX ? GetSystemMetrics(SM_CXMENUCHECK) + 4 : 4;
    RECT client = {}, need = {};
    GetClientRect(c, &client);
    need.right = client.right - room;
    DrawTextA(dc, text.c_str(), -1, &need, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_LE(need.right, client.right - room) << text;
    EXPECT_TRUE(type == BS_GROUPBOX || need.bottom <= client.bottom) << text << " wraps";
    // A radio button lies wholly inside the group box around its top.
    const RECT r = RectOf(c);
    bool framed = type != BS_AUTORADIOBUTTON;
    for (HWND g = GetWindow(d.Top(), GW_CHILD); g && !framed; g = GetWindow(g, GW_HWNDNEXT)) {
      const RECT f = RectOf(g);
      framed = IsWindowVisible(g) && (GetWindowLongA(g, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX &&
               PtInRect(&f, {r.left, r.top}) && r.bottom <= f.bottom;
    }
    EXPECT_TRUE(framed) << text << " sticks out of its frame";
  }
  SelectObject(dc, old);
  DeleteObject(font);
  ReleaseDC(d.Top(), dc);
};

// Code page 932 names, each holding a trail byte 0x5C.
const std::string kHyouji = "\x95\x5C\x8E\xA6";            // 表示
const std::string kSoftware = "\x83\x5C\x83\x74\x83\x67";  // ソフト
const std::string kNouryoku = "\x94\x5C\x97\xCD";          // 能力
const std::string kCreate = orvent::kCreateModeTexts.title;
const std::string kOpen = orvent::kOpenModeTexts.title;
const std::string kSiteA = "{P}Wind Work\\Site A\\Site A.mbc";
const std::string kJapanese = "{P}" + kSoftware + "\\" + kHyouji + ".mbc";
const std::string kNouryokuProject = "{P}" + kNouryoku + "\\" + kNouryoku + ".mbc";
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
  return std::vector<Step>({History(rows), File(kJapanese, ProjectBytes(0)), Start(), Key(VK_DOWN),
                            ClickBelowTheRows, Rows(3, 1), ask,
                            Message(orvent::kMsgDeleteQuestion, answer), Rows(gone ? 2 : 3, 1),
                            gone ? Settings({rows[0], rows[2]}) : SettingsUnchanged,
                            Cells(1, {gone ? "Site 2 [TD]" : kHyouji + " [WGS]"}),
                            FileHolds(kJapanese, ProjectBytes(0)), Press(IDC_EXIT), Exits});
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
     {Start(), Centred, Rows(0, -1), TheGridsLook, Settings({}), System(SC_CLOSE), Exits}},
    {"ASeedInTheCommonFolderIsCopiedForTheUser",
     {File("{C}", Seed("C:\\Common\\")), File("{F}orvent.ini", Seed("C:\\Program\\")), Start(),
      Settings({{kHyouji, "Wind Farm", 4, "C:\\Common\\" + kSoftware + "\\", "WGS"},
                {"Site B", "Energy", 1, "C:\\Common\\Site B\\", "JGD"}}),
      Cells(1, {"Site B [JGD]", "Energy", "C:\\Common\\Site B\\"}),
      FileHolds("{C}", Seed("C:\\Common\\")), Press(IDC_EXIT), Exits}},
    {"ANewProjectIsMadeStartedAndRemembered",
     {History({kThree[0]}), File("{P}" + kSoftware + "\\", ""), Start(),
      Press(IDC_CREATE_NEW_PROJECT), Opens(kCreate), Centred, Is(IDC_GEO_TOKYO, "hidden"),
      Is(IDC_TYPE_EXTREME_WIND, "visible"),
      Shows(IDC_PROJECT_OK, orvent::kCreateModeTexts.okButton), Is(IDC_APP_BASIC, "checked"),
      Is(IDC_APP_ENERGY, "disabled"),
      // A refusal puts the focus where the fault is.
      Press(IDC_PROJECT_OK), Message(orvent::kMsgNameInvalid, IDOK),
      Is(IDC_PROJECT_NAME, "focused"), Type(IDC_PROJECT_NAME, kHyouji),
      Type(IDC_LOCATION, "{P}" + kSoftware + "\\"), Screenshot("project_create"),
      Press(IDC_PROJECT_OK), Exits,
      FileHolds("{P}" + kSoftware + "\\" + kHyouji + "\\" + kHyouji + ".mbc", ProjectBytes(0)),
      Launched("ORVENTBasic.exe",
               "/nofm {P}" + kSoftware + "\\" + kHyouji + "\\" + kHyouji + ".mbc",
               "{P}" + kSoftware + "\\" + kHyouji),
      Settings({{kHyouji, "Basic", 0, "{P}" + kSoftware + "\\" + kHyouji + "\\", "TD"}, kThree[0]}),
      Start(), Rows(2, 0), Cells(0, {kHyouji + " [TD]", "Basic"}), Press(IDC_EXIT), Exits}},
    {"AFullWidthSpaceStaysInTheNameAndTheFolder",
     {File(kSpaced, ""), Start(), Press(IDC_CREATE_NEW_PROJECT), Opens(kCreate),
      Type(IDC_PROJECT_NAME, kSpacedName), Type(IDC_LOCATION, kSpaced), Press(IDC_PROJECT_OK),
      Exits, FileHolds(kSpacedProject, ProjectBytes(0)),
      Launched("ORVENTBasic.exe", "/nofm " + kSpacedProject, kSpaced + kSpacedName),
      Settings({{kSpacedName, "Basic", 0, kSpaced + kSpacedName + "\\", "TD"}}), Start(),
      Rows(1, 0), Cells(0, {kSpacedName + " [TD]"}), DoubleClick(0), Exits,
      Launched("ORVENTBasic.exe", "/nofm " + kSpacedProject, kSpaced + kSpacedName)}},
    {"ADoubleClickStartsARowWithItsApplication",
     ThreeProjectsAnd(
         {Key(VK_DOWN), DoubleClick(1), Exits,
          Launched("ORVENTBasic.exe", "/nofm \"" + kSiteA + "\"", "{P}Wind Work\\Site A"),
          Settings({kThree[1], kThree[0], kThree[2]})})},
    {"LastApplicationStartsTheCurrentRow",
     ThreeProjectsAnd(
         {Key(VK_DOWN, 2), Press(IDC_LAST_APPLICATION), Exits,
          Launched("ORVENTExtremeWind.exe",
                   "/dws2 /nofm {P}" + kNouryoku + "\\" + kNouryoku + ".mbc", "{P}" + kNouryoku),
          Settings({kThree[2], kThree[0], kThree[1]})})},
    {"SelectApplicationStartsTheRowWithAnother",
     ThreeProjectsAnd(
         {Key(VK_DOWN), Press(IDC_SELECT_APPLICATION), Opens(kOpen),
          Shows(IDC_PROJECT_NAME, "Site A"), Shows(IDC_LOCATION, kSiteA),
          Is(IDC_REFERENCE, "disabled"), Is(IDC_APP_BASIC, "checked"), Press(IDC_APP_ENGINEERING),
          Is(IDC_APP_ENGINEERING, "checked"), Press(IDC_PROJECT_OK), Exits,
          Launched("ORVENTEnergy.exe", "/weng /nofm \"" + kSiteA + "\"", "{P}Wind Work\\Site A"),
          Settings({{"Site A", "Wind Climate", 0, "{P}Wind Work\\Site A\\", "TD"},
                    kThree[0],
                    kThree[2]})})},
    {"TheDeleteButtonDeletesWhenConfirmed", DeleteSecondRow(Press(IDC_DELETE_HISTORY), IDOK)},
    {"TheDeleteKeyAsksFirst", DeleteSecondRow(Key(VK_DELETE), IDCANCEL)},
    {"ACommandLineProjectOpensTheProjectDialogOnce",
     {File(kJapanese, ProjectBytes(0)), Start("/x \"" + kJapanese + "\""), Opens(kOpen),
      Shows(IDC_LOCATION, kJapanese), Shows(IDC_PROJECT_OK, orvent::kOpenModeTexts.okButton),
      Is(IDC_APP_BASIC, "checked"), Screenshot("project_open"), Press(IDC_PROJECT_CANCEL), Closes,
      Press(IDC_SELECT_OPEN_PROJECT), Opens(kOpen), Shows(IDC_LOCATION, ""),
      Is(IDC_APP_BASIC, "disabled"), Press(IDC_PROJECT_CANCEL), Closes, NoLaunch, Press(IDC_EXIT),
      Exits}},
    // A history that cannot be saved is told of once, as the Selector ends:
    // after a start, whose application stays started, or on Exit.
    {"AHistoryThatCannotBeSavedIsToldOfOnce",
     ThreeProjectsAnd(
         {ReadOnly("{U}"), Key(VK_DOWN), Press(IDC_DELETE_HISTORY),
          Message(orvent::kMsgDeleteQuestion, IDOK), Rows(2, 1), Press(IDC_LAST_APPLICATION),
          Message(orvent::HistoryNotSavedMessage("{U}"), IDOK), Exits,
          Launched("ORVENTExtremeWind.exe",
                   "/dws2 /nofm {P}" + kNouryoku + "\\" + kNouryoku + ".mbc", "{P}" + kNouryoku),
          SettingsUnchanged})},
    {"AHistoryThatCannotBeSavedIsToldOfOnExit",
     ThreeProjectsAnd({ReadOnly("{U}"), Key(VK_DELETE), Message(orvent::kMsgDeleteQuestion, IDOK),
                       Rows(2, 0), Press(IDC_EXIT),
                       Message(orvent::HistoryNotSavedMessage("{U}"), IDOK), Exits, NoLaunch,
                       SettingsUnchanged})},
    {"AStartThatCannotHappenIsReportedAndChangesNothing",
     {History({{"Gone", "Energy", 1, "{P}Gone\\", "JGD"}, kThree[1]}),
      File(kSiteA, ProjectBytes(0)), Member("ORVENTBasic.exe", false), Start(),
      Press(IDC_LAST_APPLICATION), Message(orvent::kMsgProjectNotFound, IDOK), Key(VK_DOWN),
      Press(IDC_LAST_APPLICATION), Message(orvent::kMsgNotStarted, IDOK), SettingsUnchanged,
      Rows(2, 1), NoLaunch, Member("ORVENTBasic.exe", true), Press(IDC_LAST_APPLICATION), Exits,
      Launched("ORVENTBasic.exe", "/nofm \"" + kSiteA + "\"", "{P}Wind Work\\Site A")}},
    // A wind power project: Energy must be picked before Wind power may be.
    {"AProjectFileIsChosenAndStarted",
     {File(kSiteA, ProjectBytes(4)), Start(), Press(IDC_SELECT_OPEN_PROJECT), Opens(kOpen),
      Press(IDC_REFERENCE), Opens(orvent::kProjectFileChooserTitle), Choose(kSiteA),
      Shows(IDC_PROJECT_NAME, "Site A"), Shows(IDC_LOCATION, kSiteA), Is(IDC_APP_BASIC, "checked"),
      Is(IDC_TYPE_WIND_POWER, "checked"), Is(IDC_TYPE_WIND_POWER, "visible"),
      Is(IDC_TYPE_WIND_POWER, "disabled"), Press(IDC_APP_ENERGY),
      Is(IDC_TYPE_WIND_POWER, "enabled"), Press(IDC_PROJECT_OK), Exits,
      Launched("ORVENTWindFarm.exe", "/windpower /nofm \"" + kSiteA + "\"", "{P}Wind Work\\Site A"),
      Settings({{"Site A", "Wind Farm", 4, "{P}Wind Work\\Site A\\", "TD"}})}},
    {"AFolderIsChosenForANewProject",
     {File("{P}" + kSoftware + "\\", ""), Start(), Press(IDC_CREATE_NEW_PROJECT), Opens(kCreate),
      Type(IDC_PROJECT_NAME, "Site C"), Press(IDC_REFERENCE), Opens(""),
      Choose("{P}" + kSoftware + "\\"), Shows(IDC_LOCATION, "{P}" + kSoftware + "\\"),
      Press(IDC_PROJECT_OK), Exits,
      FileHolds("{P}" + kSoftware + "\\Site C\\Site C.mbc", ProjectBytes(0)),
      Launched("ORVENTBasic.exe", "/nofm \"{P}" + kSoftware + "\\Site C\\Site C.mbc\"",
               "{P}" + kSoftware + "\\Site C")}},
    {"TheAboutBoxShowsTheVersion",
     {Start(), System(IDM_ABOUTBOX), Opens(""), Centred,
      Shows(0, "ORVENT Project Selector Version " +
                   orvent::VersionLine("", {ORVENT_VERSION_MAJOR, ORVENT_VERSION_MINOR,
                                            ORVENT_VERSION_BUILD, ORVENT_VERSION_REVISION})),
      Screenshot("about"), Press(IDOK), Closes, Press(IDC_EXIT), Exits}},
    {"F1AsksForTheManualInTheSelectorWindowOnly",
     {Start(),
      F1(IDC_RECENT_GRID),
      Message(orvent::kMsgNoManual, IDOK),
      Press(IDC_CREATE_NEW_PROJECT),
      Opens(kCreate),
      F1(IDC_PROJECT_NAME),
      NothingOpens,
      Press(IDC_PROJECT_CANCEL),
      Closes,
      ToTheCorner,
      System(IDM_ABOUTBOX),
      Opens(""),
      Centred,
      F1(IDOK),
      NothingOpens,
      Press(IDOK),
      Closes,
      Press(IDC_HELP_MANUAL),
      Message(orvent::kMsgNoManual, IDOK),
      Press(IDC_EXIT),
      Exits}},
    {"TypingFindsAProjectByTheStartOfItsName",
     ThreeProjectsAnd({Typed(L"si"), Rows(3, 1), Typed(L"\x80FD"), Rows(3, 2), Typed(L"x"),
                       Rows(3, 2), Typed(L"S"), Rows(3, 0), Press(IDC_EXIT), Exits})},
    // Open Containing Folder, Copy Path, Delete, Select Application and Start
    // with Last Application, from a right-click or the menu key.
    {"TheContextMenuActsOnTheRow",
     {History({{"Gone", "Energy", 1, "{P}Gone\\", "JGD"}, kThree[1], kThree[2]}),
      File(kSiteA, ProjectBytes(0)),
      File(kNouryokuProject, ProjectBytes(3)),
      Start(),
      Menu(0, 2),
      Message(orvent::kMsgFolderNotFound, IDOK),
      Menu(2, 3, "context_menu"),
      Rows(3, 2),
      Clipboard(kNouryokuProject),
      Menu(-1, 4),
      Message(orvent::kMsgDeleteQuestion, IDCANCEL),
      Rows(3, 2),
      Menu(-1, 1),
      Opens(kOpen),
      Shows(IDC_PROJECT_NAME, kNouryoku),
      Press(IDC_PROJECT_CANCEL),
      Closes,
      Menu(1, 0),
      Exits,
      Launched("ORVENTBasic.exe", "/nofm \"" + kSiteA + "\"", "{P}Wind Work\\Site A")}},
    {"AGoneProjectIsDrawnGrey",
     {History({kThree[1], {"Gone", "Energy", 1, "{P}Gone\\", "JGD"}, kThree[2]}),
      File(kSiteA, ProjectBytes(0)), File(kNouryokuProject, ProjectBytes(3)), Start(),
      Greyed(1, true), Greyed(2, false), Press(IDC_EXIT), Exits}},
    // Only one project file counts: not another file, a folder or two files.
    {"ADroppedProjectFileOpensTheProjectDialog",
     {File(kJapanese, ProjectBytes(0)), File("{P}notes.txt", ""), Start(), Drop({"{P}notes.txt"}),
      Drop({"{P}"}), Drop({kJapanese, kJapanese}), NothingOpens, Drop({kJapanese}), Opens(kOpen),
      Shows(IDC_LOCATION, kJapanese), Press(IDC_PROJECT_OK), Exits,
      Launched("ORVENTBasic.exe", "/nofm " + kJapanese, "{P}" + kSoftware)}},
    // Run again at 120, 144 and 192 DPI; the window's size at each.
    {"NothingIsClippedOrScrolledSidewaysAtThisDpi",
     {History(FullHistory()), Start(), TheGridsLook, NothingClipped, Screenshot("dpi"),
      Press(IDC_CREATE_NEW_PROJECT), Opens(kCreate), NothingClipped, Press(IDC_PROJECT_CANCEL),
      Closes, System(IDM_ABOUTBOX), Opens(""), NothingClipped, Press(IDOK), Closes,
      FollowsTheWindowsSize, Press(IDC_EXIT), Exits}},
    {"ASecondStartRaisesTheFirst", {Start(), SecondStart, Press(IDC_EXIT), Exits}},
    {"AFullHistoryIsShownWithTheNewestCurrent",
     {History(FullHistory()), Start(), Rows(orvent::kMaxRecentRows, 0),
      Cells(0,
            {FullHistory().front().name + " [JGD]", "Wind Farm", FullHistory().front().location}),
      Cells(998, {FullHistory().back().name + " [JGD]"}), Screenshot("selector"), Press(IDC_EXIT),
      Exits}}};

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
