// A fresh program folder per test: a copy of the Selector with the fake
// member standing in for every member application.
#pragma once

#include <string>

#include "tests/e2e/driver/e2e_settings.h"

namespace e2e {

constexpr char kSelectorExeName[] = "ORVENTLancher.exe";

// The member executables the Selector starts from its own folder.
extern const char* const kMemberExeNames[5];

// Makes a new, empty folder below the scratch folder named after the test
// and fills it; gives the folder with its trailing backslash.
bool MakeProgramFolder(const E2eSettings& settings, const std::string& testName,
                       std::string* folder);

}  // namespace e2e
