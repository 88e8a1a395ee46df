// The user's journeys through the real Selector, started in a program folder
// of its own with fake member applications beside it and driven from outside,
// as a user does, through window messages. A journey is a list of steps: what
// the user does, and what the user then sees in the windows and the files.
// The journeys are in journeys.txt, whose opening lines say what each step
// does with its arguments; here are the steps they are made of.
// Every wait gives up after seconds; whatever a test started ends with it.
#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

#include "demo/member/start_record_format.h"
#include "history/recent_history.h"
#include "history/settings_file.h"
#include "platform/version_info.h"
#include "platform/win32/long_path.h"
#include "platform/win32/win32_platform.h"
#include "res/resource.h"
#include "selector/window_place.h"
#include "version.h"

namespace {

constexpr DWORD kTimeoutMs = 10000;

// Polls the condition, keeping the driver's own messages flowing; true as
// soon as it holds once (a window seen is not looked for again).
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = kTimeoutMs) {
  for (const ULONGLONG deadline = GetTickCount64() + timeoutMs;; Sleep(20)) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    if (condition()) return true;
    if (GetTickCount64() >= deadline) return false;
  }
}

// What a posted click or key changes shows a moment later; a failure
// reports the last value seen.
template <typename Actual, typename T>
void ExpectSoon(Actual actual, const T& expected, const std::string& what) {
  auto seen = actual();
  WaitUntil([&] { return (seen = actual()) == expected; });
  EXPECT_EQ(seen, expected) << what;
}

// The answer, or -1 from a window that has not answered for seconds.
LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR result = 0;
  const bool answered =
      SendMessageTimeoutA(window, message, wParam, lParam, 0, kTimeoutMs, &result);
  return answered ? static_cast<LRESULT>(result) : -1;
}

void Post(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  ASSERT_TRUE(PostMessageA(window, message, wParam, lParam)) << "message " << message;
}

std::string TextOf(HWND window) {
  char text[4096] = {};
  const LRESULT length = Send(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return length < 0 ? "(no answer)" : text;
}

// The window with the focus in the thread of the given one.
HWND FocusOf(HWND window) {
  GUITHREADINFO thread = {sizeof thread, 0, {}, {}, {}, {}, {}, {}, {}};
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread);
  return thread.hwndFocus;
}

// A control's state, in words each between blanks.
std::string StateOf(HWND c) {
  RECT client = {};
  GetClientRect(c, &client);
  LRESULT columns = 0;  // a list-view's, side by side
  for (LRESULT i = 0, width; (width = Send(c, LVM_GETCOLUMNWIDTH, i)) > 0; ++i) columns += width;
  return std::string(Send(c, BM_GETCHECK) == BST_CHECKED ? " checked " : " unchecked ") +
         (IsWindowEnabled(c) ? "enabled " : "disabled ") +
         (IsWindowVisible(c) ? "visible " : "hidden ") + (FocusOf(c) == c ? "focused " : "") +
         (Send(c, EM_GETFIRSTVISIBLELINE) > 0 ? "scrolled " : "") +
         (GetWindowLongA(c, GWL_STYLE) & WS_HSCROLL ? "with" : "without") +
         " a sideways scroll bar " + (columns == client.right ? "filled to its edge " : "");
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "(no file)";
}

// Writes the file ("" for a folder), making its folder first; a trail byte
// 0x5C is no separator.
bool WriteFile(const std::string& path, const std::string& bytes) {
  for (size_t i = 3; i < path.size(); i += IsDBCSLeadByte(static_cast<BYTE>(path[i])) ? 2 : 1)
    if (path[i] == '\\') CreateDirectoryA(path.substr(0, i).c_str(), nullptr);
  return path.back() == '\\' || static_cast<bool>(std::ofstream(path, std::ios::binary) << bytes);
}

bool IsClass(HWND window, const char* className) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return lstrcmpiA(name, className) == 0;
}

