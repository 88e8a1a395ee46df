// Paths longer than the ANSI calls take (MAX_PATH): they are reached through
// the wide calls with the "\\?\" prefix, converted through the ANSI code page.
#pragma once

#include <string>

namespace orvent {

bool IsLongPath(const std::string& path);
std::wstring AnsiToWide(const std::string& text);
std::string WideToAnsi(const std::wstring& text);
// The text in the ANSI code page exactly; false where a character has no
// exact counterpart there, which the system would replace by a look-alike
// ("¥" by a backslash) or by "?": such a name would name something else.
bool WideToAnsiExact(const std::wstring& text, std::string* ansi);
// The full path with the extended-length prefix ("\\?\C:\..." or "\\?\UNC\server\...").
std::wstring ExtendedPath(const std::string& path);
// An extended path back in its ordinary form.
std::wstring WithoutExtendedPrefix(const std::wstring& path);

}  // namespace orvent
