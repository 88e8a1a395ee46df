// The project file: the General_Parameters group of a ".mbc" file.
#pragma once

#include <string>

#include "namelist/text_file.h"
#include "project/geodetic_codes.h"
#include "project/project_choices.h"
#include "project/recent_entry.h"

namespace orvent {

inline constexpr char kProjectFileExtension[] = ".mbc";

// location\name.mbc from the trimmed location (one backslash before the
// name) and the trimmed name; just name.mbc for an empty location.
std::string ProjectFilePath(const RecentEntry& entry);

struct ProjectFile {
  int projectType = kTypeMeasurement;  // as the project type radios
  std::string fileVersion = "1.0.0.0";
  GeodeticSystem geodeticSystem = GeodeticSystem::kZvMeridance;
  std::string geodeticName = kGeodeticNames[0];  // as the file spells it
  std::string projectName;                       // base name of the file
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
