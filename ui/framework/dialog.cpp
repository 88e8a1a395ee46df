#include "ui/framework/dialog.h"

#include "ui/framework/application.h"
#include "ui/framework/backend.h"

namespace ui {

Dialog::Dialog(int templateId, Dialog* parent) : templateId_(templateId), parent_(parent) {}

Dialog::~Dialog() = default;

int Dialog::DoModal() { return CurrentBackend().RunModal(*this, parent_); }

bool Dialog::PreTranslateMessage(const NativeMessage* message) {
  return window_ != nullptr && window_->TranslateDialogMessage(message);
}

void Dialog::DoDataExchange(DataExchange&) {}

bool Dialog::OnInitDialog() {
  UpdateData(false);
  return true;
}

bool Dialog::OnCommand(int id, int) {
  if (id == kIdOk) {
    OnOK();
    return true;
  }
  if (id == kIdCancel) {
    OnCancel();
    return true;
  }
  return false;
}

bool Dialog::OnNotify(const Notification&) { return false; }

void Dialog::OnOK() {
  if (UpdateData(true)) EndDialog(kIdOk);
}

void Dialog::OnCancel() { EndDialog(kIdCancel); }

void Dialog::OnSize(int, int, int) {}

void Dialog::OnSizing(int, Rect*) {}

bool Dialog::OnPaint() { return false; }

void Dialog::OnShowWindow(bool, int) {}

bool Dialog::OnSysCommand(unsigned) { return false; }

int Dialog::OnQueryDragIcon() { return 0; }

bool Dialog::UpdateData(bool saveAndValidate) {
  if (window_ == nullptr) return false;
  DataExchange dx(*window_, saveAndValidate);
  DoDataExchange(dx);
  return !dx.Failed();
}

void Dialog::EndDialog(int result) {
  if (window_ != nullptr) window_->End(result);
}

void Dialog::PostCommand(int id) {
  if (window_ != nullptr) window_->PostCommand(id);
}

int Dialog::ShowMessage(const std::string& text, MessageButtons buttons) {
  if (window_ == nullptr) return kIdCancel;
  const Application* app = App();
  return window_->ShowMessage(text, app != nullptr ? app->ExeName() : std::string(), buttons);
}

void Dialog::GotoDlgCtrl(int id) {
  if (window_ != nullptr) window_->FocusItem(id);
}

}  // namespace ui
