// Entry point of ORVENTLancher.exe.
#include <windows.h>

#include "app/orvent_lancher_app.h"
#include "platform/win32/win32_platform.h"
#include "ui/framework/win32/win32_backend.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  orvent::Win32Platform platform;
  orvent::SetCurrentPlatform(&platform);
  ui::win32::Win32Backend backend(instance);
  ui::SetCurrentBackend(&backend);
  CORVENTLancherApp app;
  return app.Run(commandLine != nullptr ? commandLine : "");
}
