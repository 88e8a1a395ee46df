// Scratch folders under the system's temporary folder for the Win32 tests.
#pragma once

#include <windows.h>

#include <string>

#include "namelist/mbcs.h"
#include "platform/win32/long_path.h"

namespace orvent {

// Removes a folder with everything in it, through the wide calls so that
// paths beyond MAX_PATH go too. (The shell's "rmdir /s" of wine loses its
// way on such paths and must not be trusted with a tree like that.)
inline void RemoveTree(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring path = folder + L"\\" + name;
      if ((found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        RemoveDirectoryW(path.c_str());  // a link: never what it points to
      } else if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        RemoveTree(path);
      } else {
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(path.c_str());
      }
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(folder.c_str());
}

// A fresh folder under the system's temporary folder, removed afterwards.
class TempFolder {
 public:
  TempFolder() {
    char base[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, base);
    path_ = WithTrailingBackslash(base) + "orvent_w32_" + std::to_string(GetCurrentProcessId()) +
            "_" + std::to_string(Counter()++);
    CreateDirectoryA(path_.c_str(), nullptr);
  }
  ~TempFolder() { RemoveTree(ExtendedPath(path_)); }
  const std::string& Path() const { return path_; }

 private:
  static int& Counter() {
    static int counter = 0;
    return counter;
  }
  std::string path_;
};

}  // namespace orvent
