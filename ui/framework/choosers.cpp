#include "ui/framework/choosers.h"

#include <windows.h>

#include <commdlg.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <vector>

#include "platform/win32/long_path.h"
#include "platform/win32/on_demand.h"

namespace ui {
namespace {

// Spelled out: the SDK adds a template of the same name for C++.
using CreateInstance = HRESULT WINAPI(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID*);

}  // namespace

Chosen ChooseFolder(HWND owner, const std::string& start, std::string* chosen) {
  orvent::StartOle();
  const auto create = orvent::SystemFunction<CreateInstance>("ole32.dll", "CoCreateInstance");
  const auto freeMemory =
      orvent::SystemFunction<decltype(CoTaskMemFree)>("ole32.dll", "CoTaskMemFree");
  IFileOpenDialog* dialog = nullptr;
  if (create == nullptr || freeMemory == nullptr ||
      FAILED(create(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER, IID_IFileOpenDialog,
                    reinterpret_cast<void**>(&dialog)))) {
    return Chosen::kCancelled;
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
  Chosen outcome = Chosen::kCancelled;
  IShellItem* result = nullptr;
  if (SUCCEEDED(dialog->Show(owner)) && SUCCEEDED(dialog->GetResult(&result))) {
    PWSTR path = nullptr;
    if (SUCCEEDED(result->GetDisplayName(SIGDN_FILESYSPATH, &path))) {
      outcome = orvent::WideToAnsiExact(path, chosen) ? Chosen::kChosen : Chosen::kUnusableName;
      freeMemory(path);
    }
    result->Release();
  }
  dialog->Release();
  return outcome;
}

Chosen ChooseFile(HWND owner, const FileChooser& request, std::string* path) {
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

  // The wide dialog: the ANSI one would hand back a best-fit form of a name
  // the code page cannot hold, which could not be told from a real one.
  const std::wstring wideFilter = orvent::AnsiToWide(filter),
                     title = orvent::AnsiToWide(request.title),
                     wideExtension = orvent::AnsiToWide(extension),
                     folder = orvent::AnsiToWide(request.initialFolder);
  std::vector<wchar_t> file(MAX_PATH, L'\0');
  orvent::AnsiToWide(request.fileName).copy(file.data(), MAX_PATH - 1);
  OPENFILENAMEW ofn = {};
  ofn.lStructSize = sizeof(ofn);
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = wideFilter.c_str();
  ofn.nFilterIndex = static_cast<DWORD>(request.filterIndex);
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = MAX_PATH;
  ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
  ofn.lpstrDefExt = wideExtension.empty() ? nullptr : wideExtension.c_str();
  ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
  char saved[MAX_PATH + 1] = {};
  const DWORD savedLength = GetCurrentDirectoryA(sizeof(saved), saved);
  SetCurrentDirectoryA(request.initialFolder.c_str());
  orvent::StartOle();
  const auto show =
      orvent::SystemFunction<decltype(GetOpenFileNameW)>("comdlg32.dll", "GetOpenFileNameW");
  const BOOL ok = show != nullptr && show(&ofn);
  if (savedLength > 0 && savedLength < sizeof(saved)) SetCurrentDirectoryA(saved);
  if (!ok) return Chosen::kCancelled;
  return orvent::WideToAnsiExact(file.data(), path) ? Chosen::kChosen : Chosen::kUnusableName;
}

}  // namespace ui
