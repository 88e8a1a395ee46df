// The framework and the selector window on real windows, in this process:
// where a dialog opens, a handler that fails, the wait cursor, and what the
// selector window shows of itself (its icons, the tooltip over the grid).
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "history/history_file.h"
#include "res/resource.h"
#include "tests/support/fake_platform.h"
#include "ui/framework/application.h"
#include "ui/framework/dialog.h"
#include "ui/selector/dlg_page1.h"
#include "ui/selector/grid_font.h"

namespace {

const int kRunCommand = 0x7F00;

// A dialog on one of the program's templates whose test body runs inside its
// own modal loop once it is on the screen.
class ProbeDialog : public ui::Dialog {
 public:
  ProbeDialog(int templateId, ui::Dialog* parent, std::function<void(ProbeDialog&)> body)
      : ui::Dialog(templateId, parent), body_(std::move(body)) {}
  using ui::Dialog::EndDialog;

 protected:
  BOOL OnInitDialog() override {
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

// Runs `body` under an application object named "ORVENTLancher", with the
// selector window's class registered.
void WithApp(std::function<void()> body) {
  struct TestApp : ui::Application {
    std::function<void()> body;
    bool InitInstance() override {
      EXPECT_TRUE(ui::RegisterDialogClass(ORVENT_WINDOW_CLASS, "#32770", IDR_MAINFRAME));
      body();
      return false;
    }
  } app;
  app.body = std::move(body);
  app.Run("ORVENTLancher", "");
}

POINT Center(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

TEST(Framework, DialogsOpenCentredOverTheirOwnerInsideTheWorkArea) {
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof(monitor);
  GetMonitorInfoA(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT work = monitor.rcWork;
  RECT outer = {}, inner = {}, clamped = {};
  WithApp([&] {
    ProbeDialog selector(IDD_SELECTOR, nullptr, [&](ProbeDialog& d) {
      outer = d.WindowRect();
      ProbeDialog about(IDD_ABOUTBOX, &d, [&](ProbeDialog& a) {
        inner = a.WindowRect();
        a.EndDialog(IDOK);
      });
      about.DoModal();
      // Over an owner at the edge, it stays inside the work area.
      SetWindowPos(d.Handle(), nullptr, work.right - 100, work.bottom - 60, 0, 0, SWP_NOSIZE);
      ProbeDialog edge(IDD_ABOUTBOX, &d, [&](ProbeDialog& a) {
        clamped = a.WindowRect();
        a.EndDialog(IDOK);
      });
      edge.DoModal();
      d.EndDialog(IDOK);
    });
    selector.DoModal();
  });
  EXPECT_LE(std::abs(Center(outer).x - Center(work).x) + std::abs(Center(outer).y - Center(work).y),
            2);
  EXPECT_LE(
      std::abs(Center(inner).x - Center(outer).x) + std::abs(Center(inner).y - Center(outer).y), 2);
  EXPECT_EQ(clamped.right, work.right);
  EXPECT_EQ(clamped.bottom, work.bottom);
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

// The wait cursor shows from the first wait to the end of the last; restored,
// it shows only while a wait lasts.
TEST(Framework, TheWaitCursorShowsWhileAWaitLasts) {
  WithApp([] {
    const HCURSOR wait = LoadCursorA(nullptr, IDC_WAIT);
    {
      ui::WaitCursor outer;
      EXPECT_EQ(GetCursor(), wait);
      { ui::WaitCursor inner; }
      SetCursor(nullptr);
      ui::App()->RestoreWaitCursor();
      EXPECT_EQ(GetCursor(), wait);
    }
    EXPECT_NE(GetCursor(), wait);
    ui::App()->RestoreWaitCursor();
    EXPECT_NE(GetCursor(), wait);
  });
}

// The selector window carries the program's icon in both sizes and the
// about box in its system menu, and the
// tooltip over the grid shows the trimmed text of the cell under the
// pointer, nothing over the header.
CDlgPage1* g_selector = nullptr;
void CALLBACK LookAtTheSelector(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND window = g_selector->Handle();
  if (window == nullptr || !IsWindowVisible(window)) return;
  KillTimer(nullptr, timer);
  for (int size : {ICON_BIG, ICON_SMALL}) {
    const int metric = GetSystemMetrics(size == ICON_BIG ? SM_CXICON : SM_CXSMICON);
    EXPECT_EQ(SendMessageA(window, WM_GETICON, size, 0),
              reinterpret_cast<LRESULT>(LoadImageA(GetModuleHandleA(nullptr),
                                                   MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON,
                                                   metric, metric, LR_SHARED)));
  }
  EXPECT_NE(GetClassLongPtrA(window, GCLP_HICON), 0);
  char about[64] = {};
  GetMenuStringA(GetSystemMenu(window, FALSE), IDM_ABOUTBOX, about, sizeof about, MF_BYCOMMAND);
  EXPECT_EQ(about, ui::LoadResourceString(IDS_ABOUTBOX));
  HWND grid = GetDlgItem(window, IDC_RECENT_GRID);
  const LRESULT font = SendMessageA(grid, WM_GETFONT, 0, 0);
  // The grid's point size: a fraction rounds up.
  EXPECT_EQ(RoundPointSize(8.25), 9);
  EXPECT_EQ(RoundPointSize(9.0), 9);
  EXPECT_TRUE(font != 0 && font != SendMessageA(window, WM_GETFONT, 0, 0)) << "the grid's own font";
  RECT item = {LVIR_LABEL, 0, 0, 0};
  SendMessageA(grid, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
  const std::pair<LONG, std::string> cells[] = {{(item.top + item.bottom) / 2, "Site A [TD]"},
                                                {2, ""}};
  for (const auto& [y, tip] : cells) {
    POINT at = {item.left + 5, y};
    ClientToScreen(grid, &at);
    SetCursorPos(at.x, at.y);
    SendMessageA(grid, WM_MOUSEMOVE, 0, MAKELPARAM(item.left + 5, y));
    EXPECT_EQ(g_selector->tipText, tip);
  }
  PostMessageA(GetDlgItem(window, IDC_EXIT), BM_CLICK, 0, 0);
}

TEST(SelectorWindow, ShowsItsIconsAndTheTooltipOverTheGrid) {
  orvent::FakePlatform platform;
  platform.SetSpecialFolder(orvent::SpecialFolder::kAppData, platform.Root());
  platform.AddFolder(platform.Root() + "ORVENT V5_2");
  ASSERT_TRUE(orvent::SaveHistory(platform.Root() + "ORVENT V5_2\\orvent.ini",
                                  {{1, " Site A ", "D:\\", 0, 0, "TD"}}));
  WithApp([&] {
    CDlgPage1 selector(nullptr, platform, platform.Root(), {});
    g_selector = &selector;
    SetTimer(nullptr, 0, 50, LookAtTheSelector);
    EXPECT_EQ(selector.DoModal(), IDCANCEL);
  });
}

}  // namespace
