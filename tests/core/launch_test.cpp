// Starting a member application: the command line handed to the system, the
// plan for each catalogue row, what a start does to the history, and the
// manual and a project folder opened.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "history/history_file.h"
#include "launch/manual.h"
#include "launch/project_folder.h"
#include "launch/run_process.h"
#include "launch/start_application.h"
#include "tests/support/fake_platform.h"

namespace orvent {
namespace {

// launch_cases.tsv: the command line for a project path (only paths with
// blanks are quoted, one of MAX_PATH or more goes in a short form that fits,
// or nothing starts, as with such a working folder; the 0x5C trail byte
// beside a backslash makes no network path); and each application and
// project type, with its executable and option, and what is recorded as
// started (10 * application + type); and what a start from a history row
// finds (0: no project, 1: its file is missing, 2: ready): a missing row or
// file starts nothing. The last row plans history row 1, which the rest uses.
TEST(Launch, CommandLinesAndWhatIsRecordedAsStarted) {
  FakePlatform platform;
  // 260 and 261 characters; on E: a volume without short names.
  const std::string full = "D:\\" + std::string(246, 'w') + "\\Site A.mbc";
  for (const std::string& path : {full, "D:\\w" + full.substr(3)})
    platform.shortPaths[path] = "D:\\WWWWWW~" + std::to_string(path.size()) + "\\SITEA~1.MBC";
  platform.shortPaths["E" + full.substr(1)] = "E" + full.substr(1);
  platform.AddFile("D:\\Wind Work\\Site A\\Site A.mbc");
  ProcessRequest request;
  RecentHistory history = {{1, "Gone", "D:\\Gone\\", 0, 0, "TD"},
                           {7, " Site A ", "D:\\Wind Work\\Site A", 0, 0, "WGS"}};
  StartPlan plan;
  test::ExpectTable("launch_cases.tsv", [&](const std::vector<std::string>& f) {
    if (f[0] == "quote" || f[0] == "folder") {
      const bool quote = f[0] == "quote",
                 started = BuildProcessRequest(platform, "C:\\T\\Missing.exe", {quote ? f[1] : ""},
                                               quote ? "  " : f[1], 5, 0, &request);
      return !started ? "(not started)" : quote ? request.commandLine : request.workingFolder;
    }
    if (f[0] == "row")
      return std::to_string(
          int(PlanStart(platform, history, nullptr, std::stoi(f[1]), "C:\\P\\", &plan)));
    const RecentEntry entry{
        7, " Site A ", "D:\\Wind Work\\Site A\\\\ ", std::stoi(f[1]), std::stoi(f[2]), "WGS"};
    EXPECT_EQ(PlanStart(platform, {}, &entry, -1, "C:\\P\\", &plan), StartCheck::kReady);
    EXPECT_TRUE(RunStart(platform, plan));
    return platform.started.back().commandLine + "|" +
           std::to_string(plan.project.appIndex * 10 + plan.project.projectType);
  });
  EXPECT_EQ(platform.started.back().workingFolder + "|" + platform.currentFolder,
            "D:\\Wind Work\\Site A|D:\\Wind Work\\Site A\\\\");
  // A missing program is left to the command line; no folder is the current one.
  EXPECT_EQ(request.applicationName + "|" + request.workingFolder, "|.");
  platform.AddFile("C:\\T\\E.exe");
  ASSERT_TRUE(RunProcess(platform, " C:\\T\\E.exe ", {"/weng", "  ", "/nofm"}, " D:\\\x83\x5C\\\\ ",
                         kShowNormalWindow, kNormalPriority));
  const ProcessRequest& started = platform.started.back();
  // ソ (0x83 0x5C) at the end of the folder keeps its trail byte.
  EXPECT_EQ(started.applicationName + "|" + started.commandLine + "|" + started.workingFolder,
            "C:\\T\\E.exe|\"C:\\T\\E.exe\" /weng /nofm|D:\\\x83\x5C");
  EXPECT_EQ(started.showMode, 5);
  EXPECT_EQ(started.creationFlags, 0x04000020u);
  // The project heads the history, which is saved.
  const std::string settings = platform.Root() + "orvent.ini";
  RecentHistory saved;
  ASSERT_TRUE(RecordStart(&history, plan, 1, settings));
  ASSERT_TRUE(LoadHistory(settings, &saved) && !saved.empty());
  EXPECT_EQ(saved[0].projectName + std::to_string(saved.size() + history.size()), "Site A4");
  EXPECT_FALSE(RecordStart(&history, plan, 0, platform.Root() + "Missing/\\orvent.ini"));
  // An empty location names the file in the current folder.
  EXPECT_EQ(ProjectFilePath({-1, " A ", "  ", 0, 0, ""}), "A.mbc");
  EXPECT_TRUE(OpenManual(platform, "C:\\P\\"));
  // A project's folder opens when it exists (表, 0x95 0x5C, before the last
  // backslash); a gone or blank location is not found.
  platform.AddFolder("D:\\" + test::kHyoji);
  const RecentEntry here = {-1, "P", " D:\\" + test::kHyoji + "\\ ", 0, 0, ""};
  EXPECT_EQ(OpenProjectFolder(platform, here), FolderOpen::kOpened);
  for (const char* location : {"D:\\Gone\\", " "})
    EXPECT_EQ(OpenProjectFolder(platform, {-1, "P", location, 0, 0, ""}), FolderOpen::kNotFound);
  platform.succeeds = false;
  EXPECT_FALSE(RunStart(platform, plan));
  EXPECT_FALSE(OpenManual(platform, "C:\\P\\"));
  EXPECT_EQ(OpenProjectFolder(platform, here), FolderOpen::kNotOpened);
  const std::string manual = "C:\\P\\OL_Manual.pdf", folder = "D:\\" + test::kHyoji + "\\";
  EXPECT_EQ(platform.shellOpened, (std::vector<std::string>{manual, folder, manual, folder}));
}

}  // namespace
}  // namespace orvent
