// The project dialog on a real window over the real platform: a new project
// made on disk, with the version of this executable's own resource.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>

#include "platform/win32/win32_platform.h"
#include "res/resource.h"
#include "ui/framework/win32/win32_backend.h"
#include "ui/project_dialog/dlg_page2.h"
#include "platform/version_info.h"

namespace orvent {
namespace {

const int kCheckCommand = 0x7F00;

class CheckedPage2 : public CDlgPage2 {
 public:
  std::function<void(ui::DialogWindow&, HWND)> checks;

 protected:
  bool OnInitDialog() override {
    CDlgPage2::OnInitDialog();
    PostCommand(kCheckCommand);
    return true;
  }
  bool OnCommand(int id, int code) override {
    if (id != kCheckCommand) return CDlgPage2::OnCommand(id, code);
    HWND hwnd = FindWindowA(nullptr, "ORVENT Project Selector - Create New Project");
    checks(*Window(), hwnd);
    return true;
  }
};

// Answers a message box of the dialog, so that a failing check cannot hang
// the test, and cancels the dialog after it.
struct MessageBoxWatch {
  HWND dialog = nullptr;
  std::string text;
  static DWORD WINAPI Run(void* param) {
    auto* self = static_cast<MessageBoxWatch*>(param);
    for (int i = 0; i < 200 && IsWindow(self->dialog); ++i) {
      HWND box = GetWindow(self->dialog, GW_ENABLEDPOPUP);
      if (box != nullptr && box != self->dialog) {
        char buffer[512] = {};
        GetDlgItemTextA(box, 0xFFFF, buffer, sizeof buffer);
        self->text = buffer;
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        PostMessageA(self->dialog, WM_COMMAND, IDCANCEL, 0);
        return 0;
      }
      Sleep(50);
    }
    return 1;
  }
};

std::string TempFolder() {
  char buffer[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, buffer);
  std::string folder = std::string(buffer) + "orvent_pd_" + std::to_string(GetTickCount());
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

TEST(ProjectDialogWin32, CreatesAProjectOnDiskFromARealWindow) {
  Win32Platform platform;
  ui::win32::Win32Backend backend(GetModuleHandleA(nullptr));
  SetCurrentPlatform(&platform);
  ui::SetCurrentBackend(&backend);
  const std::string location = TempFolder();
  const std::string name = "\x95\x5C\x8E\xA6 Site";  // 表示 holds a trail byte 0x5C

  CheckedPage2 dialog;
  dialog.createMode = true;
  MessageBoxWatch watch;
  HANDLE thread = nullptr;
  dialog.checks = [&](ui::DialogWindow& w, HWND hwnd) {
    ASSERT_NE(hwnd, nullptr);
    RECT box = {0, 0, 0, 74};
    MapDialogRect(hwnd, &box);
    EXPECT_EQ(w.ItemRect(IDC_PROJECT_TYPE_FRAME).Height(), box.bottom + w.ScaleForDpi(25));
    EXPECT_TRUE(w.IsItemVisible(IDC_TYPE_EXTREME_WIND));
    EXPECT_FALSE(w.IsItemVisible(IDC_GEO_TOKYO));
    EXPECT_FALSE(w.IsItemReadOnly(IDC_LOCATION));
    SetDlgItemTextA(hwnd, IDC_PROJECT_NAME, name.c_str());
    SetDlgItemTextA(hwnd, IDC_LOCATION, (location + "\\\\").c_str());
    watch.dialog = hwnd;
    thread = CreateThread(nullptr, 0, &MessageBoxWatch::Run, &watch, 0, nullptr);
    PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDC_PROJECT_OK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(hwnd, IDC_PROJECT_OK)));
  };
  EXPECT_EQ(dialog.DoModal(), ui::kIdOk);
  if (thread != nullptr) {
    WaitForSingleObject(thread, 15000);
    CloseHandle(thread);
  }
  EXPECT_EQ(watch.text, "");

  const std::string folder = location + "\\" + name + "\\";
  EXPECT_EQ(dialog.GetEntry().location, folder);
  EXPECT_EQ(dialog.GetEntry().projectName, name);
  std::ifstream in(folder + name + ".mbc", std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_NE(bytes.find("\r\nFileVersion = 6.0.0,\r\n"), std::string::npos) << bytes;
  in.close();

  DeleteFileA((folder + name + ".mbc").c_str());
  RemoveDirectoryA(folder.c_str());
  RemoveDirectoryA(location.c_str());
  ui::SetCurrentBackend(nullptr);
  SetCurrentPlatform(nullptr);
}

TEST(ProjectDialogWin32, FileVersionOfThisExecutable) {
  Win32Platform platform;
  SetCurrentPlatform(&platform);
  VersionNumbers version;
  EXPECT_TRUE(ReadFileVersion(&version));
  EXPECT_EQ(ThreePartVersionText(version), "6.0.0");
  EXPECT_EQ(version.revision, 2u);
  SetCurrentPlatform(nullptr);
}

TEST(ProjectDialogWin32, FolderExistsOnlyForFolders) {
  Win32Platform platform;
  const std::string folder = TempFolder();
  const std::string file = folder + "\\\x83\x5C.mbc";
  std::ofstream(file) << "x";
  EXPECT_TRUE(platform.FolderExists(folder));
  EXPECT_TRUE(platform.FolderExists(folder + "\\"));
  EXPECT_FALSE(platform.FolderExists(file));
  EXPECT_FALSE(platform.FolderExists(folder + "\\missing"));
  DeleteFileA(file.c_str());
  RemoveDirectoryA(folder.c_str());
}

}  // namespace
}  // namespace orvent
