// What the start-up benchmark's yardsticks share: they first load the DLLs
// whose full paths their command line lists, separated by '|', as the
// Selector has them mapped by its window; their dialog does nothing but close
// on WM_CLOSE.
#pragma once

#include <windows.h>

#include <algorithm>
#include <string>

inline void LoadListedDlls(const char* commandLine) {
  const std::string dlls = commandLine != nullptr ? commandLine : "";
  for (std::size_t begin = 0; begin < dlls.size();) {
    const std::size_t end = std::min(dlls.find('|', begin), dlls.size());
    if (end > begin) LoadLibraryA(dlls.substr(begin, end - begin).c_str());
    begin = end + 1;
  }
}

inline INT_PTR CALLBACK YardstickProc(HWND hwnd, UINT message, WPARAM, LPARAM) {
  if (message == WM_INITDIALOG) return TRUE;
  if (message == WM_CLOSE) {
    EndDialog(hwnd, 0);
    return TRUE;
  }
  return FALSE;
}
