// Controls, captions and messages of the Selector's windows as the user
// meets them.
#pragma once

namespace e2e {

// Selector window.
constexpr int kCreateNewProjectButton = 1002;
constexpr int kSelectOpenProjectButton = 1003;
constexpr int kLastApplicationButton = 1004;
constexpr int kSelectApplicationButton = 1005;
constexpr int kHelpButton = 1006;
constexpr int kDeleteHistoryButton = 1008;
constexpr int kRecentGrid = 1009;
constexpr int kRecentFrame = 1012;
constexpr int kAboutCommand = 16;

// Project dialog.
constexpr int kProjectOkButton = 1000;
constexpr int kProjectCancelButton = 1001;
constexpr int kReferenceButton = 1007;
constexpr int kProjectNameEdit = 1016;
constexpr int kLocationEdit = 1017;
constexpr int kBasicRadio = 1019;
constexpr int kEnergyRadio = 1020;
constexpr int kEngineeringRadio = 1021;
constexpr char kCreateProjectTitle[] = "ORVENT Project Selector - Create New Project";
constexpr char kOpenProjectTitle[] = "ORVENT Project Selector - Select Open Project";

constexpr char kAboutTitle[] = "About ORVENT Project Selector";
constexpr char kVersionLine[] = "ORVENT Project Selector Version 6.0  (6.0.0.2)";
// The file version a new project file records.
constexpr char kProjectFileVersion[] = "6.0.0";

constexpr char kDeleteQuestion[] = "Can I delete it?\n(The actual project file is not deleted.)";
constexpr char kProjectMissingMessage[] = "The project file is not exist.";
constexpr char kNotStartedMessage[] = "The application is not started.";

}  // namespace e2e
