// The platform services on the real system, under code page 932: Japanese
// names, attributes, and paths beyond MAX_PATH handed to a started program.
#include "platform/win32/win32_platform.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "launch/run_process.h"
#include "namelist/mbcs.h"
#include "tests/support/test_support.h"

namespace orvent {
namespace {

TEST(Win32Platform, JapaneseNamesAndAttributes) {
  ASSERT_EQ(GetACP(), 932u) << "the names below mean something only under code page 932";
  Win32Platform platform;
  test::ScratchFolder temp;
  const std::string folder = temp.File("\x83\x5C\x83\x74\x83\x67");  // ソフト: trail byte 0x5C
  ASSERT_EQ(platform.MakeFolder(folder), MakeFolderResult::kMade);
  EXPECT_TRUE(platform.Exists(folder + "\\"));
  EXPECT_EQ(platform.MakeFolder(folder), MakeFolderResult::kAlreadyExists);
  EXPECT_EQ(platform.MakeFolder(folder + "\\missing\\sub"), MakeFolderResult::kFailed);
  ASSERT_TRUE(test::WriteBytes(folder + "\\\x95\x5C\x8E\xA6.mbc", "x"));
  ASSERT_TRUE(test::WriteBytes(folder + "\\locked.mbc", "x"));
  SetFileAttributesA((folder + "\\locked.mbc").c_str(), FILE_ATTRIBUTE_READONLY);
  ASSERT_EQ(platform.MakeFolder(folder + "\\sub.mbc"), MakeFolderResult::kMade);
  std::vector<DirEntry> entries;
  ASSERT_TRUE(platform.FindEntries(folder + "\\*.mbc", &entries));
  std::map<std::string, unsigned> found;
  for (const DirEntry& e : entries) found[e.name] = e.attributes & ~unsigned(kAttrArchive);
  EXPECT_EQ(found, (std::map<std::string, unsigned>{{"\x95\x5C\x8E\xA6.mbc", 0},
                                                    {"locked.mbc", kAttrReadOnly},
                                                    {"sub.mbc", kAttrFolder}}));
  EXPECT_FALSE(platform.FindEntries(folder + "\\*.meg", &entries));
}

TEST(Win32Platform, AStartedProgramGetsPathsQuotedOrInTheirShortForm) {
  Win32Platform platform;
  test::ScratchFolder temp;
  // Five levels of about 50 characters, then a Japanese one with a trail byte 0x5C.
  std::string deep = temp.Path();
  for (int level = 0; level < 5; ++level) {
    deep += "\\Wind Work Level " + std::to_string(level) + std::string(32, 'x');
    ASSERT_EQ(platform.MakeFolder(deep), MakeFolderResult::kMade) << deep.size();
  }
  deep += "\\\x95\x5C\x8E\xA6 Site";
  ASSERT_EQ(platform.MakeFolder(deep), MakeFolderResult::kMade);
  ASSERT_GT(deep.size(), 260u);
  EXPECT_TRUE(platform.Exists(deep + "\\"));
  EXPECT_FALSE(platform.Exists(deep + "\\missing.mbc"));
  std::string shortForm;
  ASSERT_TRUE(platform.ShortPathName(deep, &shortForm));
  EXPECT_EQ(shortForm.find(' '), std::string::npos) << shortForm;
  const std::string japanese = temp.File("\x83\x5C\x83\x74\x83\x67 Work");
  ASSERT_EQ(platform.MakeFolder(japanese), MakeFolderResult::kMade);
  // What cmd.exe says of its working folder and of its argument.
  const struct {
    std::vector<std::string> arguments;
    std::string folder, echoed;
  } cases[] = {{{"/c", "cd"}, deep, shortForm},
               {{"/c", "echo", japanese}, temp.Path(), "\"" + japanese + "\""},
               {{"/c", "echo", deep}, temp.Path(), shortForm}};
  char system[MAX_PATH] = {};
  GetSystemDirectoryA(system, MAX_PATH);
  for (const auto& c : cases) {
    const std::string record = temp.File("echo.txt");
    DeleteFileA(record.c_str());
    std::vector<std::string> arguments = c.arguments;
    arguments.insert(arguments.end(), {">", record});
    ASSERT_TRUE(RunProcess(platform, std::string(system) + "\\cmd.exe", arguments, c.folder,
                           kShowNormalWindow, kNormalPriority));
    std::string echoed;
    for (int i = 0; i < 200 && echoed.find('\n') == std::string::npos; ++i, Sleep(50)) {
      echoed = test::ReadBytes(record);
    }
    EXPECT_TRUE(EqualsNoCase(Trim(echoed), c.echoed)) << echoed;
  }
}

}  // namespace
}  // namespace orvent
