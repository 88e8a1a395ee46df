// The framework's Win32 back end: dialogs from the program's resources, run
// in a modal loop of their own so that PreTranslateMessage sees every message.
#pragma once

#include <windows.h>

#include "ui/framework/backend.h"

namespace ui {
namespace win32 {

class Win32Backend : public Backend {
 public:
  explicit Win32Backend(HINSTANCE instance);

  int RunModal(Dialog& dialog, Dialog* parent) override;
  void ShowWaitCursor(bool wait) override;
  std::string LoadResourceString(int id) override;
  bool RegisterDialogClass(const std::string& className, const std::string& baseClass,
                           int iconResource) override;
  bool ActivateWindowOfClass(const std::string& className) override;

 private:
  HINSTANCE instance_;
};

}  // namespace win32
}  // namespace ui
