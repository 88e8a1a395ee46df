// Helpers shared by the tests: golden files, scratch folders, raw bytes.
// Every test runs with the lead bytes of code page 932, whatever the
// machine's own code page is.
#pragma once

#include <string>

namespace orvent {
namespace test {

// Path of a file in tests/data (ORVENT_TEST_DATA, else beside this source).
std::string DataPath(const std::string& name);
// The whole file; "" when it cannot be read.
std::string ReadBytes(const std::string& path);
bool WriteBytes(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
// Creates one folder level; the name's bytes go to the system unchanged.
bool MakeFolder(const std::string& path);

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
  // Path() + the system's separator + name.
  std::string File(const std::string& name) const;

 private:
  std::string path_;
};

}  // namespace test
}  // namespace orvent
