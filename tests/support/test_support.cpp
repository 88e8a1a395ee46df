#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "namelist/mbcs.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace orvent {
namespace test {
namespace {

struct CodePage932 : ::testing::Environment {
  void SetUp() override { SetActiveCodePage(932); }
};
::testing::Environment* const g_codePage = ::testing::AddGlobalTestEnvironment(new CodePage932);

#ifdef _WIN32
// Through the wide calls, so that paths beyond MAX_PATH go too, and never
// into a link. (The "rmdir /s" of wine's shell loses its way on such paths.)
void RemoveTree(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileW(search, &found)) {
    const std::wstring name = found.cFileName, path = folder + L"\\" + name;
    if (name == L"." || name == L"..") continue;
    const DWORD attributes = found.dwFileAttributes;
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) && !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
      RemoveTree(path);
    } else if (!RemoveDirectoryW(path.c_str())) {
      SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileW(path.c_str());
    }
  }
  if (search != INVALID_HANDLE_VALUE) FindClose(search);
  RemoveDirectoryW(folder.c_str());
}
#endif

}  // namespace

std::string DataPath(const std::string& name) {
  const char* folder = std::getenv("ORVENT_TEST_DATA");
  return (folder != nullptr
              ? std::string(folder)
              : (std::filesystem::path(__FILE__).parent_path().parent_path() / "data").string()) +
         "/" + name;
}

std::string ReadBytes(const std::string& path, bool* ok) {
  std::ifstream in(path, std::ios::binary);
  if (ok != nullptr) *ok = in.is_open();
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

bool WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  return static_cast<bool>(out << bytes) && static_cast<bool>(out.flush());
}

bool FileExists(const std::string& path) { return std::ifstream(path).is_open(); }

bool MakeFolder(const std::string& path) {
#ifdef _WIN32
  return CreateDirectoryA(path.c_str(), nullptr) != FALSE;
#else
  std::error_code error;
  return std::filesystem::create_directory(path, error);
#endif
}

std::vector<std::string> Names(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

void SetReadOnly(const std::string& path, bool readOnly) {
#ifdef _WIN32
  SetFileAttributesA(path.c_str(), readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
#else
  std::error_code ignored;
  std::filesystem::permissions(
      path,
      readOnly ? std::filesystem::perms::owner_read
               : std::filesystem::perms::owner_read | std::filesystem::perms::owner_write,
      ignored);
#endif
}

std::string Join(const std::string& folder, const std::string& name) {
#ifdef _WIN32
  return folder + "\\" + name;
#else
  return folder + "/" + name;
#endif
}

std::string BesideTestProgram(const std::string& name) {
#ifdef _WIN32
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  return (std::filesystem::path(self).parent_path() / (name + ".exe")).string();
#else
  return (std::filesystem::read_symlink("/proc/self/exe").parent_path() / name).string();
#endif
}

ChildProcess::ChildProcess(const std::string& program, const std::vector<std::string>& arguments) {
#ifdef _WIN32
  std::string commandLine = "\"" + program + "\"";
  for (const std::string& argument : arguments) commandLine += " \"" + argument + "\"";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                     &startup, &process)) {
    CloseHandle(process.hThread);
    handle_ = reinterpret_cast<std::intptr_t>(process.hProcess);
  }
#else
  std::vector<char*> argv = {const_cast<char*>(program.c_str())};
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  const pid_t pid = fork();
  if (pid == 0) {
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  handle_ = pid > 0 ? pid : 0;
#endif
}

ChildProcess::~ChildProcess() { Kill(); }

void ChildProcess::Kill() {
  if (handle_ == 0) return;
#ifdef _WIN32
  const HANDLE process = reinterpret_cast<HANDLE>(handle_);
  TerminateProcess(process, 1);
  WaitForSingleObject(process, INFINITE);
  CloseHandle(process);
#else
  kill(static_cast<pid_t>(handle_), SIGKILL);
  waitpid(static_cast<pid_t>(handle_), nullptr, 0);
#endif
  handle_ = 0;
}

ScratchFolder::ScratchFolder() {
  static std::atomic<int> counter{0};
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  path_ = (std::filesystem::temp_directory_path() /
           ("orvent_test_" + std::to_string(stamp) + "_" + std::to_string(counter++)))
              .string();
  MakeFolder(path_);
}

ScratchFolder::~ScratchFolder() {
#ifdef _WIN32
  RemoveTree(L"\\\\?\\" + std::filesystem::path(path_).wstring());
#else
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
#endif
}

}  // namespace test
}  // namespace orvent
