// How long the Selector takes from process start to a visible window, with
// an empty history, with a full one of 999 rows, and with 999 rows on a
// network server that does not exist (whose project files the window asks
// after), against three empty dialogs: a bare one, one that first loads the
// DLLs the Selector has mapped by the time its window shows, and one that
// also carries the Selector's manifest (the common controls of version 6, as
// the Selector uses them). All are measured in one run, by the same bitness
// as the Selector's.
//
//   orvent_startup_bench.exe SELECTOR_EXE [RUNS]
//
// Each run writes the user's settings file, starts each program, waits until
// its window is visible, and closes it. Prints the median and the lower
// quartile of each case and their ratios. Then, in a Selector on 999 rows,
// the time from a keystroke in the filter box to the grid redrawn, beside a
// refill of the grid with no filter. The user's settings file is restored
// afterwards.
#include <windows.h>

#include <shlobj.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "res/resource.h"

namespace {

std::string SettingsPath() {
  char appData[MAX_PATH] = {};
  SHGetSpecialFolderPathA(nullptr, appData, CSIDL_APPDATA, TRUE);
  const std::string folder = std::string(appData) + "\\ORVENT V5_2";
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder + "\\orvent.ini";
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// A history as the Selector writes it: rows with Japanese names (code page
// 932 bytes: 表示 and ソフト, both holding a 0x5C trail byte), under `at`.
std::string History(int rows, const char* at = "D:\\") {
  std::string text =
      "!=== ORVENT Environment File ===\r\n! Recent Project (MAX:999)\r\n&RecentProject\r\n";
  char line[256];
  for (int i = 1; i <= rows; ++i) {
    std::snprintf(line, sizeof line,
                  "Recent%03d = \"\x95\x5C\x8E\xA6 %d\", \"Energy\", 0, "
                  "\"%s\x83\x5C\x83\x74\x83\x67\\Site %d\\\", \"JGD\",\r\n",
                  i, i, at, i);
    text += line;
  }
  return text + "/\r\n";
}

const DWORD kSettleMs = 300;

// The full paths of the DLLs a process has mapped.
std::vector<std::string> DllsOf(DWORD processId) {
  std::vector<std::string> dlls;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE | TH32CS_SNAPMODULE32, processId);
  if (snapshot == INVALID_HANDLE_VALUE) return dlls;
  MODULEENTRY32 module = {};
  module.dwSize = sizeof module;
  for (BOOL more = Module32First(snapshot, &module); more; more = Module32Next(snapshot, &module)) {
    const std::string path = module.szExePath;
    if (path.size() < 4 || lstrcmpiA(path.c_str() + path.size() - 4, ".exe") != 0) {
      dlls.push_back(path);
    }
  }
  CloseHandle(snapshot);
  return dlls;
}

// Milliseconds from CreateProcess to a visible window of the class; -1 on
// failure. `dlls`, when given, receives what the process had mapped by then.
// The windows of the class are looked up every millisecond by the class,
// which costs the system one call: walking all windows and asking each for
// its class and owner kept the system busy enough to slow the very start it
// timed.
double TimeOneStart(std::string commandLine, const char* windowClass,
                    std::vector<std::string>* dlls) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  LARGE_INTEGER frequency, begin, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&begin);
  if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return -1;
  }
  HWND found = nullptr;
  double elapsed = -1;
  for (int i = 0; i < 20000 && found == nullptr; ++i) {
    for (HWND window = FindWindowExA(nullptr, nullptr, windowClass, nullptr); window != nullptr;
         window = FindWindowExA(nullptr, window, windowClass, nullptr)) {
      DWORD owner = 0;
      GetWindowThreadProcessId(window, &owner);
      if (owner == process.dwProcessId && IsWindowVisible(window)) found = window;
    }
    if (found == nullptr) Sleep(1);
  }
  if (found != nullptr) {
    QueryPerformanceCounter(&now);
    elapsed = 1000.0 * static_cast<double>(now.QuadPart - begin.QuadPart) /
              static_cast<double>(frequency.QuadPart);
    if (dlls != nullptr) *dlls = DllsOf(process.dwProcessId);
    PostMessageA(found, WM_CLOSE, 0, 0);
  }
  if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 1);
    elapsed = -1;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  // What the end of a process leaves to the system and the display is done
  // before the next start is timed.
  Sleep(kSettleMs);
  return elapsed;
}

