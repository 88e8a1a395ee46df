// RunProcess with the real system: what a started program receives for
// paths with blanks, with a 0x5C trail byte, and beyond MAX_PATH.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "launch/run_process.h"
#include "namelist/mbcs.h"
#include "platform/win32/long_path.h"
#include "platform/win32/win32_platform.h"
#include "tests/win32/temp_folder.h"

namespace orvent {
namespace {

// What cmd.exe echoes of its argument, once the file it writes is complete.
std::string Echoed(const std::string& file) {
  std::string content;
  for (int i = 0; i < 200 && content.find('\n') == std::string::npos; ++i) {
    Sleep(50);
    std::ifstream in(file, std::ios::binary);
    content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  return Trim(content);
}

TEST(RunProcessWin32, PathsReachTheProgramQuotedOrInTheirShortForm) {
  Win32Platform platform;
  char system[MAX_PATH] = {};
  GetSystemDirectoryA(system, MAX_PATH);
  const std::string cmd = std::string(system) + "\\cmd.exe";
  TempFolder temp;
  const std::string base = temp.Path();

  // 表示 and ソフト hold 0x5C trail bytes; the blank asks for quotes.
  const std::string japanese = base + "\\\x83\x5C\x83\x74\x83\x67 Work";
  ASSERT_EQ(platform.MakeFolder(japanese), MakeFolderResult::kMade);
  std::string deep = base;
  while (deep.size() < 300) {
    deep += "\\Wind Work Level " + std::to_string(deep.size()) + std::string(30, 'x');
    ASSERT_EQ(platform.MakeFolder(deep), MakeFolderResult::kMade);
  }
  std::string deepShort;
  ASSERT_TRUE(platform.ShortPathName(deep, &deepShort));

  const struct {
    std::string path;
    std::string echoed;
  } cases[] = {
      {japanese, "\"" + japanese + "\""},
      {deep, deepShort},
  };
  int n = 0;
  for (const auto& c : cases) {
    const std::string record = base + "\\echo" + std::to_string(n++) + ".txt";
    ASSERT_TRUE(RunProcess(platform, cmd, {"/c", "echo", c.path, ">", record}, base,
                           kShowNormalWindow, kNormalPriority));
    EXPECT_EQ(Echoed(record), c.echoed);
  }
}

}  // namespace
}  // namespace orvent