BOOL CALLBACK Collect(HWND window, LPARAM list) {
  // NOLINTNEXTLINE(performance-no-int-to-ptr): the list is what EnumWindows hands back.
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

// The first window of the class, with the id unless it is 0, inside the root
// at any depth.
HWND Descendant(HWND root, const char* className, int id) {
  std::vector<HWND> all;
  EnumChildWindows(root, Collect, reinterpret_cast<LPARAM>(&all));
  for (HWND w : all)
    if (IsClass(w, className) && (id == 0 || GetDlgCtrlID(w) == id)) return w;
  return nullptr;
}

// A window owned by the owner (any, for null), with the title (any, for ""),
// visible unless asked otherwise, of the class: a dialog unless another is
// named, so not the grid's tooltip, which the pointer resting on the grid may
// show. EnumWindows, unlike a walk of the z-order, misses no window while
// another comes to the front.
HWND FindOf(HWND owner, const std::string& title = "", bool visible = true,
            const char* className = "#32770") {
  std::vector<HWND> all;
  EnumWindows(Collect, reinterpret_cast<LPARAM>(&all));
  for (HWND w : all)
    if ((owner == nullptr || GetWindow(w, GW_OWNER) == owner) && (!visible || IsWindowVisible(w)) &&
        IsClass(w, className) && (title.empty() || TextOf(w) == title))
      return w;
  return nullptr;
}

// A window's, or its control's, rectangle on the screen, or with GetClientRect
// its client area from 0, 0.
RECT RectOf(HWND window, int id = 0, BOOL(WINAPI* get)(HWND, RECT*) = GetWindowRect) {
  RECT r = {};
  get(id == 0 ? window : GetDlgItem(window, id), &r);
  return r;
}

POINT Middle(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

using Args = std::vector<std::string>;
using Names = std::vector<std::pair<std::string, std::string>>;

// The text with each name in it replaced by what the name stands for.
std::string Replaced(std::string text, const Names& names) {
  for (const auto& [name, value] : names)
    for (size_t at; (at = text.find(name)) < text.size();) text.replace(at, name.size(), value);
  return text;
}

// An argument, or "" when it is left out.
std::string Arg(const Args& args, size_t i) { return i < args.size() ? args[i] : ""; }

// The history file holding the rows, five fields each, as the tests write and
// expect it.
std::string HistoryBytes(const Args& f) {
  std::string text =
      "!=== ORVENT Environment File ===\r\n! Recent Project (MAX:999)\r\n&RecentProject\r\n";
  for (size_t i = 0; i + 5 <= f.size(); i += 5)
    text += "Recent" + std::to_string(1001 + i / 5).substr(1) + " = \"" + f[i] + "\", \"" +
            f[i + 1] + "\", " + f[i + 2] + ", \"" + f[i + 3] + "\", \"" + f[i + 4] + "\",\r\n";
  return text + "/\r\n";
}

// An environment variable set by scripts/e2e.sh ("" when it is not).
std::string Env(const char* name) { return std::getenv(name) ? std::getenv(name) : ""; }

// A name of res/resource.h or of the few system ones used.
long Number(const std::string& word) {
  const std::map<std::string, long> system = {
      {"IDOK", IDOK},           {"IDCANCEL", IDCANCEL},       {"VK_F5", VK_F5},
      {"SC_CLOSE", SC_CLOSE},   {"SC_MAXIMIZE", SC_MAXIMIZE}, {"SC_RESTORE", SC_RESTORE},
      {"VK_DOWN", VK_DOWN},     {"VK_DELETE", VK_DELETE},     {"VK_F1", VK_F1},
      {"VK_RETURN", VK_RETURN}, {"VK_ESCAPE", VK_ESCAPE},     {"SC_MINIMIZE", SC_MINIMIZE},
      {"VK_END", VK_END}};
  if (system.count(word)) return system.at(word);
  std::istringstream header(ReadFile(Env("ORVENT_E2E_SOURCE") + "\\res\\resource.h"));
  for (std::string define, name, value; header >> define;)
    if (define == "#define" && header >> name >> value && name == word)
      return std::strtol(value.c_str(), nullptr, 0);
  ADD_FAILURE() << "no such name: " << word;
  return 0;
}

// N of an argument that ends in it, such as "row 2".
long NumberIn(const std::string& arg) { return std::stol(arg.substr(arg.rfind(' ') + 1)); }

// UTF-8 text in the ANSI code page, with ^XX standing for the character XX
// (^0A: a line feed).
std::string Ansi(const std::string& utf8) {
  std::wstring text(utf8.size(), L'\0');
  text.resize(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                                  text.data(), static_cast<int>(text.size())));
  for (size_t at = 0; (at = text.find(L'^', at)) != std::wstring::npos; ++at)
    text.replace(at, 3, 1, static_cast<wchar_t>(std::stoi(text.substr(at + 1, 2), nullptr, 16)));
  return orvent::WideToAnsi(text);
}

// The selector window's place as the Selector keeps it; "" takes it away.
void KeepPlace(const std::string& text) {
  RegDeleteKeyValueA(HKEY_CURRENT_USER, orvent::kUserSettingsKey, orvent::kWindowPlaceSetting);
  EXPECT_TRUE(text.empty() ||
              orvent::Win32Platform().WriteUserSetting(orvent::kWindowPlaceSetting, text));
}

// A step: the number of its line, then its name and arguments.
using Step = std::pair<int, Args>;
// The steps of the journeys and of their parts, by name, as LoadJourneys reads them.
std::map<std::string, std::vector<Step>> g_stepsOf;

struct Driver : ::testing::TestWithParam<std::string> {
  std::vector<HWND> windows;  // in view: the selector window first, the latest dialog last
  // What the journeys' {names} stand for, and the user's settings files, kept to be put back.
  Names names, saved;
  std::string keptPlace;  // the user's, put back at the end
  std::vector<PROCESS_INFORMATION> processes;
  // The DPI the selector window was last told of, and its sizes at the start.
  int dpi = 96;
  std::vector<LONG> sizes;

  HWND Top() const { return windows.back(); }
  // A control of the top window, or one laid on the grid.
  HWND Item(long id) const {
    HWND c = GetDlgItem(Top(), static_cast<int>(id));
    return c != nullptr ? c : GetDlgItem(Grid(), static_cast<int>(id));
  }
  HWND Grid() const { return GetDlgItem(windows.at(0), IDC_RECENT_GRID); }
  std::string Expand(const std::string& text) const { return Replaced(text, names); }

  void SetUp() override {
    const std::string selector = Env("ORVENT_E2E_SELECTOR"), member = Env("ORVENT_E2E_MEMBER");
    // The members the Selector starts record how, and end without a window.
    SetEnvironmentVariableA("ORVENT_MEMBER_NO_WINDOW", "1");
    char appData[MAX_PATH] = {}, common[MAX_PATH] = {};
    SHGetSpecialFolderPathA(nullptr, appData, CSIDL_APPDATA, FALSE);
    SHGetSpecialFolderPathA(nullptr, common, CSIDL_PROGRAM_FILES_COMMON, FALSE);
    const std::string program = Env("ORVENT_E2E_SCRATCH") + "\\" + GetParam() + "\\",
                      settings = orvent::kSettingsFolder, file = orvent::kSettingsFileName;
    const orvent::VersionNumbers version = {ORVENT_VERSION_MAJOR, ORVENT_VERSION_MINOR,
                                            ORVENT_VERSION_BUILD, ORVENT_VERSION_REVISION};
    names = {{"{P}", program + "Projects\\"},
             {"{F}", program},
             {"{U}", std::string(appData) + "\\" + settings + file},
             {"{C}", std::string(common) + "\\" + settings + orvent::kSeedFolder + file},
             {"{FileVersion}", orvent::ThreePartVersionText(version)},
             {"{Version}", orvent::VersionLine("", version)}};
    ASSERT_TRUE(WriteFile(Expand("{P}"), ""));
    ASSERT_TRUE(CopyFileA(selector.c_str(), (program + "ORVENTLancher.exe").c_str(), TRUE))
        << selector;
    for (const char* exe : {"ORVENTBasic.exe", "ORVENTEnergy.exe", "ORVENTExtremeWind.exe",
                            "ORVENTWindFarm.exe", "ORVENTBasicEW.exe"})
      ASSERT_TRUE(CopyFileA(member.c_str(), (program + exe).c_str(), TRUE)) << member;
    for (const std::string& path : {Expand("{U}"), Expand("{C}")}) {
      saved.emplace_back(path, ReadFile(path));
      DeleteFileA(path.c_str());
    }
    static_cast<void>(
        orvent::Win32Platform().ReadUserSetting(orvent::kWindowPlaceSetting, &keptPlace));
    KeepPlace("");
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
    KeepPlace(keptPlace);
  }

  // The window of the Selector started, once it shows; null if it ends first.
  HWND Start(const std::string& arguments) {
    std::string commandLine = Expand("\"{F}ORVENTLancher.exe\" " + arguments);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    // Started in a folder of its own, not the program's.
    EXPECT_TRUE(CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                               Env("ORVENT_E2E_SCRATCH").c_str(), &startup, &process));
    CloseHandle(process.hThread);
    processes.push_back(process);
    HWND window = nullptr;
    WaitUntil([&] {
      for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, ORVENT_WINDOW_CLASS, nullptr));)
        if (GetWindowThreadProcessId(w, nullptr) == process.dwThreadId) window = w;
      return IsWindowVisible(window) || !Running();
    });
    return window;
  }

  // The Selector in view, the latest started (a second start ends at once).
  HANDLE Selector() const { return processes.back().hProcess; }
  bool Running() const { return WaitForSingleObject(Selector(), 0) == WAIT_TIMEOUT; }

  // A message to the grid (or another window of the Selector) whose record,
  // and room for a text after it, lie in the Selector's memory; the record
  // comes back, and the text is returned.
  template <typename Record>
  std::string Remote(UINT message, WPARAM wParam, Record* record) const {
    char* at =
        static_cast<char*>(VirtualAllocEx(Selector(), nullptr, 4096, MEM_COMMIT, PAGE_READWRITE));
    char text[2048] = {};
    if constexpr (!std::is_same_v<Record, RECT>) record->pszText = at + sizeof text;
    WriteProcessMemory(Selector(), at, record, sizeof *record, nullptr);
    Send(Grid(), message, wParam, reinterpret_cast<LPARAM>(at));
    ReadProcessMemory(Selector(), at, record, sizeof *record, nullptr);
    ReadProcessMemory(Selector(), at + sizeof text, text, sizeof text - 1, nullptr);
    VirtualFreeEx(Selector(), at, 0, MEM_RELEASE);
    return text;
  }

  // The label of a row ("row N"), in the grid's client coordinates.
  RECT RowRect(const std::string& row) const {
    RECT r = {LVIR_LABEL, 0, 0, 0};
    Remote(LVM_GETITEMRECT, NumberIn(row), &r);
    EXPECT_GT(r.right, r.left) << "no " << row;
    return r;
  }

  // Returns once the top window, or one it owns, is in front (or the top
  // window is gone) and the Selector has
  // handled what was posted to it and what the X server told it of the
  // change: a late "focus lost" would cancel the next menu or click. Reading
  // a pixel of the screen is a round trip to the X server, after which its
  // reports are on their way; a sent message is handled before posted ones
  // and after the reports that came, so the second waits for the first
  // posted message to be taken, the third for the next.
  void Settle() const {
    WaitUntil([&] {
      HWND front = GetForegroundWindow();
      return front == Top() || GetWindow(front, GW_OWNER) == Top() || !IsWindowVisible(Top());
    });
    HDC screen = GetDC(nullptr);
    GetPixel(screen, 0, 0);
    ReleaseDC(nullptr, screen);
    for (int i = 0; i < 3; ++i) Send(windows.at(0), WM_NULL);
  }
};

