// What the taskbar's jump list shows of the history: the most recent
// projects, each named as its grid row, without those the user took out.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "history/recent_history.h"
#include "platform/platform.h"

namespace orvent {

struct JumpEntry {
  std::string title;        // "Site A [TD]"
  std::string projectFile;  // what the Selector is started with
};

// At most `slots` entries, newest first; a project file the user removed
// from the list (compared as the system compares paths) is never put back.
std::vector<JumpEntry> JumpListEntries(const RecentHistory& history,
                                       const std::vector<std::string>& removed, std::size_t slots);

// The project files the user took out of the jump list, kept for the next
// sessions in the user's settings, one a line; the oldest go first when
// they no longer fit.
std::vector<std::string> KeptJumpRemovals(Platform& platform);
void KeepJumpRemovals(Platform& platform, std::vector<std::string> removed);

}  // namespace orvent
