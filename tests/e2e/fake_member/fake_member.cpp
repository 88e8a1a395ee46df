// Stand-in for the suite's member applications: records how it was started
// and ends at once, without a window.
#include <windows.h>

#include <string>

#include "tests/e2e/fake_member/launch_record_format.h"

namespace {

std::string ModulePath() {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  return std::string(path, length < MAX_PATH ? length : 0);
}

std::string WorkingFolder() {
  char folder[MAX_PATH] = {};
  const DWORD length = GetCurrentDirectoryA(MAX_PATH, folder);
  return std::string(folder, length < MAX_PATH ? length : 0);
}

std::string RecordPath(const std::string& modulePath) {
  const std::string::size_type slash = modulePath.find_last_of("\\/");
  const std::string folder =
      slash == std::string::npos ? std::string() : modulePath.substr(0, slash + 1);
  return folder + fake_member::kLaunchRecordFile;
}

// The test may be reading the file, or another member appending to it, at
// the same moment: a sharing conflict is waited out briefly.
HANDLE OpenForAppend(const std::string& path) {
  for (int attempt = 0; attempt < 50; ++attempt) {
    HANDLE file = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_SHARING_VIOLATION) return file;
    Sleep(20);
  }
  return INVALID_HANDLE_VALUE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const std::string modulePath = ModulePath();
  const std::string record = std::string(fake_member::kCommandLineKey) + GetCommandLineA() +
                             "\r\n" + fake_member::kWorkingFolderKey + WorkingFolder() + "\r\n" +
                             fake_member::kModuleKey + modulePath + "\r\n";

  HANDLE file = OpenForAppend(RecordPath(modulePath));
  if (file == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  const BOOL ok =
      WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
  CloseHandle(file);
  return ok && written == record.size() ? 0 : 1;
}
