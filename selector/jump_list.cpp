#include "selector/jump_list.h"

#include "namelist/mbcs.h"
#include "project/project_file.h"

namespace orvent {
namespace {

const char kJumpRemovalsSetting[] = "JumpListRemoved";

std::string Joined(const std::vector<std::string>& paths) {
  std::string text;
  for (const std::string& path : paths) text += path + "\n";
  return text;
}

}  // namespace

std::vector<JumpEntry> JumpListEntries(const RecentHistory& history,
                                       const std::vector<std::string>& removed, std::size_t slots) {
  std::vector<JumpEntry> entries;
  for (const RecentEntry& entry : history) {
    if (entries.size() >= slots) break;
    const std::string file = ProjectFilePath(entry);
    bool takenOut = false;
    for (const std::string& path : removed) takenOut = takenOut || EqualsNoCase(path, file);
    if (!takenOut) entries.push_back({entry.projectName + " [" + entry.geodeticCode + "]", file});
  }
  return entries;
}

std::vector<std::string> KeptJumpRemovals(Platform& platform) {
  std::string text;
  std::vector<std::string> removed;
  if (!platform.ReadUserSetting(kJumpRemovalsSetting, &text)) return removed;
  // A line feed is never a byte of a path in the ANSI code page.
  for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos;
       start = end + 1) {
    removed.push_back(text.substr(start, end - start));
  }
  return removed;
}

void KeepJumpRemovals(Platform& platform, std::vector<std::string> removed) {
  while (!removed.empty() && Joined(removed).size() > kMaxUserSetting)
    removed.erase(removed.begin());
  // Not kept, the removals hold for this session only.
  static_cast<void>(platform.WriteUserSetting(kJumpRemovalsSetting, Joined(removed)));
}

}  // namespace orvent
