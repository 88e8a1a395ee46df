// The dialog's radio choices, the project types, what is known of a project
// file and how opening a folder went, as the case tables write them: by name,
// "none" for no choice, any other value as its number.
#pragma once

#include <string>
#include <vector>

namespace orvent {
namespace test {

inline const std::vector<std::string> kApplicationRadios = {"Basic", "Energy", "Engineering"};
inline const std::vector<std::string> kProjectTypes = {
    "measurement", "meso-scale", "design wind speed", "extreme wind", "wind power"};
inline const std::vector<std::string> kGeodeticRadios = {"Tokyo datum", "JGD2011", "WGS84"};
inline const std::vector<std::string> kPresenceStates = {"unknown", "there", "missing",
                                                         "not reachable"};
inline const std::vector<std::string> kFolderOpens = {"opened", "not found", "not opened"};

inline int Index(const std::vector<std::string>& names, const std::string& name) {
  for (std::size_t i = 0; i < names.size(); ++i)
    if (names[i] == name) return int(i);
  return name == "none" ? -1 : std::stoi(name);
}

inline std::string Name(const std::vector<std::string>& names, int index) {
  if (index >= 0 && index < int(names.size())) return names[std::size_t(index)];
  return index == -1 ? "none" : std::to_string(index);
}

}  // namespace test
}  // namespace orvent
