// The platform services on the real system, under code page 932: names the
// code page cannot hold, and paths beyond MAX_PATH handed to a started
// program.
#include "platform/win32/win32_platform.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "launch/start_process.h"
#include "namelist/mbcs.h"
#include "platform/win32/long_path.h"
#include "tests/support/test_support.h"

namespace orvent {
namespace {

// A chosen name that code page 932 cannot hold exactly is not taken, for its
// best-fit form names something else ("a¥b" the folder b in a).
TEST(Win32Platform, ANameCodePage932CannotHoldIsNotTaken) {
  ASSERT_EQ(GetACP(), 932u) << "the names below mean something only under code page 932";
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

// A path of MAX_PATH or more goes in its short form, which holds no blank,
// also as the folder a program is started in.
TEST(Win32Platform, AStartedProgramGetsALongPathInItsShortForm) {
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
  std::string shortForm;
  ASSERT_TRUE(platform.ShortPathName(deep, &shortForm));
  EXPECT_EQ(shortForm.find(' '), std::string::npos) << shortForm;
  const std::string record = temp.File("e");
  const std::string echoed = Echoed(platform, temp.Path(), {"echo", deep}, record);
  EXPECT_TRUE(EqualsNoCase(echoed, shortForm)) << echoed;
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

}  // namespace
}  // namespace orvent
