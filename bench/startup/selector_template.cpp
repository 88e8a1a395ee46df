// A yardstick of the start-up benchmark: the Selector's own window from its
// resources (its class and icon, its manifest, its ten controls and font) with
// nothing behind it: no history, no rows, no layout. Before it shows, it
// loads the DLLs its command line lists. Closed by WM_CLOSE.
//
//   orvent_selector_template.exe [DLL|DLL|...]
#include <windows.h>

#include <commctrl.h>

#include "bench/startup/yardstick.h"
#include "res/resource.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  LoadListedDlls(commandLine);
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  WNDCLASSEXA windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  GetClassInfoExA(nullptr, "#32770", &windowClass);
  windowClass.cbSize = sizeof windowClass;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = ORVENT_WINDOW_CLASS;
  const auto icon = [instance](int width, int height) {
    return static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON,
                                         GetSystemMetrics(width), GetSystemMetrics(height),
                                         LR_SHARED));
  };
  windowClass.hIcon = icon(SM_CXICON, SM_CYICON);
  windowClass.hIconSm = icon(SM_CXSMICON, SM_CYSMICON);
  RegisterClassExA(&windowClass);
  return static_cast<int>(
      DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_SELECTOR), nullptr, YardstickProc, 0));
}
