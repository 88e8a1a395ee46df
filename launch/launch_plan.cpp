#include "launch/launch_plan.h"

#include "namelist/mbcs.h"
#include "project/app_catalogue.h"

namespace orvent {

std::string ProjectFilePath(const RecentEntry& entry) {
  const std::string location = Trim(entry.location);
  const std::string folder = location.empty() ? std::string() : WithTrailingBackslash(location);
  return folder + Trim(entry.projectName) + ".mbc";
}

void NormaliseApplication(RecentEntry* entry) {
  if (entry->appIndex != 2) return;
  if (entry->projectType == 2) entry->appIndex = 3;
  entry->projectType = 0;
}

LaunchPlan PlanLaunch(const RecentEntry& entry, const std::string& programFolder) {
  LaunchPlan plan;
  const bool known = entry.appIndex >= 0 && entry.appIndex < kAppCatalogueSize;
  std::string executable = known ? kAppCatalogue[entry.appIndex].executable : "";
  if (entry.appIndex == 0 && entry.projectType == 3) executable = kBasicExtremeWindExecutable;
  plan.executablePath = Trim(programFolder + executable);
  const std::string option = Trim(known ? kAppCatalogue[entry.appIndex].option : "");
  if (!option.empty()) plan.arguments.push_back(option);
  plan.arguments.push_back(kNoFmOption);
  plan.arguments.push_back(ProjectFilePath(entry));
  plan.workingFolder = Trim(entry.location);
  return plan;
}

}  // namespace orvent
