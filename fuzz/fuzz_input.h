// Fuzz inputs handed to the readers as files, since the readers take paths.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

// A path in the temporary folder unique to this process, with the given suffix.
inline std::string ScratchPath(const std::string& suffix) {
  const char* folder = std::getenv("TMPDIR");
  return std::string(folder != nullptr && *folder != '\0' ? folder : "/tmp") + "/orvent_fuzz_" +
         std::to_string(getpid()) + suffix;
}

// Writes the bytes to the path; false when that failed.
inline bool WriteInput(const std::string& path, const std::uint8_t* data, std::size_t size) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  const bool written = file != nullptr && (size == 0 || std::fwrite(data, 1, size, file) == size);
  return file != nullptr && std::fclose(file) == 0 && written;
}
