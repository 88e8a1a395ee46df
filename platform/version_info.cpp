#include "platform/version_info.h"

#include <cstdint>
#include <cstdio>
#include <vector>

namespace orvent {
namespace {

const std::uint32_t kSignature = 0xFEEF04BDu;
const std::size_t kRecordSize = 52;

std::uint32_t Word(const std::vector<unsigned char>& bytes, std::size_t at) {
  return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
         static_cast<std::uint32_t>(bytes[at + 2]) << 16 |
         static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

}  // namespace

bool ReadVersionRecord(Platform& platform, std::size_t offset, VersionNumbers* version) {
  *version = VersionNumbers();
  std::vector<unsigned char> bytes;
  if (!platform.ReadVersionResource(&bytes)) return false;
  for (std::size_t at = 0; at + kRecordSize <= bytes.size(); at += 4) {
    if (Word(bytes, at) != kSignature) continue;
    const std::uint32_t high = Word(bytes, at + offset);
    const std::uint32_t low = Word(bytes, at + offset + 4);
    version->majorPart = high >> 16;
    version->minorPart = high & 0xFFFFu;
    version->build = low >> 16;
    version->revision = low & 0xFFFFu;
    return true;
  }
  return false;
}

bool ReadVersionString(Platform& platform, const std::string& name, std::string* value) {
  *value = "";
  std::vector<unsigned char> translation;
  if (!platform.QueryVersionValue("\\VarFileInfo\\Translation", &translation) ||
      translation.size() < 4) {
    return false;
  }
  const unsigned language = translation[0] | translation[1] << 8;
  const unsigned codePage = translation[2] | translation[3] << 8;
  char key[16];
  std::snprintf(key, sizeof key, "%04x%04x", language, codePage);
  std::vector<unsigned char> text;
  if (!platform.QueryVersionValue("\\StringFileInfo\\" + std::string(key) + "\\" + name, &text)) {
    return false;
  }
  // The value ends at its zero; what the system returns after it is not part of it.
  *value = std::string(text.begin(), text.end()).c_str();
  return true;
}

VersionInfo ReadVersionInfo(Platform& platform) {
  VersionInfo info;
  // A file version that cannot be read is recorded as 0.0.0.
  static_cast<void>(ReadVersionRecord(platform, kFileVersionOffset, &info.fileVersion));
  info.hasProductVersion = ReadVersionRecord(platform, kProductVersionOffset, &info.productVersion);
  return info;
}

std::string ThreePartVersionText(const VersionNumbers& version) {
  return std::to_string(version.majorPart) + "." + std::to_string(version.minorPart) + "." +
         std::to_string(version.build);
}

std::string VersionLine(const std::string& templateText, const VersionNumbers& version) {
  const std::string head =
      templateText.size() < 3 ? std::string() : templateText.substr(0, templateText.size() - 3);
  const signed char code = static_cast<signed char>((version.build & 0xFFu) + 96);
  const char letter = code <= 96 ? ' ' : static_cast<char>(code);
  const auto part = [](unsigned value) { return std::to_string(static_cast<int>(value)); };
  return head + part(version.majorPart) + "." + part(version.minorPart) + letter + " (" +
         part(version.majorPart) + "." + part(version.minorPart) + "." + part(version.build) + "." +
         part(version.revision) + ")";
}

}  // namespace orvent
