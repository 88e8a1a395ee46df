// What a new project's name may hold.
#pragma once

#include <string>

namespace orvent {

// True when the name holds a character that cannot stand in a file name
// (/ : , ; * ? \ " < > |). A trail byte 0x5C or 0x7C of a double-byte
// character is not one of them.
bool HoldsForbiddenNameCharacter(const std::string& name);

}  // namespace orvent
