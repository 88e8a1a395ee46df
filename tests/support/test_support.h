// Helpers shared by the tests: golden files, scratch folders, raw bytes.
// Every test runs with the lead bytes of code page 932, whatever the
// machine's own code page is.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace orvent {
namespace test {

// 表示: its first character ends in the trail byte 0x5C.
inline const std::string kHyoji = "\x95\x5C\x8E\xA6";

// Path of a file in tests/data (ORVENT_TEST_DATA, else where it was built from).
std::string DataPath(const std::string& name);
// The whole file; "" when it cannot be read.
std::string ReadBytes(const std::string& path);
bool WriteBytes(const std::string& path, const std::string& bytes);

using Fields = std::vector<std::string>;

// A table of cases in tests/data, one a line: fields split by tabs, bytes
// outside printable ASCII (and '^') written ^XX, a run of N copies of one
// character (16 or more) written {c*N}. The last field is what the
// case gives, and the file must read the same when each case is computed.
void ExpectTable(const std::string& name, const std::function<std::string(const Fields&)>& compute);
// The same with the last `results` fields what the case gives, one each.
void ExpectTable(const std::string& name, std::size_t results,
                 const std::function<Fields(const Fields&)>& compute);

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
