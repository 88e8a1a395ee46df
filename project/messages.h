// What the user is told about a project: the project dialog's refusals, and a
// project file that is not there when an application is to start on it.
#pragma once

#include <string>

namespace orvent {

inline constexpr char kMsgNameInvalid[] = "The project name is invalid.";
inline constexpr char kMsgNameForbidden[] =
    "The following character cannot be used for a project name.\n\t\\/:,;*?\"<>|";
inline constexpr char kMsgLocationInvalid[] = "The location is invalid.";
inline constexpr char kMsgProjectFileMissing[] = "The project file is not exist.";
inline constexpr char kMsgNoApplication[] = "The application is no selected.";
inline constexpr char kMsgNoProjectType[] = "The project type is no selected.";
inline constexpr char kMsgProjectExists[] =
    "A project already exists in the specified folder.\nPlease choose another location or "
    "another project name.";
inline constexpr char kMsgFileFailed[] = "Creation of a project file went wrong.";

// The project folder that could not be made, named in brackets.
inline std::string FolderFailedMessage(const std::string& folder) {
  return "Creation of a project location went wrong.\n[" + folder + "]";
}

// The Reference button's refusals: a chosen name that the ANSI code page
// cannot hold exactly.
inline constexpr char kMsgFolderNameUnusable[] =
    "The path of the selected folder holds characters that cannot be used.\nPlease choose a "
    "folder without such characters.";
inline constexpr char kMsgFileNameUnusable[] =
    "The path of the selected file holds characters that cannot be used.\nPlease choose a file "
    "without such characters.";

}  // namespace orvent
