#include "launch/start_process.h"

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

// The path itself where the ANSI calls take it whole (MAX_PATH holds 259
// characters and the terminating zero; `extra` is what the system adds to
// it), else its short (8.3) form where that fits; false when neither does,
// as on a volume without short names, where the short form is the path itself.
bool FittingPath(Platform& platform, const std::string& path, std::size_t extra,
                 std::string* fitting) {
  if (path.size() + extra < kMaxPath) {
    *fitting = path;
    return true;
  }
  std::string shortPath;
  if (!platform.ShortPathName(path, &shortPath) || shortPath.empty() ||
      shortPath.size() + extra >= kMaxPath) {
    return false;
  }
  *fitting = shortPath;
  return true;
}

// False for a path the member applications' ANSI calls could not open.
bool CommandLineArgument(Platform& platform, const std::string& argument, std::string* text) {
  if (!LooksLikePath(argument)) {
    *text = argument;
    return true;
  }
  if (!FittingPath(platform, argument, 0, text)) return false;
  if (text->find(' ') != std::string::npos && text->find('"') == std::string::npos) {
    *text = "\"" + *text + "\"";
  }
  return true;
}

}  // namespace

bool BuildProcessRequest(Platform& platform, const std::string& executablePath,
                         const std::vector<std::string>& arguments,
                         const std::string& workingFolder, int showMode,
                         unsigned long creationFlags, ProcessRequest* request) {
  const std::string executable = Trim(executablePath);
  request->applicationName = platform.Exists(executable) ? executable : std::string();
  std::string commandLine = "\"" + executable + "\"";
  for (const std::string& raw : arguments) {
    const std::string argument = Trim(raw);
    if (argument.empty()) continue;
    std::string text;
    if (!CommandLineArgument(platform, argument, &text)) return false;
    commandLine += " " + text;
  }
  request->commandLine = Trim(commandLine);

  std::string folder = Trim(workingFolder);
  if (folder.empty()) folder = ".";
  // The system keeps the current folder with a trailing backslash.
  if (!FittingPath(platform, StripTrailingBackslashes(folder), 1, &request->workingFolder)) {
    return false;
  }
  request->showMode = showMode;
  request->creationFlags = creationFlags | kDefaultErrorMode;
  return true;
}

bool StartProcess(Platform& platform, const std::string& executablePath,
                  const std::vector<std::string>& arguments, const std::string& workingFolder,
                  int showMode, unsigned long creationFlags) {
  ProcessRequest request;
  return BuildProcessRequest(platform, executablePath, arguments, workingFolder, showMode,
                             creationFlags, &request) &&
         platform.StartProcess(request);
}

}  // namespace orvent
