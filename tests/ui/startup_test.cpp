#include <gtest/gtest.h>

#include "app/orvent_lancher_app.h"
#include "res/resource.h"
#include "tests/ui/ui_test_environment.h"
#include "ui/selector/dlg_page1.h"

namespace orvent {
namespace {

using ui::memory::MemoryDialogWindow;

class StartupTest : public ::testing::Test {
 protected:
  // Runs start-up; the selector window, if it opens, is closed with Exit
  // after `whileOpen` had a look at it.
  void Start(const std::string& commandLine,
             std::function<void(MemoryDialogWindow&, CDlgPage1&)> whileOpen = nullptr) {
    env.backend.OnDialog(IDD_SELECTOR, [&, whileOpen](MemoryDialogWindow& window) {
      auto* selector = static_cast<CDlgPage1*>(ui::App()->MainWindow());
      seenProject = selector->commandLineProject;
      seenFolder = env.platform.CurrentFolder();
      if (whileOpen) whileOpen(window, *selector);
      if (!window.Ended()) window.Click(IDC_EXIT);
    });
    CORVENTLancherApp app;
    exitCode = app.Run(commandLine);
    programFolder = app.GetProgramFolder();
  }

  UiTestEnvironment env;
  std::string seenProject;
  std::string seenFolder;
  std::string programFolder;
  int exitCode = -1;
};

TEST_F(StartupTest, FirstInstanceSettlesFolderClassAndMutexThenRunsTheSelector) {
  env.platform.SetModuleFileName("C:\\Tools\\ORVENTLancher.exe");
  env.platform.AddFolder("C:\\Tools");
  Start("");
  EXPECT_EQ(programFolder, "C:\\Tools\\");
  EXPECT_EQ(seenFolder, "C:\\Tools\\");
  EXPECT_EQ(env.platform.MutexNames(), std::vector<std::string>{"ORVENTLancher"});
  EXPECT_EQ(env.backend.RegisteredClasses(), std::vector<std::string>{"CORVENTApp"});
  EXPECT_EQ(env.backend.OpenedDialogs(), std::vector<int>{IDD_SELECTOR});
  EXPECT_TRUE(env.backend.UnscriptedDialogs().empty());
  EXPECT_EQ(exitCode, 0);
  EXPECT_FALSE(env.backend.WaitCursorShown()) << "the wait cursor ends with start-up";
}

TEST_F(StartupTest, ProgramFolderKeepsDoubleByteNamesAndAnUpperCaseExtension) {
  // ソフト holds the trail byte 0x5C.
  const std::string folder = "D:\\\x83\x5C\x83\x74\x83\x67\\";
  env.platform.SetModuleFileName(folder + "ORVENTLancher.EXE");
  env.platform.AddFolder(folder);
  Start("");
  EXPECT_EQ(programFolder, folder);
  EXPECT_EQ(seenFolder, folder);
}

TEST_F(StartupTest, MutexIsNamedAfterTheExecutable) {
  env.platform.SetModuleFileName("C:\\Tools\\Selector2.exe");
  Start("");
  EXPECT_EQ(env.platform.MutexNames(), std::vector<std::string>{"Selector2"});
  EXPECT_EQ(programFolder, "C:\\Tools\\");
}

TEST_F(StartupTest, CommandLineProjectReachesTheSelector) {
  Start("/x \"D:\\My Work\\Site A.mbc\"");
  EXPECT_EQ(seenProject, "D:\\My Work\\Site A.mbc");
}

TEST_F(StartupTest, SecondInstanceRaisesTheFirstAndEndsWithoutAWindow) {
  for (bool firstHasWindow : {true, false}) {
    UiTestEnvironment local;
    local.platform.SetMutexResult(MutexResult::kAlreadyExists);
    local.backend.SetOtherInstanceRunning(firstHasWindow);
    CORVENTLancherApp app;
    EXPECT_EQ(app.Run("D:\\Work\\B.mbc"), 0);
    EXPECT_TRUE(local.backend.OpenedDialogs().empty());
    EXPECT_TRUE(local.backend.MessageBoxes().empty());
    EXPECT_EQ(local.backend.Activations(), firstHasWindow ? 1 : 0);
    // The working folder and the window class come before the instance test.
    EXPECT_EQ(local.platform.CurrentFolderChanges().size(), 1u);
    EXPECT_EQ(local.backend.RegisteredClasses().size(), 1u);
  }
}

TEST_F(StartupTest, FailedMutexCreationStartsAsTheFirstInstance) {
  env.platform.SetMutexResult(MutexResult::kFailed);
  Start("");
  EXPECT_EQ(env.backend.OpenedDialogs(), std::vector<int>{IDD_SELECTOR});
}

TEST_F(StartupTest, ExitAndCloseBoxEndTheSelectorWithCancel) {
  for (bool useCloseBox : {false, true}) {
    int result = 0;
    Start("", [&](MemoryDialogWindow& window, CDlgPage1&) {
      EXPECT_EQ(window.Title(), "ORVENT Project Selector");
      EXPECT_TRUE(useCloseBox ? window.CloseBox() : window.Click(IDC_EXIT));
      EXPECT_TRUE(window.Ended());
      result = window.Result();
    });
    EXPECT_EQ(result, ui::kIdCancel);
  }
}

TEST_F(StartupTest, SelectorCarriesTheProgramIconAndTheAboutEntry) {
  Start("", [&](MemoryDialogWindow& window, CDlgPage1&) {
    EXPECT_EQ(window.Icon(), IDR_MAINFRAME);
    ASSERT_EQ(window.SystemMenu().size(), 2u);
    EXPECT_EQ(window.SystemMenu()[0].first, 0) << "a separator first";
    EXPECT_EQ(window.SystemMenu()[1],
              std::make_pair(IDM_ABOUTBOX, std::string("About ORVENT Project Selector(&A)...")));
    env.backend.OnDialog(IDD_ABOUTBOX, [](MemoryDialogWindow& about) {
      EXPECT_EQ(about.Title(), "About ORVENT Project Selector");
      about.Click(ui::kIdOk);
    });
    // The low four bits of a system command are the system's own.
    EXPECT_TRUE(window.SystemCommand(IDM_ABOUTBOX | 0x3));
    EXPECT_FALSE(window.SystemCommand(0xF020)) << "minimise stays the system's";
  });
  EXPECT_EQ(env.backend.OpenedDialogs(), (std::vector<int>{IDD_SELECTOR, IDD_ABOUTBOX}));
  EXPECT_TRUE(env.backend.UnscriptedDialogs().empty());
}

}  // namespace
}  // namespace orvent
