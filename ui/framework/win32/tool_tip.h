// A tooltip control over one window, with a text the dialog sets.
#pragma once

#include <windows.h>

#include "ui/framework/grid.h"

namespace ui {
namespace win32 {

class Win32ToolTip : public ToolTip {
 public:
  // Creates the tooltip with `tool` as parent and as its one tool.
  explicit Win32ToolTip(HWND tool);
  ~Win32ToolTip() override;

  void SetDelays(int initialMs, int reshowMs, int autoPopMs) override;
  void SetMaxWidth(int pixels) override;
  void SetText(const std::string& text) override;
  void Pop() override;
  void Relay(const NativeMessage* message) override;

 private:
  HWND tool_;
  HWND tip_ = nullptr;
};

}  // namespace win32
}  // namespace ui
