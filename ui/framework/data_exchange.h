// Data exchange between a dialog's members and its controls, in either
// direction, as a dialog's DoDataExchange describes it.
#pragma once

#include <windows.h>

#include <string>

namespace ui {

class DataExchange {
 public:
  DataExchange(HWND dialog, bool saveAndValidate) : dialog_(dialog), saving_(saveAndValidate) {}

  bool Failed() const { return failed_; }

  // The text of an edit (or any control with a text).
  void Text(int id, std::string& value);
  // The index of the checked radio in the group that starts at `firstId`,
  // -1 when none is checked. Radios of a group run up to the next control
  // that starts a group; other controls in between are passed over.
  void Radio(int firstId, int& value);

 private:
  HWND dialog_;
  bool saving_;
  bool failed_ = false;
};

}  // namespace ui
