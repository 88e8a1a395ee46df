// Byte-string helpers that respect double-byte characters of the ANSI code page.
//
// Names and paths are kept in the ANSI code page (932 on the systems the suite
// is made for). A double-byte character can carry a trail byte equal to '\\'
// (0x5C) or '|' (0x7C), so every scan for such bytes must step over whole
// characters.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orvent {

// The code page whose lead bytes the scans honour. On Windows it starts as the
// system's ANSI code page, elsewhere as 932; the tests set it.
void SetActiveCodePage(int codePage);

bool IsLeadByte(unsigned char byte);

// Length in bytes of the character that starts at index i (1 or 2; a lead byte
// at the very end counts as a single byte).
std::size_t CharLength(std::string_view text, std::size_t i);

// Index of the first single-byte character c at or after `from`, or npos.
std::size_t FindChar(const std::string& text, char c, std::size_t from = 0);
// Index of the last single-byte character c, or npos.
std::size_t FindLastChar(const std::string& text, char c);
// Index of the first occurrence of `needle` at or after `from`, itself a
// character boundary, that starts on a character boundary; an empty needle is
// found nowhere.
std::size_t FindText(std::string_view text, std::string_view needle, std::size_t from = 0);

// Removes every trailing backslash that is a character of its own.
std::string StripTrailingBackslashes(const std::string& text);
// Strips trailing backslashes and appends exactly one; a lead byte dangling at
// the end is dropped first, as it would pair with the backslash.
std::string WithTrailingBackslash(std::string text);

// ASCII letters compared ignoring case; bytes of double-byte characters exactly.
bool EqualsNoCase(std::string_view a, std::string_view b);

// Space, tab, CR, LF, vertical tab, form feed; inline, as the scans call it
// for every byte.
inline bool IsWhiteSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
// Where a text is trimmed at its ends, white space also takes in the
// full-width space of code page 932 (0x81 0x40); inside a text it is a
// character like any other. [begin, end) starts and ends on character
// boundaries.
std::size_t SkipWhiteSpace(std::string_view text, std::size_t begin, std::size_t end);
// The end of [begin, end) without its trailing white space.
std::size_t EndBeforeWhiteSpace(std::string_view text, std::size_t begin, std::size_t end);
std::string TrimLeft(const std::string& text);
std::string Trim(const std::string& text);

}  // namespace orvent
