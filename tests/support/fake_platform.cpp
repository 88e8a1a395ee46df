#include "tests/support/fake_platform.h"

#include "namelist/mbcs.h"

namespace orvent {
namespace {

// Parent folder of a path without trailing backslashes ("" at the top).
std::string Parent(const std::string& key) {
  std::size_t slash = FindLastChar(key, '\\');
  return slash == std::string::npos ? std::string() : key.substr(0, slash);
}

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

}  // namespace

FakePlatform::FakePlatform()
    : moduleFileName_("C:\\Tools\\ORVENTLancher.exe"), currentFolder_("C:\\") {}

std::string FakePlatform::Key(const std::string& path) {
  return ToLowerAscii(StripTrailingBackslashes(path));
}

bool FakePlatform::IsFolder(const std::string& path) const {
  auto found = entries_.find(Key(path));
  return found != entries_.end() && (found->second.second & kAttrFolder) != 0;
}

void FakePlatform::AddFile(const std::string& path, unsigned attributes) {
  AddFolder(Parent(StripTrailingBackslashes(path)));
  entries_[Key(path)] = {StripTrailingBackslashes(path), attributes};
}

void FakePlatform::AddFolder(const std::string& path) {
  const std::string clean = StripTrailingBackslashes(path);
  if (clean.empty() || IsFolder(clean)) return;
  AddFolder(Parent(clean));
  entries_[Key(clean)] = {clean, kAttrFolder};
}

void FakePlatform::Remove(const std::string& path) { entries_.erase(Key(path)); }

bool FakePlatform::Exists(const std::string& path) {
  // A drive root always exists.
  const std::string clean = StripTrailingBackslashes(path);
  if (clean.size() == 2 && clean[1] == ':') return true;
  return entries_.count(Key(path)) != 0;
}

bool FakePlatform::FolderExists(const std::string& path) {
  const std::string clean = StripTrailingBackslashes(path);
  return (clean.size() == 2 && clean[1] == ':') || IsFolder(clean);
}

MakeFolderResult FakePlatform::MakeFolder(const std::string& path) {
  for (const auto& bad : unmakeable_) {
    if (Key(bad.first) == Key(path)) return bad.second;
  }
  if (Exists(path)) return MakeFolderResult::kAlreadyExists;
  const std::string parent = Parent(StripTrailingBackslashes(path));
  if (!parent.empty() && !Exists(parent)) return MakeFolderResult::kFailed;
  entries_[Key(path)] = {StripTrailingBackslashes(path), kAttrFolder};
  madeFolders_.push_back(path);
  return MakeFolderResult::kMade;
}

bool FakePlatform::FindEntries(const std::string& pattern, std::vector<DirEntry>* entries) {
  entries->clear();
  const std::string folder = Key(Parent(pattern));
  const std::size_t slash = FindLastChar(pattern, '\\');
  const std::string namePattern =
      ToLowerAscii(slash == std::string::npos ? pattern : pattern.substr(slash + 1));
  for (const auto& entry : entries_) {
    if (Parent(entry.first) != folder) continue;
    const std::string& path = entry.second.first;
    const std::size_t nameAt = FindLastChar(path, '\\');
    const std::string name = nameAt == std::string::npos ? path : path.substr(nameAt + 1);
    if (WildcardMatch(namePattern, ToLowerAscii(name))) {
      entries->push_back(DirEntry{name, entry.second.second});
    }
  }
  return !entries->empty();
}

bool FakePlatform::SetCurrentFolder(const std::string& path) {
  folderChanges_.push_back(path);
  if (!Exists(path)) return false;
  currentFolder_ = path;
  return true;
}

std::string FakePlatform::GetSpecialFolder(SpecialFolder folder) {
  auto found = specialFolders_.find(static_cast<int>(folder));
  return found == specialFolders_.end() ? std::string() : found->second;
}

bool FakePlatform::ShortPathName(const std::string& path, std::string* shortPath) {
  auto found = shortPaths_.find(path);
  if (found == shortPaths_.end()) return false;
  *shortPath = found->second;
  return true;
}

bool FakePlatform::StartProcess(const ProcessRequest& request) {
  processes_.push_back(request);
  return startProcessResult_;
}

bool FakePlatform::ShellOpen(const std::string& path) {
  shellOpened_.push_back(path);
  return shellOpenResult_;
}

bool FakePlatform::ReadVersionResource(std::vector<unsigned char>* bytes) {
  if (versionResource_.empty()) return false;
  *bytes = versionResource_;
  return true;
}

bool FakePlatform::QueryVersionValue(const std::string& subBlock,
                                     std::vector<unsigned char>* value) {
  auto found = versionValues_.find(subBlock);
  if (found == versionValues_.end()) return false;
  *value = found->second;
  return true;
}

MutexResult FakePlatform::CreateNamedMutex(const std::string& name) {
  mutexNames_.push_back(name);
  return mutexResult_;
}

}  // namespace orvent
