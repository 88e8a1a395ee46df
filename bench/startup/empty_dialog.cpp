// The yardstick of the start-up benchmark: an empty dialog the size of the
// Selector's window, closed by WM_CLOSE. Before it shows, it loads the DLLs
// whose full paths its command line lists, separated by '|'; with none it is
// the bare dialog.
//
//   orvent_empty_dialog.exe [DLL|DLL|...]
#include <windows.h>

#include <algorithm>
#include <string>

namespace {

INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM, LPARAM) {
  if (message == WM_INITDIALOG) return TRUE;
  if (message == WM_CLOSE) {
    EndDialog(hwnd, 0);
    return TRUE;
  }
  return FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  const std::string dlls = commandLine != nullptr ? commandLine : "";
  for (std::size_t begin = 0; begin < dlls.size();) {
    const std::size_t end = std::min(dlls.find('|', begin), dlls.size());
    if (end > begin) LoadLibraryA(dlls.substr(begin, end - begin).c_str());
    begin = end + 1;
  }
  // No menu, the system's dialog class, no title: three zero words after the
  // header, which must lie on a DWORD boundary.
  struct alignas(4) Template {
    DLGTEMPLATE header;
    WORD menu, windowClass, title;
  } empty = {};
  empty.header.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_VISIBLE;
  empty.header.cx = 521;
  empty.header.cy = 343;
  return static_cast<int>(DialogBoxIndirectParamA(instance, &empty.header, nullptr, DialogProc, 0));
}
