// Namelist text of any bytes: read as a project file, then written and read
// again; and split at a delimiter its first byte chooses.
#include <vector>

#include "fuzz/fuzz_input.h"
#include "namelist/text_split.h"
#include "project/project_file.h"

using namespace orvent;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string input = ScratchPath("in.mbc"), output = ScratchPath("out.mbc");
  if (size == 0 || !WriteInput(input, data, size)) return 0;
  const std::string bytes(reinterpret_cast<const char*>(data), size);

  ProjectFile record, again;
  const bool read = ReadProjectFile(ScratchPath("in.meg"), &record);
  if (record.geodeticIndex < 0 || record.geodeticIndex >= kGeodeticNameCount) __builtin_trap();
  // What was read is written so that its project type reads back.
  if (read && WriteProjectFile(output, record) && ReadProjectFile(output, &again) &&
      again.projectType != record.projectType) {
    __builtin_trap();
  }

  // Pieces only ever lose bytes, apart from the delimiters kept inside quotes.
  static const char* const kDelimiters[] = {"=", ",", " ", "\"", "\x81\x40", "ab"};
  const std::string delimiter = kDelimiters[data[0] % 6];
  std::vector<std::string> pieces;
  if (SplitText(bytes.substr(1), delimiter, (data[0] & 0x80) != 0, &pieces) != int(pieces.size())) {
    __builtin_trap();
  }
  std::size_t total = 0;
  for (const std::string& piece : pieces) total += piece.size();
  if (total > size + delimiter.size() * pieces.size()) __builtin_trap();
  return 0;
}
