// Data exchange between a dialog's members and its controls, in either
// direction, as a dialog's DoDataExchange describes it.
#pragma once

#include <string>

namespace ui {

class DialogWindow;

class DataExchange {
 public:
  DataExchange(DialogWindow& window, bool saveAndValidate)
      : window_(window), saving_(saveAndValidate) {}

  bool Saving() const { return saving_; }
  bool Failed() const { return failed_; }
  void Fail() { failed_ = true; }

  // The text of an edit (or any control with a text).
  void Text(int id, std::string& value);
  // The index of the checked radio in the group that starts at `firstId`,
  // -1 when none is checked. Radios of a group run up to the next control
  // that starts a group; other controls in between are passed over.
  void Radio(int firstId, int& value);

 private:
  DialogWindow& window_;
  bool saving_;
  bool failed_ = false;
};

}  // namespace ui
