#include "tests/e2e/driver/expected_files.h"

#include <cstdio>

namespace e2e {

std::string HistoryFileBytes(const std::vector<HistoryRow>& rows) {
  std::string text =
      "!=== ORVENT Environment File ===\r\n"
      "! Recent Project (MAX:999)\r\n"
      "&RecentProject\r\n";
  int number = 0;
  for (const HistoryRow& row : rows) {
    char key[16];
    std::snprintf(key, sizeof key, "Recent%03d", ++number);
    text += std::string(key) + " = \"" + row.name + "\", \"" + row.application + "\", " +
            std::to_string(row.projectType) + ", \"" + row.location + "\", \"" + row.geodeticCode +
            "\",\r\n";
  }
  return text + "/\r\n";
}

std::string NewProjectFileBytes(const std::string& fileVersion, int projectType) {
  return "! === ORVENT Basic Environment File ===\r\n"
         "\r\n"
         "!" +
         std::string(73, '=') +
         "\r\n"
         "&General_Parameters\r\n"
         "FileVersion = " +
         fileVersion +
         ",\r\n"
         "ProjectType = " +
         std::to_string(projectType) +
         ",\t! 0:Measurement, 1:Meso-Scale, 2:Engineering(DWS)\r\n"
         "/\r\n";
}

}  // namespace e2e
