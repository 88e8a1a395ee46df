#include "selector/hand_over.h"

#include "project/command_line_project.h"

namespace orvent {

std::string HandOverBytes(const std::string& path) { return path + '\0'; }

bool HandedOverPath(std::uintptr_t kind, std::string_view bytes, std::string* path) {
  if (kind != kHandOverKind || bytes.empty() || bytes.size() > kMaxHandOverBytes ||
      bytes.find('\0') != bytes.size() - 1) {
    return false;
  }
  const std::string text(bytes.substr(0, bytes.size() - 1));
  // Quoted, the path is one token whatever blanks it holds; the command line
  // gives it back unchanged only when it could have named it.
  if (ProjectPathFromCommandLine('"' + text + '"') != text) return false;
  *path = text;
  return true;
}

}  // namespace orvent
