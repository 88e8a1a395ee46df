// What the selector window and start-up decide, against the fake platform:
// the program's own path, command line and version, where the settings file
// lies, the command-line project, the grid's rows, and deleting one.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "app/startup.h"
#include "history/recent_grid.h"
#include "history/settings_file.h"
#include "platform/version_info.h"
#include "project/command_line_project.h"
#include "tests/support/fake_platform.h"

namespace orvent {
namespace {

using test::kHyoji;

TEST(Startup, VersionProgramFolderAndProjectFromTheSystem) {
  FakePlatform platform;
  // A signature out of the 4-byte steps, then the record: file version
  // 6.1.3.2, product version 6.1.0.2.
  platform.version[""] = {0, 0, 0xBD, 0x04, 0xEF, 0xFE, 0, 0, 0xBD, 0x04, 0xEF, 0xFE, 0, 0, 0, 0,
                          1, 0, 6,    0,    2,    0,    3, 0, 1,    0,    6,    0,    2, 0, 0, 0};
  platform.version[""].resize(8 + 52);
  platform.version["\\VarFileInfo\\Translation"] = {0x11, 0x04, 0xB0, 0x04};
  platform.version["\\StringFileInfo\\041104b0\\LegalCopyright"] = {'(', 'C', ')', 0, 'x'};
  const VersionInfo info = ReadVersionInfo(platform);
  EXPECT_EQ(VersionLine("x", info.fileVersion), "6.1c (6.1.3.2)");
  EXPECT_EQ(VersionLine("ORVENT Version 1.0", info.productVersion),
            "ORVENT Version 6.1  (6.1.0.2)");
  EXPECT_EQ(info.copyright, "(C)");
  platform.version["\\VarFileInfo\\Translation"] = {0x11, 0x04};  // too short
  EXPECT_FALSE(ReadVersionInfo(platform).hasCopyright);
  platform.version[""].resize(8 + 51);  // the whole record must fit
  EXPECT_FALSE(ReadVersionInfo(platform).hasProductVersion);
  // Without a version resource the about box says 0.0.
  EXPECT_EQ(VersionLine("x", ReadVersionInfo(platform).productVersion), "0.0  (0.0.0.0)");
  // Builds 1 to 26 are letters, counted in the low byte; 32 and more give a blank.
  EXPECT_EQ(VersionLine("x", {1, 0, 32, 0}) + VersionLine("x", {1, 0, 257, 0}),
            "1.0  (1.0.32.0)1.0a (1.0.257.0)");
  EXPECT_EQ(ExeNameOf("C:\\" + kHyoji + "\\ORVENTLancher.EXE"), "ORVENTLancher");
  EXPECT_EQ(ExeNameOf("C:\\Tools.x/Sel"), "Sel");
  EXPECT_EQ(ProgramFolderOf("C:\\" + kHyoji + "\\Lancher.EXE", "Lancher"), "C:\\" + kHyoji + "\\");
  EXPECT_EQ(ProgramFolderOf("a.exe", "Lancher"), "");
  // A folder whose files would reach MAX_PATH is used in its short form; the
  // longest such file is ORVENTExtremeWind.exe (21 characters).
  const std::string fits = "C:\\" + std::string(234, 'f') + "\\";
  const std::string tooLong = "C:\\" + std::string(235, 'l') + "\\";
  platform.shortPaths[tooLong] = "C:\\LLLLLL~1";
  platform.shortPaths[fits] = "C:\\FFFFFF~1\\";
  EXPECT_EQ(ProgramFolderFor(platform, tooLong + "ORVENTLancher.exe", "ORVENTLancher"),
            "C:\\LLLLLL~1\\");
  EXPECT_EQ(ProgramFolderFor(platform, fits + "ORVENTLancher.exe", "ORVENTLancher"), fits);
  // Options ("/x", "-x") are skipped, the last other token wins; a full-width
  // space is part of the path.
  for (const auto& [commandLine, project] :
       {std::pair{"", ""},
        {"/x \"D:\\My Work\\Site A.mbc\" -debug", "D:\\My Work\\Site A.mbc"},
        {"A.mbc  B.mbc /x", "B.mbc"},
        {"B.mbc /", "/"},
        {"D:\\\x95\x5C\x81\x40\\A\x81\x40.mbc", "D:\\\x95\x5C\x81\x40\\A\x81\x40.mbc"}}) {
    EXPECT_EQ(ProjectPathFromCommandLine(commandLine), project) << commandLine;
  }
}

TEST(SettingsFile, TheUsersFileIsMadeFromTheFirstSeedOrEmpty) {
  const std::string header =
      "!=== ORVENT Environment File ===\r\n! Recent Project (MAX:999)\r\n&RecentProject\r\n";
  const auto file = [&](const std::string& name) {
    return header + "Recent001 = \"" + name + "\", \"Basic\", 0, \"D:\\\", \"TD\",\r\n/\r\n";
  };
  // Rows out of order: loading sorts them, so a rewrite would show.
  const std::string user = header + "Recent002 = \"B\", \"Basic\", 0, \"D:\\\",\r\n" +
                           "Recent001 = \"User\", \"Basic\", 0, \"D:\\\",\r\n/\r\n";
  // Which of the user's file, the common seed and the seed beside the
  // program there are, and the first row's project name then loaded.
  for (const auto& [present, loaded] :
       {std::pair{"", ""}, {"b", "Beside"}, {"cb", "Common"}, {"ucb", "User"}}) {
    SCOPED_TRACE(present);
    FakePlatform platform;
    const std::string root = platform.Root();
    platform.SetSpecialFolder(SpecialFolder::kAppData, root + "AppData\\\\");
    platform.SetSpecialFolder(SpecialFolder::kProgramFilesCommon, root + "Common");
    platform.AddFolder(root + "AppData");
    const std::string path = root + "AppData\\ORVENT V5_2\\orvent.ini";
    for (const auto& [mark, folder, bytes] : {std::tuple{'u', "AppData\\ORVENT V5_2", user},
                                              {'c', "Common\\ORVENT V5_2\\Common", file("Common")},
                                              {'b', "P", file("Beside")}}) {
      if (std::string(present).find(mark) == std::string::npos) continue;
      platform.AddFolder(root + folder);
      ASSERT_TRUE(test::WriteBytes(root + folder + "\\orvent.ini", bytes));
    }
    RecentHistory history;
    EXPECT_EQ(LocateSettingsFile(platform, root + "P\\", &history), path);
    EXPECT_EQ(history.empty() ? "" : history[0].projectName, loaded);
    EXPECT_EQ(test::ReadBytes(path), *present == 'u' ? user
                                     : *present      ? file(loaded)
                                                     : header + "/\r\n");
    EXPECT_EQ(platform.madeFolders.size(), *present == 'u' ? 0u : 1u);
  }
}

TEST(CommandLineProject, TheFileGivesTheRowItIsOpenedAs) {
  FakePlatform platform;
  const std::string folder = platform.Root() + kHyoji + "\\";
  platform.AddFolder(folder);
  // The path on the command line, the project file's type and geodetic
  // system; the application, project type and geodetic code of the row.
  for (const auto& [opened, type, geodetic, row] : {std::tuple{"A.MBC", 3, 5, "03JGD"},
                                                    {"B.meg", 2, 3, "22WGS"},
                                                    {"C.meg", 3, 0, "23TD"},
                                                    {"D.Meg", 4, 0, "14TD"},
                                                    {"E.txt", 0, 0, "70TD"}}) {
    platform.AddFile(folder + opened);
    ASSERT_TRUE(WriteProjectFile(folder + opened[0] + ".mbc",
                                 {type, "1", geodetic, GeodeticNames[geodetic], ""}));
    RecentEntry entry{-1, "", "", 7, 3, "JGD"};
    ProjectFile file;
    ASSERT_TRUE(ReadCommandLineProject(platform, folder + opened, &entry, &file));
    EXPECT_EQ(entry.location + entry.projectName + "|" + std::to_string(entry.appIndex) +
                  std::to_string(entry.projectType) + entry.geodeticCode,
              folder + opened[0] + "|" + row);
  }
  RecentEntry entry;
  ProjectFile file;
  EXPECT_FALSE(ReadCommandLineProject(platform, folder + "None.mbc", &entry, &file));
}

TEST(RecentGrid, RowsAndCells) {
  const RecentEntry row{1, kHyoji, "D:\\Work\\", 4, 3, "WGS"};
  EXPECT_EQ(GridCellText(row, 0) + "|" + GridCellText(row, 1) + "|" + GridCellText(row, 2),
            kHyoji + " [WGS]|Extreme Wind|D:\\Work\\");
  // Row, rows, fixed rows: a history index only for a data row; after a
  // deletion the same place, the last one, or none.
  EXPECT_EQ(std::vector<int>({HistoryIndexOfRow(1, 3, 1), HistoryIndexOfRow(2, 3, 1),
                              HistoryIndexOfRow(3, 3, 1), HistoryIndexOfRow(0, 3, 1)}),
            std::vector<int>({0, 1, -1, -1}));
  EXPECT_EQ(std::vector<int>(
                {RowAfterDeletion(2, 4, 1), RowAfterDeletion(4, 4, 1), RowAfterDeletion(1, 1, 1)}),
            std::vector<int>({2, 3, -1}));
}

}  // namespace
}  // namespace orvent