using StepFunction = void (*)(Driver&, const Args&);
// The steps by their names in journeys.txt, as STEP defines them.
std::map<std::string, StepFunction> g_stepsByName;
// Defines the step NAME, which has the driver d and the step's arguments a.
#define STEP(name)                                                                     \
  void name(Driver& d, const Args& a);                                                 \
  [[maybe_unused]] const bool name##Known = g_stepsByName.emplace(#name, name).second; \
  void name([[maybe_unused]] Driver& d, [[maybe_unused]] const Args& a)

// Set-up.
STEP(File) { ASSERT_TRUE(WriteFile(a.at(0), Arg(a, 1))) << a[0]; }
STEP(History) { File(d, {d.Expand("{U}"), HistoryBytes(a)}); }
STEP(FullHistory) {
  Args rows;
  for (int n = 1; n <= orvent::kMaxRecentRows; ++n) {
    const std::string name = a.at(0) + std::to_string(1000 + n).substr(1);
    rows.insert(rows.end(),
                {name, "Wind Farm", std::to_string(n % 5), a.at(1) + name + "\\", "JGD"});
  }
  History(d, rows);
}
STEP(KeptPlace) { KeepPlace(a.at(0)); }
STEP(ReadOnly) { ASSERT_TRUE(SetFileAttributesA(a.at(0).c_str(), FILE_ATTRIBUTE_READONLY)); }
STEP(Member) {
  const std::string path = d.Expand("{F}") + a.at(0), model = d.Expand("{F}ORVENTEnergy.exe");
  ASSERT_TRUE(a.at(1) == "present" ? CopyFileA(model.c_str(), path.c_str(), TRUE)
                                   : DeleteFileA(path.c_str()));
}

