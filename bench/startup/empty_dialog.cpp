// The yardstick of the start-up benchmark: an empty dialog with the style,
// size and font of the Selector's window, closed by WM_CLOSE. Before it
// shows, it loads the DLLs whose full paths its command line lists,
// separated by '|'; with none it is the bare dialog.
//
//   orvent_empty_dialog.exe [DLL|DLL|...]
#include <windows.h>

#include "bench/startup/yardstick.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  LoadListedDlls(commandLine);
  // The Selector window's style, size and font, without its controls: no
  // menu, the system's dialog class and no title (zero words), then the
  // font. The template lies on a DWORD boundary.
  struct alignas(4) Template {
    DLGTEMPLATE header;
    WORD menu, windowClass, title, pointSize;
    wchar_t face[13];
  } empty = {{}, 0, 0, 0, 8, L"MS Shell Dlg"};
  empty.header.style = DS_SETFONT | WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU |
                       WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
  empty.header.dwExtendedStyle = WS_EX_APPWINDOW;
  empty.header.cx = 521;
  empty.header.cy = 343;
  return static_cast<int>(
      DialogBoxIndirectParamA(instance, &empty.header, nullptr, YardstickProc, 0));
}
