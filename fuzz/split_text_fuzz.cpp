// Splitting any bytes. The first byte chooses the delimiter and keepEmpty.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "namelist/text_split.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvent;
  if (size == 0) return 0;
  static const char* const kDelimiters[] = {"=", ",", " ", "\"", "\x81\x40", "ab"};
  const std::string delimiter = kDelimiters[data[0] % 6];
  const bool keepEmpty = (data[0] & 0x80) != 0;
  const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

  std::vector<std::string> list;
  const int count = SplitText(text, delimiter, keepEmpty, &list);
  if (count != static_cast<int>(list.size())) __builtin_trap();
  std::size_t total = 0;
  for (const std::string& piece : list) total += piece.size();
  // Pieces only ever lose bytes, apart from the delimiters kept inside quotes.
  if (total > text.size() + delimiter.size() * list.size()) __builtin_trap();

  std::string drive, directory, baseName, extension;
  SplitFilePath(text, &drive, &directory, &baseName, &extension);
  if (drive.size() + directory.size() + baseName.size() + extension.size() > text.size() &&
      directory != ".\\" && directory != "..\\") {
    __builtin_trap();
  }
  return 0;
}
