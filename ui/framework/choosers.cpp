#include "ui/framework/choosers.h"

#include <windows.h>

#include <commdlg.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <vector>

#include "platform/win32/long_path.h"

namespace ui {

bool ChooseFolder(HWND owner, const std::string& start, std::string* chosen) {
  IFileOpenDialog* dialog = nullptr;
  if (FAILED(CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IFileOpenDialog, reinterpret_cast<void**>(&dialog)))) {
    return false;
  }
  DWORD options = 0;
  dialog->GetOptions(&options);
  dialog->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST);
  if (!start.empty()) {
    IShellItem* folder = nullptr;
    if (SUCCEEDED(SHCreateItemFromParsingName(orvent::AnsiToWide(start).c_str(), nullptr,
                                              IID_IShellItem, reinterpret_cast<void**>(&folder)))) {
      dialog->SetFolder(folder);
      folder->Release();
    }
  }
  bool ok = false;
  IShellItem* result = nullptr;
  if (SUCCEEDED(dialog->Show(owner)) && SUCCEEDED(dialog->GetResult(&result))) {
    PWSTR path = nullptr;
    if (SUCCEEDED(result->GetDisplayName(SIGDN_FILESYSPATH, &path))) {
      *chosen = orvent::WideToAnsi(path);
      CoTaskMemFree(path);
      ok = true;
    }
    result->Release();
  }
  dialog->Release();
  return ok;
}

bool ChooseFile(HWND owner, const FileChooser& request, std::string* path) {
  // Filter pairs, each string ending in a zero, the list in two.
  std::string filter;
  for (const auto& pair : request.filters) {
    filter += pair.first;
    filter.push_back('\0');
    filter += pair.second;
    filter.push_back('\0');
  }
  filter.push_back('\0');
  // The system wants the default extension without its period.
  std::string extension = request.defaultExtension;
  if (!extension.empty() && extension[0] == '.') extension.erase(0, 1);

  std::vector<char> file(MAX_PATH, '\0');
  request.fileName.copy(file.data(), MAX_PATH - 1);
  OPENFILENAMEA ofn = {};
  ofn.lStructSize = sizeof(ofn);
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = static_cast<DWORD>(request.filterIndex);
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = MAX_PATH;
  ofn.lpstrTitle = request.title.empty() ? nullptr : request.title.c_str();
  ofn.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
  ofn.lpstrInitialDir = request.initialFolder.empty() ? nullptr : request.initialFolder.c_str();
  ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
  if (request.open) ofn.Flags |= OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
  char saved[MAX_PATH + 1] = {};
  const DWORD savedLength = GetCurrentDirectoryA(sizeof(saved), saved);
  SetCurrentDirectoryA(request.initialFolder.c_str());
  const BOOL ok = request.open ? GetOpenFileNameA(&ofn) : GetSaveFileNameA(&ofn);
  if (savedLength > 0 && savedLength < sizeof(saved)) SetCurrentDirectoryA(saved);
  if (!ok) return false;
  *path = file.data();
  return true;
}

}  // namespace ui
