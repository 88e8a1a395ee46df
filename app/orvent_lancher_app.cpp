#include "app/orvent_lancher_app.h"

#include <string>

#include "app/startup.h"
#include "platform/version_info.h"
#include "project/command_line_project.h"
#include "res/resource.h"
#include "selector/hand_over.h"
#include "ui/selector/dlg_page1.h"

namespace {

const char kDialogClass[] = "#32770";
// How long a second start waits for the first to take its project, well
// within the two seconds in which it is to end.
const UINT kHandOverMs = 1000;

}  // namespace

void CORVENTLancherApp::InitInstance() {
  ui::WaitCursor waitCursor;

  // The folder of the executable, ending in a backslash.
  const std::string programFolder =
      orvent::ProgramFolderFor(platform_, platform_.ModuleFileName(), ExeName());
  // Failures of start-up's own steps are not the user's concern: the
  // Selector starts all the same.
  static_cast<void>(platform_.SetCurrentFolder(programFolder));
  static_cast<void>(ui::RegisterDialogClass(ORVENT_WINDOW_CLASS, kDialogClass, IDR_MAINFRAME));

  // One Selector per logged-on user: a second start raises the first one's
  // window (or the dialog it shows), hands it the project it names, and ends
  // without a word. Raised first, the window in front opens the dialog in front.
  if (platform_.CreateNamedMutex(ExeName()) == orvent::MutexResult::kAlreadyExists) {
    static_cast<void>(ui::ActivateWindowOfClass(ORVENT_WINDOW_CLASS));
    const std::string handedOver = orvent::ProjectPathFromCommandLine(CommandLine());
    if (!handedOver.empty()) {
      static_cast<void>(ui::SendDataToWindowOfClass(ORVENT_WINDOW_CLASS, orvent::kHandOverKind,
                                                    orvent::HandOverBytes(handedOver),
                                                    kHandOverMs));
    }
    return;
  }

  const std::string projectPath = orvent::ProjectPathFromCommandLine(CommandLine());

  RestoreWaitCursor();
  CDlgPage1 selector(nullptr, platform_, programFolder, orvent::ReadVersionInfo(platform_));
  selector.commandLineProject = projectPath;
  selector.DoModal();
}
