// A yardstick of the start-up benchmark: the Selector's own window from its
// resources (its class and icon, its manifest, its ten controls and font) with
// nothing behind it: no history, no rows, no layout. Before it shows, it
// loads the DLLs its command line lists. Closed by WM_CLOSE.
//
//   orvent_selector_template.exe [DLL|DLL|...]
#include <windows.h>

#include "bench/startup/yardstick.h"
#include "res/resource.h"
#include "ui/framework/application.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  LoadListedDlls(commandLine);
  // Its controls and class made ready as the program does.
  ui::StartCommonControls();
  if (!ui::RegisterDialogClass(ORVENT_WINDOW_CLASS, "#32770", IDR_MAINFRAME)) return 1;
  return static_cast<int>(
      DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_SELECTOR), nullptr, YardstickProc, 0));
}
