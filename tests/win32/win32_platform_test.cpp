#include "platform/win32/win32_platform.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "launch/run_process.h"
#include "namelist/mbcs.h"
#include "platform/version_info.h"
#include "platform/win32/long_path.h"
#include "tests/win32/temp_folder.h"
#include "version.h"

namespace orvent {
namespace {

void WriteFile(const std::string& path, const std::string& content) {
  std::ofstream(path, std::ios::binary) << content;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(Win32Platform, RunsUnderCodePage932) {
  // The tests that follow use Japanese names; they mean something only when
  // the ANSI code page is 932 (LANG=ja_JP.UTF-8 under wine).
  EXPECT_EQ(GetACP(), 932u);
}

TEST(Win32Platform, FoldersFilesAndAttributesWithJapaneseNames) {
  Win32Platform platform;
  TempFolder temp;
  // ソフト and 表示 both hold a trail byte 0x5C.
  const std::string folder = temp.Path() + "\\\x83\x5C\x83\x74\x83\x67";
  EXPECT_FALSE(platform.Exists(folder));
  ASSERT_EQ(platform.MakeFolder(folder), MakeFolderResult::kMade);
  EXPECT_TRUE(platform.Exists(folder));
  EXPECT_TRUE(platform.Exists(folder + "\\"));
  EXPECT_EQ(platform.MakeFolder(folder), MakeFolderResult::kAlreadyExists);
  EXPECT_EQ(platform.MakeFolder(folder + "\\missing\\sub"), MakeFolderResult::kFailed)
      << "a level whose parent is missing";

  WriteFile(folder + "\\\x95\x5C\x8E\xA6.mbc", "x");
  WriteFile(folder + "\\locked.mbc", "x");
  SetFileAttributesA((folder + "\\locked.mbc").c_str(), FILE_ATTRIBUTE_READONLY);
  ASSERT_EQ(platform.MakeFolder(folder + "\\sub.mbc"), MakeFolderResult::kMade);

  std::vector<DirEntry> entries;
  ASSERT_TRUE(platform.FindEntries(folder + "\\*.mbc", &entries));
  std::map<std::string, unsigned> found;
  for (const DirEntry& e : entries) found[e.name] = e.attributes;
  ASSERT_EQ(found.size(), 3u);
  EXPECT_EQ(found["\x95\x5C\x8E\xA6.mbc"] & ~kAttrArchive, 0u);
  EXPECT_EQ(found["locked.mbc"] & ~kAttrArchive, unsigned(kAttrReadOnly));
  EXPECT_NE(found["sub.mbc"] & kAttrFolder, 0u);
  EXPECT_FALSE(platform.FindEntries(folder + "\\*.meg", &entries));
  EXPECT_TRUE(entries.empty());
  SetFileAttributesA((folder + "\\locked.mbc").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(Win32Platform, CurrentFolderAndModulePath) {
  Win32Platform platform;
  TempFolder temp;
  const std::string before = platform.CurrentFolder();
  ASSERT_TRUE(platform.SetCurrentFolder(temp.Path() + "\\"));
  EXPECT_TRUE(EqualsNoCase(platform.CurrentFolder(), temp.Path()));
  EXPECT_FALSE(platform.SetCurrentFolder(temp.Path() + "\\missing"));
  EXPECT_TRUE(platform.SetCurrentFolder(before));

  const std::string module = platform.ModuleFileName();
  EXPECT_TRUE(EqualsNoCase(module.substr(module.size() - 22), "orvent_win32_tests.exe")) << module;
}

TEST(Win32Platform, SpecialFoldersExist) {
  Win32Platform platform;
  for (SpecialFolder folder :
       {SpecialFolder::kAppData, SpecialFolder::kDocuments, SpecialFolder::kProgramFilesCommon}) {
    const std::string path = platform.GetSpecialFolder(folder);
    EXPECT_TRUE(path.size() > 3 && path[1] == ':') << static_cast<int>(folder) << " " << path;
  }
  EXPECT_TRUE(platform.Exists(platform.GetSpecialFolder(SpecialFolder::kAppData)));
}

TEST(Win32Platform, PathsLongerThanMaxPathExistHaveShortFormsAndServeAsWorkingFolder) {
  Win32Platform platform;
  TempFolder temp;
  // Five levels of about 50 characters and a Japanese one whose name holds
  // a trail byte 0x5C.
  std::string deep = temp.Path();
  for (int level = 0; level < 5; ++level) {
    deep += "\\Wind Work Level " + std::to_string(level) + std::string(32, 'x');
    ASSERT_EQ(platform.MakeFolder(deep), MakeFolderResult::kMade) << deep.size();
  }
  deep += "\\\x95\x5C\x8E\xA6 Site";
  ASSERT_EQ(platform.MakeFolder(deep), MakeFolderResult::kMade);
  ASSERT_GT(deep.size(), 260u);
  EXPECT_EQ(platform.MakeFolder(deep), MakeFolderResult::kAlreadyExists);
  EXPECT_EQ(platform.MakeFolder(deep + "\\missing\\sub"), MakeFolderResult::kFailed);
  EXPECT_TRUE(platform.Exists(deep));
  EXPECT_TRUE(platform.Exists(deep + "\\"));
  EXPECT_FALSE(platform.Exists(deep + "\\missing.mbc"));

  std::string shortForm;
  ASSERT_TRUE(platform.ShortPathName(deep, &shortForm));
  EXPECT_LT(shortForm.size(), 260u) << shortForm;
  EXPECT_EQ(shortForm.find(' '), std::string::npos) << shortForm;
  EXPECT_TRUE(platform.Exists(shortForm));

  // What a started program is given: its working folder, and paths with
  // blanks quoted, beyond MAX_PATH in their short form (ソフト holds a 0x5C).
  const std::string japanese = temp.Path() + "\\\x83\x5C\x83\x74\x83\x67 Work";
  ASSERT_EQ(platform.MakeFolder(japanese), MakeFolderResult::kMade);
  const struct {
    std::vector<std::string> arguments;
    std::string folder, echoed;
  } cases[] = {
      {{"/c", "cd"}, deep, shortForm},
      {{"/c", "echo", japanese}, temp.Path(), "\"" + japanese + "\""},
      {{"/c", "echo", deep}, temp.Path(), shortForm},
  };
  char system[MAX_PATH] = {};
  GetSystemDirectoryA(system, MAX_PATH);
  for (const auto& c : cases) {
    const std::string record = temp.Path() + "\\echo.txt";
    DeleteFileA(record.c_str());
    std::vector<std::string> arguments = c.arguments;
    arguments.insert(arguments.end(), {">", record});
    ASSERT_TRUE(RunProcess(platform, std::string(system) + "\\cmd.exe", arguments, c.folder,
                           kShowNormalWindow, kNormalPriority));
    std::string content;
    for (int i = 0; i < 200 && content.find('\n') == std::string::npos; ++i) {
      Sleep(50);
      content = ReadFile(record);
    }
    EXPECT_TRUE(EqualsNoCase(Trim(content), c.echoed)) << content;
  }
}

TEST(Win32Platform, ShellOpenOfAMissingDocumentFails) {
  Win32Platform platform;
  TempFolder temp;
  EXPECT_FALSE(platform.ShellOpen(temp.Path() + "\\OL_Manual.pdf"));
}

TEST(Win32Platform, OwnVersionInformation) {
  Win32Platform platform;
  std::vector<unsigned char> resource;
  ASSERT_TRUE(platform.ReadVersionResource(&resource));
  const unsigned char signature[] = {0xBD, 0x04, 0xEF, 0xFE};
  EXPECT_NE(std::search(resource.begin(), resource.end(), signature, signature + 4),
            resource.end());

  const VersionInfo info = ReadVersionInfo(platform);
  EXPECT_TRUE(info.hasProductVersion);
  EXPECT_EQ(ThreePartVersionText(info.productVersion) + "." +
                std::to_string(info.productVersion.revision),
            ORVENT_VERSION_TEXT);

  std::vector<unsigned char> translation;
  ASSERT_TRUE(platform.QueryVersionValue("\\VarFileInfo\\Translation", &translation));
  EXPECT_EQ(translation, (std::vector<unsigned char>{0x11, 0x04, 0xB0, 0x04}));

  std::vector<unsigned char> copyright;
  ASSERT_TRUE(platform.QueryVersionValue("\\StringFileInfo\\041104b0\\LegalCopyright", &copyright));
  EXPECT_NE(std::string(copyright.begin(), copyright.end()).find("HALVORN"), std::string::npos);
  EXPECT_FALSE(
      platform.QueryVersionValue("\\StringFileInfo\\040904b0\\LegalCopyright", &copyright));
}

TEST(Win32Platform, NamedMutexTellsASecondCreator) {
  Win32Platform platform;
  const std::string name = "orvent_test_mutex_" + std::to_string(GetCurrentProcessId());
  EXPECT_EQ(platform.CreateNamedMutex(name), MutexResult::kCreated);
  EXPECT_EQ(platform.CreateNamedMutex(name), MutexResult::kAlreadyExists);
}

}  // namespace
}  // namespace orvent
