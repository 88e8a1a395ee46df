// The project dialog while a project folder cannot be made: it goes on
// answering and drawing itself, and a click meanwhile is not acted on.
#include <windows.h>

#include <gtest/gtest.h>

#include <thread>

#include "project/messages.h"
#include "res/resource.h"
#include "tests/support/fake_platform.h"
#include "ui/project_dialog/dlg_page2.h"

namespace {

// Each pause between the attempts lasts until the test lets them go on.
struct SlowFolders : orvent::FakePlatform {
  HANDLE retrying = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  HANDLE goOn = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  ~SlowFolders() override {
    CloseHandle(retrying);
    CloseHandle(goOn);
  }
  void Sleep(int) override { SignalObjectAndWait(retrying, goOn, 5000, FALSE); }
};

// Presses OK as it opens; tells what it was told, and whether it was cancelled.
struct PressesOk : CDlgPage2 {
  using CDlgPage2::CDlgPage2;
  BOOL OnInitDialog() override {
    PostCommand(IDC_PROJECT_OK);
    return CDlgPage2::OnInitDialog();
  }
  void OnCancel() override {
    cancelled = true;
    CDlgPage2::OnCancel();
  }
  int ShowMessage(const std::string& text, UINT) override {
    told = text;
    EndDialog(IDOK);
    return IDOK;
  }
  std::string told;
  bool cancelled = false;
};

TEST(ProjectDialog, AnswersAndTakesNoClickWhileAFolderIsRetried) {
  SlowFolders platform;
  const std::string folder = platform.Root() + "Locked\\";
  platform.makeFolderFailures[folder] = orvent::MakeFolderResult::kFailed;
  PressesOk dialog(nullptr, platform, {}, orvent::ProjectDialogMode::kCreate,
                   {-1, "Locked", platform.Root(), orvent::App::kBasic, 0, "TD"});
  std::thread user([&] {
    const bool retried = WaitForSingleObject(platform.retrying, 5000) == WAIT_OBJECT_0;
    HWND window = dialog.Handle(), cancel = GetDlgItem(window, IDC_PROJECT_CANCEL);
    DWORD_PTR result = 0;
    EXPECT_TRUE(retried && SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 1000, &result))
        << (retried ? "the dialog does not answer" : "no folder was retried");
    if (!retried) PostMessageA(window, WM_CLOSE, 0, 0);
    // It is drawn again, as when a window over it goes away.
    InvalidateRect(window, nullptr, FALSE);
    for (int i = 0; i < 200 && GetUpdateRect(window, nullptr, FALSE); ++i) Sleep(10);
    EXPECT_FALSE(GetUpdateRect(window, nullptr, FALSE)) << "the dialog is not drawn";
    PostMessageA(cancel, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    PostMessageA(cancel, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    SetEvent(platform.goOn);
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  user.join();
  EXPECT_EQ(dialog.told, orvent::FolderFailedMessage(folder));
  EXPECT_FALSE(dialog.cancelled) << "the click on Cancel was taken";
}

}  // namespace
