// How this process was started, as the member applications of the suite see it.
#pragma once

#include <string>
#include <vector>

namespace member {

struct StartFacts {
  std::string module;                  // the full path of this executable
  std::string commandLine;             // exactly as the starting process gave it
  std::vector<std::string> arguments;  // as the C runtime splits the command line
  std::string folder;                  // the working folder
};

StartFacts ReadStartFacts();

// The executable's file name, such as "ORVENTBasic.exe".
std::string ExeName(const std::string& module);

// Appends "module|command line|working folder" and CR LF to the start record
// beside the executable; another start may be appending at the same moment.
[[nodiscard]] bool AppendStartRecord(const StartFacts& facts);

}  // namespace member
