#include "tests/e2e/driver/list_view_reader.h"

#include <commctrl.h>

#include <vector>

#include "tests/e2e/driver/remote_buffer.h"

namespace e2e {
namespace {

constexpr std::size_t kTextRoom = 1024;
constexpr UINT kMessageTimeoutMs = 5000;

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kMessageTimeoutMs,
                           &result)) {
    return -1;
  }
  return static_cast<LRESULT>(result);
}

}  // namespace

int ListViewItemCount(HWND listView) {
  return static_cast<int>(Send(listView, LVM_GETITEMCOUNT, 0, 0));
}

std::string ListViewItemText(HWND listView, int item, int subItem) {
  // The item record first, its text buffer right behind it.
  RemoteBuffer remote(listView, sizeof(LVITEMA) + kTextRoom);
  if (!remote.Valid()) return std::string();
  LVITEMA request = {};
  request.iSubItem = subItem;
  request.pszText = static_cast<char*>(remote.At(sizeof(LVITEMA)));
  request.cchTextMax = static_cast<int>(kTextRoom);
  const char nothing = '\0';
  if (!remote.Write(&request, sizeof request) || !remote.Write(&nothing, 1, sizeof(LVITEMA))) {
    return std::string();
  }
  const LRESULT length = Send(listView, LVM_GETITEMTEXTA, static_cast<WPARAM>(item),
                              reinterpret_cast<LPARAM>(remote.Address()));
  if (length <= 0) return std::string();
  std::vector<char> text(kTextRoom, '\0');
  if (!remote.Read(text.data(), text.size(), sizeof(LVITEMA))) return std::string();
  text.back() = '\0';
  return text.data();
}

bool ListViewItemRect(HWND listView, int item, RECT* rect) {
  RemoteBuffer remote(listView, sizeof(RECT));
  RECT request = {};
  request.left = LVIR_LABEL;
  if (!remote.Write(&request, sizeof request)) return false;
  if (Send(listView, LVM_GETITEMRECT, static_cast<WPARAM>(item),
           reinterpret_cast<LPARAM>(remote.Address())) <= 0) {
    return false;
  }
  return remote.Read(rect, sizeof *rect);
}

int ListViewFocusedItem(HWND listView) {
  return static_cast<int>(
      Send(listView, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), MAKELPARAM(LVNI_FOCUSED, 0)));
}

}  // namespace e2e
