// The project a second start hands over to the Selector that runs: a
// WM_COPYDATA message of the Selector's own kind whose bytes are the path the
// second start's command line names, and one '\0' after it. Any program on
// the desktop may send such a message, so the one that runs checks it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace orvent {

// The message's kind: "ORVN" in ASCII, which no other program is likely to use.
inline constexpr std::uintptr_t kHandOverKind = 0x4F52564E;
// The longest path the system takes, and its end.
inline constexpr std::size_t kMaxHandOverBytes = 32768;

// The bytes that hand the path over.
std::string HandOverBytes(const std::string& path);

// The path a message hands over: one of the Selector's kind, of at most
// kMaxHandOverBytes, ended by its only '\0', holding a path the command line
// could give. False for any other.
[[nodiscard]] bool HandedOverPath(std::uintptr_t kind, std::string_view bytes, std::string* path);

}  // namespace orvent
