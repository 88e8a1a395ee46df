// What the user is told about the recent-project history.
#pragma once

#include <string>

namespace orvent {

// Told before the Selector ends when the history, as last changed, could not
// be saved.
inline std::string HistoryNotSavedMessage(const std::string& settingsPath) {
  return "The recent-project history could not be saved to " + settingsPath + ".";
}

}  // namespace orvent
