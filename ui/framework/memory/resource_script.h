// Reads the program's resource script (res/orvent.rc with res/resource.h) so
// that the in-memory back end realises exactly the dialogs the program ships.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace ui {
namespace memory {

// The program's resource script and header, compiled into the tests as text.
extern const char kResourceScript[];
extern const char kResourceHeader[];

struct ControlTemplate {
  int id = 0;
  std::string text;
  std::string className;  // "Button", "Edit", "Static", "SysListView32", ...
  unsigned long style = 0;
  int x = 0, y = 0, cx = 0, cy = 0;  // dialog units
};

struct DialogTemplate {
  int id = 0;
  std::string caption;
  std::string className;
  std::string fontFace;
  int pointSize = 0;
  unsigned long style = 0;
  unsigned long exStyle = 0;
  int cx = 0, cy = 0;  // dialog units
  std::vector<ControlTemplate> controls;
};

class ResourceScript {
 public:
  // Parses the script; false with a reason when a statement is not understood.
  bool Parse(const std::string& script, const std::string& header, std::string* error);

  const DialogTemplate* FindDialog(int id) const;
  std::string String(int id) const;
  int DialogCount() const { return static_cast<int>(dialogs_.size()); }

  // The script and header compiled into the tests.
  static const ResourceScript& Program();

 private:
  bool Value(const std::string& expression, long* value) const;
  bool Style(const std::string& expression, unsigned long base, unsigned long* style) const;

  std::map<std::string, long> symbols_;
  std::vector<DialogTemplate> dialogs_;
  std::map<int, std::string> strings_;
};

}  // namespace memory
}  // namespace ui
