#include "app/orvent_lancher_app.h"

#include "app/startup.h"
#include "platform/version_info.h"
#include "res/resource.h"
#include "ui/selector/dlg_page1.h"

namespace {

const char kRegistryKey[] = "HALVORN\\ORVENT_V6_0";
const char kDialogClass[] = "#32770";

}  // namespace

bool CORVENTLancherApp::InitInstance() {
  ui::WaitCursor waitCursor;
  SetRegistryKey(kRegistryKey);

  programFolder = orvent::ProgramFolderFor(platform_, platform_.ModuleFileName(), ExeName());
  // Failures of start-up's own steps are not the user's concern: the
  // Selector starts all the same.
  static_cast<void>(platform_.SetCurrentFolder(programFolder));
  static_cast<void>(ui::RegisterDialogClass(ORVENT_WINDOW_CLASS, kDialogClass, IDR_MAINFRAME));

  // One Selector per logged-on user: a second start raises the first one's
  // window (or the dialog it shows) and ends without a word.
  if (platform_.CreateNamedMutex(ExeName()) == orvent::MutexResult::kAlreadyExists) {
    static_cast<void>(ui::ActivateWindowOfClass(ORVENT_WINDOW_CLASS));
    return false;
  }

  const std::string projectPath = orvent::ProjectPathFromCommandLine(CommandLine());

  RestoreWaitCursor();
  CDlgPage1 selector(nullptr, platform_, programFolder, orvent::ReadVersionInfo(platform_));
  SetMainWindow(&selector);
  selector.commandLineProject = projectPath;
  selector.DoModal();
  SetMainWindow(nullptr);
  return false;
}
