// The member program's window: which application it stands in for, the
// command line it was given and its working folder.
#pragma once

#include <windows.h>

#include <string>

#include "demo/member/start_facts.h"

namespace member {

// The window's text, lines ending in CR LF.
std::string StartReport(const StartFacts& facts);

// Shows the report until the window is closed; the process's exit code.
int RunStartWindow(HINSTANCE instance, const StartFacts& facts);

}  // namespace member
