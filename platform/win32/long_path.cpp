#include "platform/win32/long_path.h"

#include <windows.h>

#include <vector>

namespace orvent {

bool IsLongPath(const std::string& path) { return path.size() >= MAX_PATH; }

std::wstring AnsiToWide(const std::string& text) {
  if (text.empty()) return std::wstring();
  int length =
      MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &wide[0], length);
  return wide;
}

namespace {

std::string Narrow(const std::wstring& text, DWORD flags, BOOL* usedDefault) {
  if (text.empty()) return std::string();
  const int size = static_cast<int>(text.size());
  int length =
      WideCharToMultiByte(CP_ACP, flags, text.data(), size, nullptr, 0, nullptr, usedDefault);
  std::string ansi(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, flags, text.data(), size, &ansi[0], length, nullptr, usedDefault);
  return ansi;
}

}  // namespace

std::string WideToAnsi(const std::wstring& text) { return Narrow(text, 0, nullptr); }

bool WideToAnsiExact(const std::wstring& text, std::string* ansi) {
  BOOL usedDefault = FALSE;
  *ansi = Narrow(text, WC_NO_BEST_FIT_CHARS, &usedDefault);
  return !usedDefault && AnsiToWide(*ansi) == text;
}

std::wstring ExtendedPath(const std::string& path) {
  const std::wstring wide = AnsiToWide(path);
  DWORD needed = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return wide;
  std::vector<wchar_t> full(needed);
  DWORD length = GetFullPathNameW(wide.c_str(), needed, full.data(), nullptr);
  std::wstring result(full.data(), length);
  if (result.compare(0, 4, L"\\\\?\\") == 0) return result;
  if (result.compare(0, 2, L"\\\\") == 0) return L"\\\\?\\UNC\\" + result.substr(2);
  return L"\\\\?\\" + result;
}

std::wstring WithoutExtendedPrefix(const std::wstring& path) {
  if (path.compare(0, 8, L"\\\\?\\UNC\\") == 0) return L"\\\\" + path.substr(8);
  if (path.compare(0, 4, L"\\\\?\\") == 0) return path.substr(4);
  return path;
}

}  // namespace orvent
