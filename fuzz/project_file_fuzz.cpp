// Reading a project file made of any bytes, then writing what was read.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_input.h"
#include "project/project_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvent;
  static const std::string input = fuzz::ScratchPath("in.mbc");
  static const std::string meg = fuzz::ScratchPath("in.meg");
  static const std::string output = fuzz::ScratchPath("out.mbc");
  if (!fuzz::WriteInput(input, data, size)) return 0;

  ProjectFile record;
  const bool read = ReadProjectFile(meg, &record);
  if (record.geodeticIndex < 0 || record.geodeticIndex >= kGeodeticNameCount) __builtin_trap();
  // What was read is written so that its project type reads back.
  if (read && WriteProjectFile(output, record)) {
    ProjectFile again;
    if (ReadProjectFile(output, &again) && again.projectType != record.projectType) {
      __builtin_trap();
    }
  }
  return 0;
}
