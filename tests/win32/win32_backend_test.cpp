#include "ui/framework/win32/win32_backend.h"

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include "platform/win32/win32_platform.h"
#include "res/resource.h"
#include "ui/framework/application.h"
#include "ui/framework/dialog.h"

namespace ui {
namespace {

const int kCheckCommand = 0x7F00;

// The project dialog's template with the four bindings that dialog uses; the
// checks run inside the real window's modal loop.
class ProbeDialog : public Dialog {
 public:
  ProbeDialog() : Dialog(IDD_PROJECT) {}

  std::string name = "Site A";
  std::string location = "D:\\\x83\x5C\x83\x74\x83\x67\\";
  int application = 1;
  int projectType = -1;
  int preTranslated = 0;
  std::function<void(ProbeDialog&, HWND)> checks;

  bool PreTranslateMessage(const NativeMessage* message) override {
    ++preTranslated;
    return Dialog::PreTranslateMessage(message);
  }
  using Dialog::EndDialog;
  using Dialog::ShowMessage;
  using Dialog::UpdateData;

 protected:
  void DoDataExchange(DataExchange& dx) override {
    dx.Text(IDC_PROJECT_NAME, name);
    dx.Text(IDC_LOCATION, location);
    dx.Radio(IDC_APP_BASIC, application);
    dx.Radio(IDC_TYPE_MEASUREMENT, projectType);
  }
  bool OnInitDialog() override {
    Dialog::OnInitDialog();
    PostCommand(kCheckCommand);
    return true;
  }
  bool OnCommand(int id, int code) override {
    if (id != kCheckCommand) return Dialog::OnCommand(id, code);
    checks(*this, GetParent(GetDlgItem(FindWindowA(nullptr, "ORVENT"), IDC_LOCATION)));
    return true;
  }
};

class Win32BackendTest : public ::testing::Test {
 protected:
  Win32BackendTest() : backend(GetModuleHandleA(nullptr)) {
    orvent::SetCurrentPlatform(&platform);
    SetCurrentBackend(&backend);
  }
  ~Win32BackendTest() override {
    SetCurrentBackend(nullptr);
    orvent::SetCurrentPlatform(nullptr);
  }
  orvent::Win32Platform platform;
  win32::Win32Backend backend;
};

TEST_F(Win32BackendTest, StringsAndTheDialogClass) {
  EXPECT_EQ(backend.LoadResourceString(IDS_ABOUTBOX), "About ORVENT Project Selector(&A)...");
  EXPECT_EQ(backend.LoadResourceString(999), "");
  ASSERT_TRUE(backend.RegisterDialogClass("CORVENTApp", "#32770", IDR_MAINFRAME));
  EXPECT_TRUE(backend.RegisterDialogClass("CORVENTApp", "#32770", IDR_MAINFRAME));
  WNDCLASSA wc = {};
  ASSERT_TRUE(GetClassInfoA(GetModuleHandleA(nullptr), "CORVENTApp", &wc));
  EXPECT_NE(wc.hIcon, nullptr);
  EXPECT_FALSE(backend.ActivateWindowOfClass("NoSuchOrventClass"));
}

TEST_F(Win32BackendTest, DataExchangeFocusAndControlStateOnARealWindow) {
  ProbeDialog dialog;
  bool ran = false;
  dialog.checks = [&](ProbeDialog& d, HWND hwnd) {
    ran = true;
    DialogWindow& w = *d.Window();
    // Into the controls.
    EXPECT_EQ(w.ItemText(IDC_LOCATION), d.location);
    EXPECT_FALSE(w.IsItemChecked(IDC_APP_BASIC));
    EXPECT_TRUE(w.IsItemChecked(IDC_APP_ENERGY));
    for (int id = IDC_TYPE_MEASUREMENT; id <= IDC_TYPE_WIND_POWER; ++id) {
      EXPECT_FALSE(w.IsItemChecked(id)) << id;
    }
    // Back into the members: the hidden radios still count in the group.
    w.SetItemChecked(IDC_TYPE_EXTREME_WIND, true);
    w.SetItemChecked(IDC_APP_ENERGY, false);
    w.SetItemText(IDC_PROJECT_NAME, "\x95\x5C\x8E\xA6");
    EXPECT_TRUE(d.UpdateData(true));
    EXPECT_EQ(d.projectType, 3);
    EXPECT_EQ(d.application, -1);
    EXPECT_EQ(d.name, "\x95\x5C\x8E\xA6");

    EXPECT_FALSE(w.IsItemVisible(IDC_TYPE_WIND_POWER));
    w.ShowItem(IDC_TYPE_WIND_POWER, true);
    EXPECT_TRUE(w.IsItemVisible(IDC_TYPE_WIND_POWER));
    w.EnableItem(IDC_APP_ENGINEERING, false);
    EXPECT_FALSE(w.IsItemEnabled(IDC_APP_ENGINEERING));
    Rect frame = w.ItemRect(IDC_PROJECT_TYPE_FRAME);
    frame.bottom += 25;
    w.MoveItem(IDC_PROJECT_TYPE_FRAME, frame);
    EXPECT_EQ(w.ItemRect(IDC_PROJECT_TYPE_FRAME), frame);

    w.FocusItem(IDC_LOCATION);
    DWORD start = 0, end = 0;
    SendMessageA(GetDlgItem(hwnd, IDC_LOCATION), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    // Positions count characters: the whole text of 10 bytes is 7 of them.
    EXPECT_EQ(end, static_cast<DWORD>(GetWindowTextLengthW(GetDlgItem(hwnd, IDC_LOCATION))));
    EXPECT_EQ(end, 7u) << "the dialog manager selects an edit's text";
    w.SetItemReadOnly(IDC_LOCATION, true);
    w.SetItemTabStop(IDC_LOCATION, false);
    EXPECT_TRUE(w.IsItemReadOnly(IDC_LOCATION));
    EXPECT_FALSE(w.IsItemTabStop(IDC_LOCATION));
    EXPECT_FALSE(w.IsItemReadOnly(IDC_PROJECT_NAME));
    EXPECT_TRUE(w.IsItemTabStop(IDC_PROJECT_NAME));
    w.SelectItemText(IDC_LOCATION, -1, -1);
    SendMessageA(GetDlgItem(hwnd, IDC_LOCATION), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 7u) << "the selection collapsed to the end";
    EXPECT_EQ(end, 7u);
    EXPECT_GE(w.ScaleForDpi(52), 52);
    EXPECT_EQ(w.Title(), "ORVENT");
    EXPECT_EQ(w.ClientRect().left, 0);
    EXPECT_GT(w.ClientRect().Width(), 400);
    d.EndDialog(kIdOk);
  };
  EXPECT_EQ(dialog.DoModal(), kIdOk);
  EXPECT_TRUE(ran);
  EXPECT_GT(dialog.preTranslated, 0) << "the modal loop hands messages to PreTranslateMessage";
  EXPECT_EQ(dialog.Window(), nullptr);
}

// Presses OK on the message box that the dialog shows, from another thread,
// after reading its caption and text.
struct MessageBoxAnswerer {
  std::string caption;
  std::string text;
  static DWORD WINAPI Run(void* param) {
    auto* self = static_cast<MessageBoxAnswerer*>(param);
    for (int i = 0; i < 200; ++i) {
      HWND box = FindWindowA("#32770", "orvent_ui_tests");
      if (box != nullptr && IsWindowVisible(box)) {
        char buffer[256] = {};
        GetWindowTextA(box, buffer, sizeof(buffer));
        self->caption = buffer;
        SendMessageA(GetDlgItem(box, 0xFFFF), WM_GETTEXT, sizeof(buffer),
                     reinterpret_cast<LPARAM>(buffer));
        self->text = buffer;
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        return 0;
      }
      Sleep(50);
    }
    return 1;
  }
};

TEST_F(Win32BackendTest, MessageBoxIsTitledWithTheProgramName) {
  class TestApp : public Application {
   protected:
    bool InitInstance() override { return false; }
  } app;
  app.Run("");
  EXPECT_EQ(app.ExeName(), "orvent_ui_tests");

  ProbeDialog dialog;
  int answer = 0;
  MessageBoxAnswerer answerer;
  dialog.checks = [&](ProbeDialog& d, HWND) {
    HANDLE thread = CreateThread(nullptr, 0, &MessageBoxAnswerer::Run, &answerer, 0, nullptr);
    answer = d.ShowMessage("The project file is not exist.");
    WaitForSingleObject(thread, 15000);
    CloseHandle(thread);
    d.EndDialog(kIdCancel);
  };
  EXPECT_EQ(dialog.DoModal(), kIdCancel);
  EXPECT_EQ(answer, kIdOk);
  EXPECT_EQ(answerer.caption, "orvent_ui_tests");
  EXPECT_EQ(answerer.text, "The project file is not exist.");
}

}  // namespace
}  // namespace ui

namespace ui {
namespace {

// The selector's template with its grid, checked inside the real window.
class GridProbe : public Dialog {
 public:
  GridProbe() : Dialog(IDD_SELECTOR) {}
  std::function<void(GridControl&, HWND)> checks;

