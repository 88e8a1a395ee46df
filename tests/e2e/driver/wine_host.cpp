#include "tests/e2e/driver/wine_host.h"

#include <windows.h>

namespace e2e {

bool RunningUnderWine() {
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

}  // namespace e2e
