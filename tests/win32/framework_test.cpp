// What the journeys cannot see from outside: a handler that fails, the wait
// cursor, and the selector window's icons, font and tooltip.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "app/orvent_lancher_app.h"
#include "res/resource.h"
#include "tests/support/fake_platform.h"
#include "ui/selector/dlg_page1.h"

namespace {

// A dialog that does not end fails its test within seconds instead of
// holding up the run: a quit ends any modal loop.
void CALLBACK NeverEnds(HWND, UINT, UINT_PTR, DWORD) {
  ADD_FAILURE() << "a dialog did not end";
  PostQuitMessage(1);
}

// Runs `body` under an application named "ORVENTLancher".
void WithApp(std::function<void()> body) {
  struct TestApp : ui::Application {
    std::function<void()> body;
    void InitInstance() override { body(); }
  } app;
  app.body = std::move(body);
  const UINT_PTR watchdog = SetTimer(nullptr, 0, 20000, NeverEnds);
  app.Run("ORVENTLancher", "");
  KillTimer(nullptr, watchdog);
}

// A handler that throws: the user is told, and the dialog still takes the
// OK posted before the failure.
TEST(Framework, AFailingHandlerIsReportedAndTheDialogGoesOn) {
  struct Throwing : ui::Dialog {
    Throwing() : ui::Dialog(IDD_ABOUTBOX, nullptr) {}
    BOOL OnInitDialog() override {
      PostCommand(IDOK);
      throw std::runtime_error("out of order");
    }
    int ShowMessage(const std::string& text, UINT) override {
      told += text;
      return IDOK;
    }
    std::string told;
  } dialog;
  WithApp([&] { EXPECT_EQ(dialog.DoModal(), IDOK); });
  EXPECT_NE(dialog.told.find("unexpected error"), std::string::npos) << dialog.told;
}

// From the first wait to the end of the last; restored, only while a wait lasts.
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
  EXPECT_EQ(ui::App(), nullptr) << "an application outlives its end";
}

// A quit asked for while a dialog runs ends it and is left for the loop that
// owns the thread.
TEST(Framework, AQuitEndsTheDialogAndStaysForTheOuterLoop) {
  struct Quitting : ui::Dialog {
    Quitting() : ui::Dialog(IDD_ABOUTBOX, nullptr) {}
    BOOL OnInitDialog() override {
      PostQuitMessage(3);
      return TRUE;
    }
  };
  WithApp([] { EXPECT_EQ(Quitting().DoModal(), -1); });
  MSG quit = {};
  EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) && quit.wParam == 3);
}

// The program's icon in both sizes, the about box in the system menu, the
// grid's own font and headers, a tooltip with the trimmed cell text and none
// over the header. (The columns' widths, a gone row and the clipboard are the
// journeys' to check.)
CDlgPage1* g_selector = nullptr;
// The grid's tip with the pointer in the row's label, at its middle or at y.
std::string TipAt(HWND grid, int row, LONG y = -1) {
  RECT item = {LVIR_LABEL, 0, 0, 0};
  SendMessageA(grid, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&item));
  POINT at = {item.left + 5, y >= 0 ? y : (item.top + item.bottom) / 2}, screen = at;
  ClientToScreen(grid, &screen);
  SetCursorPos(screen.x, screen.y);
  SendMessageA(grid, WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
  // What the tooltip window itself holds for the grid.
  char text[256] = {};
  TOOLINFOA tool = {sizeof tool, 0, grid,   reinterpret_cast<UINT_PTR>(grid), {}, nullptr,
                    text,        0, nullptr};
  for (HWND tip = nullptr; (tip = FindWindowExA(nullptr, tip, TOOLTIPS_CLASSA, nullptr));) {
    SendMessageA(tip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
  }
  return text;
}
void CALLBACK LookAtTheSelector(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND window = g_selector->Handle(), grid = GetDlgItem(window, IDC_RECENT_GRID);
  if (window == nullptr || !IsWindowVisible(window)) return;
  KillTimer(nullptr, timer);
  g_selector->model.history = {{1, " Site A", "D:\\", orvent::App::kBasic, 0, "TD"}};
  g_selector->FillRecentGrid();
  const auto icon = [](int side) {
    return reinterpret_cast<LRESULT>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON,
                   GetSystemMetrics(side), GetSystemMetrics(side), LR_SHARED));
  };
  EXPECT_EQ(SendMessageA(window, WM_GETICON, ICON_BIG, 0), icon(SM_CXICON));
  EXPECT_EQ(SendMessageA(window, WM_GETICON, ICON_SMALL, 0), icon(SM_CXSMICON));
  EXPECT_EQ(GetClassLongPtrA(window, GCLP_HICON), icon(SM_CXICON));
  char text[64] = {};
  GetMenuStringA(GetSystemMenu(window, FALSE), IDM_ABOUTBOX, text, sizeof text, MF_BYCOMMAND);
  EXPECT_EQ(text, ui::LoadResourceString(IDS_ABOUTBOX));
  const LRESULT font = SendMessageA(grid, WM_GETFONT, 0, 0);
  EXPECT_TRUE(font != 0 && font != SendMessageA(window, WM_GETFONT, 0, 0)) << "the grid's own font";
  int i = 0;
  for (const char* header : {"Project Name [GS]", "Recent App.", "Location"}) {
    LVCOLUMNA column = {LVCF_TEXT, 0, 0, text, sizeof text, 0, 0, 0, 0, 0, 0};
    SendMessageA(grid, LVM_GETCOLUMNA, i++, reinterpret_cast<LPARAM>(&column));
    EXPECT_STREQ(text, header);
  }
  EXPECT_EQ(TipAt(grid, 0), "Site A [TD]");
  EXPECT_EQ(TipAt(grid, 0, 2), "") << "a tip over the header";
  PostMessageA(GetDlgItem(window, IDC_EXIT), BM_CLICK, 0, 0);
}

TEST(SelectorWindow, ShowsItsIconsFontAndTheTooltipOverTheGrid) {
  // The selector window's class, as the program's start-up registers it: a
  // second Selector's start-up does that much and ends.
  orvent::FakePlatform platform;
  platform.mutex = orvent::MutexResult::kAlreadyExists;
  CORVENTLancherApp(platform).Run("ORVENTLancher", "");
  platform.SetSpecialFolder(orvent::SpecialFolder::kAppData, platform.Root());
  platform.AddFile("D:\\Site A.mbc");  // not drawn as gone, whenever that is known
  WithApp([&] {
    CDlgPage1 selector(nullptr, platform, platform.Root(), {});
    g_selector = &selector;
    SetTimer(nullptr, 0, 50, LookAtTheSelector);
    EXPECT_EQ(selector.DoModal(), IDCANCEL);
  });
}

}  // namespace
