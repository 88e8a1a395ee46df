#include "tests/e2e/driver/e2e_settings.h"

#include <windows.h>

#include "tests/e2e/driver/file_paths.h"

namespace e2e {
namespace {

std::string Environment(const char* name) {
  char value[4096] = {};
  const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
  return length > 0 && length < sizeof value ? std::string(value, length) : std::string();
}

std::string DriverFolder() {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  return length > 0 && length < MAX_PATH ? FolderOf(path) : std::string();
}

}  // namespace

bool LoadSettings(E2eSettings* settings, std::string* problem) {
  settings->selectorExe = Environment("ORVENT_E2E_SELECTOR");
  settings->memberExe = Environment("ORVENT_E2E_MEMBER");
  if (settings->memberExe.empty()) settings->memberExe = DriverFolder() + "fake_member.exe";
  settings->scratchFolder = WithTrailingBackslash(Environment("ORVENT_E2E_SCRATCH"));
  const std::string shots = Environment("ORVENT_E2E_SCREENSHOTS");
  settings->screenshotFolder = shots.empty() ? std::string() : WithTrailingBackslash(shots);

  if (!FileExists(settings->selectorExe)) {
    *problem = "ORVENT_E2E_SELECTOR does not name an existing file: " + settings->selectorExe;
    return false;
  }
  if (!FileExists(settings->memberExe)) {
    *problem = "fake member not found: " + settings->memberExe;
    return false;
  }
  if (settings->scratchFolder.empty() || !FolderExists(settings->scratchFolder)) {
    *problem = "ORVENT_E2E_SCRATCH does not name an existing folder: " + settings->scratchFolder;
    return false;
  }
  return true;
}

}  // namespace e2e
