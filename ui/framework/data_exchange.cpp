#include "ui/framework/data_exchange.h"

#include "ui/framework/window.h"

namespace ui {
namespace {

bool IsRadio(HWND control) {
  char name[16] = {};
  GetClassNameA(control, name, static_cast<int>(sizeof(name)));
  const LONG type = GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK;
  return lstrcmpiA(name, "Button") == 0 && (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON);
}

}  // namespace

void DataExchange::Text(int id, std::string& value) {
  HWND control = GetDlgItem(dialog_, id);
  if (control == nullptr) {
    failed_ = true;
  } else if (saving_) {
    value = WindowText(control);
  } else {
    SetWindowTextA(control, value.c_str());
  }
}

void DataExchange::Radio(int firstId, int& value) {
  HWND control = GetDlgItem(dialog_, firstId);
  if (control == nullptr) {
    failed_ = true;
    return;
  }
  if (saving_) value = -1;
  int index = 0;
  do {
    if (IsRadio(control)) {
      if (saving_) {
        if (SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED) value = index;
      } else {
        SendMessageA(control, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
      }
      ++index;
    }
    control = GetWindow(control, GW_HWNDNEXT);
  } while (control != nullptr && (GetWindowLongA(control, GWL_STYLE) & WS_GROUP) == 0);
}

}  // namespace ui
