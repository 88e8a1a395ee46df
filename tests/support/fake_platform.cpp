#include "tests/support/fake_platform.h"

#include "namelist/mbcs.h"

namespace orvent {
namespace {

// Parent folder of a path without trailing backslashes ("" at the top).
std::string Parent(const std::string& path) {
  const std::size_t slash = FindLastChar(path, '\\');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string NameOf(const std::string& path) { return path.substr(Parent(path).size() + 1); }

bool Matches(const char* pattern, const char* name) {
  if (*pattern == '*')
    return Matches(pattern + 1, name) || (*name != '\0' && Matches(pattern, name + 1));
  if (*name == '\0' || *pattern == '\0') return *name == *pattern;
  return (*pattern == '?' || *pattern == *name) && Matches(pattern + 1, name + 1);
}

bool IsDriveRoot(const std::string& path) { return path.size() == 2 && path[1] == ':'; }

}  // namespace

FakePlatform::FakePlatform() {
#ifdef _WIN32
  root_ = scratch_.Path() + "\\";
#else
  root_ = scratch_.Path() + "/\\";
#endif
  AddFolder(root_);
}

std::string FakePlatform::Key(const std::string& path) {
  return ToLowerAscii(StripTrailingBackslashes(path));
}

bool FakePlatform::IsFolder(const std::string& path) const {
  auto found = entries_.find(Key(path));
  return found != entries_.end() && (found->second.second & kAttrFolder) != 0;
}

void FakePlatform::AddFile(const std::string& path, unsigned attributes) {
  entries_[Key(path)] = {StripTrailingBackslashes(path), attributes};
}

void FakePlatform::AddFolder(const std::string& path) {
  const std::string clean = StripTrailingBackslashes(path);
  if (clean.empty() || IsDriveRoot(clean) || IsFolder(clean)) return;
  AddFolder(Parent(clean));
  AddFile(clean, kAttrFolder);
#ifdef _WIN32
  if (clean.compare(0, root_.size(), root_) == 0) test::MakeFolder(clean);
#endif
}

bool FakePlatform::Exists(const std::string& path) {
  const std::string clean = StripTrailingBackslashes(path);
  return IsDriveRoot(clean) || entries_.count(Key(clean)) != 0 ||
         (clean.compare(0, root_.size(), root_) == 0 && test::FileExists(clean));
}

bool FakePlatform::FolderExists(const std::string& path) {
  return IsDriveRoot(StripTrailingBackslashes(path)) || IsFolder(path);
}

MakeFolderResult FakePlatform::MakeFolder(const std::string& path) {
  auto failure = unmakeable_.find(Key(path));
  if (failure != unmakeable_.end()) return failure->second;
  if (Exists(path)) return MakeFolderResult::kAlreadyExists;
  const std::string parent = Parent(StripTrailingBackslashes(path));
  if (!parent.empty() && !Exists(parent)) return MakeFolderResult::kFailed;
  AddFolder(path);
  madeFolders.push_back(path);
  return MakeFolderResult::kMade;
}

bool FakePlatform::FindEntries(const std::string& pattern, std::vector<DirEntry>* entries) {
  entries->clear();
  for (const auto& entry : entries_) {
    const std::string name = NameOf(entry.second.first);
    if (Parent(entry.first) == Key(Parent(pattern)) &&
        Matches(ToLowerAscii(NameOf(pattern)).c_str(), ToLowerAscii(name).c_str())) {
      entries->push_back(DirEntry{name, entry.second.second});
    }
  }
  return !entries->empty();
}

bool FakePlatform::SetCurrentFolder(const std::string& path) {
  if (!Exists(path)) return false;
  currentFolder = path;
  return true;
}

bool FakePlatform::ShortPathName(const std::string& path, std::string* shortPath) {
  *shortPath = shortPaths[path];
  return !shortPath->empty();
}

bool FakePlatform::StartProcess(const ProcessRequest& request) {
  started.push_back(request);
  return startProcessResult;
}

bool FakePlatform::ShellOpen(const std::string& path) {
  shellOpened.push_back(path);
  return shellOpenResult;
}

bool FakePlatform::ReadVersionResource(std::vector<unsigned char>* bytes) {
  *bytes = versionResource;
  return !bytes->empty();
}

bool FakePlatform::QueryVersionValue(const std::string& subBlock,
                                     std::vector<unsigned char>* value) {
  *value = versionValues[subBlock];
  return !value->empty();
}

}  // namespace orvent
