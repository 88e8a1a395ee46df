#include "launch/start_application.h"

#include "history/history_file.h"
#include "launch/start_process.h"
#include "namelist/mbcs.h"
#include "project/app_catalogue.h"
#include "project/project_file.h"

namespace orvent {
namespace {

void NormaliseApplication(RecentEntry* entry) {
  if (entry->app != App::kWindClimate) return;
  if (entry->projectType == kTypeDesignWindSpeed) entry->app = App::kDesignWindSpeed;
  entry->projectType = kTypeMeasurement;
}

void PlanCommand(const std::string& programFolder, StartPlan* plan) {
  const RecentEntry& entry = plan->project;
  const AppCatalogueRow& application = CatalogueRow(entry.app);
  const bool extremeWindBasic = entry.app == App::kBasic && entry.projectType == kTypeExtremeWind;
  plan->executablePath = Trim(
      programFolder + (extremeWindBasic ? kBasicExtremeWindExecutable : application.executable));
  const std::string option = Trim(application.option);
  plan->arguments.clear();
  if (!option.empty()) plan->arguments.push_back(option);
  plan->arguments.push_back(kNoFmOption);
  plan->arguments.push_back(ProjectFilePath(entry));
  plan->workingFolder = Trim(entry.location);
}

}  // namespace

StartCheck PlanStart(Platform& platform, const RecentHistory& history, const RecentEntry* entry,
                     int row, const std::string& programFolder, StartPlan* plan) {
  if (entry == nullptr && (row < 0 || row >= static_cast<int>(history.size()))) {
    return StartCheck::kNoProject;
  }
  plan->project = entry != nullptr ? *entry : history[static_cast<std::size_t>(row)];
  if (!platform.Exists(ProjectFilePath(plan->project))) return StartCheck::kProjectFileMissing;
  NormaliseApplication(&plan->project);
  PlanCommand(programFolder, plan);
  return StartCheck::kReady;
}

bool StartApplication(Platform& platform, const StartPlan& plan) {
  // The folder stays current afterwards, whatever the start gave.
  static_cast<void>(platform.SetCurrentFolder(plan.workingFolder));
  return StartProcess(platform, plan.executablePath, plan.arguments, plan.workingFolder,
                      kShowNormalWindow, kNormalPriority);
}

bool RecordStart(RecentHistory* history, const StartPlan& plan, int row,
                 const std::string& settingsPath) {
  RecordProject(history, plan.project, row);
  return SaveHistory(settingsPath, *history);
}

}  // namespace orvent
