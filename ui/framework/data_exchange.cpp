#include "ui/framework/data_exchange.h"

#include "ui/framework/dialog_window.h"

namespace ui {

void DataExchange::Text(int id, std::string& value) {
  if (!window_.HasItem(id)) {
    Fail();
    return;
  }
  if (saving_) {
    value = window_.ItemText(id);
  } else {
    window_.SetItemText(id, value);
  }
}

void DataExchange::Radio(int firstId, int& value) {
  if (!window_.HasItem(firstId)) {
    Fail();
    return;
  }
  if (saving_) value = -1;
  int index = 0;
  int id = firstId;
  do {
    if (window_.ItemKind(id) == ControlKind::kRadio) {
      if (saving_) {
        if (window_.IsItemChecked(id)) value = index;
      } else {
        window_.SetItemChecked(id, index == value);
      }
      ++index;
    }
    id = window_.NextItem(id);
  } while (id != 0 && !window_.ItemStartsGroup(id));
}

}  // namespace ui
