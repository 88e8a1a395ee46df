#include "ui/framework/memory/resource_script.h"

#include <cstdlib>
#include <sstream>

namespace ui {
namespace memory {

namespace {

// The Windows constants the script uses, with their SDK values.
const std::map<std::string, long>& WindowsSymbols() {
  static const std::map<std::string, long> symbols = {
      {"WS_POPUP", static_cast<long>(0x80000000UL)},
      {"WS_CHILD", 0x40000000L},
      {"WS_VISIBLE", 0x10000000L},
      {"WS_DISABLED", 0x08000000L},
      {"WS_CAPTION", 0x00C00000L},
      {"WS_BORDER", 0x00800000L},
      {"WS_VSCROLL", 0x00200000L},
      {"WS_HSCROLL", 0x00100000L},
      {"WS_SYSMENU", 0x00080000L},
      {"WS_THICKFRAME", 0x00040000L},
      {"WS_GROUP", 0x00020000L},
      {"WS_TABSTOP", 0x00010000L},
      {"WS_MINIMIZEBOX", 0x00020000L},
      {"WS_MAXIMIZEBOX", 0x00010000L},
      {"WS_EX_APPWINDOW", 0x00040000L},
      {"DS_SETFONT", 0x40L},
      {"DS_MODALFRAME", 0x80L},
      {"BS_PUSHBUTTON", 0L},
      {"BS_DEFPUSHBUTTON", 1L},
      {"BS_AUTOCHECKBOX", 3L},
      {"BS_RADIOBUTTON", 4L},
      {"BS_GROUPBOX", 7L},
      {"BS_AUTORADIOBUTTON", 9L},
      {"ES_AUTOHSCROLL", 0x80L},
      {"ES_READONLY", 0x800L},
      {"SS_LEFT", 0L},
      {"SS_ICON", 3L},
      {"SS_NOPREFIX", 0x80L},
      {"LVS_REPORT", 1L},
      {"LVS_SINGLESEL", 4L},
      {"LVS_SHOWSELALWAYS", 8L},
      {"LVS_OWNERDATA", 0x1000L},
      {"IDOK", 1L},
      {"IDCANCEL", 2L},
  };
  return symbols;
}

const unsigned long kChildVisible = 0x40000000UL | 0x10000000UL;
const unsigned long kStaticIcon = 3UL;

std::string Strip(const std::string& text) {
  std::size_t begin = text.find_first_not_of(" \t\r\n");
  if (begin == std::string::npos) return std::string();
  std::size_t end = text.find_last_not_of(" \t\r\n");
  return text.substr(begin, end - begin + 1);
}

bool Unquote(const std::string& text, std::string* out) {
  std::string t = Strip(text);
  if (t.size() < 2 || t.front() != '"' || t.back() != '"') return false;
  out->clear();
  for (std::size_t i = 1; i + 1 < t.size(); ++i) {
    // A doubled quote stands for one quote in a resource string.
    if (t[i] == '"' && i + 2 < t.size() && t[i + 1] == '"') ++i;
    out->push_back(t[i]);
  }
  return true;
}

// Splits at commas outside double quotes.
std::vector<std::string> SplitArguments(const std::string& text) {
  std::vector<std::string> parts;
  std::string current;
  bool quoted = false;
  for (char c : text) {
    if (c == '"') quoted = !quoted;
    if (c == ',' && !quoted) {
      parts.push_back(Strip(current));
      current.clear();
    } else {
      current.push_back(c);
    }
  }
  parts.push_back(Strip(current));
  return parts;
}

// The first word of a line and the rest after it.
void FirstWord(const std::string& line, std::string* word, std::string* rest) {
  std::size_t end = line.find_first_of(" \t");
  *word = line.substr(0, end);
  *rest = end == std::string::npos ? std::string() : Strip(line.substr(end));
}

}  // namespace

bool ResourceScript::Value(const std::string& expression, long* value) const {
  std::string e = Strip(expression);
  if (e.size() > 2 && e.front() == '(' && e.back() == ')') e = Strip(e.substr(1, e.size() - 2));
  if (e.empty()) return false;
  if ((e[0] >= '0' && e[0] <= '9') || e[0] == '-') {
    char* end = nullptr;
    long v = std::strtol(e.c_str(), &end, 0);
    if (*end == 'L' || *end == 'l') ++end;
    if (*end != '\0') return false;
    *value = v;
    return true;
  }
  auto own = symbols_.find(e);
  if (own != symbols_.end()) {
    *value = own->second;
    return true;
  }
  auto sdk = WindowsSymbols().find(e);
  if (sdk == WindowsSymbols().end()) return false;
  *value = sdk->second;
  return true;
}

bool ResourceScript::Style(const std::string& expression, unsigned long base,
                           unsigned long* style) const {
  *style = base;
  std::stringstream parts(expression);
  std::string part;
  while (std::getline(parts, part, '|')) {
    part = Strip(part);
    bool remove = part.compare(0, 4, "NOT ") == 0;
    if (remove) part = Strip(part.substr(4));
    long value = 0;
    if (!Value(part, &value)) return false;
    if (remove) {
      *style &= ~static_cast<unsigned long>(value);
    } else {
      *style |= static_cast<unsigned long>(value);
    }
  }
  return true;
}

bool ResourceScript::Parse(const std::string& script, const std::string& header,
                           std::string* error) {
  symbols_.clear();
  dialogs_.clear();
  strings_.clear();
  std::stringstream headerLines(header);
  std::string line;
  while (std::getline(headerLines, line)) {
    std::string word, rest;
    FirstWord(Strip(line), &word, &rest);
    if (word != "#define") continue;
    std::string name, value;
    FirstWord(rest, &name, &value);
    long v = 0;
    if (!value.empty() && Value(value, &v)) symbols_[name] = v;
  }

  enum class Block { kNone, kDialogHead, kDialogBody, kStrings, kStringsBody, kOther };
  Block block = Block::kNone;
  int depth = 0;
  int lineNumber = 0;
  std::stringstream lines(script);
  auto fail = [&](const std::string& why) {
    if (error != nullptr) *error = "line " + std::to_string(lineNumber) + ": " + why;
    return false;
  };
  while (std::getline(lines, line)) {
    ++lineNumber;
    line = Strip(line);
    if (line.empty() || line.compare(0, 2, "//") == 0 || line[0] == '#') continue;
    std::string word, rest;
    FirstWord(line, &word, &rest);

    if (block == Block::kOther) {
      if (word == "BEGIN") ++depth;
      if (word == "END" && --depth == 0) block = Block::kNone;
      continue;
    }
    if (block == Block::kStrings || block == Block::kStringsBody) {
      if (word == "BEGIN") {
        block = Block::kStringsBody;
      } else if (word == "END") {
        block = Block::kNone;
      } else {
        long id = 0;
        std::string text;
        if (!Value(word, &id) || !Unquote(rest, &text)) return fail("string entry");
        strings_[static_cast<int>(id)] = text;
      }
      continue;
    }
    if (block == Block::kDialogHead) {
      DialogTemplate& d = dialogs_.back();
      if (word == "STYLE") {
        if (!Style(rest, 0, &d.style)) return fail("dialog style");
      } else if (word == "EXSTYLE") {
        if (!Style(rest, 0, &d.exStyle)) return fail("dialog extended style");
      } else if (word == "CAPTION") {
        if (!Unquote(rest, &d.caption)) return fail("caption");
      } else if (word == "CLASS") {
        if (!Unquote(rest, &d.className)) return fail("class");
      } else if (word == "FONT") {
        std::vector<std::string> args = SplitArguments(rest);
        long size = 0;
        if (args.size() < 2 || !Value(args[0], &size) || !Unquote(args[1], &d.fontFace)) {
          return fail("font");
        }
        d.pointSize = static_cast<int>(size);
      } else if (word == "BEGIN") {
        block = Block::kDialogBody;
      } else {
        return fail("dialog statement " + word);
      }
      continue;
    }
    if (block == Block::kDialogBody) {
      if (word == "END") {
        block = Block::kNone;
        continue;
      }
      std::vector<std::string> args = SplitArguments(rest);
      ControlTemplate c;
      long id = 0, x = 0, y = 0, cx = 0, cy = 0;
      std::size_t at = 0;
      if (word == "CONTROL" && args.size() >= 8) {
        if (!Unquote(args[0], &c.text) || !Value(args[1], &id) || !Unquote(args[2], &c.className) ||
            !Style(args[3], kChildVisible, &c.style)) {
          return fail("control");
        }
        at = 4;
      } else if (word == "ICON" && args.size() >= 6) {
        long icon = 0;
        if (!Value(args[0], &icon) || !Value(args[1], &id)) return fail("icon control");
        c.text = "#" + std::to_string(icon);
        c.className = "Static";
        c.style = kChildVisible | kStaticIcon;
        at = 2;
      } else {
        return fail("control statement " + word);
      }
      if (!Value(args[at], &x) || !Value(args[at + 1], &y) || !Value(args[at + 2], &cx) ||
          !Value(args[at + 3], &cy)) {
        return fail("control position");
      }
      c.id = static_cast<int>(id);
      c.x = static_cast<int>(x);
      c.y = static_cast<int>(y);
      c.cx = static_cast<int>(cx);
      c.cy = static_cast<int>(cy);
      dialogs_.back().controls.push_back(c);
      continue;
    }

    // Top level.
    if (word == "STRINGTABLE") {
      block = Block::kStrings;
      continue;
    }
    std::string kind, args;
    FirstWord(rest, &kind, &args);
    if (kind == "DIALOGEX" || kind == "DIALOG") {
      std::vector<std::string> size = SplitArguments(args);
      long id = 0, cx = 0, cy = 0;
      if (size.size() != 4 || !Value(word, &id) || !Value(size[2], &cx) || !Value(size[3], &cy)) {
        return fail("dialog head");
      }
      DialogTemplate d;
      d.id = static_cast<int>(id);
      d.cx = static_cast<int>(cx);
      d.cy = static_cast<int>(cy);
      dialogs_.push_back(d);
      block = Block::kDialogHead;
    } else if (kind == "VERSIONINFO") {
      block = Block::kOther;
      depth = 0;
    }
    // Everything else at the top level (LANGUAGE, ICON, manifest) is one line.
  }
  return true;
}

const DialogTemplate* ResourceScript::FindDialog(int id) const {
  for (const DialogTemplate& d : dialogs_) {
    if (d.id == id) return &d;
  }
  return nullptr;
}

std::string ResourceScript::String(int id) const {
  auto found = strings_.find(id);
  return found == strings_.end() ? std::string() : found->second;
}

const ResourceScript& ResourceScript::Program() {
  static const ResourceScript script = [] {
    ResourceScript s;
    std::string error;
    if (!s.Parse(kResourceScript, kResourceHeader, &error)) std::abort();
    return s;
  }();
  return script;
}

}  // namespace memory
}  // namespace ui
