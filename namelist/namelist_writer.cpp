#include "namelist/namelist_writer.h"

#include "namelist/mbcs.h"

namespace orvent {

std::string MakeNamelistComment(const char* text) {
  std::string comment = Trim(text == nullptr ? "" : text);
  // "!" (0x21) is never a trail byte.
  std::size_t first = 0;
  while (first < comment.size() && comment[first] == '!') ++first;
  comment = Trim(comment.substr(first));
  if (comment.empty()) return "";
  return "\t! " + comment;
}

void WriteNamelistComment(TextFile* file, const std::string& text) {
  file->Write("!" + text + "\n");
}

void WriteNamelistBlankLine(TextFile* file) { file->Write("\n"); }

void WriteNamelistGroupStart(TextFile* file, const std::string& name, const char* comment) {
  file->Write("&" + name + MakeNamelistComment(comment) + "\n");
}

void WriteNamelistGroupEnd(TextFile* file) { file->Write("/\n"); }

void WriteNamelistString(TextFile* file, const std::string& key, const std::string& value,
                         const char* comment, bool quoted) {
  const std::string written = Trim(quoted ? "'" + value + "'" : value);
  if (written.empty()) return;
  file->Write(key + " = " + written + "," + MakeNamelistComment(comment) + "\n");
}

void WriteNamelistInt(TextFile* file, const std::string& key, int value, const char* comment) {
  file->Write(key + " = " + std::to_string(value) + "," + MakeNamelistComment(comment) + "\n");
}

}  // namespace orvent
