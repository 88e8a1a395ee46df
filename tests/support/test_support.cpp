#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "namelist/mbcs.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace orvent {
namespace test {
namespace {

// Every core test runs with the lead bytes of code page 932, whatever the
// machine's own code page is.
class CodePage932 : public ::testing::Environment {
 public:
  void SetUp() override {
    saved_ = ActiveCodePage();
    SetActiveCodePage(932);
  }
  void TearDown() override { SetActiveCodePage(saved_); }

 private:
  int saved_ = 932;
};

::testing::Environment* const g_codePage = ::testing::AddGlobalTestEnvironment(new CodePage932);

#ifdef _WIN32
const char kSeparator = '\\';
#else
const char kSeparator = '/';
#endif

}  // namespace

std::string DataPath(const std::string& name) {
  const char* fromEnvironment = std::getenv("ORVENT_TEST_DATA");
  std::string folder;
  if (fromEnvironment != nullptr && *fromEnvironment != '\0') {
    folder = fromEnvironment;
  } else {
    folder = (std::filesystem::path(__FILE__).parent_path().parent_path() / "data").string();
  }
  return folder + "/" + name;
}

std::string ReadBytes(const std::string& path, bool* ok) {
  std::string bytes;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (ok != nullptr) *ok = file != nullptr;
  if (file == nullptr) return bytes;
  char buffer[4096];
  std::size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
  std::fclose(file);
  return bytes;
}

bool WriteBytes(const std::string& path, const std::string& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}

bool FileExists(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return false;
  std::fclose(file);
  return true;
}

bool MakeFolder(const std::string& path) {
#ifdef _WIN32
  return CreateDirectoryA(path.c_str(), nullptr) != FALSE;
#else
  std::error_code error;
  return std::filesystem::create_directory(path, error);
#endif
}

bool SystemTakesCp932Paths() {
#ifdef _WIN32
  return GetACP() == 932;
#else
  return true;
#endif
}

std::string Join(const std::string& folder, const std::string& name) {
  return folder + kSeparator + name;
}

ScratchFolder::ScratchFolder() {
  static std::atomic<int> counter{0};
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() /
      ("orvent_core_" + std::to_string(stamp) + "_" + std::to_string(counter++));
  std::filesystem::create_directories(folder);
  path_ = folder.string();
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string ScratchFolder::File(const std::string& name) const { return Join(path_, name); }

}  // namespace test
}  // namespace orvent
