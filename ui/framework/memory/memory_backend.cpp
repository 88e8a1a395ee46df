#include "ui/framework/memory/memory_backend.h"

#include <algorithm>

namespace ui {
namespace memory {
namespace {

// "MS Shell Dlg" 8 point at 96 dots per inch: 6 by 13 pixels a character,
// so a horizontal dialog unit is 6/4 pixels and a vertical one 13/8.
int HorizontalPixels(int units) { return (units * 6 + 2) / 4; }
int VerticalPixels(int units) { return (units * 13 + 4) / 8; }

const unsigned long kGroup = 0x00020000UL;
const unsigned long kTabStop = 0x00010000UL;
const unsigned long kEditReadOnly = 0x0800UL;
const unsigned long kVisible = 0x10000000UL;
const unsigned long kDisabled = 0x08000000UL;
const unsigned long kThickFrame = 0x00040000UL;
const unsigned long kTypeMask = 0x0FUL;
const int kButtonClicked = 0;
const int kEditChanged = 0x0300;
const int kSizeRestored = 0;
const int kSizeMinimized = 1;

bool IsButton(const ControlTemplate& c) { return c.className == "Button"; }

}  // namespace

MemoryDialogWindow::MemoryDialogWindow(MemoryBackend& backend, Dialog& dialog,
                                       const DialogTemplate& source)
    : backend_(backend), dialog_(dialog), source_(source), title_(source.caption) {
  frame_ = (source.style & kThickFrame) != 0 ? 8 : 3;
  captionHeight_ = 23;
  windowRect_ = Rect{0, 0, HorizontalPixels(source.cx) + 2 * frame_,
                     VerticalPixels(source.cy) + 2 * frame_ + captionHeight_};
  for (const ControlTemplate& c : source.controls) {
    MemoryControl m;
    m.source = c;
    m.text = c.text;
    m.rect = Rect{HorizontalPixels(c.x), VerticalPixels(c.y), HorizontalPixels(c.x + c.cx),
                  VerticalPixels(c.y + c.cy)};
    m.visible = (c.style & kVisible) != 0;
    m.enabled = (c.style & kDisabled) == 0;
    m.tabStop = (c.style & kTabStop) != 0;
    m.readOnly = c.className == "Edit" && (c.style & kEditReadOnly) != 0;
    controls_.push_back(m);
  }
}

MemoryControl* MemoryDialogWindow::Find(int id) {
  for (MemoryControl& c : controls_) {
    if (c.source.id == id) return &c;
  }
  return nullptr;
}

const MemoryControl* MemoryDialogWindow::Control(int id) const {
  return const_cast<MemoryDialogWindow*>(this)->Find(id);
}

bool MemoryDialogWindow::CanAct(int id) const {
  const MemoryControl* c = Control(id);
  return !ended_ && c != nullptr && c->visible && c->enabled;
}

void MemoryDialogWindow::Command(int id, int code) {
  DialogEvents::Command(dialog_, id, code);
  HandlePosted();
}

void MemoryDialogWindow::HandlePosted() {
  while (!ended_ && !posted_.empty()) {
    int id = posted_.front();
    posted_.pop_front();
    DialogEvents::Command(dialog_, id, kButtonClicked);
  }
}

bool MemoryDialogWindow::Type(int id, const std::string& text) {
  MemoryControl* c = Find(id);
  if (!CanAct(id) || c->source.className != "Edit" || c->readOnly) return false;
  c->text = text;
  focus_ = id;
  Command(id, kEditChanged);
  return true;
}

void MemoryDialogWindow::CheckRadioInGroup(int id) {
  // The group runs from the nearest group start at or before the radio to
  // the next group start after it.
  std::size_t index = 0;
  while (controls_[index].source.id != id) ++index;
  std::size_t first = index;
  while (first > 0 && (controls_[first].source.style & kGroup) == 0) --first;
  for (std::size_t i = first; i < controls_.size(); ++i) {
    if (i > first && (controls_[i].source.style & kGroup) != 0) break;
    if (ItemKind(controls_[i].source.id) == ControlKind::kRadio) {
      controls_[i].checked = i == index;
    }
  }
}

bool MemoryDialogWindow::Click(int id) {
  if (!CanAct(id) || !IsButton(Find(id)->source)) return false;
  if (ItemKind(id) == ControlKind::kGroupBox) return false;
  if ((Find(id)->source.style & kTypeMask) == 9) CheckRadioInGroup(id);
  focus_ = id;
  Command(id, kButtonClicked);
  return true;
}

bool MemoryDialogWindow::PressEnter() {
  if (ended_) return false;
  for (const MemoryControl& c : controls_) {
    if (IsButton(c.source) && (c.source.style & kTypeMask) == 1) {
      if (!c.enabled) return false;
      Command(c.source.id, kButtonClicked);
      return true;
    }
  }
  Command(kIdOk, kButtonClicked);
  return true;
}

bool MemoryDialogWindow::PressEscape() {
  if (ended_) return false;
  Command(kIdCancel, kButtonClicked);
  return true;
}

bool MemoryDialogWindow::CloseBox() {
  if (ended_) return false;
  DialogEvents::Close(dialog_);
  HandlePosted();
  return true;
}

bool MemoryDialogWindow::SystemCommand(unsigned command) {
  if (ended_) return false;
  bool handled = DialogEvents::SysCommand(dialog_, command);
  HandlePosted();
  return handled;
}

Rect MemoryDialogWindow::DragBorder(int edge, const Rect& proposed) {
  Rect r = proposed;
  DialogEvents::Sizing(dialog_, edge, &r);
  windowRect_ = r;
  Rect client = ClientRect();
  DialogEvents::Size(dialog_, kSizeRestored, client.Width(), client.Height());
  HandlePosted();
  return r;
}

void MemoryDialogWindow::Minimize(bool minimized) {
  minimized_ = minimized;
  Rect client = ClientRect();
  DialogEvents::Size(dialog_, minimized ? kSizeMinimized : kSizeRestored,
                     minimized ? 0 : client.Width(), minimized ? 0 : client.Height());
}

MemoryGrid* MemoryDialogWindow::GridOf(int id) {
  if (ItemKind(id) != ControlKind::kListView) return nullptr;
  std::unique_ptr<MemoryGrid>& grid = grids_[id];
  if (!grid) grid = std::make_unique<MemoryGrid>();
  return grid.get();
}

MemoryToolTip* MemoryDialogWindow::ToolTipOf(int id) {
  auto found = toolTips_.find(id);
  return found == toolTips_.end() ? nullptr : found->second.get();
}

ToolTip* MemoryDialogWindow::CreateToolTip(int id) {
  std::unique_ptr<MemoryToolTip>& tip = toolTips_[id];
  tip = std::make_unique<MemoryToolTip>();
  return tip.get();
}

bool MemoryDialogWindow::MoveMouseOverGrid(int id, int row, int col, float x, float y) {
  MemoryGrid* grid = GridOf(id);
  if (ended_ || grid == nullptr) return false;
  grid->PointAt(row, col);
  Notification n;
  n.id = id;
  n.code = kGridMouseMove;
  n.x = x;
  n.y = y;
  DialogEvents::Notify(dialog_, n);
  HandlePosted();
  return true;
}

bool MemoryDialogWindow::DoubleClickGrid(int id) {
  if (!CanAct(id) || GridOf(id) == nullptr) return false;
  Notification n;
  n.id = id;
  n.code = kGridDoubleClick;
  DialogEvents::Notify(dialog_, n);
  HandlePosted();
  return true;
}

bool MemoryDialogWindow::PressKeyInGrid(int id, int key) {
  if (!CanAct(id) || GridOf(id) == nullptr) return false;
  focus_ = id;
  Notification n;
  n.id = id;
  n.code = kGridKeyDown;
  n.key = key;
  DialogEvents::Notify(dialog_, n);
  HandlePosted();
  return true;
}

std::string MemoryDialogWindow::ChildText(int index) const {
  if (index < 0 || index >= static_cast<int>(controls_.size())) return std::string();
  return controls_[static_cast<std::size_t>(index)].text;
}

void MemoryDialogWindow::SetChildText(int index, const std::string& text) {
  if (index >= 0 && index < static_cast<int>(controls_.size())) {
    controls_[static_cast<std::size_t>(index)].text = text;
  }
}

bool MemoryDialogWindow::HasItem(int id) const { return Control(id) != nullptr; }

ControlKind MemoryDialogWindow::ItemKind(int id) const {
  const MemoryControl* c = Control(id);
  if (c == nullptr) return ControlKind::kOther;
  const std::string& cls = c->source.className;
  if (cls == "Button") {
    switch (c->source.style & kTypeMask) {
      case 4:
      case 9:
        return ControlKind::kRadio;
      case 7:
        return ControlKind::kGroupBox;
      default:
        return ControlKind::kPushButton;
    }
  }
  if (cls == "Edit") return ControlKind::kEdit;
  if (cls == "Static") return ControlKind::kStatic;
  if (cls == "SysListView32") return ControlKind::kListView;
  return ControlKind::kOther;
}

int MemoryDialogWindow::NextItem(int id) const {
  if (id == 0) return controls_.empty() ? 0 : controls_.front().source.id;
  for (std::size_t i = 0; i + 1 < controls_.size(); ++i) {
    if (controls_[i].source.id == id) return controls_[i + 1].source.id;
  }
  return 0;
}

bool MemoryDialogWindow::ItemStartsGroup(int id) const {
  const MemoryControl* c = Control(id);
  return c != nullptr && (c->source.style & kGroup) != 0;
}

std::string MemoryDialogWindow::ItemText(int id) const {
  const MemoryControl* c = Control(id);
  return c != nullptr ? c->text : std::string();
}

void MemoryDialogWindow::SetItemText(int id, const std::string& text) {
  if (MemoryControl* c = Find(id)) c->text = text;
}

bool MemoryDialogWindow::IsItemChecked(int id) const {
  const MemoryControl* c = Control(id);
  return c != nullptr && c->checked;
}

void MemoryDialogWindow::SetItemChecked(int id, bool checked) {
  if (MemoryControl* c = Find(id)) c->checked = checked;
}

bool MemoryDialogWindow::IsItemEnabled(int id) const {
  const MemoryControl* c = Control(id);
  return c != nullptr && c->enabled;
}

void MemoryDialogWindow::EnableItem(int id, bool enable) {
  if (MemoryControl* c = Find(id)) c->enabled = enable;
}

bool MemoryDialogWindow::IsItemVisible(int id) const {
  const MemoryControl* c = Control(id);
  return c != nullptr && c->visible;
}

void MemoryDialogWindow::ShowItem(int id, bool show) {
  if (MemoryControl* c = Find(id)) c->visible = show;
}

Rect MemoryDialogWindow::ItemRect(int id) const {
  const MemoryControl* c = Control(id);
  return c != nullptr ? c->rect : Rect();
}

void MemoryDialogWindow::MoveItem(int id, const Rect& rect) {
  if (MemoryControl* c = Find(id)) c->rect = rect;
}

void MemoryDialogWindow::FocusItem(int id) {
  MemoryControl* c = Find(id);
  if (c == nullptr) return;
  focus_ = id;
  if (c->source.className == "Edit") {
    c->selectionStart = 0;
    c->selectionEnd = static_cast<int>(c->text.size());
  }
}

bool MemoryDialogWindow::IsItemReadOnly(int id) const {
  const MemoryControl* c = Control(id);
  return c != nullptr && c->readOnly;
}

void MemoryDialogWindow::SetItemReadOnly(int id, bool readOnly) {
  if (MemoryControl* c = Find(id)) c->readOnly = readOnly;
}

bool MemoryDialogWindow::IsItemTabStop(int id) const {
  const MemoryControl* c = Control(id);
  return c != nullptr && c->tabStop;
}

void MemoryDialogWindow::SetItemTabStop(int id, bool tabStop) {
  if (MemoryControl* c = Find(id)) c->tabStop = tabStop;
}

void MemoryDialogWindow::SelectItemText(int id, int start, int end) {
  MemoryControl* c = Find(id);
  if (c == nullptr) return;
  const int length = static_cast<int>(c->text.size());
  c->selectionStart = start < 0 ? length : std::min(start, length);
  c->selectionEnd = end < 0 ? length : std::min(end, length);
  c->caretScrolled = false;
}

void MemoryDialogWindow::ScrollCaretIntoView(int id) {
  if (MemoryControl* c = Find(id)) c->caretScrolled = true;
}

bool MemoryDialogWindow::WindowFont(std::string* face, double* points) const {
  // The template's font, 8 point, measured as 96-dpi pixels give it: 11
  // pixels less no internal leading make 8.25 points.
  *face = source_.fontFace;
  *points = 11 * 72.0 / 96;
  return !face->empty();
}

int MemoryDialogWindow::ScaleForDpi(int pixels) const {
  return (pixels * backend_.Dpi() + 48) / 96;
}

bool MemoryDialogWindow::ChooseFolder(const std::string& start, std::string* chosen) {
  backend_.folderRequests_.push_back(start);
  return MemoryBackend::NextChoice(&backend_.folders_, chosen);
}

bool MemoryDialogWindow::ChooseFile(const FileChooser& request, std::string* path) {
  backend_.fileRequests_.push_back(request);
  return MemoryBackend::NextChoice(&backend_.files_, path);
}

Rect MemoryDialogWindow::ClientRect() const {
  return Rect{0, 0, windowRect_.Width() - 2 * frame_,
              windowRect_.Height() - 2 * frame_ - captionHeight_};
}

void MemoryDialogWindow::AppendSystemMenuItem(int command, const std::string& text) {
  systemMenu_.emplace_back(0, std::string());
  systemMenu_.emplace_back(command, text);
}

void MemoryDialogWindow::End(int result) {
  if (ended_) return;
  ended_ = true;
  result_ = result;
}

int MemoryDialogWindow::ShowMessage(const std::string& text, const std::string& caption,
                                    MessageButtons buttons) {
  MessageBoxRecord record;
  record.text = text;
  record.caption = caption;
  record.buttons = buttons;
  record.templateId = source_.id;
  return backend_.NextAnswer(record);
}

MemoryBackend::MemoryBackend() = default;

void MemoryBackend::OnDialog(int templateId, Script script) {
  scripts_[templateId].push_back(std::move(script));
}

void MemoryBackend::AnswerMessageBoxes(std::initializer_list<int> answers) {
  answers_.insert(answers_.end(), answers.begin(), answers.end());
}

int MemoryBackend::NextAnswer(const MessageBoxRecord& record) {
  MessageBoxRecord r = record;
  r.answer = kIdOk;
  if (!answers_.empty()) {
    r.answer = answers_.front();
    answers_.pop_front();
  }
  messageBoxes_.push_back(r);
  return r.answer;
}

bool MemoryBackend::NextChoice(std::deque<std::optional<std::string>>* queue, std::string* choice) {
  if (queue->empty()) return false;
  std::optional<std::string> next = queue->front();
  queue->pop_front();
  if (!next) return false;
  *choice = *next;
  return true;
}

int MemoryBackend::RunModal(Dialog& dialog, Dialog*) {
  const DialogTemplate* source = ResourceScript::Program().FindDialog(dialog.TemplateId());
  if (source == nullptr) return -1;
  opened_.push_back(source->id);
  MemoryDialogWindow window(*this, dialog, *source);
  DialogEvents::Attach(dialog, &window);
  DialogEvents::InitDialog(dialog);
  if (!window.Ended()) {
    DialogEvents::ShowWindow(dialog, true, 0);
    window.HandlePosted();
  }
  auto scripts = scripts_.find(source->id);
  if (!window.Ended() && scripts != scripts_.end() && !scripts->second.empty()) {
    Script script = std::move(scripts->second.front());
    scripts->second.pop_front();
    script(window);
  }
  if (!window.Ended()) {
    // A dialog nobody closes would block the program for ever; the test
    // hears of it and the dialog goes as if cancelled.
    unscripted_.push_back(source->id);
    window.End(kIdCancel);
  }
  DialogEvents::Attach(dialog, nullptr);
  return window.Result();
}

void MemoryBackend::ShowWaitCursor(bool wait) {
  waitCursor_ = wait;
  ++waitCursorChanges_;
}

std::string MemoryBackend::LoadResourceString(int id) {
  return ResourceScript::Program().String(id);
}

bool MemoryBackend::RegisterDialogClass(const std::string& className, const std::string&, int) {
  for (const std::string& c : classes_) {
    if (c == className) return true;
  }
  classes_.push_back(className);
  return true;
}

bool MemoryBackend::ActivateWindowOfClass(const std::string&) {
  if (!otherInstance_) return false;
  ++activations_;
  return true;
}

}  // namespace memory
}  // namespace ui
