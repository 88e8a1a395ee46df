// The platform services on the real system, under code page 932: Japanese
// names, attributes, and paths beyond MAX_PATH or on a share handed to a
// started program.
#include "platform/win32/win32_platform.h"

#include <windows.h>

#include <gtest/gtest.h>
#include <sddl.h>

#include <map>

#include "launch/start_process.h"
#include "namelist/mbcs.h"
#include "platform/win32/long_path.h"
#include "tests/support/test_support.h"

namespace orvent {
namespace {

// Japanese names and attributes; a chosen name that code page 932 cannot hold
// exactly is not taken, for its best-fit form names something else ("a¥b" the
// folder b in a).
TEST(Win32Platform, JapaneseNamesAndAttributes) {
  ASSERT_EQ(GetACP(), 932u) << "the names below mean something only under code page 932";
  Win32Platform platform;
  test::ScratchFolder temp;
  const std::string folder = temp.File("\x83\x5C\x83\x74\x83\x67");  // ソフト: trail byte 0x5C
  ASSERT_EQ(platform.MakeFolder(folder), MakeFolderResult::kMade);
  EXPECT_EQ(platform.MakeFolder(folder), MakeFolderResult::kAlreadyExists);
  EXPECT_EQ(platform.MakeFolder(folder + "\\missing\\sub"), MakeFolderResult::kFailed);
  for (const char* name : {"\\\x95\x5C\x8E\xA6.mbc", "\\locked.mbc"})
    ASSERT_TRUE(test::WriteBytes(folder + name, "x"));
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
  std::string ansi;
  EXPECT_TRUE(WideToAnsiExact(L"C:\\\u8868\u793A", &ansi) && ansi == "C:\\" + test::kHyoji);
  for (const wchar_t* name : {L"a\u00A5b", L"\U00020BB7"})
    EXPECT_FALSE(WideToAnsiExact(name, &ansi)) << WideToAnsi(name);
}

// What cmd.exe, started by StartProcess in `folder`, echoes of `command`.
std::string Echoed(Win32Platform& platform, const std::string& folder,
                   std::vector<std::string> command, const std::string& record) {
  char system[MAX_PATH] = {};
  GetSystemDirectoryA(system, MAX_PATH);
  DeleteFileA(record.c_str());
  command.insert(command.begin(), "/c");
  command.insert(command.end(), {">", record});
  if (!StartProcess(platform, std::string(system) + "\\cmd.exe", command, folder, kShowNormalWindow,
                    kNormalPriority))
    return "(not started)";
  std::string echoed;
  for (int i = 0; i < 200 && echoed.find('\n') == std::string::npos; ++i, Sleep(50))
    echoed = test::ReadBytes(record);
  return Trim(echoed);
}

// A path of MAX_PATH or more goes in its short form where the system gives
// one, a blank one quoted, on a drive and through the share of drive C's
// root (ORVENT_TEST_SHARE) alike.
TEST(Win32Platform, AStartedProgramGetsPathsQuotedOrInTheirShortForm) {
  Win32Platform platform;
  test::ScratchFolder temp;
  std::string deep = temp.Path();
  for (int level = 0; level < 5; ++level) {
    deep += "\\Wind Work Level " + std::to_string(level) + std::string(32, 'x');
    ASSERT_EQ(platform.MakeFolder(deep), MakeFolderResult::kMade) << deep.size();
  }
  deep += "\\\x95\x5C\x8E\xA6 Site";
  ASSERT_EQ(platform.MakeFolder(deep), MakeFolderResult::kMade);
  EXPECT_TRUE(deep.size() > 260 && platform.Exists(deep + "\\") &&
              !platform.Exists(deep + "\\missing.mbc"));
  const std::string japanese = temp.File("\x83\x5C\x83\x74\x83\x67 Work"), record = temp.File("e");
  // The share, where it is set and the scratch folder lies on drive C.
  char share[MAX_PATH] = {};
  std::vector<std::string> roots = {temp.Path().substr(0, 2)};
  if (GetEnvironmentVariableA("ORVENT_TEST_SHARE", share, MAX_PATH) > 0 && roots[0] == "C:")
    roots.push_back(share);
  for (const std::string& root : roots) {
    const auto at = [&](const std::string& path) { return root + path.substr(2); };
    std::string shortForm;
    // Wine knows no short form of a network path: it goes as it is.
    if (platform.ShortPathName(at(deep), &shortForm)) {
      EXPECT_EQ(shortForm.find(' '), std::string::npos) << shortForm;
    } else {
      ASSERT_NE(root, roots[0]);
      shortForm = "\"" + at(deep) + "\"";
    }
    const std::string echoedDeep = Echoed(platform, temp.Path(), {"echo", at(deep)}, record);
    EXPECT_TRUE(EqualsNoCase(echoedDeep, shortForm)) << echoedDeep;
    EXPECT_EQ(Echoed(platform, temp.Path(), {"echo", at(japanese)}, record),
              "\"" + at(japanese) + "\"");
  }
  std::string shortForm;
  ASSERT_TRUE(platform.ShortPathName(deep, &shortForm));
  EXPECT_TRUE(EqualsNoCase(Echoed(platform, deep, {"cd"}, record), shortForm));
}

// A long path reaches the wide calls with the prefix that lifts MAX_PATH, a
// network path in its UNC form, and comes back without it; a path the system
// cannot make full stays as it was.
TEST(Win32Platform, AnExtendedPathTakesItsPrefixAndLosesItAgain) {
  test::ExpectTable("extended_paths.tsv", [](const std::vector<std::string>& f) {
    const std::wstring extended = ExtendedPath(f[0]);
    return WideToAnsi(extended) + " | " + WideToAnsi(WithoutExtendedPrefix(extended));
  });
}

// A row on an empty card reader must not bring up the system's "no disk"
// box: the checks of a path, the grid's among them, run with it off.
TEST(Win32Platform, APathIsCheckedWithTheNoDiskBoxOff) {
  struct Watched : Win32Platform {
    // There only when asked with the box off.
    unsigned long Attributes(const std::string&) override {
      return GetThreadErrorMode() == SEM_FAILCRITICALERRORS ? FILE_ATTRIBUTE_DIRECTORY
                                                            : INVALID_FILE_ATTRIBUTES;
    }
  } platform;
  ASSERT_TRUE(SetThreadErrorMode(0, nullptr));
  EXPECT_TRUE(platform.Exists("Q:\\Site.mbc") && platform.FolderExists("Q:\\"));
  EXPECT_EQ(GetThreadErrorMode(), 0u);
}

// A Selector started elevated holds the mutex where this user may not open
// it: another Selector runs, and this one must not start a second.
TEST(Win32Platform, AMutexThisUserMayNotOpenIsAnotherSelector) {
  SECURITY_ATTRIBUTES nobody = {sizeof nobody, nullptr, FALSE};  // an empty list: none may open it
  ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorA(
      "D:", SDDL_REVISION_1, &nobody.lpSecurityDescriptor, nullptr));
  ASSERT_NE(CreateMutexA(&nobody, TRUE, "ORVENTLancherElevated"), nullptr);  // held to the end
  EXPECT_EQ(Win32Platform().CreateNamedMutex("ORVENTLancherElevated"), MutexResult::kAlreadyExists);
}

}  // namespace
}  // namespace orvent
