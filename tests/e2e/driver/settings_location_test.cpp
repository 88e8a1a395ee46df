// Journeys of the settings file at start: made empty, copied from a seed,
// or left alone when the user already has one.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/driver/file_paths.h"
#include "tests/e2e/driver/journey_test.h"
#include "tests/e2e/driver/list_view_reader.h"

namespace e2e {
namespace {

using SettingsLocationTest = JourneyTest;

// A seed as someone might have edited it by hand: rows out of order, bare
// LF line ends, a row without its geodetic code.
std::string HandWrittenSeed(const std::string& location) {
  return "!=== ORVENT Environment File ===\n"
         "&RecentProject\n"
         "Recent002 = \"Site B\", \"energy\", 1, \"" +
         location +
         "Site B\",\n"
         "Recent001 = \"" +
         std::string(kHyouji) + "\", \"Wind Farm\", 4, \"" + location + kSoftware +
         "\\\\\", \"WGS\",\n"
         "/\n";
}

// What the Selector makes of that seed.
std::vector<HistoryRow> SeedRows(const std::string& location) {
  return {{kHyouji, "Wind Farm", 4, location + kSoftware + "\\", "WGS"},
          {"Site B", "Energy", 1, location + "Site B\\", "JGD"}};
}

TEST_F(SettingsLocationTest, FirstStartWithoutAnySettingsWritesAnEmptyHistory) {
  RemoveDirectoryA(UserSettingsFolder().c_str());
  ASSERT_FALSE(FolderExists(UserSettingsFolder())) << "the settings folder holds other files";

  TestProcess selector;
  HWND window = StartAndWait(&selector);
  ASSERT_NE(window, nullptr);

  EXPECT_TRUE(FolderExists(UserSettingsFolder()));
  EXPECT_EQ(UserSettingsBytes(),
            "!=== ORVENT Environment File ===\r\n! Recent Project (MAX:999)\r\n"
            "&RecentProject\r\n/\r\n");
  EXPECT_EQ(ListViewItemCount(Grid(window)), 0);
  ExitSelector(selector, window);
}

struct SeedCase {
  const char* name;
  bool commonSeed;
  bool programSeed;
};

void PrintTo(const SeedCase& seedCase, std::ostream* out) { *out << seedCase.name; }

class SeedTest : public JourneyTest, public ::testing::WithParamInterface<SeedCase> {};

// Whichever seed is found first is read and saved as the user's file; the
// one beside the executable only counts when the common one is missing.
TEST_P(SeedTest, TheUserFileIsMadeFromTheFirstSeed) {
  const SeedCase& seedCase = GetParam();
  const std::string commonSeed = HandWrittenSeed("C:\\Common\\");
  const std::string programSeed = HandWrittenSeed("C:\\Program\\");
  if (seedCase.commonSeed) {
    ASSERT_TRUE(CreateFolderPath(SeedSettingsFolder()));
    ASSERT_TRUE(WriteWholeFile(SeedSettingsFile(), commonSeed));
  }
  if (seedCase.programSeed) {
    ASSERT_TRUE(WriteWholeFile(programFolder_ + "orvent.ini", programSeed));
  }

  TestProcess selector;
  HWND window = StartAndWait(&selector);
  ASSERT_NE(window, nullptr);

  const std::string from = seedCase.commonSeed ? "C:\\Common\\" : "C:\\Program\\";
  EXPECT_EQ(UserSettingsBytes(), HistoryFileBytes(SeedRows(from)));
  EXPECT_EQ(GridRow(window, 1),
            (std::vector<std::string>{"Site B [JGD]", "Energy", from + "Site B\\"}));
  std::string content;
  if (seedCase.commonSeed) {
    EXPECT_TRUE(ReadWholeFile(SeedSettingsFile(), &content) && content == commonSeed);
  }
  if (seedCase.programSeed) {
    EXPECT_TRUE(ReadWholeFile(programFolder_ + "orvent.ini", &content) && content == programSeed);
  }
  ExitSelector(selector, window);
}

INSTANTIATE_TEST_SUITE_P(Seeds, SeedTest,
                         ::testing::Values(SeedCase{"Common", true, false},
                                           SeedCase{"BesideTheProgram", false, true},
                                           SeedCase{"CommonBeforeProgram", true, true}),
                         [](const ::testing::TestParamInfo<SeedCase>& info) {
                           return std::string(info.param.name);
                         });

TEST_F(SettingsLocationTest, AnExistingUserFileIsReadButNotRewritten) {
  const std::string userFile = HandWrittenSeed("D:\\User\\");
  ASSERT_TRUE(CreateFolderPath(UserSettingsFolder()));
  ASSERT_TRUE(WriteWholeFile(UserSettingsFile(), userFile));
  ASSERT_TRUE(CreateFolderPath(SeedSettingsFolder()));
  ASSERT_TRUE(WriteWholeFile(SeedSettingsFile(), HandWrittenSeed("C:\\Common\\")));

  TestProcess selector;
  HWND window = StartAndWait(&selector);
  ASSERT_NE(window, nullptr);

  EXPECT_EQ(ListViewItemCount(Grid(window)), 2);
  EXPECT_EQ(GridRow(window, 0),
            (std::vector<std::string>{std::string(kHyouji) + " [WGS]", "Wind Farm",
                                      std::string("D:\\User\\") + kSoftware + "\\"}));
  EXPECT_EQ(UserSettingsBytes(), userFile);
  ExitSelector(selector, window);
}

}  // namespace
}  // namespace e2e
