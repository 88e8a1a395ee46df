#include "tests/e2e/driver/program_folder.h"

#include <windows.h>

namespace e2e {

const char* const kMemberExeNames[5] = {"ORVENTBasic.exe", "ORVENTEnergy.exe",
                                        "ORVENTExtremeWind.exe", "ORVENTWindFarm.exe",
                                        "ORVENTBasicEW.exe"};

namespace {

// A repeated run (--gtest_repeat) finds its earlier folders: it takes the
// next free name instead of reusing one.
bool CreateNewFolder(const std::string& base, std::string* folder) {
  for (int suffix = 0; suffix < 1000; ++suffix) {
    const std::string candidate = suffix == 0 ? base : base + "_" + std::to_string(suffix);
    if (CreateDirectoryA(candidate.c_str(), nullptr)) {
      *folder = candidate + "\\";
      return true;
    }
    if (GetLastError() != ERROR_ALREADY_EXISTS) return false;
  }
  return false;
}

}  // namespace

bool MakeProgramFolder(const E2eSettings& settings, const std::string& testName,
                       std::string* folder) {
  if (!CreateNewFolder(settings.scratchFolder + testName, folder)) return false;
  if (!CopyFileA(settings.selectorExe.c_str(), (*folder + kSelectorExeName).c_str(), TRUE)) {
    return false;
  }
  for (const char* member : kMemberExeNames) {
    if (!CopyFileA(settings.memberExe.c_str(), (*folder + member).c_str(), TRUE)) return false;
  }
  return true;
}

}  // namespace e2e
