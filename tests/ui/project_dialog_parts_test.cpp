// The portable pieces behind the project dialog: folder making, the file
// version, project names and the chooser's path.
#include <gtest/gtest.h>

#include "tests/support/fake_platform.h"
#include "ui/project_dialog/file_choice.h"
#include "platform/version_info.h"
#include "platform/folder_path.h"
#include "project/project_name.h"

namespace orvent {
namespace {

// 表示 and ソ end in the trail byte 0x5C, ポ in 0x7C.
const std::string kHyouji = "\x95\x5C\x8E\xA6";
const std::string kSo = "\x83\x5C";
const std::string kPo = "\x83\x7C";

class PlatformTest : public ::testing::Test {
 protected:
  PlatformTest() { SetCurrentPlatform(&platform); }
  ~PlatformTest() override { SetCurrentPlatform(nullptr); }
  FakePlatform platform;
};

using EnsureFolderPathTest = PlatformTest;

TEST_F(EnsureFolderPathTest, MakesEachMissingLevelInOrder) {
  const struct {
    std::string existing, path;
    std::vector<std::string> made;
  } cases[] = {
      {"C:\\Work", "C:\\Work\\A\\B\\", {"C:\\Work\\A\\", "C:\\Work\\A\\B\\"}},
      {"C:\\Work", "C:\\Work\\A\\file.txt", {"C:\\Work\\A\\"}},
      {"C:\\Work",
       "C:\\Work\\" + kHyouji + "\\" + kSo + "\\",
       {"C:\\Work\\" + kHyouji + "\\", "C:\\Work\\" + kHyouji + "\\" + kSo + "\\"}},
      {"\\\\srv\\share",
       "\\\\srv\\share\\P\\Q\\",
       {"\\\\srv\\share\\P\\", "\\\\srv\\share\\P\\Q\\"}},
      {"C:\\Work", "C:\\Work\\", {}},
  };
  for (const auto& c : cases) {
    FakePlatform local;
    SetCurrentPlatform(&local);
    local.AddFolder(c.existing);
    EXPECT_TRUE(EnsureFolderPath(c.path)) << c.path;
    EXPECT_EQ(local.MadeFolders(), c.made) << c.path;
  }
}

TEST_F(EnsureFolderPathTest, StopsAtTheFirstLevelThatCannotBeMadeAndTellsWhy) {
  for (MakeFolderResult why : {MakeFolderResult::kFailed, MakeFolderResult::kAlreadyExists}) {
    FakePlatform local;
    SetCurrentPlatform(&local);
    local.FailMakeFolder("C:\\A\\", why);
    MakeFolderResult failure = MakeFolderResult::kMade;
    EXPECT_FALSE(EnsureFolderPath("C:\\A\\B\\", &failure));
    EXPECT_EQ(failure, why);
    EXPECT_TRUE(local.MadeFolders().empty());
  }
}

TEST_F(EnsureFolderPathTest, RetriesEveryTenthOfASecondForTheGivenSeconds) {
  const struct {
    bool makeable;
    int seconds;
    bool ok;
    int slept;
  } cases[] = {{false, 60, false, 60000},
               {false, 5, false, 5000},
               {false, 0, false, 0},
               {true, 0, false, 0},
               {true, 60, true, 0}};
  for (const auto& c : cases) {
    FakePlatform local;
    SetCurrentPlatform(&local);
    if (!c.makeable) local.FailMakeFolder("C:\\A\\");
    EXPECT_EQ(EnsureFolderPathRetry("C:\\A\\", c.seconds), c.ok) << c.seconds;
    EXPECT_EQ(local.SleptMilliseconds(), c.slept) << c.seconds;
  }
}

std::vector<unsigned char> VersionResource(std::size_t recordAt, std::size_t size) {
  std::vector<unsigned char> bytes(size, 0);
  const unsigned char record[] = {0xBD, 0x04, 0xEF, 0xFE, 0, 0, 1, 0,
                                  3,    0,    6,    0,    4, 0, 2, 0};  // 6.3.2.4
  for (std::size_t i = 0; i < sizeof record && recordAt + i < size; ++i) {
    bytes[recordAt + i] = record[i];
  }
  return bytes;
}

TEST_F(PlatformTest, FileVersionComesFromTheAlignedFixedRecord) {
  const struct {
    const char* what;
    std::vector<unsigned char> resource;
    bool ok;
    const char* text;
  } cases[] = {
      {"after a header", VersionResource(40, 200), true, "6.3.2"},
      {"at the start, just fitting", VersionResource(0, 52), true, "6.3.2"},
      {"not fitting", VersionResource(0, 51), false, "0.0.0"},
      {"unaligned", VersionResource(42, 200), false, "0.0.0"},
      {"no resource", {}, false, "0.0.0"},
  };
  for (const auto& c : cases) {
    platform.SetVersionResource(c.resource);
    VersionNumbers version;
    version.revision = 99;
    EXPECT_EQ(ReadFileVersion(&version), c.ok) << c.what;
    EXPECT_EQ(ThreePartVersionText(version), c.text) << c.what;
    EXPECT_EQ(version.revision, c.ok ? 4u : 0u) << c.what;
  }
}

TEST(ProjectName, ForbiddenCharactersButNotTrailBytes) {
  for (const char* bad : {"/", ":", ",", ";", "*", "?", "\\", "\"", "<", ">", "|"}) {
    EXPECT_TRUE(HoldsForbiddenNameCharacter(std::string("Site") + bad + "1")) << bad;
  }
  for (const std::string& good : {std::string("Site 1.a"), kHyouji, kSo + "-" + kPo, kPo}) {
    EXPECT_FALSE(HoldsForbiddenNameCharacter(good)) << good;
  }
  EXPECT_TRUE(HoldsForbiddenNameCharacter(kHyouji + "\\"));
  EXPECT_TRUE(HoldsForbiddenNameCharacter(kPo + "|"));
}

TEST_F(PlatformTest, ChooserPathSplitsIntoFolderAndFileUnlessItIsAFolder) {
  platform.AddFolder("C:\\Work\\" + kHyouji);
  const struct {
    std::string path;
    bool ok;
    std::string folder, file;
  } cases[] = {
      {"C:\\Work\\Site1.mbc", true, "C:\\Work\\", "Site1.mbc"},
      {"C:\\Work\\" + kHyouji, false, "", ""},
      {"C:\\Work\\" + kHyouji + "\\", false, "", ""},
      {"C:\\Missing\\" + kSo, true, "C:\\Missing\\", kSo},
      {"Site1.mbc", true, "", "Site1.mbc"},
      {"", false, "", ""},
  };
  for (const auto& c : cases) {
    std::string folder, file;
    EXPECT_EQ(SplitChooserPath(c.path, &folder, &file), c.ok) << c.path;
    if (c.ok) {
      EXPECT_EQ(folder, c.folder) << c.path;
      EXPECT_EQ(file, c.file) << c.path;
    }
  }
}

}  // namespace
}  // namespace orvent
