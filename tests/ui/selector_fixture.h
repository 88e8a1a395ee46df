// Runs the Selector through start-up on the in-memory back end, with a fake
// platform whose settings and project files are real files in a scratch
// folder (on Linux a backslash then begins a file's name).
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/orvent_lancher_app.h"
#include "history/history_file.h"
#include "namelist/mbcs.h"
#include "res/resource.h"
#include "tests/core/test_support.h"
#include "tests/ui/ui_test_environment.h"
#include "ui/selector/dlg_page1.h"

namespace orvent {

class SelectorTest : public ::testing::Test {
 protected:
  using Window = ui::memory::MemoryDialogWindow;

  SelectorTest() {
    env.platform.SetModuleFileName("C:\\Tools\\ORVENTLancher.exe");
    env.platform.AddFolder("C:\\Tools");
  }

  std::string Root() const { return env.Root(); }
  std::string UserFolder() const { return Root() + "AppData\\ORVENT V5_2\\"; }
  std::string SettingsPath() const { return UserFolder() + "orvent.ini"; }

  // A history file that exists for the program.
  void WriteHistory(const std::string& path, const RecentHistory& rows) {
    env.platform.MakeFolders(path.substr(0, path.rfind('\\') + 1));
    ASSERT_TRUE(SaveHistory(path, rows));
    env.platform.AddFile(path);
  }
  // A project file that exists for the program.
  void AddProjectFile(const RecentEntry& e) {
    env.platform.AddFile(WithTrailingBackslash(e.location) + e.projectName + ".mbc");
  }

  // Runs the Selector; `whileOpen` acts on its window, which is then closed
  // with Exit unless it ended already.
  void Run(std::function<void(Window&, CDlgPage1&)> whileOpen,
           const std::string& commandLine = "") {
    env.backend.OnDialog(IDD_SELECTOR, [&, whileOpen](Window& window) {
      auto* selector = static_cast<CDlgPage1*>(ui::App()->MainWindow());
      if (whileOpen) whileOpen(window, *selector);
      if (!window.Ended()) window.Click(IDC_EXIT);
      result = window.Result();
    });
    CORVENTLancherApp app;
    app.Run(commandLine);
  }

#ifdef _WIN32
  static constexpr bool kWindows = true;
#else
  static constexpr bool kWindows = false;
#endif

  UiTestEnvironment env;
  int result = 0;
};

inline RecentEntry Row(const std::string& name, const std::string& location, int app, int type = 0,
                       const std::string& code = "JGD") {
  RecentEntry e;
  e.projectName = name;
  e.location = location;
  e.appIndex = app;
  e.projectType = type;
  e.geodeticCode = code;
  return e;
}

}  // namespace orvent
