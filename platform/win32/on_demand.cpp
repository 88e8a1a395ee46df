#include "platform/win32/on_demand.h"

#include <ole2.h>

#include <string>

namespace orvent {
namespace {

bool g_oleStarted = false;

}  // namespace

FARPROC SystemDllFunction(const char* dll, const char* function) {
  HMODULE module = GetModuleHandleA(dll);
  if (module == nullptr) {
    // The system folder's own, never one that lies in the current folder.
    char folder[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    module = LoadLibraryA((std::string(folder, length) + "\\" + dll).c_str());
  }
  return module != nullptr ? GetProcAddress(module, function) : nullptr;
}

void StartOle() {
  if (g_oleStarted) return;
  const auto initialize = SystemFunction<decltype(OleInitialize)>("ole32.dll", "OleInitialize");
  g_oleStarted = initialize != nullptr && SUCCEEDED(initialize(nullptr));
}

void EndOle() {
  if (!g_oleStarted) return;
  const auto uninitialize =
      SystemFunction<decltype(OleUninitialize)>("ole32.dll", "OleUninitialize");
  if (uninitialize != nullptr) uninitialize();
  g_oleStarted = false;
}

}  // namespace orvent
