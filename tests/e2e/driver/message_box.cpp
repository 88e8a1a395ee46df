#include "tests/e2e/driver/message_box.h"

#include <vector>

#include "tests/e2e/driver/polling.h"
#include "tests/e2e/driver/window_input.h"
#include "tests/e2e/driver/window_query.h"

namespace e2e {
namespace {

constexpr int kMessageTextId = 0xFFFF;

}  // namespace

HWND WaitForMessageBox(HWND owner, DWORD timeoutMs) {
  WindowFilter filter;
  filter.processId = WindowProcessId(owner);
  filter.className = "#32770";
  filter.visibleOnly = true;
  HWND box = nullptr;
  WaitUntil(
      [&] {
        for (HWND candidate : FindTopLevelWindows(filter)) {
          if (GetWindow(candidate, GW_OWNER) == owner) {
            box = candidate;
            return true;
          }
        }
        return false;
      },
      timeoutMs);
  return box;
}

std::string MessageBoxText(HWND box) {
  HWND text = GetDlgItem(box, kMessageTextId);
  return text != nullptr ? ReadWindowText(text) : std::string();
}

std::string MessageBoxCaption(HWND box) { return ReadWindowText(box); }

bool AnswerMessageBox(HWND box, int buttonId) {
  return PostButtonClick(box, buttonId) || PostCommand(box, buttonId);
}

}  // namespace e2e
