// Where the driver finds what it tests: given by the environment, as
// Windows paths.
//
//   ORVENT_E2E_SELECTOR     ORVENTLancher.exe under test
//   ORVENT_E2E_MEMBER       fake_member.exe (default: next to the driver)
//   ORVENT_E2E_SCRATCH      folder in which each test makes its program folder
//   ORVENT_E2E_SCREENSHOTS  optional; folder where screenshots are requested
#pragma once

#include <string>

namespace e2e {

struct E2eSettings {
  std::string selectorExe;
  std::string memberExe;
  std::string scratchFolder;
  std::string screenshotFolder;
};

// Reads the settings once; false with a reason when something required is
// missing.
bool LoadSettings(E2eSettings* settings, std::string* problem);

}  // namespace e2e
