// Where the history lives: the user's "orvent.ini" below the application-data
// folder, made on first use from a seed file when there is one.
#pragma once

#include <string>

#include "history/recent_history.h"
#include "platform/platform.h"

namespace orvent {

// Below the user's application-data folder; below the common program files
// folder it holds the seed's folder.
inline constexpr char kSettingsFolder[] = "ORVENT V5_2\\";
inline constexpr char kSeedFolder[] = "Common\\";
inline constexpr char kSettingsFileName[] = "orvent.ini";

// Makes the user's settings folder if need be and gives the path of the
// settings file in it, with `history` loaded from it. A user who has none
// gets one: a copy of the history of the first seed that exists (in the
// common program files folder, then beside the program), or an empty one.
std::string LocateSettingsFile(Platform& platform, const std::string& programFolder,
                               RecentHistory* history);

}  // namespace orvent
