#include "launch/run_process.h"

#include "namelist/mbcs.h"

namespace orvent {
namespace {

// A path is recognised by a drive's ":\" or a double backslash after its
// first character, or by a double backslash and a server name at its start
// (a network path). An argument that begins with ":\" is no path.
bool LooksLikePath(const std::string& argument) {
  if (argument.size() > 2 && argument[0] == '\\' && argument[1] == '\\' && argument[2] != '\\') {
    return true;
  }
  for (const char* mark : {":\\", "\\\\"}) {
    const std::size_t at = FindText(argument, mark);
    if (at != std::string::npos && at >= 1) return true;
  }
  return false;
}

std::string CommandLineArgument(Platform& platform, const std::string& argument) {
  if (!LooksLikePath(argument)) return argument;
  // The ANSI calls of the member applications cannot open a path this long;
  // its 8.3 form they can.
  if (argument.size() > kMaxPath && platform.Exists(argument)) {
    std::string shortPath;
    if (platform.ShortPathName(argument, &shortPath) && !shortPath.empty()) return shortPath;
  }
  if (argument.find(' ') != std::string::npos && argument.find('"') == std::string::npos) {
    return "\"" + argument + "\"";
  }
  return argument;
}

}  // namespace

ProcessRequest BuildProcessRequest(Platform& platform, const std::string& executablePath,
                                   const std::vector<std::string>& arguments,
                                   const std::string& workingFolder, int showMode,
                                   unsigned long creationFlags) {
  ProcessRequest request;
  const std::string executable = Trim(executablePath);
  if (platform.Exists(executable)) request.applicationName = executable;
  std::string commandLine = "\"" + executable + "\"";
  for (const std::string& raw : arguments) {
    const std::string argument = Trim(raw);
    if (argument.empty()) continue;
    commandLine += " " + CommandLineArgument(platform, argument);
  }
  request.commandLine = Trim(commandLine);

  std::string folder = Trim(workingFolder);
  if (folder.empty()) folder = ".";
  request.workingFolder = StripTrailingBackslashes(folder);
  request.showMode = showMode;
  request.creationFlags = creationFlags | kDefaultErrorMode;
  return request;
}

bool RunProcess(Platform& platform, const std::string& executablePath,
                const std::vector<std::string>& arguments, const std::string& workingFolder,
                int showMode, unsigned long creationFlags) {
  return platform.StartProcess(BuildProcessRequest(platform, executablePath, arguments,
                                                   workingFolder, showMode, creationFlags));
}

}  // namespace orvent
