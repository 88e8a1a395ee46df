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

namespace orvent {
namespace test {
namespace {

struct CodePage932 : ::testing::Environment {
  void SetUp() override { SetActiveCodePage(932); }
};
::testing::Environment* const kCodePage932 = ::testing::AddGlobalTestEnvironment(new CodePage932);

// A field as the table writes it: ^XX is a byte, {c*N} is N copies of c.
std::string Decoded(const std::string& text) {
  std::string field;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t close = text.find('}', i);
    if (text[i] == '^') {
      field += char(std::stoi(text.substr(i + 1, 2), nullptr, 16));
      i += 3;
    } else if (text.compare(i, 1, "{") == 0 && text.compare(i + 2, 1, "*") == 0 &&
               close != std::string::npos && close > i + 3 &&
               text.find_first_not_of("0123456789", i + 3) == close) {
      field.append(std::stoul(text.substr(i + 3, close - i - 3)), text[i + 1]);
      i = close + 1;
    } else {
      field += text[i++];
    }
  }
  return field;
}

// The reverse: a run of 16 or more copies of one character is written short.
std::string Encoded(const std::string& field) {
  std::string text;
  for (std::size_t i = 0; i < field.size();) {
    const unsigned char c = field[i];
    const std::size_t next = field.find_first_not_of(field[i], i);
    const std::size_t run = (next == std::string::npos ? field.size() : next) - i;
    char hex[4];
    std::snprintf(hex, sizeof hex, "^%02X", c);
    const std::string one = c >= 0x20 && c < 0x7F && c != '^' ? std::string(1, char(c)) : hex;
    if (run >= 16 && one.size() == 1) {
      text += "{" + one + "*" + std::to_string(run) + "}";
      i += run;
    } else {
      text += one;
      ++i;
    }
  }
  return text;
}

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

void ExpectTable(const std::string& name, std::size_t results,
                 const std::function<Fields(const Fields&)>& compute) {
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
    Fields fields;
    std::size_t start = 0;
    for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
      fields.push_back(line.substr(start, tab - start));
    fields.push_back(line.substr(start));
    // The fields before the results are kept as written.
    const std::size_t inputs = fields.size() > results ? fields.size() - results : 0;
    Fields given;
    std::string row;
    for (std::size_t i = 0; i < inputs; ++i) {
      given.push_back(Decoded(fields[i]));
      row += fields[i] + "\t";
    }
    const Fields gives = compute(given);
    for (std::size_t i = 0; i < gives.size(); ++i) row += (i == 0 ? "" : "\t") + Encoded(gives[i]);
    computed += row + "\n";
  }
  EXPECT_EQ(computed, table) << name;
}

void ExpectTable(const std::string& name,
                 const std::function<std::string(const Fields&)>& compute) {
  ExpectTable(name, 1, [&](const Fields& fields) { return Fields{compute(fields)}; });
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
  std::error_code ignored;
#ifdef _WIN32
  // Through the wide calls with the prefix that lifts MAX_PATH, so that deep
  // paths go too (the "rmdir /s" of wine's shell loses its way on them).
  std::filesystem::remove_all(L"\\\\?\\" + std::filesystem::path(path_).wstring(), ignored);
#else
  std::filesystem::remove_all(path_, ignored);
#endif
}

std::string ScratchFolder::File(const std::string& name) const {
  return path_ + (std::filesystem::path::preferred_separator == '/' ? "/" : "\\") + name;
}

}  // namespace test
}  // namespace orvent
