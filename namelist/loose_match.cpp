#include "namelist/loose_match.h"

#include <algorithm>

#include "namelist/mbcs.h"

namespace orvent {
namespace {

// The full-width katakana of the half-width ones 0xA6 (ｦ) to 0xDF (ﾟ), in code page 932.
const char32_t kFullWidthKana[] = {
    0x8392, 0x8340, 0x8342, 0x8344, 0x8346, 0x8348, 0x8383, 0x8385, 0x8387, 0x8362, 0x815B, 0x8341,
    0x8343, 0x8345, 0x8347, 0x8349, 0x834A, 0x834C, 0x834E, 0x8350, 0x8352, 0x8354, 0x8356, 0x8358,
    0x835A, 0x835C, 0x835E, 0x8360, 0x8363, 0x8365, 0x8367, 0x8369, 0x836A, 0x836B, 0x836C, 0x836D,
    0x836E, 0x8371, 0x8374, 0x8377, 0x837A, 0x837D, 0x837E, 0x8380, 0x8381, 0x8382, 0x8384, 0x8386,
    0x8388, 0x8389, 0x838A, 0x838B, 0x838C, 0x838D, 0x838F, 0x8393, 0x814A, 0x814B};

const char32_t kVoicedMark = 0xDE;      // ﾞ
const char32_t kSemiVoicedMark = 0xDF;  // ﾟ
const char32_t kFullWidthSpace = 0x8140;

bool IsHalfWidthKana(char32_t code) { return code >= 0xA6 && code <= 0xDF; }

// The full-width katakana that a half-width one makes with the mark after it,
// or 0 when the two stay two characters. In code page 932 the voiced form
// follows the plain one, and the semi-voiced form follows that.
char32_t Joined(char32_t kana, char32_t mark) {
  const char32_t full = kFullWidthKana[kana - 0xA6];
  const bool kaToTo = kana >= 0xB6 && kana <= 0xC4;        // ｶ to ﾄ
  const bool haToHo = kana >= 0xCA && kana <= 0xCE;        // ﾊ to ﾎ
  if (mark == kVoicedMark && kana == 0xB3) return 0x8394;  // ｳﾞ, ヴ
  if (mark == kVoicedMark && (kaToTo || haToHo)) return full + 1;
  if (mark == kSemiVoicedMark && haToHo) return full + 2;
  return 0;
}

// The key of a character (its byte, or its lead and trail byte) standing alone.
char32_t Key(char32_t code) {
  if (code >= 'A' && code <= 'Z') return code - 'A' + 'a';
  if (code >= 0x8260 && code <= 0x8279) return code - 0x8260 + 'a';  // Ａ to Ｚ
  if (code >= 0x8281 && code <= 0x829A) return code - 0x8281 + 'a';  // ａ to ｚ
  if (code >= 0x824F && code <= 0x8258) return code - 0x824F + '0';  // ０ to ９
  if (IsHalfWidthKana(code)) return kFullWidthKana[code - 0xA6];
  // Hiragana as katakana, whose codes skip 0x837F between ミ and ム.
  if (code >= 0x829F && code <= 0x82DD) return code - 0x829F + 0x8340;  // ぁ to み
  if (code >= 0x82DE && code <= 0x82F1) return code - 0x82DE + 0x8380;  // む to ん
  return code;
}

char32_t Byte(std::string_view text, std::size_t i) { return static_cast<unsigned char>(text[i]); }

// The keys of the text's characters, one for each.
std::u32string KeysOf(std::string_view text) {
  std::u32string keys;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = CharLength(text, i);
    const char32_t code = length == 2 ? Byte(text, i) << 8 | Byte(text, i + 1) : Byte(text, i);
    i += length;
    const char32_t joined =
        IsHalfWidthKana(code) && i < text.size() ? Joined(code, Byte(text, i)) : 0;
    if (joined != 0) ++i;
    keys += joined != 0 ? joined : Key(code);
  }
  return keys;
}

}  // namespace

LooseFilter::LooseFilter(const std::string& text) {
  const std::u32string blanks = {' ', '\t', kFullWidthSpace};
  const std::u32string keys = KeysOf(text);
  for (std::size_t begin = keys.find_first_not_of(blanks); begin != std::u32string::npos;) {
    const std::size_t end = keys.find_first_of(blanks, begin);
    words_.push_back(keys.substr(begin, end - begin));
    begin = keys.find_first_not_of(blanks, end);
  }
}

bool LooseFilter::Empty() const { return words_.empty(); }

bool LooseFilter::Matches(std::initializer_list<std::string_view> texts) const {
  std::vector<std::u32string> searched;
  for (const std::string_view text : texts) searched.push_back(KeysOf(text));
  return std::all_of(words_.begin(), words_.end(), [&](const std::u32string& word) {
    return std::any_of(searched.begin(), searched.end(), [&](const std::u32string& keys) {
      return keys.find(word) != std::u32string::npos;
    });
  });
}

}  // namespace orvent
