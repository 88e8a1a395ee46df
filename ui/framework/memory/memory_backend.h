// The framework's in-memory back end: it realises the program's dialog
// templates as plain objects so that the dialogs' own code runs in unit
// tests. A test scripts each modal dialog (what the user does while it is
// open), answers message boxes, and inspects the controls.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/framework/backend.h"
#include "ui/framework/dialog.h"
#include "ui/framework/memory/memory_grid.h"
#include "ui/framework/memory/resource_script.h"

namespace ui {
namespace memory {

class MemoryBackend;

struct MemoryControl {
  ControlTemplate source;
  std::string text;
  Rect rect;  // pixels, client coordinates
  bool visible = true;
  bool enabled = true;
  bool checked = false;
  bool readOnly = false;
  bool tabStop = false;
  bool caretScrolled = false;
  int selectionStart = 0;
  int selectionEnd = 0;
};

struct MessageBoxRecord {
  std::string text;
  std::string caption;
  MessageButtons buttons = MessageButtons::kOk;
  int templateId = 0;  // the owning dialog's template
  int answer = 0;
};

class MemoryDialogWindow : public DialogWindow {
 public:
  MemoryDialogWindow(MemoryBackend& backend, Dialog& dialog, const DialogTemplate& source);

  // What a user does; each delivers the events a real window would and then
  // handles posted commands. False when the control cannot take the action
  // (missing, hidden or disabled) or the dialog has ended.
  bool Type(int id, const std::string& text);
  bool Click(int id);
  bool PressEnter();   // the default push button
  bool PressEscape();  // IDCANCEL
  bool CloseBox();
  bool SystemCommand(unsigned command);
  // The user drags an edge to the proposed window rectangle; gives the result.
  Rect DragBorder(int edge, const Rect& proposed);
  void Minimize(bool minimized);
  // The grid's events: the pointer over a cell (row and column under it,
  // -1 for none) at x, y; a double click; a key pressed in the grid.
  bool MoveMouseOverGrid(int id, int row, int col, float x, float y);
  bool DoubleClickGrid(int id);
  bool PressKeyInGrid(int id, int key);

  bool Ended() const { return ended_; }
  int Result() const { return result_; }
  const DialogTemplate& Source() const { return source_; }
  const MemoryControl* Control(int id) const;
  const std::vector<std::pair<int, std::string>>& SystemMenu() const { return systemMenu_; }
  int Icon() const { return icon_; }
  MemoryGrid* GridOf(int id);
  MemoryToolTip* ToolTipOf(int id);
  void HandlePosted();

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
  int FocusedItem() const override { return focus_; }
  GridControl* Grid(int id) override { return GridOf(id); }
  ToolTip* CreateToolTip(int id) override;
  bool IsItemReadOnly(int id) const override;
  void SetItemReadOnly(int id, bool readOnly) override;
  bool IsItemTabStop(int id) const override;
  void SetItemTabStop(int id, bool tabStop) override;
  void SelectItemText(int id, int start, int end) override;
  void ScrollCaretIntoView(int id) override;

  std::string Title() const override { return title_; }
  void SetTitle(const std::string& title) override { title_ = title; }
  Rect WindowRect() const override { return windowRect_; }
  Rect ClientRect() const override;
  bool IsMinimized() const override { return minimized_; }
  void SetIcon(int iconResource) override { icon_ = iconResource; }
  void AppendSystemMenuItem(int command, const std::string& text) override;
  bool WindowFont(std::string* face, double* points) const override;
  std::string DefaultGuiFontFace() const override { return "MS UI Gothic"; }
  void PaintMinimizedIcon(int iconResource) override { paintedIcon_ = iconResource; }
  int PaintedIcon() const { return paintedIcon_; }
  int ScaleForDpi(int pixels) const override;
  bool ChooseFolder(const std::string& start, std::string* chosen) override;
  bool ChooseFile(const FileChooser& request, std::string* path) override;

