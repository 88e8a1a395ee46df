// What the journeys cannot see from outside: the wait cursor.
#include <windows.h>

#include <gtest/gtest.h>

#include "ui/framework/application.h"

namespace {

// From the first wait to the end of the last; restored, only while a wait lasts.
TEST(Framework, TheWaitCursorShowsWhileAWaitLasts) {
  struct WaitingApp : ui::Application {
    void InitInstance() override {
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
    }
  };
  WaitingApp().Run("ORVENTLancher", "");
  EXPECT_EQ(ui::App(), nullptr) << "an application outlives its end";
}

}  // namespace
