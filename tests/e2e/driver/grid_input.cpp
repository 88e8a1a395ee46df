#include "tests/e2e/driver/grid_input.h"

#include "tests/e2e/driver/list_view_reader.h"
#include "tests/e2e/driver/polling.h"

namespace e2e {
namespace {

constexpr DWORD kRowMoveTimeoutMs = 3000;

}  // namespace

bool PostKey(HWND listView, UINT virtualKey) {
  const UINT scanCode = MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC);
  const LPARAM down = 1 | (static_cast<LPARAM>(scanCode) << 16);
  const LPARAM up = down | (1 << 30) | (static_cast<LPARAM>(1) << 31);
  return PostMessageA(listView, WM_KEYDOWN, virtualKey, down) &&
         PostMessageA(listView, WM_KEYUP, virtualKey, up);
}

bool MoveCurrentRowDown(HWND listView, int count, int expectedItem) {
  for (int i = 0; i < count; ++i) {
    if (!PostKey(listView, VK_DOWN)) return false;
  }
  return WaitUntil([&] { return ListViewFocusedItem(listView) == expectedItem; },
                   kRowMoveTimeoutMs);
}

bool PostDoubleClickOnItem(HWND listView, int item) {
  RECT rect;
  if (!ListViewItemRect(listView, item, &rect)) return false;
  const LPARAM point = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  return PostMessageA(listView, WM_LBUTTONDBLCLK, MK_LBUTTON, point) &&
         PostMessageA(listView, WM_LBUTTONUP, 0, point);
}

}  // namespace e2e
