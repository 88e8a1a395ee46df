#include "app/command_line.h"

#include <vector>

#include "namelist/text_split.h"

namespace orvent {

std::string ProjectPathFromCommandLine(const std::string& commandLine) {
  std::string projectPath;
  if (commandLine.empty()) return projectPath;
  std::vector<std::string> tokens;
  SplitText(commandLine, " ", false, &tokens);
  for (const std::string& token : tokens) {
    const bool isOption = token.size() >= 2 && (token[0] == '/' || token[0] == '-');
    if (!isOption) projectPath = token;
  }
  return projectPath;
}

}  // namespace orvent
