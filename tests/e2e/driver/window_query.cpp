#include "tests/e2e/driver/window_query.h"

#include "tests/e2e/driver/polling.h"

namespace e2e {
namespace {

constexpr UINT kMessageTimeoutMs = 5000;

struct Search {
  const WindowFilter* filter;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM context) {
  Search* search = reinterpret_cast<Search*>(context);
  const WindowFilter& filter = *search->filter;
  if (filter.processId != 0 && WindowProcessId(window) != filter.processId) return TRUE;
  if (filter.visibleOnly && !IsWindowVisible(window)) return TRUE;
  if (!filter.className.empty() && WindowClassName(window) != filter.className) return TRUE;
  if (!filter.title.empty() && ReadWindowText(window) != filter.title) return TRUE;
  search->found.push_back(window);
  return TRUE;
}

}  // namespace

std::vector<HWND> FindTopLevelWindows(const WindowFilter& filter) {
  Search search{&filter, {}};
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitForTopLevelWindow(const WindowFilter& filter, DWORD timeoutMs) {
  WindowFilter visible = filter;
  visible.visibleOnly = true;
  HWND window = nullptr;
  WaitUntil(
      [&] {
        const std::vector<HWND> found = FindTopLevelWindows(visible);
        window = found.empty() ? nullptr : found.front();
        return window != nullptr;
      },
      timeoutMs);
  return window;
}

DWORD WindowProcessId(HWND window) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  return processId;
}

std::string WindowClassName(HWND window) {
  char name[256] = {};
  const int length = GetClassNameA(window, name, sizeof name);
  return std::string(name, length > 0 ? length : 0);
}

std::string ReadWindowText(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kMessageTimeoutMs,
                           &length)) {
    return std::string();
  }
  std::string text(length + 1, '\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]),
                           SMTO_ABORTIFHUNG, kMessageTimeoutMs, &copied)) {
    return std::string();
  }
  text.resize(copied < length ? copied : length);
  return text;
}

bool IsSameOrOwnedBy(HWND window, HWND owner) {
  for (HWND current = window; current != nullptr; current = GetWindow(current, GW_OWNER)) {
    if (current == owner) return true;
  }
  return false;
}

}  // namespace e2e
