// The modal dialog base class. A dialog is constructed, preset, run with
// DoModal and read after OK. Back ends call its handlers through
// DialogEvents; derived dialogs override the handlers they answer.
#pragma once

#include <string>

#include "ui/framework/data_exchange.h"
#include "ui/framework/dialog_window.h"
#include "ui/framework/types.h"

namespace ui {

struct Notification {
  int id = 0;
  int code = 0;
  int key = 0;     // kGridKeyDown
  float x = 0.0f;  // kGridMouseMove
  float y = 0.0f;
  const void* native = nullptr;  // the back end's own notification record
};

class Dialog {
 public:
  explicit Dialog(int templateId, Dialog* parent = nullptr);
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;
  virtual ~Dialog();

  // Runs the dialog modally; kIdOk, kIdCancel, or -1 when it could not open.
  int DoModal();
  int TemplateId() const { return templateId_; }
  // The realised window while the dialog runs, else null.
  DialogWindow* Window() const { return window_; }

  // Every message of the modal loop passes here first; true when used.
  virtual bool PreTranslateMessage(const NativeMessage* message);

 protected:
  virtual void DoDataExchange(DataExchange& dx);
  virtual bool OnInitDialog();
  // Routes IDOK and IDCANCEL to OnOK and OnCancel; true when handled.
  virtual bool OnCommand(int id, int notifyCode);
  virtual bool OnNotify(const Notification& notification);
  virtual void OnOK();
  virtual void OnCancel();
  virtual void OnSize(int type, int width, int height);
  // May change the proposed window rectangle.
  virtual void OnSizing(int edge, Rect* windowRect);
  // False leaves the painting to the dialog's default.
  virtual bool OnPaint();
  virtual void OnShowWindow(bool show, int status);
  // False leaves the command to the default processing.
  virtual bool OnSysCommand(unsigned command);
  // The icon resource shown while a minimised window is dragged; 0 for none.
  virtual int OnQueryDragIcon();

  // Runs the data exchange; false (and nothing more) when it failed.
  bool UpdateData(bool saveAndValidate = true);
  void EndDialog(int result);
  void PostCommand(int id);
  // A modal message box owned by this dialog, titled with the program's name,
  // with the exclamation icon.
  int ShowMessage(const std::string& text, MessageButtons buttons = MessageButtons::kOk);
  void GotoDlgCtrl(int id);

 private:
  friend class DialogEvents;

  int templateId_;
  Dialog* parent_;
  DialogWindow* window_ = nullptr;
};

// The entry points the back ends use to deliver events to a dialog.
class DialogEvents {
 public:
  static void Attach(Dialog& dialog, DialogWindow* window) { dialog.window_ = window; }
  static bool InitDialog(Dialog& dialog) { return dialog.OnInitDialog(); }
  static bool Command(Dialog& dialog, int id, int code) { return dialog.OnCommand(id, code); }
  static bool Notify(Dialog& dialog, const Notification& n) { return dialog.OnNotify(n); }
  static void Close(Dialog& dialog) { dialog.OnCancel(); }
  static void Size(Dialog& dialog, int type, int w, int h) { dialog.OnSize(type, w, h); }
  static void Sizing(Dialog& dialog, int edge, Rect* r) { dialog.OnSizing(edge, r); }
  static bool Paint(Dialog& dialog) { return dialog.OnPaint(); }
  static void ShowWindow(Dialog& dialog, bool show, int status) {
    dialog.OnShowWindow(show, status);
  }
  static bool SysCommand(Dialog& dialog, unsigned command) { return dialog.OnSysCommand(command); }
  static int QueryDragIcon(Dialog& dialog) { return dialog.OnQueryDragIcon(); }
};

}  // namespace ui
