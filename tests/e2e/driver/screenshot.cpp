#include "tests/e2e/driver/screenshot.h"

#include <windows.h>

#include "tests/e2e/driver/file_paths.h"
#include "tests/e2e/driver/polling.h"

namespace e2e {
namespace {

constexpr DWORD kScreenshotTimeoutMs = 10000;

}  // namespace

bool TakeScreenshot(const std::string& screenshotFolder, const std::string& name) {
  if (screenshotFolder.empty()) return true;
  const std::string request = screenshotFolder + name + ".request";
  HANDLE file = CreateFileA(request.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  // The request disappears once the picture is taken.
  return WaitUntil([&] { return !FileExists(request); }, kScreenshotTimeoutMs, 50);
}

}  // namespace e2e
