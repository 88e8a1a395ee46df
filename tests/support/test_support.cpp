#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "namelist/mbcs.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace orvent {
namespace test {
namespace {

struct CodePage932 : ::testing::Environment {
  void SetUp() override { SetActiveCodePage(932); }
};
::testing::Environment* const kCodePage932 = ::testing::AddGlobalTestEnvironment(new CodePage932);

#ifdef _WIN32
// Through the wide calls, so that paths beyond MAX_PATH go too, and never
// into a link. (The "rmdir /s" of wine's shell loses its way on such paths.)
void RemoveTree(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileW(search, &found)) {
    const std::wstring name = found.cFileName, path = folder + L"\\" + name;
    if (name == L"." || name == L"..") continue;
    if ((found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) ==
        FILE_ATTRIBUTE_DIRECTORY) {
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
  return std::string(folder != nullptr ? folder : ORVENT_TEST_DATA_DIR) + "/" + name;
}

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool WriteBytes(const std::string& path, const std::string& bytes) {
  return static_cast<bool>(std::ofstream(path, std::ios::binary) << bytes << std::flush);
}

void ExpectTable(const std::string& name,
                 const std::function<std::string(const std::vector<std::string>&)>& compute) {
  const std::string table = ReadBytes(DataPath(name));
  ASSERT_EQ(table.rfind("# ", 0), 0u)
      << DataPath(name) << " is missing or does not open with \"# \" and its columns";
  std::istringstream lines(table);
  std::string computed;
  // The first line names the columns; it, blank lines and "#" comments are kept.
  for (std::string line; std::getline(lines, line);) {
    if (computed.empty() || line.empty() || line[0] == '#') {
      computed += line + "\n";
      continue;
    }
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1) {
      std::string& field = fields.emplace_back();
      for (std::size_t i = start; i < tab; i += line[i] == '^' ? 3 : 1)
        field += line[i] == '^' ? char(std::stoi(line.substr(i + 1, 2), nullptr, 16)) : line[i];
    }
    computed += line.substr(0, start);
    for (const unsigned char c : compute(fields)) {
      char hex[4];
      std::snprintf(hex, sizeof hex, "^%02X", c);
      computed += c >= 0x20 && c < 0x7F && c != '^' ? std::string(1, char(c)) : hex;
    }
    computed += "\n";
  }
  EXPECT_EQ(computed, table) << name;
}

ScratchFolder::ScratchFolder() {
  static std::atomic<int> counter{0};
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  path_ = (std::filesystem::temp_directory_path() /
           ("orvent_test_" + std::to_string(stamp) + "_" + std::to_string(counter++)))
              .string();
  std::filesystem::create_directory(path_);
}

ScratchFolder::~ScratchFolder() {
#ifdef _WIN32
  RemoveTree(L"\\\\?\\" + std::filesystem::path(path_).wstring());
#else
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
#endif
}

std::string ScratchFolder::File(const std::string& name) const {
  return path_ + (std::filesystem::path::preferred_separator == '/' ? "/" : "\\") + name;
}

}  // namespace test
}  // namespace orvent
