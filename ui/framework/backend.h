// What the framework needs from a window system: the Win32 one for the
// program, the in-memory one for the unit tests.
#pragma once

#include <string>

namespace ui {

class Dialog;

class Backend {
 public:
  virtual ~Backend() = default;

  // Realises the dialog from its template, runs it modally over `parent`
  // (none for a top-level dialog) and gives its result; -1 when the window
  // could not be created.
  virtual int RunModal(Dialog& dialog, Dialog* parent) = 0;
  virtual void ShowWaitCursor(bool wait) = 0;
  virtual std::string LoadResourceString(int id) = 0;
  // Registers `className` as a copy of `baseClass` with the given icon, unless
  // it is registered already.
  virtual bool RegisterDialogClass(const std::string& className, const std::string& baseClass,
                                   int iconResource) = 0;
  // Finds a top-level window of the class; restores it when minimised and
  // brings its last active pop-up to the front. False when there is none.
  virtual bool ActivateWindowOfClass(const std::string& className) = 0;
};

Backend& CurrentBackend();
void SetCurrentBackend(Backend* backend);

}  // namespace ui
