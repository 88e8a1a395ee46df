// Namelist lookups on any bytes. The first line names the group and the key as
// "group|key"; the whole input is the file.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_input.h"
#include "namelist/namelist_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvent;
  static const std::string path = fuzz::ScratchPath("namelist.txt");
  if (!fuzz::WriteInput(path, data, size)) return 0;

  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::string first = bytes.substr(0, bytes.find('\n'));
  const std::size_t bar = first.find('|');
  const std::string group = bar == std::string::npos ? first : first.substr(0, bar);
  const std::string key = bar == std::string::npos ? "K" : first.substr(bar + 1);

  // A line kept for a look is never empty.
  std::string line = bytes;
  if (CleanNamelistLine(&line) && line.empty()) __builtin_trap();

  TextFile file;
  if (!file.OpenRead(path)) return 0;
  FindNamelistGroup(&file, group);
  ReadNamelistValue(&file, group, key);
  ReadNamelistValue(&file, "General_Parameters", "FileVersion");
  bool flag = false;
  ReadNamelistLogical(&file, group, key, &flag);
  return 0;
}
