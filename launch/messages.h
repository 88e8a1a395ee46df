// What the user is told when an application, the manual or a project's
// folder does not open. A missing project file is told as the project
// dialog tells it (kMsgProjectFileMissing).
#pragma once

#include "project/messages.h"

namespace orvent {

inline constexpr char kMsgNotStarted[] = "The application is not started.";
// Whenever the shell cannot open the manual, a missing manual included.
inline constexpr char kMsgNoManual[] = "Acrobat reader is not installed or not found.";
inline constexpr char kMsgFolderNotFound[] = "The folder is not found.";

}  // namespace orvent
