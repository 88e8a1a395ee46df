#include "launch/run_process.h"

#include <gtest/gtest.h>

#include "tests/support/fake_platform.h"

namespace orvent {
namespace {

TEST(RunProcess, ArgumentsAreQuotedOnlyWhenTheyArePathsWithBlanks) {
  FakePlatform platform;
  const std::string longFolder = "D:\\" + std::string(250, 'w') + "\\Site A\\";
  const std::string longPath = longFolder + "Site A.mbc";
  platform.AddFile(longPath);
  platform.SetShortPath(longPath, "D:\\WWWWWW~1\\SITEA~1\\SITEA~1.MBC");
  const std::string missingLong = "E:\\" + std::string(260, 'm') + " x.mbc";

  const struct {
    std::string argument;
    std::string onCommandLine;
  } cases[] = {
      {"/weng", "/weng"},
      {"/nofm", "/nofm"},
      {"D:\\Wind Work\\Site A\\Site A.mbc", "\"D:\\Wind Work\\Site A\\Site A.mbc\""},
      {"D:\\Work\\Site1.mbc", "D:\\Work\\Site1.mbc"},
      {"  D:\\Work\\Site1.mbc\t", "D:\\Work\\Site1.mbc"},
      {"x\\\\server\\Site A.mbc", "\"x\\\\server\\Site A.mbc\""},
      // Beginning with either mark makes no path, so blanks stay unquoted
      // (a network path among them).
      {"\\\\server\\share\\Site A.mbc", "\\\\server\\share\\Site A.mbc"},
      {":\\odd name", ":\\odd name"},
      {"option with blanks", "option with blanks"},
      {"\"D:\\Wind Work\\A.mbc\"", "\"D:\\Wind Work\\A.mbc\""},
      // 表\ : the 0x5C trail byte and a real backslash make no "\\".
      {"\x95\x5C\\Site A.mbc", "\x95\x5C\\Site A.mbc"},
      {longPath, "D:\\WWWWWW~1\\SITEA~1\\SITEA~1.MBC"},
      {missingLong, "\"" + missingLong + "\""},
  };
  for (const auto& c : cases) {
    ProcessRequest r = BuildProcessRequest(platform, "C:\\Tools\\ORVENTEnergy.exe", {c.argument},
                                           "D:\\Work", 5, 0x20);
    EXPECT_EQ(r.commandLine, "\"C:\\Tools\\ORVENTEnergy.exe\" " + c.onCommandLine) << c.argument;
  }
}

TEST(RunProcess, ExampleLaunchAndWhatTheSystemIsGiven) {
  FakePlatform platform;
  platform.AddFile("C:\\Tools\\ORVENTEnergy.exe");
  ASSERT_TRUE(RunProcess(platform, " C:\\Tools\\ORVENTEnergy.exe ",
                         {"/weng", "", "  ", "/nofm", "D:\\Wind Work\\Site A\\Site A.mbc"},
                         " D:\\Wind Work\\Site A\\\\ ", kShowNormalWindow, kNormalPriority));
  ASSERT_EQ(platform.StartedProcesses().size(), 1u);
  const ProcessRequest& r = platform.StartedProcesses()[0];
  EXPECT_EQ(r.commandLine,
            "\"C:\\Tools\\ORVENTEnergy.exe\" /weng /nofm \"D:\\Wind Work\\Site A\\Site A.mbc\"");
  EXPECT_EQ(r.applicationName, "C:\\Tools\\ORVENTEnergy.exe");
  EXPECT_EQ(r.workingFolder, "D:\\Wind Work\\Site A");
  EXPECT_EQ(r.showMode, 5);
  EXPECT_EQ(r.creationFlags, 0x04000020u);
}

TEST(RunProcess, MissingExecutableIsLeftToTheCommandLine) {
  FakePlatform platform;
  platform.SetStartProcessResult(false);
  EXPECT_FALSE(RunProcess(platform, "C:\\Tools\\ORVENTBasic.exe", {"/nofm"}, "", 5, 0x20));
  const ProcessRequest& r = platform.StartedProcesses().at(0);
  EXPECT_EQ(r.applicationName, "");
  EXPECT_EQ(r.commandLine, "\"C:\\Tools\\ORVENTBasic.exe\" /nofm");
}

TEST(RunProcess, WorkingFolder) {
  FakePlatform platform;
  const struct {
    const char* given;
    const char* used;
  } cases[] = {
      {"", "."},
      {"   ", "."},
      {"D:\\Work\\", "D:\\Work"},
      {"D:\\Work\\\\\\", "D:\\Work"},
      {"D:\\", "D:"},
      // ソ (0x83 0x5C) at the end keeps its trail byte.
      {"D:\\\x83\x5C", "D:\\\x83\x5C"},
      {"D:\\\x83\x5C\\", "D:\\\x83\x5C"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BuildProcessRequest(platform, "a.exe", {}, c.given, 5, 0x20).workingFolder, c.used)
        << c.given;
  }
}

}  // namespace
}  // namespace orvent
