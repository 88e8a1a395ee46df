// A history file of any bytes: what the loader keeps obeys its rules, and its
// saved form loads back the same, but for fields that cannot be stored (a
// quote, a comma, a name or location of blanks only).
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>

#include "history/history_file.h"
#include "namelist/text_file.h"

using namespace orvent;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Files of this process in the temporary folder (TMPDIR, else /tmp).
  static const std::string input =
      (std::filesystem::temp_directory_path() / ("orvent_fuzz_" + std::to_string(getpid())))
          .string();
  static const std::string output = input + ".out";
  // A write that fails leaves the last input's file to be read, which does as well.
  std::ofstream(input, std::ios::binary)
      .write(reinterpret_cast<const char*>(data), std::streamsize(size));
  RecentHistory list, again;
  if (!LoadHistory(input, &list)) return 0;
  bool storable = true;
  for (std::size_t i = 0; i < list.size(); ++i) {
    const RecentEntry& row = list[i];
    if ((i > 0 && row.number < list[i - 1].number) || row.number > kMaxRecentRows) __builtin_trap();
    // Also what is kept of the application and location: stored, they read back.
    storable = storable && !row.projectName.empty() && !row.location.empty() &&
               (row.projectName + row.location + row.geodeticCode).find_first_of("\",") ==
                   std::string::npos;
  }
  if (!storable) return 0;
  // The bytes SaveHistory writes, without its flush to the disk, which would
  // slow the fuzzing down a hundredfold; written again, every field of every
  // row comes out the same.
  TextFile file;
  if (!file.Create(output) || !file.Write(FormatHistory(list)) || !file.Close() ||
      !LoadHistory(output, &again) || FormatHistory(again) != FormatHistory(list))
    __builtin_trap();
  return 0;
}
