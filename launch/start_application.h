// Starting a member application on a project, as every button and the grid's
// double click end up doing: the project file checked, the application
// normalised, the start planned and made, and the history told.
#pragma once

#include <string>
#include <vector>

#include "history/recent_history.h"
#include "platform/platform.h"

namespace orvent {

enum class StartCheck {
  kNoProject,           // no entry and no such history row: nothing happens
  kProjectFileMissing,  // the user is told, nothing changes
  kReady,
};

struct StartPlan {
  RecentEntry project;         // as the history will record it
  std::string executablePath;  // program folder + the application's file
  std::vector<std::string> arguments;
  std::string workingFolder;  // the trimmed location
};

// The project of `entry`, or of history row `row` when there is no entry,
// checked and planned. Wind Climate on a design-wind-speed project is
// recorded as Design Wind Speed, and Wind Climate's project type as
// measurement.
StartCheck PlanStart(Platform& platform, const RecentHistory& history, const RecentEntry* entry,
                     int row, const std::string& programFolder, StartPlan* plan);

// Makes the project's folder the current one and starts the application;
// false when it did not start.
[[nodiscard]] bool StartApplication(Platform& platform, const StartPlan& plan);

// After a start: the project heads the history (row, when it came from
// there, leaves its place) and the settings file is written; false when it
// could not be.
[[nodiscard]] bool RecordStart(RecentHistory* history, const StartPlan& plan, int row,
                               const std::string& settingsPath);

}  // namespace orvent