 protected:
  bool OnInitDialog() override {
    Dialog::OnInitDialog();
    PostCommand(0x7F01);
    return true;
  }
  bool OnCommand(int id, int code) override {
    if (id != 0x7F01) return Dialog::OnCommand(id, code);
    GridControl* grid = Window()->Grid(IDC_RECENT_GRID);
    EXPECT_NE(grid, nullptr);
    if (grid != nullptr)
      checks(*grid, GetDlgItem(FindWindowA("CORVENTApp", nullptr), IDC_RECENT_GRID));
    EndDialog(kIdOk);
    return true;
  }
};

TEST_F(Win32BackendTest, GridOverTheListViewKeepsRowsTextsAndTheCurrentRow) {
  ASSERT_TRUE(backend.RegisterDialogClass("CORVENTApp", "#32770", IDR_MAINFRAME));
  GridProbe probe;
  bool ran = false;
  probe.checks = [&](GridControl& grid, HWND listView) {
    ran = true;
    ASSERT_NE(listView, nullptr);
    grid.SetCols(3);
    grid.SetFixedRows(1);
    grid.SetRows(1);
    grid.SetTextMatrix(0, 2, "Location");
    EXPECT_EQ(grid.TextMatrix(0, 2), "Location") << "the header row is the column header";
    grid.SetRedraw(false);
    grid.SetRows(1000);
    for (int r = 1; r < 1000; ++r)
      grid.SetTextMatrix(r, 0, "\x95\x5C\x8E\xA6 " + std::to_string(r));
    grid.SetRedraw(true);
    EXPECT_EQ(grid.Rows(), 1000);
    EXPECT_EQ(ListView_GetItemCount(listView), 999);
    // What the list-view shows comes from the grid's texts.
    char text[64] = {};
    ListView_GetItemText(listView, 998, 0, text, sizeof text);
    EXPECT_STREQ(text, "\x95\x5C\x8E\xA6 999");

    EXPECT_EQ(grid.Row(), 0) << "no data row is current yet";
    grid.SetRow(3);
    EXPECT_EQ(grid.Row(), 3);
    EXPECT_EQ(ListView_GetNextItem(listView, -1, LVNI_FOCUSED), 2);
    grid.RemoveItem(3);
    EXPECT_EQ(grid.Rows(), 999);
    EXPECT_EQ(grid.TextMatrix(3, 0), "\x95\x5C\x8E\xA6 4");
    grid.SetRow(998);
    EXPECT_EQ(grid.Row(), 998);
    grid.SetRows(1);
    EXPECT_EQ(ListView_GetItemCount(listView), 0);
  };
  EXPECT_EQ(probe.DoModal(), kIdOk);
  EXPECT_TRUE(ran);
}

}  // namespace
}  // namespace ui
