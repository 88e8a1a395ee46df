#include "selector/selector_model.h"

#include "history/history_file.h"
#include "history/messages.h"
#include "history/settings_file.h"
#include "launch/messages.h"
#include "launch/start_application.h"
#include "namelist/mbcs.h"
#include "project/app_catalogue.h"
#include "project/command_line_project.h"
#include "project/project_file.h"
#include "selector/hand_over.h"

namespace orvent {
namespace {

const std::uint32_t kTypeAheadMs = 1000;
const char kNotFoundTip[] = " (not found)";
const char kNotReachableTip[] = " (not reachable)";

}  // namespace

const std::string& TypeAhead::Add(const std::string& chars, std::uint32_t milliseconds) {
  extended_ = !text_.empty() && milliseconds - last_ <= kTypeAheadMs;
  if (!extended_) text_.clear();
  text_ += chars;
  last_ = milliseconds;
  return text_;
}

SelectorModel::SelectorModel(Platform& platform, std::string programFolder)
    : platform_(platform), programFolder_(std::move(programFolder)) {}

void SelectorModel::Load() {
  settingsPath = LocateSettingsFile(platform_, programFolder_, &history);
}

void SelectorModel::SetFilter(const std::string& text) {
  filter_ = LooseFilter(text);
  Refilter();
}

void SelectorModel::Refilter() {
  shown_.clear();
  for (std::size_t i = 0; i < history.size(); ++i) {
    if (filter_.Matches({history[i].projectName, history[i].location})) {
      shown_.push_back(static_cast<int>(i));
    }
  }
}

std::string SelectorModel::CountText() const {
  if (filter_.Empty()) return std::string();
  return std::to_string(Rows()) + " of " + std::to_string(history.size());
}

int SelectorModel::Rows() const {
  return static_cast<int>(filter_.Empty() ? history.size() : shown_.size());
}

int SelectorModel::HistoryRow(int row) const {
  if (row < 0 || row >= Rows()) return -1;
  return filter_.Empty() ? row : shown_[static_cast<std::size_t>(row)];
}

const RecentEntry* SelectorModel::Entry(int row) const {
  const int index = HistoryRow(row);
  return index >= 0 ? &history[static_cast<std::size_t>(index)] : nullptr;
}

std::string SelectorModel::CellText(int row, int column) const {
  const RecentEntry* entry = Entry(row);
  if (entry == nullptr) return std::string();
  switch (column) {
    case 0:
      return entry->projectName + " [" + entry->geodeticCode + "]";
    case 1:
      return AppDisplayName(entry->app);
    case 2:
      return entry->location;
    default:
      return std::string();
  }
}

ProjectPresence::State SelectorModel::StateOf(const RecentEntry& entry) const {
  return knownState_ ? knownState_(ProjectFilePath(entry)) : ProjectPresence::State::kUnknown;
}

bool SelectorModel::IsGrey(int row) const {
  const RecentEntry* entry = Entry(row);
  if (entry == nullptr) return false;
  const ProjectPresence::State state = StateOf(*entry);
  return state == ProjectPresence::State::kMissing || state == ProjectPresence::State::kUnreachable;
}

std::string SelectorModel::TipText(int row, int column) const {
  const RecentEntry* entry = Entry(row);
  if (entry == nullptr) return std::string();
  switch (StateOf(*entry)) {
    case ProjectPresence::State::kMissing:
      return Trim(CellText(row, column)) + kNotFoundTip;
    case ProjectPresence::State::kUnreachable:
      return Trim(CellText(row, column)) + kNotReachableTip;
    default:
      return Trim(CellText(row, column));
  }
}

int SelectorModel::Find(int current, const std::string& chars, std::uint32_t milliseconds) {
  const std::string& text = typeAhead_.Add(chars, milliseconds);
  const int first = current < 0 ? 0 : typeAhead_.Extended() ? current : current + 1;
  for (int n = 0; n < Rows(); ++n) {
    const int row = (first + n) % Rows();
    const std::string& name = Entry(row)->projectName;
    if (name.size() >= text.size() && EqualsNoCase(name.substr(0, text.size()), text)) return row;
  }
  return -1;
}

int SelectorModel::Delete(int row) {
  if (Entry(row) == nullptr) return row;
  RemoveRecentRow(&history, HistoryRow(row));
  // A settings file that cannot be written leaves the change in memory.
  saved_ = SaveHistory(settingsPath, history);
  Refilter();
  return row < Rows() ? row : Rows() - 1;
}

int SelectorModel::MenuRow(bool fromKeyboard, int rowUnderPoint, int current) {
  return fromKeyboard ? current : rowUnderPoint;
}

std::string SelectorModel::PathOf(int row) const {
  const RecentEntry* entry = Entry(row);
  return entry != nullptr ? ProjectFilePath(*entry) : std::string();
}

FolderOpen SelectorModel::OpenFolder(int row) {
  const RecentEntry* entry = Entry(row);
  // Nothing on a share that does not answer is looked for again.
  if (entry == nullptr || StateOf(*entry) == ProjectPresence::State::kUnreachable) {
    return FolderOpen::kNotFound;
  }
  return OpenProjectFolder(platform_, *entry);
}

std::vector<std::string> SelectorModel::ProjectFiles() const {
  std::vector<std::string> files;
  for (const RecentEntry& entry : history) files.push_back(ProjectFilePath(entry));
  return files;
}

int SelectorModel::MissingCount() const {
  int count = 0;
  for (const RecentEntry& entry : history) {
    if (StateOf(entry) == ProjectPresence::State::kMissing) ++count;
  }
  return count;
}

void SelectorModel::RemoveMissing() {
  RecentHistory kept;
  for (const RecentEntry& entry : history) {
    if (StateOf(entry) != ProjectPresence::State::kMissing) kept.push_back(entry);
  }
  history = kept;
  saved_ = SaveHistory(settingsPath, history);
  Refilter();
}

bool SelectorModel::TakeCommandLineProject(const std::string& path) {
  RecentEntry entry = preset_;
  if (!ReadCommandLineProject(platform_, path, &entry)) return false;
  preset_ = entry;
  hasPreset_ = true;
  return true;
}

bool SelectorModel::TakeDropped(const std::vector<std::string>& paths) {
  return IsDroppedProject(platform_, paths) && TakeCommandLineProject(paths[0]);
}

bool SelectorModel::TakeHandedOver(std::uintptr_t kind, std::string_view bytes) {
  std::string path;
  return HandedOverPath(kind, bytes, &path) && TakeCommandLineProject(path);
}

StartOutcome SelectorModel::Start(const RecentEntry* entry, int row) {
  StartOutcome outcome;
  StartPlan plan;
  const int index = HistoryRow(row);
  switch (PlanStart(platform_, history, entry, index, programFolder_, &plan)) {
    case StartCheck::kNoProject:
      return outcome;
    case StartCheck::kProjectFileMissing:
      outcome.message = kMsgProjectFileMissing;
      return outcome;
    case StartCheck::kReady:
      break;
  }
  if (!StartApplication(platform_, plan)) {
    outcome.message = kMsgNotStarted;
    return outcome;
  }
  // The member application runs whether or not the history can be saved.
  saved_ = RecordStart(&history, plan, index, settingsPath);
  Refilter();
  outcome.started = true;
  return outcome;
}

std::string SelectorModel::TakeUnsavedMessage() {
  if (saved_) return std::string();
  saved_ = true;  // told once
  return HistoryNotSavedMessage(settingsPath);
}

}  // namespace orvent
