// One realised dialog window as its dialog class sees it. The Win32 back end
// wraps an HWND, the in-memory back end a window built from the same template.
#pragma once

#include <string>

#include "ui/framework/file_chooser.h"
#include "ui/framework/grid.h"
#include "ui/framework/types.h"

namespace ui {

class DialogWindow {
 public:
  DialogWindow() = default;
  DialogWindow(const DialogWindow&) = delete;
  DialogWindow& operator=(const DialogWindow&) = delete;
  virtual ~DialogWindow() = default;

  // Controls by their place among the window's children (0 first); for
  // statics that share one id.
  virtual std::string ChildText(int index) const = 0;
  virtual void SetChildText(int index, const std::string& text) = 0;

  // Controls, by id.
  virtual bool HasItem(int id) const = 0;
  virtual ControlKind ItemKind(int id) const = 0;
  // The control after `id` in tab order (the first one for 0); 0 at the end.
  virtual int NextItem(int id) const = 0;
  virtual bool ItemStartsGroup(int id) const = 0;
  virtual std::string ItemText(int id) const = 0;
  virtual void SetItemText(int id, const std::string& text) = 0;
  virtual bool IsItemChecked(int id) const = 0;
  virtual void SetItemChecked(int id, bool checked) = 0;
  virtual bool IsItemEnabled(int id) const = 0;
  virtual void EnableItem(int id, bool enable) = 0;
  virtual bool IsItemVisible(int id) const = 0;
  virtual void ShowItem(int id, bool show) = 0;
  // Rectangle in the dialog's client coordinates.
  virtual Rect ItemRect(int id) const = 0;
  // Moves and sizes a control without changing the Z order or activating it.
  virtual void MoveItem(int id, const Rect& rect) = 0;
  // Moves the focus as the dialog manager does; an edit gets its text selected.
  virtual void FocusItem(int id) = 0;
  virtual int FocusedItem() const = 0;

  // The grid shown by a list-view control, owned by the window; null when
  // there is no such control.
  virtual GridControl* Grid(int id) = 0;
  // Creates the tooltip of a control, owned by the window.
  virtual ToolTip* CreateToolTip(int id) = 0;

  // Edits.
  virtual bool IsItemReadOnly(int id) const = 0;
  virtual void SetItemReadOnly(int id, bool readOnly) = 0;
  virtual bool IsItemTabStop(int id) const = 0;
  virtual void SetItemTabStop(int id, bool tabStop) = 0;
  // Selects characters start to end of an edit; end -1 runs to the end.
  virtual void SelectItemText(int id, int start, int end) = 0;
  virtual void ScrollCaretIntoView(int id) = 0;

  // The window itself.
  virtual std::string Title() const = 0;
  virtual void SetTitle(const std::string& title) = 0;
  virtual Rect WindowRect() const = 0;  // screen coordinates
  virtual Rect ClientRect() const = 0;  // (0, 0, width, height)
  virtual bool IsMinimized() const = 0;
  virtual void SetIcon(int iconResource) = 0;
  virtual void AppendSystemMenuItem(int command, const std::string& text) = 0;
  // The face and point size of the window's own font; false when it has
  // no face name.
  virtual bool WindowFont(std::string* face, double* points) const = 0;
  // The face of the system's default GUI font ("" when it has none).
  virtual std::string DefaultGuiFontFace() const = 0;
  // Paints the icon in the middle of the client area of a minimised window.
  virtual void PaintMinimizedIcon(int iconResource) = 0;
  // A size in pixels at 96 dots per inch, scaled to the display's density.
  virtual int ScaleForDpi(int pixels) const = 0;

  // The platform's choosers, owned by this window; false when cancelled.
  virtual bool ChooseFolder(const std::string& start, std::string* chosen) = 0;
  virtual bool ChooseFile(const FileChooser& request, std::string* path) = 0;

  virtual void PostCommand(int id) = 0;
  virtual void End(int result) = 0;
  virtual int ShowMessage(const std::string& text, const std::string& caption,
                          MessageButtons buttons) = 0;
  // The dialog's own keyboard translation (IsDialogMessage); true when used.
  virtual bool TranslateDialogMessage(const NativeMessage* message) = 0;
};

}  // namespace ui