  void PostCommand(int id) override { posted_.push_back(id); }
  void End(int result) override;
  int ShowMessage(const std::string& text, const std::string& caption,
                  MessageButtons buttons) override;
  bool TranslateDialogMessage(const NativeMessage*) override { return false; }

 private:
  MemoryControl* Find(int id);
  bool CanAct(int id) const;
  void Command(int id, int code);
  void CheckRadioInGroup(int id);

  MemoryBackend& backend_;
  Dialog& dialog_;
  const DialogTemplate& source_;
  std::vector<MemoryControl> controls_;
  std::vector<std::pair<int, std::string>> systemMenu_;
  std::map<int, std::unique_ptr<MemoryGrid>> grids_;
  std::map<int, std::unique_ptr<MemoryToolTip>> toolTips_;
  std::deque<int> posted_;
  std::string title_;
  Rect windowRect_;
  int frame_ = 0;
  int captionHeight_ = 0;
  int focus_ = 0;
  int icon_ = 0;
  int paintedIcon_ = 0;
  bool minimized_ = false;
  bool ended_ = false;
  int result_ = kIdCancel;
};

class MemoryBackend : public Backend {
 public:
  using Script = std::function<void(MemoryDialogWindow&)>;

  MemoryBackend();

  // What the user does while the dialog of that template is open. Scripts
  // queued for the same template run for its successive openings, in order.
  void OnDialog(int templateId, Script script);
  void AnswerMessageBoxes(std::initializer_list<int> answers);
  // What the user picks in the next folder or file chooser; nullopt cancels,
  // and so does a chooser with nothing queued.
  void QueueFolderChoice(std::optional<std::string> folder) { folders_.push_back(folder); }
  void QueueFileChoice(std::optional<std::string> file) { files_.push_back(file); }
  void SetDpi(int dpi) { dpi_ = dpi; }
  int Dpi() const { return dpi_; }
  const std::vector<std::string>& FolderRequests() const { return folderRequests_; }
  const std::vector<FileChooser>& FileRequests() const { return fileRequests_; }

  const std::vector<MessageBoxRecord>& MessageBoxes() const { return messageBoxes_; }
  // Templates of dialogs that opened with no script, or that a script left open.
  const std::vector<int>& UnscriptedDialogs() const { return unscripted_; }
  const std::vector<int>& OpenedDialogs() const { return opened_; }
  bool WaitCursorShown() const { return waitCursor_; }
  int WaitCursorChanges() const { return waitCursorChanges_; }
  const std::vector<std::string>& RegisteredClasses() const { return classes_; }
  // Makes ActivateWindowOfClass find a window of another instance.
  void SetOtherInstanceRunning(bool running) { otherInstance_ = running; }
  int Activations() const { return activations_; }

  int RunModal(Dialog& dialog, Dialog* parent) override;
  void ShowWaitCursor(bool wait) override;
  std::string LoadResourceString(int id) override;
  bool RegisterDialogClass(const std::string& className, const std::string& baseClass,
                           int iconResource) override;
  bool ActivateWindowOfClass(const std::string& className) override;

 private:
  friend class MemoryDialogWindow;
  int NextAnswer(const MessageBoxRecord& record);
  static bool NextChoice(std::deque<std::optional<std::string>>* queue, std::string* choice);

  std::map<int, std::deque<Script>> scripts_;
  std::deque<int> answers_;
  std::deque<std::optional<std::string>> folders_;
  std::deque<std::optional<std::string>> files_;
  std::vector<std::string> folderRequests_;
  std::vector<FileChooser> fileRequests_;
  int dpi_ = 96;
  std::vector<MessageBoxRecord> messageBoxes_;
  std::vector<int> unscripted_;
  std::vector<int> opened_;
  std::vector<std::string> classes_;
  bool waitCursor_ = false;
  int waitCursorChanges_ = 0;
  bool otherInstance_ = false;
  int activations_ = 0;
};

}  // namespace memory
}  // namespace ui
