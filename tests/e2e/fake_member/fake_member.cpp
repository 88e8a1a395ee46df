// Stand-in for the suite's member applications: records how it was started
// and ends at once, without a window.
#include <windows.h>

#include <string>

#include "tests/e2e/fake_member/launch_record_format.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char module[MAX_PATH] = {}, folder[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, module, MAX_PATH);
  GetCurrentDirectoryA(MAX_PATH, folder);
  const std::string record = std::string(module) + "|" + GetCommandLineA() + "|" + folder + "\r\n";
  std::string path = module;
  path = path.substr(0, path.find_last_of('\\') + 1) + fake_member::kLaunchRecordFile;
  // The test may be reading the file, or another member appending to it.
  for (int attempt = 0; attempt < 50; ++attempt, Sleep(20)) {
    HANDLE file = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) continue;
    DWORD written = 0;
    const BOOL ok =
        WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == record.size() ? 0 : 1;
  }
  return 1;
}
