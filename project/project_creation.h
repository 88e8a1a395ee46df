// Making a new project on disk: its own folder below the location, and the
// project file in it.
#pragma once

#include <string>

#include "project/project_file.h"

namespace orvent {

enum class CreationResult { kCreated, kFolderFailed, kProjectExists, kFileFailed };

// The folder of a new project: location (ending with a backslash) + name + "\".
std::string ProjectFolderFor(const std::string& location, const std::string& name);

// Makes the project folder (waiting up to a minute for a folder that cannot be
// made yet) unless it exists, refuses a folder that already holds a project
// file, and writes name.mbc into it with the Selector's file version and the
// project type; the other fields of `file` are written as they are.
CreationResult CreateProject(const std::string& location, const std::string& name, int projectType,
                             ProjectFile* file);

}  // namespace orvent
