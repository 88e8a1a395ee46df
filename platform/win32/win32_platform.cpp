#include "platform/win32/win32_platform.h"

#include "platform/win32/long_path.h"
#include "platform/win32/on_demand.h"
#include "platform/win32/quiet_drive_errors.h"

// windows.h comes before the shell headers, which need its types.
#include <windows.h>

#include <direct.h>
#include <errno.h>
#include <io.h>
#include <shellapi.h>
#include <shlobj.h>

#include <utility>

namespace orvent {

// The portable numbers are the system's own and are handed through as they are.
static_assert(static_cast<int>(SpecialFolder::kDocuments) == CSIDL_PERSONAL, "");
static_assert(static_cast<int>(SpecialFolder::kAppData) == CSIDL_APPDATA, "");
static_assert(static_cast<int>(SpecialFolder::kProgramFilesCommon) == CSIDL_PROGRAM_FILES_COMMON,
              "");
static_assert(kAttrReadOnly == FILE_ATTRIBUTE_READONLY && kAttrHidden == FILE_ATTRIBUTE_HIDDEN &&
                  kAttrFolder == FILE_ATTRIBUTE_DIRECTORY && kAttrArchive == FILE_ATTRIBUTE_ARCHIVE,
              "");

unsigned long Win32Platform::Attributes(const std::string& path) {
  return IsLongPath(path) ? GetFileAttributesW(ExtendedPath(path).c_str())
                          : GetFileAttributesA(path.c_str());
}

bool Win32Platform::Exists(const std::string& path) {
  QuietDriveErrors quiet;
  return Attributes(path) != INVALID_FILE_ATTRIBUTES;
}

bool Win32Platform::FolderExists(const std::string& path) {
  QuietDriveErrors quiet;
  const DWORD attributes = Attributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

MakeFolderResult Win32Platform::MakeFolder(const std::string& path) {
  QuietDriveErrors quiet;
  if (IsLongPath(path)) {
    if (CreateDirectoryW(ExtendedPath(path).c_str(), nullptr)) return MakeFolderResult::kMade;
    return GetLastError() == ERROR_ALREADY_EXISTS ? MakeFolderResult::kAlreadyExists
                                                  : MakeFolderResult::kFailed;
  }
  if (_mkdir(path.c_str()) == 0) return MakeFolderResult::kMade;
  return errno == EEXIST ? MakeFolderResult::kAlreadyExists : MakeFolderResult::kFailed;
}

bool Win32Platform::FindEntries(const std::string& pattern, std::vector<DirEntry>* entries) {
  entries->clear();
  QuietDriveErrors quiet;
  _finddata_t data;
  intptr_t handle = _findfirst(pattern.c_str(), &data);
  if (handle == -1) return false;
  do {
    entries->push_back(DirEntry{data.name, static_cast<unsigned>(data.attrib)});
  } while (_findnext(handle, &data) == 0);
  _findclose(handle);
  return true;
}

bool Win32Platform::SetCurrentFolder(const std::string& path) {
  return SetCurrentDirectoryA(path.c_str()) != FALSE;
}

std::string Win32Platform::ModuleFileName() {
  // The ANSI call gives nothing for a path of MAX_PATH or more.
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    const DWORD size = static_cast<DWORD>(buffer.size());
    const DWORD length = GetModuleFileNameW(nullptr, &buffer[0], size);
    if (length == 0) return std::string();
    if (length < size) return WideToAnsi(buffer.substr(0, length));
    if (size >= 32768) return std::string();
    buffer.resize(size * 2);
  }
}

std::string Win32Platform::GetSpecialFolder(SpecialFolder folder) {
  char buffer[MAX_PATH] = {};
  if (!SHGetSpecialFolderPathA(nullptr, buffer, static_cast<int>(folder), FALSE)) return "";
  return buffer;
}

namespace {

// The system's short form of a path, by the ANSI or the wide call: its size
// is asked for first, then the text.
template <typename Text, typename Call>
bool ShortForm(const Text& path, Call shortPathName, Text* shortForm) {
  const DWORD needed = shortPathName(path.c_str(), nullptr, 0);
  if (needed == 0) return false;
  Text buffer(needed, typename Text::value_type());
  const DWORD length = shortPathName(path.c_str(), &buffer[0], needed);
  if (length == 0 || length >= needed) return false;
  buffer.resize(length);
  *shortForm = std::move(buffer);
  return true;
}

}  // namespace

bool Win32Platform::ShortPathName(const std::string& path, std::string* shortPath) {
  QuietDriveErrors quiet;
  if (!IsLongPath(path)) return ShortForm(path, GetShortPathNameA, shortPath);
  std::wstring wide;
  if (!ShortForm(ExtendedPath(path), GetShortPathNameW, &wide)) return false;
  *shortPath = WideToAnsi(WithoutExtendedPrefix(wide));
  return true;
}

bool Win32Platform::StartProcess(const ProcessRequest& request) {
  SECURITY_ATTRIBUTES processAttributes = {sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  SECURITY_ATTRIBUTES threadAttributes = {sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(request.showMode);
  PROCESS_INFORMATION info = {};
  // CreateProcessA may write into the command line.
  std::string commandLine = request.commandLine;
  commandLine.push_back('\0');
  BOOL ok = CreateProcessA(
      request.applicationName.empty() ? nullptr : request.applicationName.c_str(), &commandLine[0],
      &processAttributes, &threadAttributes, TRUE, static_cast<DWORD>(request.creationFlags),
      nullptr, request.workingFolder.c_str(), &startup, &info);
  if (!ok) return false;
  // Nothing waits for the child: both handles go at once.
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
  return true;
}

bool Win32Platform::ShellOpen(const std::string& path) {
  // A verb may run through a shell extension, which is a COM object.
  StartOle();
  HINSTANCE result = ShellExecuteA(nullptr, "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result) > 32;
}

bool Win32Platform::ReadVersionResource(std::vector<unsigned char>* bytes) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(16));
  if (found == nullptr) return false;
  DWORD size = SizeofResource(module, found);
  HGLOBAL loaded = LoadResource(module, found);
  const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (size == 0 || data == nullptr) return false;
  const auto* begin = static_cast<const unsigned char*>(data);
  bytes->assign(begin, begin + size);
  return true;
}

bool Win32Platform::QueryVersionValue(const std::string& subBlock,
                                      std::vector<unsigned char>* value) {
  std::string path = ModuleFileName();
  std::string shortPath;
  if (IsLongPath(path) && ShortPathName(path, &shortPath)) path = shortPath;
  const auto infoSize =
      SystemFunction<decltype(GetFileVersionInfoSizeA)>("version.dll", "GetFileVersionInfoSizeA");
  const auto readInfo =
      SystemFunction<decltype(GetFileVersionInfoA)>("version.dll", "GetFileVersionInfoA");
  const auto queryValue = SystemFunction<decltype(VerQueryValueA)>("version.dll", "VerQueryValueA");
  if (infoSize == nullptr || readInfo == nullptr || queryValue == nullptr) return false;
  DWORD ignored = 0;
  DWORD size = infoSize(path.c_str(), &ignored);
  if (size == 0) return false;
  std::vector<unsigned char> info(size);
  if (!readInfo(path.c_str(), 0, size, info.data())) return false;
  void* found = nullptr;
  UINT length = 0;
  if (!queryValue(info.data(), subBlock.c_str(), &found, &length) || found == nullptr ||
      length == 0) {
    return false;
  }
  const auto* begin = static_cast<const unsigned char*>(found);
  value->assign(begin, begin + length);
  return true;
}

bool Win32Platform::ReadUserSetting(const std::string& name, std::string* text) {
  std::vector<char> value(kMaxUserSetting + 1);
  DWORD size = static_cast<DWORD>(value.size());
  if (RegGetValueA(HKEY_CURRENT_USER, kUserSettingsKey, name.c_str(), RRF_RT_REG_SZ, nullptr,
                   value.data(), &size) != ERROR_SUCCESS) {
    return false;
  }
  *text = value.data();
  return true;
}

bool Win32Platform::WriteUserSetting(const std::string& name, const std::string& text) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, kUserSettingsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                      &key, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const LONG result =
      RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                     static_cast<DWORD>(text.size() + 1));
  RegCloseKey(key);
  return result == ERROR_SUCCESS;
}

MutexResult Win32Platform::CreateNamedMutex(const std::string& name) {
  // The handle is kept on purpose: the mutex marks this process as the
  // running Selector until it ends.
  HANDLE mutex = CreateMutexA(nullptr, TRUE, name.c_str());
  const DWORD error = GetLastError();
  // A Selector started elevated holds one that this user may not open.
  if (error == ERROR_ALREADY_EXISTS || (mutex == nullptr && error == ERROR_ACCESS_DENIED)) {
    return MutexResult::kAlreadyExists;
  }
  return mutex != nullptr ? MutexResult::kCreated : MutexResult::kFailed;
}

void Win32Platform::Sleep(int milliseconds) { ::Sleep(static_cast<DWORD>(milliseconds)); }

}  // namespace orvent
