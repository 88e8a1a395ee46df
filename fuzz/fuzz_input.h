// Fuzz inputs handed to the readers as files, since the readers take paths.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace orvent {
namespace fuzz {

// A path in the temporary folder unique to this process, with the given suffix.
std::string ScratchPath(const std::string& suffix);

// Writes the bytes to the path; false when that failed.
bool WriteInput(const std::string& path, const std::uint8_t* data, std::size_t size);

}  // namespace fuzz
}  // namespace orvent
