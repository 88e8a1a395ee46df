#include "tests/e2e/driver/dialog_controls.h"

#include <sstream>

#include "tests/e2e/driver/window_query.h"

namespace e2e {
namespace {

constexpr UINT kMessageTimeoutMs = 5000;

BOOL CALLBACK CollectChild(HWND window, LPARAM context) {
  reinterpret_cast<std::vector<HWND>*>(context)->push_back(window);
  return TRUE;
}

}  // namespace

bool SetControlText(HWND dialog, int controlId, const std::string& text) {
  HWND control = GetDlgItem(dialog, controlId);
  DWORD_PTR result = 0;
  return control != nullptr &&
         SendMessageTimeoutA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                             SMTO_ABORTIFHUNG, kMessageTimeoutMs, &result) &&
         result != FALSE;
}

std::string ControlText(HWND dialog, int controlId) {
  HWND control = GetDlgItem(dialog, controlId);
  return control != nullptr ? ReadWindowText(control) : std::string();
}

bool IsControlChecked(HWND dialog, int controlId) {
  HWND control = GetDlgItem(dialog, controlId);
  DWORD_PTR state = 0;
  return control != nullptr &&
         SendMessageTimeoutA(control, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, kMessageTimeoutMs,
                             &state) &&
         state == BST_CHECKED;
}

bool IsControlEnabled(HWND dialog, int controlId) {
  HWND control = GetDlgItem(dialog, controlId);
  return control != nullptr && IsWindowEnabled(control);
}

std::vector<HWND> Descendants(HWND root) {
  // EnumChildWindows already walks the whole tree, parents first.
  std::vector<HWND> found;
  EnumChildWindows(root, CollectChild, reinterpret_cast<LPARAM>(&found));
  return found;
}

HWND FindDescendant(HWND root, const std::string& className, int controlId) {
  for (HWND child : Descendants(root)) {
    if (WindowClassName(child) != className) continue;
    if (controlId == -1 || GetDlgCtrlID(child) == controlId) return child;
  }
  return nullptr;
}

std::string DescribeDescendants(HWND root) {
  std::ostringstream text;
  for (HWND child : Descendants(root)) {
    text << "id " << GetDlgCtrlID(child) << " parent id " << GetDlgCtrlID(GetParent(child)) << " "
         << WindowClassName(child) << (IsWindowVisible(child) ? " visible" : " hidden") << " \""
         << ReadWindowText(child) << "\"\n";
  }
  return text.str();
}

}  // namespace e2e
