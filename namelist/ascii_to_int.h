// Reading a number the way the C library's atoi does, without its undefined
// behaviour on overflow.
#pragma once

#include <string_view>

namespace orvent {

// Leading white space, an optional sign, then decimal digits up to the first
// other character; 0 when there are none. Values beyond the int range are
// clamped, as the Windows C runtime does.
int AsciiToInt(std::string_view text);

}  // namespace orvent
