// Reading what the fake members recorded in a program folder.
#pragma once

#include <string>
#include <vector>

namespace e2e {

struct LaunchRecord {
  std::string commandLine;
  std::string workingFolder;
  std::string module;
};

// The records of programFolder's launch record file, oldest first; an absent
// file gives none. False when the file exists but cannot be read or parsed.
bool ReadLaunchRecords(const std::string& programFolder, std::vector<LaunchRecord>* records);

}  // namespace e2e
