// The fixed version record and the strings of the Selector's own version
// resource.
#pragma once

#include <cstddef>
#include <string>

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
bool ReadVersionRecord(std::size_t offset, VersionNumbers* version);

// A string value of the first translation of the version information, such
// as "LegalCopyright"; false when there is none.
bool ReadVersionString(const std::string& name, std::string* value);

// The file version from the fixed version record; false, with all four
// numbers 0, when there is no resource or no record in it.
bool ReadFileVersion(VersionNumbers* version);

// The three-part text a new project file records, such as "6.0.0".
std::string ThreePartVersionText(const VersionNumbers& version);

}  // namespace orvent
