// Loading a history file made of any bytes: whatever is kept obeys the
// loader's rules, and its saved form loads back the same. Every line of the
// input is also given to the quick row reader, which must read exactly what
// the rule-based one reads, or leave the line to it. Not carried across
// are a quote, a comma or a full-width space (read back as a blank) in a
// field, and a name or location of blanks only, which the loader takes but
// trims to nothing and then refuses on the next load.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/fuzz_input.h"
#include "history/history_file.h"
#include "history/history_row.h"
#include "history/saved_row.h"
#include "project/app_catalogue.h"
#include "namelist/mbcs.h"
#include "namelist/text_file.h"

namespace {

bool Storable(const std::string& field) {
  return field.find_first_of("\",\x81") == std::string::npos;
}

bool SameEntry(const orvent::RecentEntry& a, const orvent::RecentEntry& b) {
  return a.number == b.number && a.projectName == b.projectName && a.location == b.location &&
         a.appIndex == b.appIndex && a.projectType == b.projectType &&
         a.geodeticCode == b.geodeticCode;
}

// The line as the loader gets it, under the given code page.
void CheckQuickReader(const std::string& line, int codePage) {
  using namespace orvent;
  SetActiveCodePage(codePage);
  RecentEntry quick;
  if (ParseSavedRow(line, &quick)) {
    std::string copy = line;
    std::vector<std::string> fields;
    RecentEntry general;
    if (!ParseHistoryRow(&copy, &fields, &general) || !SameEntry(quick, general)) __builtin_trap();
  }
  SetActiveCodePage(932);
}

// Lines cut as TextFile cuts them: at LF, less a CR before it.
void CheckEveryLine(const std::string& bytes) {
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    std::string line = bytes.substr(start, end - start);
    if (end < bytes.size() && !line.empty() && line.back() == '\r') line.pop_back();
    CheckQuickReader(line, 932);
    CheckQuickReader(line, 1252);
    start = end + 1;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvent;
  static const std::string input = fuzz::ScratchPath("in.ini");
  static const std::string output = fuzz::ScratchPath("out.ini");
  if (!fuzz::WriteInput(input, data, size)) return 0;
  CheckEveryLine(std::string(reinterpret_cast<const char*>(data), size));

  RecentHistory list;
  if (!LoadHistory(input, &list)) return 0;
  if (list.size() > static_cast<std::size_t>(kMaxRecentRows)) __builtin_trap();
  int previous = 0;
  for (const RecentEntry& row : list) {
    if (row.number < 1 || row.number > kMaxRecentRows || row.number < previous) __builtin_trap();
    previous = row.number;
    if (row.appIndex < 0 || row.appIndex >= kAppCatalogueSize) __builtin_trap();
    if (!row.location.empty() && !EndsWithBackslash(row.location)) __builtin_trap();
  }
  // The bytes SaveHistory writes, without its flush to the disk, which would
  // slow the fuzzing down a hundredfold.
  TextFile file;
  if (!file.Create(output) || !file.Write(FormatHistory(list)) || !file.Close()) __builtin_trap();

  for (const RecentEntry& row : list) {
    if (!Storable(row.projectName) || !Storable(row.location) || !Storable(row.geodeticCode) ||
        row.projectName.empty() || row.location.empty()) {
      return 0;
    }
  }
  RecentHistory again;
  if (!LoadHistory(output, &again) || again.size() != list.size()) __builtin_trap();
  for (std::size_t i = 0; i < list.size(); ++i) {
    const RecentEntry& a = list[i];
    const RecentEntry& b = again[i];
    if (b.number != static_cast<int>(i) + 1 || a.projectName != b.projectName ||
        a.location != b.location || a.appIndex != b.appIndex || a.projectType != b.projectType ||
        a.geodeticCode != b.geodeticCode) {
      __builtin_trap();
    }
  }
  return 0;
}
