#include "ui/project_dialog/file_version.h"

#include <cstdint>
#include <cstdio>
#include <vector>

#include "platform/platform.h"

namespace orvent {
namespace {

const std::uint32_t kFixedInfoSignature = 0xFEEF04BDu;
const std::size_t kFixedInfoSize = 52;

std::uint32_t LittleEndianWord(const std::vector<unsigned char>& bytes, std::size_t at) {
  return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
         static_cast<std::uint32_t>(bytes[at + 2]) << 16 |
         static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

}  // namespace

bool ReadFileVersion(FileVersionNumbers* version) {
  *version = FileVersionNumbers();
  std::vector<unsigned char> bytes;
  if (!CurrentPlatform().ReadVersionResource(&bytes)) return false;
  // The record is 32-bit aligned within the resource.
  for (std::size_t at = 0; at + kFixedInfoSize <= bytes.size(); at += 4) {
    if (LittleEndianWord(bytes, at) != kFixedInfoSignature) continue;
    // Signature, structure version, then the file version's high and low words.
    const std::uint32_t high = LittleEndianWord(bytes, at + 8);
    const std::uint32_t low = LittleEndianWord(bytes, at + 12);
    version->majorPart = high >> 16;
    version->minorPart = high & 0xFFFFu;
    version->build = low >> 16;
    version->revision = low & 0xFFFFu;
    return true;
  }
  return false;
}

std::string ThreePartVersionText(const FileVersionNumbers& version) {
  char text[40];
  std::snprintf(text, sizeof text, "%u.%u.%u", version.majorPart, version.minorPart, version.build);
  return text;
}

}  // namespace orvent
