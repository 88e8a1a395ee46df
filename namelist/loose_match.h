// Matching of a filter's words in names and locations the way a person reads
// them: characters that look alike or differ only in case or width are the
// same, and a match is made of whole characters, never of the bytes of one.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace orvent {

// A filter as the user typed it: its words, each ready to be looked for.
// Words are separated by spaces, tabs and full-width spaces. Characters are
// compared loosely: ASCII letters ignoring case, full-width letters and
// digits as their ASCII forms, half-width katakana (a voiced mark joined to
// the letter before it) as full-width ones, hiragana as katakana; any other
// double-byte character exactly. A filter without words matches every row,
// so that an emptied filter box shows them all again.
class LooseFilter {
 public:
  explicit LooseFilter(const std::string& text = "");
  // No words: the text was empty or blanks only.
  [[nodiscard]] bool Empty() const;
  // Whether every word occurs in at least one of the texts (each word may be
  // in a different text).
  [[nodiscard]] bool Matches(std::initializer_list<std::string_view> texts) const;

 private:
  // Each word as the keys of its characters, one key for each set of
  // characters that compare the same.
  std::vector<std::u32string> words_;
};

}  // namespace orvent
