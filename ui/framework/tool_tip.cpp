#include "ui/framework/tool_tip.h"

#include <commctrl.h>

#include <vector>

namespace ui {
namespace {

TOOLINFOA ToolInfo(HWND tool, char* text) {
  TOOLINFOA info = {};
  info.cbSize = sizeof(info);
  // The tool is the whole window, whatever size it takes later.
  info.uFlags = TTF_IDISHWND;
  info.hwnd = tool;
  info.uId = reinterpret_cast<UINT_PTR>(tool);
  info.lpszText = text;
  return info;
}

}  // namespace

void ToolTip::Create(HWND tool) {
  tool_ = tool;
  tip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP, CW_USEDEFAULT,
                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, tool, nullptr,
                         reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(tool, GWLP_HINSTANCE)),
                         nullptr);
  char empty[1] = {};
  TOOLINFOA info = ToolInfo(tool_, empty);
  SendMessageA(tip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

ToolTip::~ToolTip() {
  if (tip_ != nullptr && IsWindow(tip_)) DestroyWindow(tip_);
}

void ToolTip::SetDelays(int initialMs, int reshowMs, int autoPopMs) {
  SendMessageA(tip_, TTM_SETDELAYTIME, TTDT_INITIAL, MAKELPARAM(initialMs, 0));
  SendMessageA(tip_, TTM_SETDELAYTIME, TTDT_RESHOW, MAKELPARAM(reshowMs, 0));
  SendMessageA(tip_, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(autoPopMs, 0));
}

void ToolTip::SetMaxWidth(int pixels) { SendMessageA(tip_, TTM_SETMAXTIPWIDTH, 0, pixels); }

void ToolTip::SetText(const std::string& text) {
  std::vector<char> buffer(text.begin(), text.end());
  buffer.push_back('\0');
  TOOLINFOA info = ToolInfo(tool_, buffer.data());
  SendMessageA(tip_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
}

void ToolTip::Pop() { SendMessageA(tip_, TTM_POP, 0, 0); }

void ToolTip::Relay(MSG* message) {
  if (tip_ != nullptr) SendMessageA(tip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(message));
}

}  // namespace ui
