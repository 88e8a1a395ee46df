// Helpers shared by the core tests: golden files, scratch folders, raw bytes.
#pragma once

#include <string>

namespace orvent {
namespace test {

// Path of a file in tests/data (ORVENT_TEST_DATA, else beside this source).
std::string DataPath(const std::string& name);

// Whole file as bytes; `ok` (if given) tells whether it could be read.
std::string ReadBytes(const std::string& path, bool* ok = nullptr);
bool WriteBytes(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
// Creates one folder level; the name's bytes go to the system unchanged.
bool MakeFolder(const std::string& path);
// Whether names with code page 932 bytes reach the file system as such (on
// Windows only where the system's code page is 932).
bool SystemTakesCp932Paths();
// folder + the platform's separator + name.
std::string Join(const std::string& folder, const std::string& name);

// A fresh folder under the system's temporary folder, removed with its content
// when the object goes. Path() ends without a separator.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::string& Path() const { return path_; }
  // Path of an entry inside the folder, joined with the platform's separator.
  std::string File(const std::string& name) const;

 private:
  std::string path_;
};

}  // namespace test
}  // namespace orvent
