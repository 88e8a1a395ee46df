// A process started by a test. A process still running when its object
// goes is terminated, so a failed test leaves no Selector behind to hold
// the single-instance mutex for the next one.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

class TestProcess {
 public:
  TestProcess() = default;
  ~TestProcess();
  TestProcess(const TestProcess&) = delete;
  TestProcess& operator=(const TestProcess&) = delete;

  // Starts exe with the command line "exe" arguments in workingFolder.
  bool Start(const std::string& exe, const std::string& arguments,
             const std::string& workingFolder);

  bool IsRunning() const;
  // Waits for the end with the driver's messages pumped; gives the exit code.
  bool WaitForExit(DWORD timeoutMs, DWORD* exitCode = nullptr) const;
  void Terminate();

  DWORD Id() const { return id_; }
  HANDLE Handle() const { return process_; }

 private:
  HANDLE process_ = nullptr;
  DWORD id_ = 0;
};

}  // namespace e2e
