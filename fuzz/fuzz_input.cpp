#include "fuzz/fuzz_input.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace orvent {
namespace fuzz {

std::string ScratchPath(const std::string& suffix) {
  const char* folder = std::getenv("TMPDIR");
  const std::string base = folder != nullptr && *folder != '\0' ? folder : "/tmp";
  return base + "/orvent_fuzz_" + std::to_string(getpid()) + "_" + suffix;
}

bool WriteInput(const std::string& path, const std::uint8_t* data, std::size_t size) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = size == 0 || std::fwrite(data, 1, size, file) == size;
  return std::fclose(file) == 0 && written;
}

}  // namespace fuzz
}  // namespace orvent
