// The Selector's own version resource: the fixed version record and the
// strings of its first translation.
#pragma once

#include <cstddef>
#include <string>

#include "platform/platform.h"

namespace orvent {

struct VersionNumbers {
  unsigned majorPart = 0;
  unsigned minorPart = 0;
  unsigned build = 0;
  unsigned revision = 0;
};

// Where in the record a version starts, counted from its signature.
constexpr std::size_t kFileVersionOffset = 8;
constexpr std::size_t kProductVersionOffset = 16;

// Scans the resource in 4-byte steps for the record's signature (only where
// the whole 52-byte record fits) and reads the version at `offset` from it;
// false, with all four numbers 0, when there is no resource or no record.
[[nodiscard]] bool ReadVersionRecord(Platform& platform, std::size_t offset,
                                     VersionNumbers* version);

// A string value of the first translation of the version information, such
// as "LegalCopyright"; false when there is none.
[[nodiscard]] bool ReadVersionString(Platform& platform, const std::string& name,
                                     std::string* value);

// What the program shows and records of its version, read once at start-up
// from the resource itself and handed to the dialogs. A piece that could not
// be read is missing. The about box reads the copyright string when it opens.
struct VersionInfo {
  VersionNumbers fileVersion;  // all 0 when missing
  bool hasProductVersion = false;
  VersionNumbers productVersion;
};

VersionInfo ReadVersionInfo(Platform& platform);

// The three-part text a new project file records, such as "6.0.0".
std::string ThreePartVersionText(const VersionNumbers& version);

// The about box's "... Version 1.0" line with its last three characters
// replaced by the version: "6.0  (6.0.0.2)" for 6.0.0.2, "6.1b (6.1.2.0)"
// for 6.1.2.0 (builds 1 to 26 give the letters a to z).
std::string VersionLine(const std::string& templateText, const VersionNumbers& version);

}  // namespace orvent
