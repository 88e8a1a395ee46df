// Every way of starting a member application ends here.
#include "history/history_file.h"
#include "launch/launch_plan.h"
#include "launch/run_process.h"
#include "platform/platform.h"
#include "ui/framework/application.h"
#include "ui/selector/dlg_page1.h"

void CDlgPage1::StartApplication(const orvent::RecentEntry* entry, int row) {
  if (entry == nullptr && (row < 0 || row >= static_cast<int>(history.size()))) return;
  orvent::RecentEntry project = entry != nullptr ? *entry : history[static_cast<std::size_t>(row)];

  orvent::Platform& platform = orvent::CurrentPlatform();
  if (!platform.Exists(orvent::ProjectFilePath(project))) {
    ShowMessage("The project file is not exist.");
    return;
  }
  orvent::NormaliseApplication(&project);
  const orvent::LaunchPlan plan = orvent::PlanLaunch(project, programFolder);

  ui::WaitCursor waitCursor;
  platform.SetCurrentFolder(plan.workingFolder);
  if (!orvent::RunProcess(platform, plan.executablePath, plan.arguments, plan.workingFolder,
                          orvent::kShowNormalWindow, orvent::kNormalPriority)) {
    ShowMessage("The application is not started.");
    return;
  }
  orvent::RecordProject(&history, project, row);
  orvent::SaveHistory(settingsPath, history);
  FillRecentGrid(0);
  EndDialog(ui::kIdOk);
}
