#include "tests/e2e/driver/test_process.h"

#include <vector>

#include "tests/e2e/driver/polling.h"

namespace e2e {

TestProcess::~TestProcess() {
  Terminate();
  if (process_ != nullptr) CloseHandle(process_);
}

bool TestProcess::Start(const std::string& exe, const std::string& arguments,
                        const std::string& workingFolder) {
  if (process_ != nullptr) return false;
  std::string commandLine = "\"" + exe + "\"";
  if (!arguments.empty()) commandLine += " " + arguments;
  std::vector<char> buffer(commandLine.begin(), commandLine.end());
  buffer.push_back('\0');

  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  if (!CreateProcessA(exe.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      workingFolder.empty() ? nullptr : workingFolder.c_str(), &startup, &info)) {
    return false;
  }
  CloseHandle(info.hThread);
  process_ = info.hProcess;
  id_ = info.dwProcessId;
  return true;
}

bool TestProcess::IsRunning() const {
  return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

bool TestProcess::WaitForExit(DWORD timeoutMs, DWORD* exitCode) const {
  if (process_ == nullptr) return false;
  if (!WaitUntil([this] { return !IsRunning(); }, timeoutMs)) return false;
  if (exitCode != nullptr) GetExitCodeProcess(process_, exitCode);
  return true;
}

void TestProcess::Terminate() {
  if (!IsRunning()) return;
  TerminateProcess(process_, 1);
  WaitForSingleObject(process_, kExitTimeoutMs);
}

}  // namespace e2e
