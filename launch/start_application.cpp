#include "launch/start_application.h"

#include "history/history_file.h"
#include "launch/run_process.h"

namespace orvent {

StartCheck PlanStart(Platform& platform, const RecentHistory& history, const RecentEntry* entry,
                     int row, const std::string& programFolder, StartPlan* plan) {
  if (entry == nullptr && (row < 0 || row >= static_cast<int>(history.size()))) {
    return StartCheck::kNoProject;
  }
  plan->project = entry != nullptr ? *entry : history[static_cast<std::size_t>(row)];
  if (!platform.Exists(ProjectFilePath(plan->project))) return StartCheck::kProjectFileMissing;
  NormaliseApplication(&plan->project);
  plan->launch = PlanLaunch(plan->project, programFolder);
  return StartCheck::kReady;
}

bool RunStart(Platform& platform, const StartPlan& plan) {
  // The folder stays current afterwards, whatever the start gave.
  static_cast<void>(platform.SetCurrentFolder(plan.launch.workingFolder));
  return RunProcess(platform, plan.launch.executablePath, plan.launch.arguments,
                    plan.launch.workingFolder, kShowNormalWindow, kNormalPriority);
}

bool RecordStart(RecentHistory* history, const StartPlan& plan, int row,
                 const std::string& settingsPath) {
  RecordProject(history, plan.project, row);
  return SaveHistory(settingsPath, *history);
}

}  // namespace orvent
