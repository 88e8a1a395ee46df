// Helpers shared by the tests: golden files, scratch folders, raw bytes.
// Every test runs with the lead bytes of code page 932, whatever the
// machine's own code page is.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orvent {
namespace test {

// Path of a file in tests/data (ORVENT_TEST_DATA, else beside this source).
std::string DataPath(const std::string& name);
// The whole file; with `ok` given, whether it could be read.
std::string ReadBytes(const std::string& path, bool* ok = nullptr);
bool WriteBytes(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
// Creates one folder level; the name's bytes go to the system unchanged.
bool MakeFolder(const std::string& path);
// The names in a folder, sorted.
std::vector<std::string> Names(const std::string& folder);
// Makes a file read-only, or writable again.
void SetReadOnly(const std::string& path, bool readOnly);
// folder + the system's separator + name.
std::string Join(const std::string& folder, const std::string& name);

// The path of a program built beside the running test program (".exe" added
// on Windows).
std::string BesideTestProgram(const std::string& name);

// A program started with arguments; Kill ends it at once, as a crash would.
// Whatever still runs is killed when the object goes.
class ChildProcess {
 public:
  ChildProcess(const std::string& program, const std::vector<std::string>& arguments);
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;
  bool Started() const { return handle_ != 0; }
  // Returns once the process is gone.
  void Kill();

 private:
  std::intptr_t handle_ = 0;  // the process handle on Windows, the pid elsewhere
};

// A fresh folder under the system's temporary folder, removed with all it
// holds (also beyond MAX_PATH) when the object goes. Path() ends without a
// separator.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return Join(path_, name); }

 private:
  std::string path_;
};

}  // namespace test
}  // namespace orvent
