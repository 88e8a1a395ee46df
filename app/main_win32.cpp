// Entry point of ORVENTLancher.exe.
#include <windows.h>

#include "app/orvent_lancher_app.h"
#include "app/startup.h"
#include "platform/win32/win32_platform.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  orvent::Win32Platform platform;
  CORVENTLancherApp app(platform);
  app.Run(orvent::ExeNameOf(platform.ModuleFileName()), commandLine != nullptr ? commandLine : "");
  return 0;
}
