// Paths of the shell's special folders.
#pragma once

#include <string>

#include "platform/platform.h"

namespace orvent {

// The folder's path, not created; "" when the shell cannot tell.
std::string GetSpecialFolder(SpecialFolder folder);

// The user's documents folder, where the project dialog's choosers open.
std::string GetDocumentsFolder();

}  // namespace orvent
