// The project file: the General_Parameters group of a ".mbc" file.
#pragma once

#include <string>

#include "namelist/text_file.h"

namespace orvent {

inline constexpr int kGeodeticNameCount = 6;

// Geodetic system names, matched ignoring case; only 3 to 5 are ever written.
inline constexpr const char* kGeodeticNames[kGeodeticNameCount] = {
    "ZV_MERIDANCE", "TD", "GRS80", "WGS84", "JGD2000", "JGD2011",
};

struct ProjectFile {
  int projectType = 0;  // 0 measurement .. 4 wind power
  std::string fileVersion = "1.0.0.0";
  int geodeticIndex = 0;  // into kGeodeticNames
  std::string geodeticName = kGeodeticNames[0];
  std::string projectName;  // base name of the file
};

// Reads the ".mbc" file beside `path` (whatever its extension). When the file
// cannot be opened the record is left alone; otherwise it is reset, given the
// base name, and filled from the file. True when the header and FileVersion
// were there.
[[nodiscard]] bool ReadProjectFile(const std::string& path, ProjectFile* record);

// Creates (or truncates) the file at `path` and writes the record to it.
[[nodiscard]] bool WriteProjectFile(const std::string& path, const ProjectFile& record);

// Fills the record from the General_Parameters group; false, with the record
// unchanged, when FileVersion is missing or empty.
[[nodiscard]] bool ParseGeneralParameters(TextFile* file, ProjectFile* record);

// The separator comment and the General_Parameters group.
void WriteGeneralParameters(TextFile* file, const ProjectFile& record);

}  // namespace orvent
