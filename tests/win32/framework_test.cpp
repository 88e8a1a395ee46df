// The framework on real windows, in this process: data exchange with radio
// groups, where a dialog opens, and a handler that fails.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "res/resource.h"
#include "tests/support/fake_platform.h"
#include "ui/framework/application.h"
#include "ui/framework/dialog.h"
#include "ui/selector/dlg_page1.h"

namespace {

const int kRunCommand = 0x7F00;

// A dialog on one of the program's templates whose test body runs inside its
// own modal loop, once it is on the screen.
class ProbeDialog : public ui::Dialog {
 public:
  ProbeDialog(int templateId, ui::Dialog* parent, std::function<void(ProbeDialog&)> body)
      : ui::Dialog(templateId, parent), body_(std::move(body)) {}

  std::string name = "\x95\x5C\x8E\xA6";  // 表示
  int application = 1;
  int projectType = -1;
  RECT placeAt = {};  // where its initialisation puts it, if anywhere

  using ui::Dialog::EndDialog;
  using ui::Dialog::UpdateData;

 protected:
  void DoDataExchange(ui::DataExchange& dx) override {
    if (Item(IDC_APP_BASIC) == nullptr) return;
    dx.Text(IDC_PROJECT_NAME, name);
    dx.Radio(IDC_APP_BASIC, application);
    dx.Radio(IDC_TYPE_MEASUREMENT, projectType);
  }
  BOOL OnInitDialog() override {
    ui::Dialog::OnInitDialog();
    if (placeAt.right != 0)
      SetWindowPos(hwnd_, nullptr, placeAt.left, placeAt.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    PostCommand(kRunCommand);
    return TRUE;
  }
  bool OnCommand(int id, int code) override {
    if (id != kRunCommand) return ui::Dialog::OnCommand(id, code);
    body_(*this);
    return true;
  }

 private:
  std::function<void(ProbeDialog&)> body_;
};

struct TestApp : ui::Application {
  std::function<void()> body;
  bool InitInstance() override {
    body();
    return false;
  }
};

// Runs `body` under an application object named "ORVENTLancher".
void WithApp(std::function<void()> body) {
  TestApp app;
  app.body = std::move(body);
  app.Run("ORVENTLancher", "");
}

POINT Center(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

TEST(Framework, RadioGroupsExchangeTheIndexOfTheirCheckedRadio) {
  ProbeDialog dialog(IDD_PROJECT, nullptr, [](ProbeDialog& d) {
    EXPECT_EQ(d.ItemText(IDC_PROJECT_NAME), "\x95\x5C\x8E\xA6");
    EXPECT_TRUE(d.IsItemChecked(IDC_APP_ENERGY));
    EXPECT_FALSE(d.IsItemChecked(IDC_APP_BASIC));
    // A hidden radio counts in its group; the group ends where the next begins.
    d.CheckItem(IDC_TYPE_EXTREME_WIND, true);
    d.CheckItem(IDC_APP_ENERGY, false);
    d.CheckItem(IDC_GEO_JGD2011, true);
    EXPECT_TRUE(d.UpdateData(true));
    EXPECT_EQ(d.projectType, 3);
    EXPECT_EQ(d.application, -1);
    d.EndDialog(IDOK);
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
}

TEST(Framework, DialogsOpenCentredUnlessTheyPlaceThemselves) {
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof(monitor);
  GetMonitorInfoA(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
  const POINT workCenter = Center(monitor.rcWork);
  RECT outer = {}, inner = {}, placed = {};
  WithApp([&] {
    ASSERT_TRUE(ui::RegisterDialogClass(ORVENT_WINDOW_CLASS, "#32770", IDR_MAINFRAME));
    ProbeDialog selector(IDD_SELECTOR, nullptr, [&](ProbeDialog& d) {
      outer = d.WindowRect();
      ProbeDialog about(IDD_ABOUTBOX, &d, [&](ProbeDialog& a) {
        inner = a.WindowRect();
        a.EndDialog(IDOK);
      });
      about.DoModal();
      ProbeDialog project(IDD_PROJECT, &d, [&](ProbeDialog& p) {
        placed = p.WindowRect();
        p.EndDialog(IDOK);
      });
      project.placeAt = {3, 4, 1, 1};
      project.DoModal();
      d.EndDialog(IDOK);
    });
    selector.DoModal();
  });
  EXPECT_LE(std::abs(Center(outer).x - workCenter.x), 1);
  EXPECT_LE(std::abs(Center(outer).y - workCenter.y), 1);
  EXPECT_LE(std::abs(Center(inner).x - Center(outer).x), 1);
  EXPECT_LE(std::abs(Center(inner).y - Center(outer).y), 1);
  EXPECT_EQ(placed.left, 3);
  EXPECT_EQ(placed.top, 4);
}

// Answers the first message box the thread shows, keeping its caption and
// text, then has the dialog run its body again.
std::string g_boxCaption, g_boxText;
HWND g_dialog = nullptr;
void CALLBACK AnswerMessageBox(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND box = GetActiveWindow();
  char text[256] = {};
  if (box == nullptr || GetDlgItemTextA(box, 0xFFFF, text, sizeof text) == 0) return;
  KillTimer(nullptr, timer);
  g_boxCaption = ui::WindowText(box);
  g_boxText = text;
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  PostMessageA(g_dialog, WM_COMMAND, kRunCommand, 0);
}

TEST(Framework, AFailingHandlerIsReportedAndTheDialogGoesOn) {
  bool stillRunning = false;
  WithApp([&] {
    ProbeDialog dialog(IDD_ABOUTBOX, nullptr, [&](ProbeDialog& d) {
      if (g_dialog != nullptr) {
        stillRunning = true;
        d.EndDialog(IDOK);
        return;
      }
      g_dialog = d.Handle();
      SetTimer(nullptr, 0, 50, AnswerMessageBox);
      throw std::runtime_error("out of order");
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
  });
  EXPECT_TRUE(stillRunning);
  EXPECT_EQ(g_boxCaption, "ORVENTLancher");
  EXPECT_NE(g_boxText.find("unexpected error"), std::string::npos) << g_boxText;
}

// The selector window and its class carry the program's icon in both sizes.
void CALLBACK CheckIconsAndExit(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND window = FindWindowA(ORVENT_WINDOW_CLASS, nullptr);
  if (window == nullptr || !IsWindowVisible(window)) return;
  KillTimer(nullptr, timer);
  for (int size : {ICON_BIG, ICON_SMALL}) {
    const int metric = size == ICON_BIG ? SM_CXICON : SM_CXSMICON;
    EXPECT_EQ(SendMessageA(window, WM_GETICON, size, 0),
              reinterpret_cast<LRESULT>(
                  LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON,
                             GetSystemMetrics(metric), GetSystemMetrics(metric), LR_SHARED)));
  }
  EXPECT_NE(GetClassLongPtrA(window, GCLP_HICON), 0);
  PostMessageA(GetDlgItem(window, IDC_EXIT), BM_CLICK, 0, 0);
}

TEST(SelectorWindow, CarriesTheProgramIcon) {
  orvent::FakePlatform platform;
  platform.SetSpecialFolder(orvent::SpecialFolder::kAppData, platform.Root());
  WithApp([&] {
    ASSERT_TRUE(ui::RegisterDialogClass(ORVENT_WINDOW_CLASS, "#32770", IDR_MAINFRAME));
    CDlgPage1 selector(nullptr, platform, platform.Root(), {});
    SetTimer(nullptr, 0, 50, CheckIconsAndExit);
    EXPECT_EQ(selector.DoModal(), IDCANCEL);
  });
}

}  // namespace
