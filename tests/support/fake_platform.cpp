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

bool WildcardMatch(const std::string& pattern, const std::string& name) {
  std::size_t p = 0, n = 0, star = std::string::npos, mark = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
      ++p;
      ++n;
    } else if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      mark = n;
    } else if (star != std::string::npos) {
      p = star + 1;
      n = ++mark;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
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
  const std::string clean = StripTrailingBackslashes(path);
  entries_[Key(clean)] = {clean, attributes};
}

void FakePlatform::AddFolder(const std::string& path) {
  const std::string clean = StripTrailingBackslashes(path);
  if (clean.empty() || IsDriveRoot(clean) || IsFolder(clean)) return;
  AddFolder(Parent(clean));
  entries_[Key(clean)] = {clean, kAttrFolder};
#ifdef _WIN32
  if (clean.compare(0, root_.size(), root_) == 0) test::MakeFolder(clean);
#endif
}

void FakePlatform::WriteFile(const std::string& path, const std::string& bytes) {
  AddFolder(Parent(path));
  AddFile(path);
  test::WriteBytes(path, bytes);
}

bool FakePlatform::Exists(const std::string& path) {
  const std::string clean = StripTrailingBackslashes(path);
  return IsDriveRoot(clean) || entries_.count(Key(clean)) != 0 ||
         (clean.compare(0, root_.size(), root_) == 0 && test::FileExists(clean));
}

bool FakePlatform::FolderExists(const std::string& path) {
  const std::string clean = StripTrailingBackslashes(path);
  return IsDriveRoot(clean) || IsFolder(clean);
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
  const std::string folder = Key(Parent(pattern));
  const std::string namePattern = ToLowerAscii(NameOf(pattern));
  for (const auto& entry : entries_) {
    const std::string& path = entry.second.first;
    if (Parent(entry.first) == folder && WildcardMatch(namePattern, ToLowerAscii(NameOf(path)))) {
      entries->push_back(DirEntry{NameOf(path), entry.second.second});
    }
  }
  return !entries->empty();
}

bool FakePlatform::SetCurrentFolder(const std::string& path) {
  if (!Exists(path)) return false;
  currentFolder = path;
  return true;
}

std::string FakePlatform::GetSpecialFolder(SpecialFolder folder) {
  auto found = specialFolders_.find(static_cast<int>(folder));
  return found == specialFolders_.end() ? std::string() : found->second;
}

bool FakePlatform::ShortPathName(const std::string& path, std::string* shortPath) {
  auto found = shortPaths.find(path);
  if (found == shortPaths.end()) return false;
  *shortPath = found->second;
  return true;
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
  return !versionResource.empty();
}

bool FakePlatform::QueryVersionValue(const std::string& subBlock,
                                     std::vector<unsigned char>* value) {
  auto found = versionValues.find(subBlock);
  if (found == versionValues.end()) return false;
  *value = found->second;
  return true;
}

MutexResult FakePlatform::CreateNamedMutex(const std::string& name) {
  mutexNames.push_back(name);
  return mutexResult;
}

}  // namespace orvent
