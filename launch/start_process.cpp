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

// The system's short (8.3) form of a path too long for the ANSI calls
// (MAX_PATH holds 259 characters and the terminating zero; `extra` is what
// the system adds to it), where it gives one; else the path itself.
std::string ShortenedPath(Platform& platform, const std::string& path, std::size_t extra) {
  std::string shortPath;
  if (path.size() + extra >= kMaxPath && platform.ShortPathName(path, &shortPath)) {
    return shortPath;
  }
  return path;
}

// A long path without a short form goes as it is: a member application that
// reads long paths can still open it.
std::string CommandLineArgument(Platform& platform, const std::string& argument) {
  if (!LooksLikePath(argument)) return argument;
  std::string text = ShortenedPath(platform, argument, 0);
  if (text.find(' ') != std::string::npos && text.find('"') == std::string::npos) {
    return "\"" + text + "\"";
  }
  return text;
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
    commandLine += " " + CommandLineArgument(platform, argument);
  }
  request->commandLine = Trim(commandLine);

  std::string folder = Trim(workingFolder);
  if (folder.empty()) folder = ".";
  // The system keeps the current folder with a trailing backslash, and
  // cannot start a program in one too long for that.
  request->workingFolder = ShortenedPath(platform, StripTrailingBackslashes(folder), 1);
  if (request->workingFolder.size() + 1 >= kMaxPath) return false;
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
