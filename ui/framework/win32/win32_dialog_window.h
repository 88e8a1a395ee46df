// A realised dialog window over an HWND, and the one dialog procedure that
// delivers the window's messages to its Dialog object.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <vector>

#include "ui/framework/dialog.h"
#include "ui/framework/dialog_window.h"
#include "ui/framework/win32/list_view_grid.h"
#include "ui/framework/win32/tool_tip.h"

namespace ui {
namespace win32 {

class Win32DialogWindow : public DialogWindow {
 public:
  explicit Win32DialogWindow(Dialog& dialog) : dialog_(dialog) {}

  HWND Handle() const { return hwnd_; }
  Dialog& Owner() const { return dialog_; }
  bool Ended() const { return ended_; }
  int Result() const { return result_; }

  // Creates the window from the dialog's template; null on failure.
  HWND Create(HINSTANCE instance, HWND owner);

  std::string ChildText(int index) const override;
  void SetChildText(int index, const std::string& text) override;
  bool HasItem(int id) const override;
  ControlKind ItemKind(int id) const override;
  int NextItem(int id) const override;
  bool ItemStartsGroup(int id) const override;
  std::string ItemText(int id) const override;
  void SetItemText(int id, const std::string& text) override;
  bool IsItemChecked(int id) const override;
  void SetItemChecked(int id, bool checked) override;
  bool IsItemEnabled(int id) const override;
  void EnableItem(int id, bool enable) override;
  bool IsItemVisible(int id) const override;
  void ShowItem(int id, bool show) override;
  Rect ItemRect(int id) const override;
  void MoveItem(int id, const Rect& rect) override;
  void FocusItem(int id) override;
  int FocusedItem() const override;
  GridControl* Grid(int id) override;
  ToolTip* CreateToolTip(int id) override;
  bool IsItemReadOnly(int id) const override;
  void SetItemReadOnly(int id, bool readOnly) override;
  bool IsItemTabStop(int id) const override;
  void SetItemTabStop(int id, bool tabStop) override;
  void SelectItemText(int id, int start, int end) override;
  void ScrollCaretIntoView(int id) override;

  std::string Title() const override;
  void SetTitle(const std::string& title) override;
  Rect WindowRect() const override;
  Rect ClientRect() const override;
  bool IsMinimized() const override;
  void SetIcon(int iconResource) override;
  void AppendSystemMenuItem(int command, const std::string& text) override;
  bool WindowFont(std::string* face, double* points) const override;
  std::string DefaultGuiFontFace() const override;
  void PaintMinimizedIcon(int iconResource) override;
  int ScaleForDpi(int pixels) const override;
  bool ChooseFolder(const std::string& start, std::string* chosen) override;
  bool ChooseFile(const FileChooser& request, std::string* path) override;

  void PostCommand(int id) override;
  void End(int result) override;
  int ShowMessage(const std::string& text, const std::string& caption,
                  MessageButtons buttons) override;
  bool TranslateDialogMessage(const NativeMessage* message) override;

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  // Sees the grid's mouse moves, which list-views do not report.
  static LRESULT CALLBACK GridProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR id, DWORD_PTR self);
  bool TranslateGridNotification(const NMHDR* header, Notification* n) const;
  INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
  HWND Child(int index) const;

  Dialog& dialog_;
  HWND hwnd_ = nullptr;
  bool ended_ = false;
  int result_ = kIdCancel;
  std::map<int, std::unique_ptr<ListViewGrid>> grids_;
  std::vector<std::unique_ptr<Win32ToolTip>> toolTips_;
};

std::string WindowText(HWND hwnd);

}  // namespace win32
}  // namespace ui
