#include "app/command_line.h"

#include <gtest/gtest.h>

namespace orvent {
namespace {

struct CommandLineCase {
  const char* commandLine;
  const char* projectPath;
};

TEST(CommandLine, LastNonOptionTokenIsTheProject) {
  const CommandLineCase cases[] = {
      {"", ""},
      {"/x \"D:\\My Work\\Site A.mbc\"", "D:\\My Work\\Site A.mbc"},
      {"-debug", ""},
      {"A.mbc B.mbc", "B.mbc"},
      {"-", "-"},
      {"/", "/"},
      {"B.mbc /nofm", "B.mbc"},
      {"   C:\\P\\Site1.mbc   ", "C:\\P\\Site1.mbc"},
      // A full-width blank separates like a blank.
      {"A.mbc\x81\x40"
       "B.mbc",
       "B.mbc"},
      // A trail byte 0x5C or 0x40 is no separator: ソフト\表示.mbc stays whole.
      {"C:\\\x83\x5C\x83\x74\x83\x67\\\x95\x5C\x8E\xA6.mbc",
       "C:\\\x83\x5C\x83\x74\x83\x67\\\x95\x5C\x8E\xA6.mbc"},
  };
  for (const CommandLineCase& c : cases) {
    EXPECT_EQ(ProjectPathFromCommandLine(c.commandLine), c.projectPath) << c.commandLine;
  }
}

}  // namespace
}  // namespace orvent
