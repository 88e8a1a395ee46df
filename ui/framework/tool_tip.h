// A tooltip control over one window, showing a text the dialog sets.
#pragma once

#include <windows.h>

#include <string>

namespace ui {

class ToolTip {
 public:
  ToolTip() = default;
  ToolTip(const ToolTip&) = delete;
  ToolTip& operator=(const ToolTip&) = delete;
  ~ToolTip();

  // Creates the tooltip with `tool` as parent and as its one tool, covering
  // the whole of it.
  void Create(HWND tool);

  void SetDelays(int initialMs, int reshowMs, int autoPopMs);
  void SetMaxWidth(int pixels);
  void SetText(const std::string& text);
  void Pop();
  // Lets the tooltip see a message of the modal loop (mouse moves above all).
  void Relay(MSG* message);

 private:
  HWND tool_ = nullptr;
  HWND tip_ = nullptr;
};

}  // namespace ui
