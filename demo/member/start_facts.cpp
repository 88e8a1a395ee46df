#include "demo/member/start_facts.h"

#include <windows.h>

#include <cstdlib>

#include "demo/member/start_record_format.h"

namespace member {

StartFacts ReadStartFacts() {
  char module[MAX_PATH] = {}, folder[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, module, MAX_PATH);
  GetCurrentDirectoryA(MAX_PATH, folder);
  StartFacts facts{module, GetCommandLineA(), {}, folder};
  for (int i = 1; i < __argc; ++i) facts.arguments.emplace_back(__argv[i]);
  return facts;
}

// The member names are ASCII: the last backslash is a separator, not the
// trail byte of a double-byte character.
std::string ExeName(const std::string& module) {
  return module.substr(module.find_last_of('\\') + 1);
}

bool AppendStartRecord(const StartFacts& facts) {
  const std::string record = facts.module + "|" + facts.commandLine + "|" + facts.folder + "\r\n";
  const std::string path =
      facts.module.substr(0, facts.module.size() - ExeName(facts.module).size()) + kStartRecordFile;
  // A reader may hold the file for a moment; retry for about a second.
  for (int attempt = 0; attempt < 50; ++attempt, Sleep(20)) {
    HANDLE file = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) continue;
    DWORD written = 0;
    const BOOL ok =
        WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == record.size();
  }
  return false;
}

}  // namespace member
