#include "tests/e2e/driver/launch_record.h"

#include "tests/e2e/driver/file_paths.h"
#include "tests/e2e/fake_member/launch_record_format.h"

namespace e2e {
namespace {

bool TakeValue(const std::string& line, const char* key, std::string* value) {
  const std::string prefix = key;
  if (line.compare(0, prefix.size(), prefix) != 0) return false;
  *value = line.substr(prefix.size());
  return true;
}

std::vector<std::string> SplitLines(const std::string& content) {
  std::vector<std::string> lines;
  std::string::size_type start = 0;
  while (start < content.size()) {
    const std::string::size_type end = content.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(content.substr(start));
      break;
    }
    lines.push_back(content.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

}  // namespace

bool ReadLaunchRecords(const std::string& programFolder, std::vector<LaunchRecord>* records) {
  records->clear();
  const std::string path = WithTrailingBackslash(programFolder) + fake_member::kLaunchRecordFile;
  if (!FileExists(path)) return true;
  std::string content;
  if (!ReadWholeFile(path, &content)) return false;

  const std::vector<std::string> lines = SplitLines(content);
  if (lines.size() % 3 != 0) return false;
  for (std::size_t i = 0; i < lines.size(); i += 3) {
    LaunchRecord record;
    if (!TakeValue(lines[i], fake_member::kCommandLineKey, &record.commandLine) ||
        !TakeValue(lines[i + 1], fake_member::kWorkingFolderKey, &record.workingFolder) ||
        !TakeValue(lines[i + 2], fake_member::kModuleKey, &record.module)) {
      return false;
    }
    records->push_back(record);
  }
  return true;
}

}  // namespace e2e