// The value below which the given share of the values lies.
double Percentile(std::vector<double> values, double share) {
  std::sort(values.begin(), values.end());
  return values.empty() ? -1 : values[static_cast<std::size_t>(share * (values.size() - 1) + 0.5)];
}

// A DLL's file name in lower case, as the list of those mapped shows it.
std::string DllName(const std::string& path) {
  std::string name = path.substr(path.rfind('\\') + 1);
  CharLowerBuffA(&name[0], static_cast<DWORD>(name.size()));
  return name;
}

// A program beside this one, quoted.
std::string BesideThis(const char* name) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  const std::string self = path;
  return "\"" + self.substr(0, self.rfind('\\') + 1) + name + "\"";
}

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

// Two searches typed into the filter of a Selector on 999 rows as a user
// types them, a character at a time (the edit box sends its change before
// the text is set), each keystroke followed by the grid's redraw, and the
// filter emptied after each, which refills the grid with every row. The
// first characters keep all 999 rows (every row holds "Site" and 表示), the
// digits narrow them. Prints the medians, the keystrokes' also for those
// alone that changed the number of rows shown; false when no window came.
bool TimeFilter(const std::string& selector, int runs) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  std::string commandLine = selector;
  if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return false;
  }
  HWND window = nullptr;
  for (int i = 0; i < 20000 && (window == nullptr || !IsWindowVisible(window)); ++i, Sleep(1)) {
    window = FindWindowA(ORVENT_WINDOW_CLASS, nullptr);
  }
  HWND filter = GetDlgItem(window, IDC_FILTER), grid = GetDlgItem(window, IDC_RECENT_GRID);
  const char* typed[] = {"s",
                         "si",
                         "sit",
                         "site",
                         "site ",
                         "site 1",
                         "site 12",
                         "site 123",
                         "",
                         "\x95\x5C",
                         "\x95\x5C\x8E\xA6",
                         "\x95\x5C\x8E\xA6 ",
                         "\x95\x5C\x8E\xA6 4",
                         "\x95\x5C\x8E\xA6 45",
                         ""};
  std::vector<double> keystrokes, narrowing, refills;
  for (int run = 0; window != nullptr && run < runs; ++run) {
    for (const char* now : typed) {
      const LRESULT rowsBefore = SendMessageA(grid, LVM_GETITEMCOUNT, 0, 0);
      LARGE_INTEGER begin, end;
      QueryPerformanceCounter(&begin);
      SendMessageA(filter, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(now));
      UpdateWindow(grid);
      QueryPerformanceCounter(&end);
      const double ms = Milliseconds(begin, end);
      (*now == 0 ? refills : keystrokes).push_back(ms);
      if (*now != 0 && SendMessageA(grid, LVM_GETITEMCOUNT, 0, 0) != rowsBefore) {
        narrowing.push_back(ms);
      }
    }
  }
  if (window != nullptr) PostMessageA(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 1);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  if (window == nullptr) return false;
  const double keystroke = Percentile(keystrokes, 0.5), narrowed = Percentile(narrowing, 0.5);
  std::printf(
      "filter keystroke to grid redrawn, 999 rows, median of %d: %.2f ms (%s 16 ms);"
      " grid refilled with no filter: %.2f ms\n"
      "  of them the %d that changed the number of rows shown: median %.2f ms (%s 16 ms),"
      " slowest %.2f ms\n",
      static_cast<int>(keystrokes.size()), keystroke, keystroke <= 16 ? "holds" : "DOES NOT HOLD",
      Percentile(refills, 0.5), static_cast<int>(narrowing.size()), narrowed,
      narrowed <= 16 ? "holds" : "DOES NOT HOLD", Percentile(narrowing, 1.0));
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s SELECTOR_EXE [RUNS]\n", argv[0]);
    return 2;
  }
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 7;
  const std::string settings = SettingsPath();
  const std::string saved = ReadFile(settings);
  struct Case {
    const char* name;
    std::string commandLine;
    const char* windowClass;
    std::string history;
    std::vector<std::string> dlls;  // mapped at the warm-up's window
    std::vector<double> times;
  };
  const std::string selector = "\"" + std::string(argv[1]) + "\"";
  const std::string dialog = BesideThis("orvent_empty_dialog.exe");
  const std::string manifested = BesideThis("orvent_empty_dialog_manifested.exe");
  const std::string window = BesideThis("orvent_selector_template.exe");
  // The program's cases first: the same-DLL dialog loads what they mapped.
  Case cases[] = {
      {"empty history", selector, ORVENT_WINDOW_CLASS, History(0), {}, {}},
      {"999-row history", selector, ORVENT_WINDOW_CLASS, History(999), {}, {}},
      {"999 rows on no server",
       selector,
       ORVENT_WINDOW_CLASS,
       History(999, "\\\\orvent-nowhere\\share\\"),
       {},
       {}},
      {"bare empty dialog", dialog, "#32770", History(0), {}, {}},
      {"same-DLL empty dialog", dialog, "#32770", History(0), {}, {}},
      {"same DLLs and manifest", manifested, "#32770", History(0), {}, {}},
      {"the Selector's template", window, ORVENT_WINDOW_CLASS, History(0), {}, {}},
  };
  enum { kEmpty, kFull, kNoServer, kBare, kSameDlls, kManifested, kTemplate, kCases };
  // Alternate the cases so that drift of the machine hits all alike; the
  // first start of each is a warm-up and not counted.
  for (int run = 0; run <= runs; ++run) {
    for (Case& c : cases) {
      WriteFile(settings, c.history);
      const double ms = TimeOneStart(c.commandLine, c.windowClass, run == 0 ? &c.dlls : nullptr);
      if (ms < 0) {
        std::fprintf(stderr, "%s did not show its window\n", c.commandLine.c_str());
        WriteFile(settings, saved);
        return 1;
      }
      if (run > 0) c.times.push_back(ms);
      if (run == 0 && &c == &cases[kNoServer]) {
        std::string loads = " ";
        for (int which = kEmpty; which <= kNoServer; ++which) {
          for (const std::string& dll : cases[which].dlls) loads += dll + "|";
        }
        cases[kSameDlls].commandLine = dialog + loads;
        cases[kManifested].commandLine = manifested + loads;
        cases[kTemplate].commandLine = window + loads;
      }
    }
  }
  WriteFile(settings, History(999));
  const bool filtered = TimeFilter(selector, std::max(2, runs / 4));
  WriteFile(settings, saved);
  if (!filtered) {
    std::fprintf(stderr, "%s did not show its window for the filter\n", selector.c_str());
    return 1;
  }
  // Under wine a start takes one of two times, the slower by tens of
  // milliseconds, seemingly at random, so that a median may fall on either;
  // the lower quartile shows the faster one.
  const struct {
    const char* name;
    double share;
  } statistics[] = {{"median", 0.5}, {"lower quartile", 0.25}};
  for (const auto& statistic : statistics) {
    double time[kCases];
    for (int which = 0; which < kCases; ++which) {
      time[which] = Percentile(cases[which].times, statistic.share);
    }
    std::printf("start to visible window, %d-bit, %s of %d runs:\n",
                static_cast<int>(8 * sizeof(void*)), statistic.name, runs);
    std::printf("  %-23s %8.1f ms\n", cases[kBare].name, time[kBare]);
    std::printf("  %-23s %8.1f ms   %.2fx bare\n", cases[kSameDlls].name, time[kSameDlls],
                time[kSameDlls] / time[kBare]);
    std::printf("  %-23s %8.1f ms   %.2fx bare, %.2fx same-DLL\n", cases[kManifested].name,
                time[kManifested], time[kManifested] / time[kBare],
                time[kManifested] / time[kSameDlls]);
    std::printf("  %-23s %8.1f ms   %.2fx bare, %.2fx same-DLL\n", cases[kTemplate].name,
                time[kTemplate], time[kTemplate] / time[kBare], time[kTemplate] / time[kSameDlls]);
    for (int which = kEmpty; which <= kNoServer; ++which) {
      std::printf(
          "  %-23s %8.1f ms   %.2fx bare, %.2fx same-DLL, %.2fx with manifest, %.2fx template",
          cases[which].name, time[which], time[which] / time[kBare], time[which] / time[kSameDlls],
          time[which] / time[kManifested], time[which] / time[kTemplate]);
      if (which != kEmpty) std::printf(", %.2fx empty history", time[which] / time[kEmpty]);
      std::printf("\n");
    }
  }
  // What the program maps, by its window, beyond the bare dialog.
  std::printf("  DLLs the program maps beyond the bare dialog:");
  std::set<std::string> seen;
  for (const std::string& dll : cases[kBare].dlls) seen.insert(DllName(dll));
  for (int which = kEmpty; which <= kNoServer; ++which) {
    for (const std::string& dll : cases[which].dlls) {
      if (seen.insert(DllName(dll)).second) std::printf(" %s", DllName(dll).c_str());
    }
  }
  std::printf("\n");
  return 0;
}
