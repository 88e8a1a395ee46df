// The modal dialog base class: constructed, preset, run with DoModal and read
// after OK. One dialog procedure delivers the window's messages to the
// virtual On... handlers that derived dialogs override; DoModal runs a
// message loop of its own, in which PreTranslateMessage sees every message.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "ui/framework/data_exchange.h"
#include "ui/framework/window.h"

namespace ui {

class Dialog : public Window {
 public:
  Dialog(int templateId, Dialog* parent);
  virtual ~Dialog();

  // Runs the dialog modally over its parent, which is disabled meanwhile:
  // IDOK, IDCANCEL, or -1 when the window could not be made.
  int DoModal();

  // Every message of the modal loop passes here first; true when used.
  virtual bool PreTranslateMessage(MSG* message);

 protected:
  virtual void DoDataExchange(DataExchange& dx);
  // The data exchange to the controls; the result is WM_INITDIALOG's.
  virtual BOOL OnInitDialog();
  // Routes IDOK and IDCANCEL to OnOK and OnCancel. A dialog's command has
  // no result to give, so every one counts as handled.
  virtual void OnCommand(int id, int notifyCode);
  // The notification's result, 0 where it has none.
  virtual LRESULT OnNotify(const NMHDR* header);
  virtual void OnOK();
  // Also the close box and Escape.
  virtual void OnCancel();
  virtual void OnSize(UINT type, int width, int height);
  // May change the proposed window rectangle.
  virtual void OnSizing(UINT edge, RECT* windowRect);
  // The window's monitor now has another DPI; the system suggests a window
  // rectangle for it, which a dialog that lays itself out takes. The others
  // only take the rectangle.
  virtual void OnDpiChanged(int dpi, const RECT& suggested);
  virtual void OnShowWindow(bool show, UINT status);
  // False leaves the command to the default processing.
  virtual bool OnSysCommand(UINT command);
  // F1, anywhere in the dialog; nothing unless a dialog offers help.
  virtual void OnHelp();
  // Right-click, Shift+F10 or the menu key in `window`; x and y are screen
  // coordinates, both -1 from the keyboard. False leaves it to the default.
  virtual bool OnContextMenu(HWND window, int x, int y);
  // Files dropped onto a dialog that accepts them (WS_EX_ACCEPTFILES).
  virtual void OnDropFiles(const std::vector<std::string>& paths);
  // Bytes of some kind that another program sent (WM_COPYDATA); any program
  // may send them. True when taken.
  virtual bool OnCopyData(ULONG_PTR kind, std::string_view bytes);

  // Runs the data exchange; false (and nothing more) when it failed.
  bool UpdateData(bool saveAndValidate = true);
  void EndDialog(int result);
  // Posts a button's command to the dialog itself, to run after the handler.
  void PostCommand(int id);
  // A modal message box owned by this dialog, titled with the program's
  // name, with the exclamation icon. Every message the user is shown comes
  // through here, so that a test may answer them itself.
  virtual int ShowMessage(const std::string& text, UINT buttons = MB_OK);
  // Moves the focus as the dialog manager does; an edit gets its text selected.
  void GotoDlgCtrl(int id);

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
  // Centres a dialog that its initialisation did not place.
  void CenterUnplaced(const RECT& before);

  int templateId_;
  Dialog* parent_;
  bool ended_ = false;
  int result_ = IDCANCEL;
};

}  // namespace ui
