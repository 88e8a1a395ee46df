#include "tests/support/fake_platform.h"

#include <gtest/gtest.h>

#include <iterator>

#include "namelist/text_split.h"
#include "project/project_file.h"
#include "tests/support/project_names.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace orvent {
namespace {

// The folder above a path without trailing backslashes ("" at the top).
std::string Parent(const std::string& path) {
  const std::size_t slash = FindLastChar(path, '\\');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

}  // namespace

void FakePlatform::AddFolder(const std::string& path) {
  const std::string clean = StripTrailingBackslashes(path);
  if (clean.empty() || FolderExists(clean)) return;
  AddFolder(Parent(clean));
  AddFile(clean, kAttrFolder);
#ifdef _WIN32
  if (clean.compare(0, root_.size(), root_) == 0) CreateDirectoryA(clean.c_str(), nullptr);
#endif
}

MakeFolderResult FakePlatform::MakeFolder(const std::string& path) {
  const auto failure = makeFolderFailures.find(path);
  if (failure != makeFolderFailures.end()) return failure->second;
  if (Exists(path)) return MakeFolderResult::kAlreadyExists;
  const std::string parent = Parent(StripTrailingBackslashes(path));
  if (!parent.empty() && !Exists(parent)) return MakeFolderResult::kFailed;
  AddFolder(path);
  madeFolders.push_back(path);
  return MakeFolderResult::kMade;
}

// Only patterns "folder\*tail" are needed: the entries of the folder whose
// names end in the tail.
bool FakePlatform::FindEntries(const std::string& pattern, std::vector<DirEntry>* entries) {
  entries->clear();
  const std::string tail = pattern.substr(pattern.find('*') + 1);
  for (const auto& [path, attributes] : attributes_)
    if (Parent(path) == Parent(pattern) && path.size() >= tail.size() &&
        path.compare(path.size() - tail.size(), tail.size(), tail) == 0)
      entries->push_back(DirEntry{path.substr(Parent(path).size() + 1), attributes});
  return !entries->empty();
}

void FakePlatform::Give(const std::string& folder, const std::string& items) {
  AddFolder(folder);
  std::vector<std::string> given;
  SplitText(items == "nothing" ? "" : items, ";", false, &given);
  for (const std::string& item : given) {
    const std::string path = folder + item.substr(0, item.find(':'));
    const std::string what = item.substr(item.find(':') + 2);
    if (const std::size_t in = what.find(" in "); in != std::string::npos) {
      const std::vector<std::string> systems(std::begin(kGeodeticNames), std::end(kGeodeticNames));
      const auto system = GeodeticSystem(test::Index(systems, what.substr(in + 4)));
      EXPECT_TRUE(WriteProjectFile(path, {test::Index(test::kProjectTypes, what.substr(0, in)), "1",
                                          system, GeodeticSystemName(system), ""}));
    }
    if (what == "folder") AddFolder(path);
    if (what == "plain") AddFile(path);
    if (what == "read-only") AddFile(path, kAttrArchive | kAttrReadOnly);
    if (what == "hidden") AddFile(path, kAttrHidden);
    if (what == "cannot be made") makeFolderFailures[path] = MakeFolderResult::kFailed;
    if (what == "made meanwhile") makeFolderFailures[path] = MakeFolderResult::kAlreadyExists;
  }
}

}  // namespace orvent
