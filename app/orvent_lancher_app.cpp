#include "app/orvent_lancher_app.h"

#include "app/command_line.h"
#include "platform/platform.h"
#include "res/resource.h"
#include "ui/framework/backend.h"
#include "ui/selector/dlg_page1.h"

namespace {

const char kRegistryKey[] = "HALVORN\\ORVENT_V6_0";
const char kWindowClass[] = "CORVENTApp";
const char kDialogClass[] = "#32770";

}  // namespace

void CORVENTLancherApp::FindProgramFolder() {
  // The folder is what is left of the module path once the executable's own
  // name is cut from its end.
  const std::string exeFile = ExeName() + ".exe";
  const std::string modulePath = orvent::CurrentPlatform().ModuleFileName();
  programFolder = modulePath.size() >= exeFile.size()
                      ? modulePath.substr(0, modulePath.size() - exeFile.size())
                      : std::string();
}

bool CORVENTLancherApp::InitInstance() {
  ui::WaitCursor waitCursor;
  SetRegistryKey(kRegistryKey);

  FindProgramFolder();
  orvent::CurrentPlatform().SetCurrentFolder(programFolder);

  ui::CurrentBackend().RegisterDialogClass(kWindowClass, kDialogClass, IDR_MAINFRAME);

  // One Selector per logged-on user: a second start raises the first one's
  // window (or the dialog it shows) and ends without a word.
  if (orvent::CurrentPlatform().CreateNamedMutex(ExeName()) ==
      orvent::MutexResult::kAlreadyExists) {
    ui::CurrentBackend().ActivateWindowOfClass(kWindowClass);
    return false;
  }

  const std::string projectPath = orvent::ProjectPathFromCommandLine(CommandLine());

  RestoreWaitCursor();
  CDlgPage1 selector(nullptr);
  SetMainWindow(&selector);
  selector.commandLineProject = projectPath;
  selector.programFolder = programFolder;
  selector.DoModal();
  SetMainWindow(nullptr);
  return false;
}
