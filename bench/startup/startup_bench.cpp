// How long the Selector takes from process start to a visible window, with
// an empty history, with a full one of 999 rows, and with 999 rows on a
// network server that does not exist (whose project files the window asks
// after), measured in one run.
//
//   orvent_startup_bench.exe SELECTOR_EXE [RUNS]
//
// Each run writes the user's settings file, starts the Selector, waits until
// its window is visible, and closes it with Exit. Prints the median of each
// case and their ratio. The user's settings file is restored afterwards.
#include <windows.h>

#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
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

struct Search {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK FindVisibleSelector(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(hwnd, &owner);
  char cls[64] = {};
  GetClassNameA(hwnd, cls, sizeof cls);
  if (owner == search->processId && lstrcmpA(cls, ORVENT_WINDOW_CLASS) == 0 &&
      IsWindowVisible(hwnd)) {
    search->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

// Milliseconds from CreateProcess to a visible selector window; -1 on failure.
double TimeOneStart(const std::string& selector) {
  std::string commandLine = "\"" + selector + "\"";
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
  Search search = {process.dwProcessId, nullptr};
  double elapsed = -1;
  for (int i = 0; i < 20000 && search.found == nullptr; ++i) {
    EnumWindows(FindVisibleSelector, reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr) Sleep(1);
  }
  if (search.found != nullptr) {
    QueryPerformanceCounter(&now);
    elapsed = 1000.0 * static_cast<double>(now.QuadPart - begin.QuadPart) /
              static_cast<double>(frequency.QuadPart);
    PostMessageA(GetDlgItem(search.found, IDC_EXIT), BM_CLICK, 0, 0);
  }
  if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 1);
    elapsed = -1;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return elapsed;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? -1 : values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s SELECTOR_EXE [RUNS]\n", argv[0]);
    return 2;
  }
  const std::string selector = argv[1];
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 7;
  const std::string settings = SettingsPath();
  const std::string saved = ReadFile(settings);
  const std::string histories[3] = {History(0), History(999),
                                    History(999, "\\\\orvent-nowhere\\share\\")};
  std::vector<double> times[3];
  // Alternate the two cases so that drift of the machine hits both alike;
  // the first start of each is a warm-up and not counted.
  for (int run = 0; run <= runs; ++run) {
    for (int which = 0; which < 3; ++which) {
      WriteFile(settings, histories[which]);
      const double ms = TimeOneStart(selector);
      if (ms < 0) {
        std::fprintf(stderr, "the Selector did not show its window\n");
        WriteFile(settings, saved);
        return 1;
      }
      if (run > 0) times[which].push_back(ms);
    }
  }
  WriteFile(settings, saved);
  const double empty = Median(times[0]);
  std::printf("start to visible window, median of %d runs:\n", runs);
  std::printf("  empty history               %8.1f ms   (baseline)\n", empty);
  const char* names[3] = {"", "999-row history", "999 rows on no server"};
  for (int which = 1; which < 3; ++which) {
    const double full = Median(times[which]);
    std::printf("  %-27s %8.1f ms   %.2fx of the baseline, %+.1f%%\n", names[which], full,
                full / empty, 100.0 * (full - empty) / empty);
  }
  return 0;
}