// What the user does.
STEP(Start) {
  d.windows = {d.Start(Arg(a, 0))};
  ASSERT_TRUE(IsWindowVisible(d.Top())) << "no selector window";
  d.Settle();
}
STEP(Press) { Post(d.Item(Number(a.at(0))), BM_CLICK); }
STEP(Type) {
  const LPARAM text = reinterpret_cast<LPARAM>(a.at(1).c_str());
  ASSERT_EQ(Send(d.Item(Number(a.at(0))), WM_SETTEXT, 0, text), TRUE);
}
// A key pressed and released, as the keyboard gives it to the front window.
void PressKey(BYTE key, BYTE with = 0) {
  if (with) keybd_event(with, 0, 0, 0);
  keybd_event(key, 0, 0, 0);
  keybd_event(key, 0, KEYEVENTF_KEYUP, 0);
  if (with) keybd_event(with, 0, KEYEVENTF_KEYUP, 0);
}
// The selector window in front with the grid focused, as the keyboard's keys
// go to the front window's focus: under load the window comes to the front
// some time after it was asked to.
[[nodiscard]] bool InFront(Driver& d) {
  SetForegroundWindow(d.windows.at(0));
  return WaitUntil(
      [&] { return GetForegroundWindow() == d.windows.at(0) && FocusOf(d.Grid()) == d.Grid(); });
}
STEP(Key) {
  if (a.at(0).rfind("Ctrl+", 0) == 0) {  // from the keyboard: a posted key carries no Ctrl
    ASSERT_TRUE(InFront(d)) << "the selector window is not in front with the grid focused";
    return PressKey(a[0].back(), VK_CONTROL);
  }
  const UINT key = Number(a.at(0));
  HWND control = d.Item(Number(a.size() > 1 ? a[1] : "IDC_RECENT_GRID"));
  const LPARAM down = 1 | static_cast<LPARAM>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC)) << 16;
  Post(control, WM_KEYDOWN, key, down);
  Post(control, WM_KEYUP, key, down | 0xC0000000);
}
STEP(Paste) {
  ASSERT_TRUE(OpenClipboard(nullptr) && EmptyClipboard());
  HGLOBAL text = GlobalAlloc(GMEM_MOVEABLE, a.at(1).size() + 1);
  lstrcpyA(static_cast<char*>(GlobalLock(text)), a[1].c_str());
  GlobalUnlock(text);
  EXPECT_TRUE(SetClipboardData(CF_TEXT, text));
  CloseClipboard();
  Post(d.Item(Number(a.at(0))), WM_PASTE);
}
// In the grid's client coordinates: the middle of a row's label ("row N"), or
// a point of the empty space "below the rows".
POINT PointOf(const Driver& d, const std::string& where) {
  return where == "below the rows" ? POINT{20, RectOf(d.Grid(), 0, GetClientRect).bottom - 4}
                                   : Middle(d.RowRect(where));
}
// A click, or a double click, at a point of the grid, and its release.
void ClickAt(Driver& d, UINT message, POINT at) {
  Post(d.Grid(), message, MK_LBUTTON, MAKELPARAM(at.x, at.y));
  Post(d.Grid(), WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
}
STEP(DoubleClick) { ClickAt(d, WM_LBUTTONDBLCLK, PointOf(d, a.at(0))); }
STEP(Click) { ClickAt(d, WM_LBUTTONDOWN, PointOf(d, a.at(0))); }
// As an input method gives them, after a pause that starts a new search.
STEP(Typed) {
  Sleep(1100);
  for (const wchar_t c : orvent::AnsiToWide(a.at(0)))
    ASSERT_TRUE(PostMessageW(d.Grid(), WM_CHAR, c, 1));
}
// As the shell hands them over.
STEP(Drop) {
  const DROPFILES header = {sizeof header, {}, FALSE, FALSE};
  std::string block(reinterpret_cast<const char*>(&header), sizeof header);
  for (const std::string& path : a) block += path + '\0';
  block += '\0';
  void* at = VirtualAllocEx(d.Selector(), nullptr, block.size(), MEM_COMMIT, PAGE_READWRITE);
  ASSERT_TRUE(at && WriteProcessMemory(d.Selector(), at, block.data(), block.size(), nullptr));
  ExpectSoon([&] { return GetWindowLongA(d.windows.at(0), GWL_EXSTYLE) & WS_EX_ACCEPTFILES; },
             WS_EX_ACCEPTFILES, "a window that takes dropped files");
  Post(d.windows.at(0), WM_DROPFILES, reinterpret_cast<WPARAM>(at));
}
STEP(System) { Post(d.Top(), WM_SYSCOMMAND, Number(a.at(0))); }
STEP(PlaceWindow) {
  RECT r = {};
  std::sscanf(a.at(0).c_str(), "at %ld, %ld", &r.left, &r.top);
  const UINT size = std::sscanf(Arg(a, 1).c_str(), "%ld x %ld", &r.right, &r.bottom) == 2;
  ASSERT_TRUE(SetWindowPos(d.Top(), nullptr, r.left, r.top, r.right, r.bottom,
                           SWP_NOZORDER | (size ? 0 : SWP_NOSIZE)));
}
STEP(Opens) {
  HWND w = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (w = FindOf(d.Top(), Arg(a, 0))) != nullptr; })) << Arg(a, 0);
  d.windows.push_back(w);
  d.Settle();
}
// Not even a window still to be shown, once the Selector has handled what it was sent.
STEP(NothingOpens) {
  d.Settle();
  EXPECT_EQ(FindOf(d.Top(), "", false), nullptr) << TextOf(FindOf(d.Top(), "", false));
}
STEP(Closes) {
  HWND window = d.Top();
  d.windows.pop_back();
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(window); })) << "the window stays";
  d.Settle();
}
STEP(Message) {
  ASSERT_NO_FATAL_FAILURE(Opens(d, {})) << "no message " << a.at(0);
  EXPECT_EQ(TextOf(GetDlgItem(d.Top(), 0xFFFF)), a[0]);
  EXPECT_EQ(TextOf(d.Top()), "ORVENTLancher");
  ASSERT_NE(d.Item(Number(a.at(1))), nullptr) << "no button " << a[1];
  Press(d, {a[1]});
  Closes(d, {});
}
STEP(Choose) {
  // The open dialog's name box is an edit inside a combo box; the folder
  // chooser has an edit of its own.
  HWND combo = Descendant(d.Top(), "ComboBoxEx32", 1148);
  HWND edit = combo ? Descendant(combo, "Edit", 0) : Descendant(d.Top(), "Edit", 1152);
  HWND accept = Descendant(d.Top(), "Button", IDOK);
  ASSERT_TRUE(edit && accept) << "not a chooser this driver knows";
  Send(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(a.at(0).c_str()));
  Post(accept, BM_CLICK);
  Closes(d, {});
}
STEP(SecondStart) {
  HWND first = d.windows.at(0);
  ShowWindow(first, SW_MINIMIZE);
  // Something else has the front, so that the first window must be raised.
  HWND other = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 700, 500, 200,
                               100, nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return IsIconic(first) && SetForegroundWindow(other); }));
  const ULONGLONG started = GetTickCount64();
  EXPECT_EQ(d.Start(a.empty() ? "\"D:\\Some Project\\Site A.mbc\"" : a[0]), nullptr)
      << "a second selector window";
  EXPECT_FALSE(d.Running()) << "the second start still runs";
  EXPECT_LE(GetTickCount64() - started, 2000u) << "the second start ends late";
  // The first is the latest again, the one in view.
  std::rotate(d.processes.begin(), d.processes.end() - 1, d.processes.end());
  // A dialog stays above the window it is over, whichever of them is active.
  EXPECT_TRUE(WaitUntil([&] {
    return GetAncestor(GetForegroundWindow(), GA_ROOTOWNER) == first && !IsIconic(first) &&
           IsWindowVisible(d.Top());
  })) << "the first Selector is not restored in front";
  DestroyWindow(other);
}

