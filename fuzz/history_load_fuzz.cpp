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

// A file unique to this process in the temporary folder (TMPDIR, else /tmp):
// the loader takes paths.
static std::string ScratchPath(const std::string& suffix) {
  const std::string name = "orvent_fuzz_" + std::to_string(getpid()) + suffix;
  return (std::filesystem::temp_directory_path() / name).string();
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string input = ScratchPath("in.ini"), output = ScratchPath("out.ini");
  // A write that fails leaves the last input's file to be read, which does as well.
  std::ofstream(input, std::ios::binary)
      .write(reinterpret_cast<const char*>(data), std::streamsize(size));
  RecentHistory list;
  if (!LoadHistory(input, &list)) return 0;
  bool storable = true;
  for (std::size_t i = 0; i < list.size(); ++i) {
    const RecentEntry& row = list[i];
    if ((i > 0 && row.number < list[i - 1].number) || row.number > kMaxRecentRows) __builtin_trap();
    storable = storable && !row.projectName.empty() && !row.location.empty() &&
               (row.projectName + row.location + row.geodeticCode).find_first_of("\",") ==
                   std::string::npos;
  }
  // Also what is kept of the application and location: stored, they read back.
  if (!storable) return 0;
  // The bytes SaveHistory writes, without its flush to the disk, which would
  // slow the fuzzing down a hundredfold.
  // Read back over rows that hold other values: none of them may show through.
  RecentHistory again(list.rbegin(), list.rend());
  TextFile file;
  if (!file.Create(output) || !file.Write(FormatHistory(list)) || !file.Close() ||
      !LoadHistory(output, &again) || again.size() != list.size()) {
    __builtin_trap();
  }
  // Written again, every field of every row comes out the same.
  if (FormatHistory(again) != FormatHistory(list)) __builtin_trap();
  return 0;
}
