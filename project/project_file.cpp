#include "project/project_file.h"

#include <optional>

#include "namelist/ascii_to_int.h"
#include "namelist/mbcs.h"
#include "namelist/namelist_reader.h"
#include "namelist/namelist_writer.h"
#include "namelist/text_split.h"

namespace orvent {
namespace {

const char kGroup[] = "General_Parameters";
const char kBasicHeader[] = "=== ORVENT Basic Environment File ===";
const char kEnergyHeader[] = "=== ORVENT Energy Environment File ===";
const char kSeparator[] =
    "=========================================================================";
const char kProjectTypeComment[] = "0:Measurement, 1:Meso-Scale, 2:Engineering(DWS)";
// "Geodetic system" in Japanese, as code page 932 bytes whatever the machine's
// own code page is.
const char kGeodeticComment[] = "\x91\xAA\x92\x6E\x8C\x6E";

bool HasHeader(const std::string& line) {
  return FindText(line, kBasicHeader) != std::string::npos ||
         FindText(line, kEnergyHeader) != std::string::npos;
}

}  // namespace

std::string ProjectFilePath(const RecentEntry& entry) {
  const std::string location = Trim(entry.location);
  const std::string folder = location.empty() ? std::string() : WithTrailingBackslash(location);
  return folder + Trim(entry.projectName) + kProjectFileExtension;
}

bool ReadProjectFile(const std::string& path, ProjectFile* record) {
  const FilePathParts parts = SplitFilePath(path);
  TextFile file;
  if (!file.OpenRead(parts.Folder() + parts.baseName + kProjectFileExtension)) return false;
  *record = ProjectFile();
  record->projectName = parts.baseName;
  std::string first;
  if (!file.ReadLine(&first) || !HasHeader(first)) return false;
  return ParseGeneralParameters(&file, record);
}

bool WriteProjectFile(const std::string& path, const ProjectFile& record) {
  TextFile file;
  if (!file.Create(path)) return false;
  WriteNamelistComment(&file, std::string(" ") + kBasicHeader);
  WriteNamelistBlankLine(&file);
  WriteGeneralParameters(&file, record);
  return file.Close();
}

bool ParseGeneralParameters(TextFile* file, ProjectFile* record) {
  const std::string fileVersion = ReadNamelistValue(file, kGroup, "FileVersion");
  if (fileVersion.empty()) return false;
  record->fileVersion = fileVersion;

  if (const std::optional<bool> atlas = ReadNamelistLogical(file, kGroup, "AtlasMode")) {
    record->projectType = *atlas ? kTypeMesoScale : kTypeMeasurement;
  }
  const std::string projectType = ReadNamelistValue(file, kGroup, "ProjectType");
  if (!projectType.empty()) record->projectType = AsciiToInt(projectType);

  const std::string geodetic = ReadNamelistValue(file, kGroup, "GeodeticSystem");
  if (!geodetic.empty()) {
    record->geodeticName = geodetic;
    record->geodeticSystem = GeodeticSystem::kZvMeridance;
    for (int i = 0; i < kGeodeticNameCount; ++i) {
      if (EqualsNoCase(geodetic, kGeodeticNames[i])) {
        record->geodeticSystem = static_cast<GeodeticSystem>(i);
        break;
      }
    }
  }
  return true;
}

void WriteGeneralParameters(TextFile* file, const ProjectFile& record) {
  WriteNamelistComment(file, kSeparator);
  WriteNamelistGroupStart(file, kGroup, nullptr);
  WriteNamelistString(file, "FileVersion", record.fileVersion, nullptr, false);
  WriteNamelistInt(file, "ProjectType", record.projectType, kProjectTypeComment);
  WriteNamelistString(file, "ProjectLabel", record.projectName, nullptr, false);
  const GeodeticSystem system = record.geodeticSystem;
  if (system == GeodeticSystem::kWgs84 || system == GeodeticSystem::kJgd2000 ||
      system == GeodeticSystem::kJgd2011) {
    WriteNamelistString(file, "GeodeticSystem", record.geodeticName, kGeodeticComment, true);
  }
  WriteNamelistGroupEnd(file);
}

}  // namespace orvent