// What the user sees.
STEP(Centred) {
  MONITORINFO monitor = {sizeof monitor, {}, {}, 0};
  GetMonitorInfoA(MonitorFromWindow(d.Top(), MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT r = RectOf(d.Top()), area = monitor.rcWork;
  const RECT over = d.windows.size() > 1 ? RectOf(d.windows[d.windows.size() - 2]) : area;
  const LONG width = r.right - r.left, left = (over.left + over.right) / 2 - width / 2;
  const LONG height = r.bottom - r.top, top = (over.top + over.bottom) / 2 - height / 2;
  EXPECT_EQ(r.left, std::clamp(left, area.left, area.right - width));
  EXPECT_EQ(r.top, std::clamp(top, area.top, area.bottom - height));
}
STEP(WindowAt) {
  const auto where = [&] {
    const RECT r = RectOf(d.Top());
    return IsZoomed(d.Top())
               ? std::string("maximised")
               : "at " + std::to_string(r.left) + ", " + std::to_string(r.top) + " | " +
                     std::to_string(r.right - r.left) + " x " + std::to_string(r.bottom - r.top);
  };
  ExpectSoon(where, a.at(0) + (a.size() > 1 ? " | " + a[1] : ""), "the window");
}
STEP(Shows) {
  const int line = a.at(0) == "the version line" ? 1 : a[0] == "the copyright line" ? 2 : 0;
  HWND c = line == 0 ? d.Item(Number(a[0])) : GetWindow(d.Top(), GW_CHILD);  // the icon first
  for (int i = 0; i < line; ++i) c = GetWindow(c, GW_HWNDNEXT);
  ExpectSoon([&] { return TextOf(c); }, Arg(a, 1), "text of " + a[0]);
}
STEP(Is) {
  HWND c = d.Item(Number(a.at(0)));
  const auto has = [&] { return StateOf(c).find(" " + a.at(1) + " ") != std::string::npos; };
  ExpectSoon(has, true, a[0] + " is" + StateOf(c) + "not " + a[1]);
}
STEP(Rows) {
  const LRESULT current = a.at(1) == "no current row" ? -1 : NumberIn(a[1]);
  ExpectSoon([&] { return Send(d.Grid(), LVM_GETITEMCOUNT); }, std::stol(a[0]), "rows");
  ExpectSoon([&] { return Send(d.Grid(), LVM_GETNEXTITEM, -1, LVNI_FOCUSED); }, current,
             "current row");
  EXPECT_EQ(Send(d.Grid(), LVM_GETNEXTITEM, -1, LVNI_SELECTED), current) << "the highlighted row";
  EXPECT_EQ(Send(d.Grid(), LVM_GETSELECTEDCOUNT), current < 0 ? 0 : 1);
  const LRESULT top = Send(d.Grid(), LVM_GETTOPINDEX), rows = Send(d.Grid(), LVM_GETCOUNTPERPAGE);
  EXPECT_TRUE(current < 0 || (current >= top && current < top + rows))
      << "the current row is out of view: rows " << top << " to " << top + rows - 1 << " show";
}
STEP(TabOrder) {
  HWND c = d.Item(Number(a.at(0)));
  for (size_t i = 1; i < a.size(); ++i) {
    c = GetNextDlgTabItem(d.Top(), c, FALSE);
    EXPECT_EQ(GetDlgCtrlID(c), Number(a[i])) << "after " << a[i - 1];
  }
}
// The headers' texts, or a row's, from the left.
STEP(Cells) {
  for (size_t column = 1; column < a.size(); ++column) {
    LVCOLUMNA header = {};
    header.mask = LVCF_TEXT;
    LVITEMA item = {};
    item.iSubItem = static_cast<int>(column - 1);
    header.cchTextMax = item.cchTextMax = 1024;
    const std::string text = a[0] == "headers" ? d.Remote(LVM_GETCOLUMNA, column - 1, &header)
                                               : d.Remote(LVM_GETITEMTEXTA, NumberIn(a[0]), &item);
    EXPECT_EQ(text, a[column]) << a[0] << " column " << column - 1;
  }
}
// The shell's window on the folder, titled with its name (Windows' class,
// or wine's), given longer: a shell started afresh on a loaded machine is
// slow to show it. Closed once seen; when it does not come, the failure says
// what the Selector's message box (if one is up) says instead.
STEP(FolderOpens) {
  HWND w = nullptr;
  const auto open = [&] {
    return (w = FindWindowA("CabinetWClass", a.at(0).c_str())) ||
           (w = FindWindowA("ExplorerWClass", a[0].c_str()));
  };
  ASSERT_TRUE(WaitUntil(open, 3 * kTimeoutMs))
      << "no window on the folder " << a[0] << "; " << TextOf(GetDlgItem(FindOf(d.Top()), 0xFFFF));
  PostMessageA(w, WM_CLOSE, 0, 0);
}
STEP(Exits) { ASSERT_EQ(WaitForSingleObject(d.Selector(), kTimeoutMs), WAIT_OBJECT_0); }
STEP(FileHolds) { EXPECT_EQ(ReadFile(a.at(0)), Arg(a, 1)) << a[0]; }
STEP(Settings) { FileHolds(d, {d.Expand("{U}"), HistoryBytes(a)}); }
STEP(NothingStarted) { FileHolds(d, {d.Expand("{F}") + member::kStartRecordFile, "(no file)"}); }
STEP(Started) {
  const std::string record = d.Expand("{F}") + member::kStartRecordFile;
  ASSERT_TRUE(WaitUntil([&] { return ReadFile(record).back() == '\n'; }));
  const std::string exe = d.Expand("{F}") + a.at(0);
  FileHolds(d, {record, exe + "|\"" + exe + "\" " + a.at(1) + "|" + a.at(2) + "\r\n"});
  DeleteFileA(record.c_str());  // the next start is recorded afresh
}
// With ORVENT_E2E_SCREENSHOTS, a script watching that folder takes the
// picture and removes the request.
STEP(Screenshot) {
  const std::string folder = Env("ORVENT_E2E_SCREENSHOTS"), dpi = Env("ORVENT_E2E_DPI");
  if (folder.empty()) return;
  const std::string request = folder + "\\" + a.at(0) + (dpi.empty() ? "" : "_" + dpi) + ".request";
  ASSERT_TRUE(WriteFile(request, ""));
  EXPECT_TRUE(WaitUntil([&] { return ReadFile(request) == "(no file)"; }));
}
STEP(FollowsTheWindowsSize) {
  HWND w = d.windows.at(0);
  const RECT start = RectOf(w), grid = RectOf(w, IDC_RECENT_GRID);
  for (const UINT edge : {WMSZ_TOPLEFT, WMSZ_BOTTOMRIGHT}) {
    const bool topLeft = edge == WMSZ_TOPLEFT;
    RECT r = {start.left + topLeft * 60, start.top + topLeft * 40, start.right - !topLeft * 60,
              start.bottom - !topLeft * 40};
    // The system copies a WM_SIZING rectangle to the other process and back.
    Send(w, WM_SIZING, edge, reinterpret_cast<LPARAM>(&r));
    EXPECT_TRUE(EqualRect(&r, &start)) << "a drag of edge " << edge;
  }
  ASSERT_TRUE(SetWindowPos(w, nullptr, 0, 0, start.right - start.left + 200,
                           start.bottom - start.top + 150, SWP_NOMOVE | SWP_NOZORDER));
  ASSERT_TRUE(WaitUntil([&] { return RectOf(w, IDC_RECENT_GRID).right == grid.right + 200; }));
  const RECT g = RectOf(w, IDC_RECENT_GRID), frame = RectOf(w, IDC_RECENT_FRAME);
  EXPECT_EQ(g.bottom, grid.bottom + 150);
  RECT client = RectOf(w, 0, GetClientRect);
  MapWindowPoints(w, nullptr, reinterpret_cast<POINT*>(&client), 2);
  EXPECT_LT(frame.bottom, client.bottom) << "the frame ends inside the window";
  for (int id : {IDC_EXIT, IDC_HELP_MANUAL, IDC_SELECT_APPLICATION})
    EXPECT_EQ(RectOf(w, id).right, g.right);
  for (int id : {IDC_DELETE_HISTORY, IDC_SELECT_APPLICATION, IDC_LAST_APPLICATION}) {
    EXPECT_EQ(RectOf(w, id).top, g.bottom + 5) << id;
    EXPECT_LT(RectOf(w, id).bottom, frame.bottom) << id << " stays inside the frame";
  }
  EXPECT_EQ(RectOf(w, IDC_DELETE_HISTORY).left, g.left);
  EXPECT_EQ(RectOf(w, IDC_LAST_APPLICATION).right, RectOf(w, IDC_SELECT_APPLICATION).left - 8);
}

STEP(DpiChanged) {
  const int to = std::stoi(a.at(0));
  RECT r = RectOf(d.windows.at(0));
  r.right = r.left + MulDiv(r.right - r.left, to, d.dpi);
  r.bottom = r.top + MulDiv(r.bottom - r.top, to, d.dpi);
  // The suggested rectangle as the system hands it: in the window's process.
  void* at = VirtualAllocEx(d.Selector(), nullptr, sizeof r, MEM_COMMIT, PAGE_READWRITE);
  ASSERT_TRUE(at && WriteProcessMemory(d.Selector(), at, &r, sizeof r, nullptr));
  Send(d.windows.at(0), WM_DPICHANGED, MAKEWPARAM(to, to), reinterpret_cast<LPARAM>(at));
  d.dpi = to;
  const RECT now = RectOf(d.windows.at(0));
  EXPECT_TRUE(EqualRect(&now, &r)) << "the suggested rectangle is not taken";
}
// The window's width and height, the Exit button's, and a row's height.
STEP(Sizes) {
  const auto measure = [&] {
    const RECT w = RectOf(d.windows.at(0)), exit = RectOf(d.windows.at(0), IDC_EXIT);
    const RECT row = d.RowRect("row 0");
    return std::vector<LONG>{w.right - w.left, w.bottom - w.top, exit.right - exit.left,
                             exit.bottom - exit.top, row.bottom - row.top};
  };
  if (d.sizes.empty()) d.sizes = measure();
  const std::vector<LONG> now = measure();
  const double factor = std::stod(a.at(0));
  // Back at the first DPI, exactly as at the start.
  for (size_t i = 0; i < now.size(); ++i)
    EXPECT_NEAR(now[i], d.sizes[i] * factor, factor == 1 ? 0 : d.sizes[i] * factor * 0.15) << i;
}

STEP(Menu) {
  // The item as res/orvent.rc has it, in the menu's place.
  const std::string rc = ReadFile(Env("ORVENT_E2E_SOURCE") + "\\res\\orvent.rc");
  const size_t menuAt = rc.find("IDR_GRID_MENU MENU");
  const size_t item = rc.find("MENUITEM \"" + a.at(0) + '"', menuAt);
  ASSERT_LT(item, rc.find("\nEND", menuAt)) << "no menu item " << a[0];
  const std::string& how = a.at(1);
  const bool shiftF10 = how == "by Shift+F10", byKey = shiftF10 || how == "by menu key";
  const bool atPoint = how.rfind("at the point of row ", 0) == 0, below = how == "below the rows";
  ASSERT_TRUE(byKey || atPoint || below || how.rfind("on row ", 0) == 0) << how;
  // A menu opens only in the front window.
  ASSERT_TRUE(InFront(d)) << "the selector window is not in front with the grid focused";
  d.Settle();
  if (byKey) {
    PressKey(shiftF10 ? VK_F10 : VK_APPS, shiftF10 ? VK_SHIFT : 0);
  } else {
    POINT at = PointOf(d, below ? how : how.substr(how.find("row ")));
    ClientToScreen(d.Grid(), &at);
    if (atPoint) {
      Post(d.Grid(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(d.Grid()), MAKELPARAM(at.x, at.y));
    } else {
      // As the mouse gives it, each event with its point: the list-view asks
      // where the pointer was for its menu, which for a posted click may still
      // be the pointer's last place.
      const LONG x = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
      const LONG y = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
      for (const DWORD button : {MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP})
        mouse_event(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | button, x, y, 0, 0);
    }
  }
  HWND menu = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (menu = FindOf(nullptr, "", true, "#32768")) != nullptr; }))
      << "no menu";
  // The keys go to the menu only once its loop runs: a Return that reached the
  // grid instead would start the current row.
  d.Settle();
  const bool byAccessKey = a.size() > 2 && a[2] == "by its access key";
  if (a.size() > 2 && !byAccessKey) Screenshot(d, {a[2].substr(a[2].find(' ') + 1)});
  // From the keyboard too, so that the menu takes its keys after the ones
  // that opened it: a release of F10 left for the window after the menu has
  // gone would put that window in menu mode. The first Down reaches the top item.
  if (byAccessKey) {
    PressKey(LOBYTE(VkKeyScanA(a[0].at(a[0].find('&') + 1))));
  } else {
    for (size_t i = menuAt; (i = rc.find("MENUITEM \"", i + 1)) <= item;) PressKey(VK_DOWN);
    PressKey(VK_RETURN);
  }
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(menu); })) << "the menu stays";
}
STEP(Clipboard) {
  const auto texts = [] {
    std::pair<std::string, std::wstring> both;
    if (!OpenClipboard(nullptr)) return both;
    HANDLE ansi = GetClipboardData(CF_TEXT), unicode = GetClipboardData(CF_UNICODETEXT);
    both.first = ansi ? static_cast<const char*>(GlobalLock(ansi)) : "";
    both.second = unicode ? static_cast<const wchar_t*>(GlobalLock(unicode)) : L"";
    CloseClipboard();
    return both;
  };
  ExpectSoon(texts, std::pair(a.at(0), orvent::AnsiToWide(a[0])), "the ANSI and the Unicode text");
}
// Measured in the dialogs' font at the screen's DPI.
STEP(NothingClipped) {
  HDC dc = GetDC(d.Top());
  HFONT font = CreateFontA(-MulDiv(8, GetDeviceCaps(dc, LOGPIXELSY), 72), 0, 0, 0, FW_NORMAL, 0, 0,
                           0, DEFAULT_CHARSET, 0, 0, 0, 0, "MS Shell Dlg");
  HGDIOBJ old = SelectObject(dc, font);
  for (HWND c = GetWindow(d.Top(), GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    const std::string text = TextOf(c);
    const bool button = IsClass(c, "Button");
    if (!IsWindowVisible(c) || text.empty() || !(button || IsClass(c, "Static"))) continue;
    const LONG type = button ? GetWindowLongA(c, GWL_STYLE) & BS_TYPEMASK : -1;
    // Room beside a check box's or radio button's mark, or a button's edges.
    const int room =
        type > BS_DEFPUSHBUTTON && type != BS_GROUPBOX ? GetSystemMetrics(SM_CXMENUCHECK) + 4 : 4;
    const RECT client = RectOf(c, 0, GetClientRect);
    RECT need = {0, 0, client.right - room, 0};
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
  DeleteObject(SelectObject(dc, old));  // the font
  ReleaseDC(d.Top(), dc);
}

// The journeys of journeys.txt, with their lets put in and their parts taken
// in; a mistake in the file ends the run before any journey starts.
std::vector<std::string> LoadJourneys() {
  Names lets;
  std::vector<std::string> journeys;
  std::vector<Step>* steps = nullptr;
  std::istringstream file(ReadFile(Env("ORVENT_E2E_SOURCE") + "\\tests\\e2e\\journeys.txt"));
  int number = 0;
  const auto fail = [&](const std::string& why) {
    fprintf(stderr, "journeys.txt:%d: %s\n", number, why.c_str());
    exit(2);
  };
  if (file.str() == "(no file)") fail("not found in the folder ORVENT_E2E_SOURCE names");
  if (GetACP() != 932) fail("the journeys need code page 932");
  for (std::string line; std::getline(file, line);) {
    ++number;
    std::istringstream words(Replaced(line, lets));
    std::string word, rest;
    std::getline(words >> word >> std::ws, rest);
    rest.erase(rest.find_last_not_of(" \r") + 1);
    if (word.empty() || word[0] == '#') continue;
    if (word == "let") {
      const size_t is = rest.find(" = ");
      lets.emplace_back("{" + rest.substr(0, is) + "}", rest.substr(is + 3));
    } else if (word == "journey" || word == "part") {
      steps = &g_stepsOf[rest];
      if (word == "journey") journeys.push_back(rest);
    } else if (steps == nullptr ||
               (word == "Part" ? !g_stepsOf.count(rest) : !g_stepsByName.count(word))) {
      fail("no such step here: " + line);
    } else if (word == "Part") {
      steps->insert(steps->end(), g_stepsOf[rest].begin(), g_stepsOf[rest].end());
    } else {
      Args& step = steps->emplace_back(number, Args{word}).second;
      std::istringstream fields(rest);
      for (std::string field; std::getline(fields >> std::ws, field, '|');)
        step.push_back(Ansi(field.erase(field.find_last_not_of(' ') + 1)));
    }
  }
  if (journeys.empty()) fail("no journeys");
  return journeys;
}

using Journeys = Driver;

TEST_P(Journeys, Run) {
  for (const auto& [line, words] : g_stepsOf.at(GetParam())) {
    SCOPED_TRACE("journeys.txt:" + std::to_string(line) + ": " + words[0]);
    Args args;
    for (size_t i = 1; i < words.size(); ++i) args.push_back(Expand(words[i]));
    g_stepsByName.at(words[0])(*this, args);
    if (HasFatalFailure()) return;
  }
}

INSTANTIATE_TEST_SUITE_P(Selector, Journeys, ::testing::ValuesIn(LoadJourneys()),
                         [](const auto& info) { return info.param; });

}  // namespace
