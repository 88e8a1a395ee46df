#include "namelist/mbcs.h"

#include <algorithm>

#ifdef _WIN32
#include <windows.h>
#endif

namespace orvent {
namespace {

int InitialCodePage() {
#ifdef _WIN32
  return static_cast<int>(GetACP());
#else
  return 932;
#endif
}

int g_codePage = InitialCodePage();

bool IsLeadByte932(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// Length of the text less its trailing run of single-byte backslashes. With
// dropDangling, a lead byte left at the very end without its trail byte goes
// first: it would pair with a backslash appended after it and swallow it.
std::size_t KeptLength(const std::string& text, bool dropDangling) {
  const std::size_t none = std::string::npos;
  std::size_t runStart = none;
  std::size_t runBeforeLast = none;
  std::size_t last = none;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = CharLength(text, i);
    runBeforeLast = runStart;
    last = i;
    if (text[i] == '\\' && length == 1) {
      if (runStart == none) runStart = i;
    } else {
      runStart = none;
    }
    i += length;
  }
  if (dropDangling && !text.empty() && last == text.size() - 1 &&
      IsLeadByte(static_cast<unsigned char>(text[last]))) {
    return runBeforeLast == none ? last : runBeforeLast;
  }
  return runStart == none ? text.size() : runStart;
}

}  // namespace

void SetActiveCodePage(int codePage) { g_codePage = codePage; }

bool IsLeadByte(unsigned char byte) {
  if (byte < 0x80) return false;
  if (g_codePage == 932) return IsLeadByte932(byte);
#ifdef _WIN32
  return IsDBCSLeadByteEx(static_cast<UINT>(g_codePage), byte) != FALSE;
#else
  return false;
#endif
}

std::size_t CharLength(std::string_view text, std::size_t i) {
  if (i + 1 < text.size() && IsLeadByte(static_cast<unsigned char>(text[i]))) return 2;
  return 1;
}

std::size_t FindChar(const std::string& text, char c, std::size_t from) {
  for (std::size_t i = 0; i < text.size(); i += CharLength(text, i)) {
    if (i >= from && text[i] == c) return i;
  }
  return std::string::npos;
}

std::size_t FindLastChar(const std::string& text, char c) {
  std::size_t found = std::string::npos;
  for (std::size_t i = 0; i < text.size(); i += CharLength(text, i)) {
    if (text[i] == c) found = i;
  }
  return found;
}

std::size_t FindText(std::string_view text, std::string_view needle, std::size_t from) {
  if (needle.empty()) return std::string::npos;
  for (std::size_t i = from; i < text.size(); i += CharLength(text, i)) {
    if (text[i] == needle[0] && text.compare(i, needle.size(), needle) == 0) return i;
  }
  return std::string::npos;
}

std::string StripTrailingBackslashes(const std::string& text) {
  return text.substr(0, KeptLength(text, false));
}

std::string WithTrailingBackslash(std::string text) {
  text.resize(KeptLength(text, true));
  text += '\\';
  return text;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  if (a == b) return true;
  // Where the two are equal their characters start at the same places, since
  // lead bytes are no letters and must match exactly.
  for (std::size_t i = 0; i < a.size();) {
    if (static_cast<unsigned char>(a[i]) >= 0x80 && CharLength(a, i) == 2) {
      if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
      i += 2;
      continue;
    }
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = char(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = char(y - 'A' + 'a');
    if (x != y) return false;
    ++i;
  }
  return true;
}

namespace {

// The full-width space of code page 932 at i, where i is a character boundary.
bool FullWidthSpaceAt(std::string_view text, std::size_t i) {
  return g_codePage == 932 && i + 1 < text.size() && static_cast<unsigned char>(text[i]) == 0x81 &&
         text[i + 1] == 0x40;
}

}  // namespace

std::size_t SkipWhiteSpace(std::string_view text, std::size_t begin, std::size_t end) {
  while (begin < end) {
    if (IsWhiteSpace(text[begin])) {
      ++begin;
    } else if (FullWidthSpaceAt(text, begin)) {
      begin += 2;
    } else {
      break;
    }
  }
  return begin;
}

std::size_t EndBeforeWhiteSpace(std::string_view text, std::size_t begin, std::size_t end) {
  // An ASCII white-space byte is never a trail byte, so it can go from the back.
  while (end > begin && IsWhiteSpace(text[end - 1])) --end;
  if (end - begin < 2 || !FullWidthSpaceAt(text, end - 2)) return end;
  // 0x81 0x40 may also be the tail of one character and the head of the next,
  // which shows only when the characters are walked from the front.
  std::size_t last = begin;
  for (std::size_t i = begin; i < end;) {
    if (IsWhiteSpace(text[i])) {
      ++i;
    } else if (FullWidthSpaceAt(text, i)) {
      i += 2;
    } else {
      i += CharLength(text, i);
      last = std::min(i, end);
    }
  }
  return last;
}

std::string TrimLeft(const std::string& text) {
  return text.substr(SkipWhiteSpace(text, 0, text.size()));
}

std::string Trim(const std::string& text) {
  const std::size_t begin = SkipWhiteSpace(text, 0, text.size());
  return text.substr(begin, EndBeforeWhiteSpace(text, begin, text.size()) - begin);
}

}  // namespace orvent
