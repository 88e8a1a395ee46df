// What the selector window decides: the rows of its grid and their texts,
// the filter, which rows are grey and what their tips say, the missing
// projects taken out, the current row after a delete or a find, the row the
// context menu acts on, what the command line, a dropped file or a second
// start opens, and the start of a member application. The window reads its
// controls, asks the model, writes its controls and shows the
// model's message. Rows are the grid's, numbered from 0: while a filter is
// set, only the projects that match it, in the history's order.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "history/project_presence.h"
#include "history/recent_history.h"
#include "launch/project_folder.h"
#include "namelist/loose_match.h"
#include "platform/platform.h"
#include "project/recent_entry.h"

namespace orvent {

// Find by typing. Characters typed within a second of the last one extend
// the text looked for; after a pause a new text begins.
class TypeAhead {
 public:
  // The text to look for once `chars` came at `milliseconds` (a tick count, which wraps).
  const std::string& Add(const std::string& chars, std::uint32_t milliseconds);
  bool Extended() const { return extended_; }

 private:
  std::string text_;
  std::uint32_t last_ = 0;
  bool extended_ = false;
};

struct StartOutcome {
  bool started = false;  // the window closes
  std::string message;   // shown as it stands; empty for none
};

class SelectorModel {
 public:
  static constexpr int kColumns = 3;
  // What is known of whether a project file is there. Asked as rows are
  // drawn, so it must answer at once.
  using KnownState = std::function<ProjectPresence::State(const std::string& path)>;

  // The program folder ends in a backslash.
  SelectorModel(Platform& platform, std::string programFolder);

  // Finds the settings file, made from a seed when there is none, and reads
  // the history from it.
  void Load();

  // Shows only the projects whose name or location holds every word of the
  // filter; an empty filter shows them all.
  void SetFilter(const std::string& text);
  // "12 of 999" while a filter is set; empty when none is.
  std::string CountText() const;

  int Rows() const;
  // The history's index of a row; -1 for no row.
  int HistoryRow(int row) const;
  // The project of a row; null for no row.
  const RecentEntry* Entry(int row) const;
  // "name [code]", the application's display name, the location.
  std::string CellText(int row, int column) const;
  // Until the checks are set up, no row is grey.
  void SetKnownState(KnownState knownState) { knownState_ = std::move(knownState); }
  // A row whose project file is known to be missing or out of reach.
  bool IsGrey(int row) const;
  // The cell's text trimmed, with " (not found)" on a row whose project is
  // missing and " (not reachable)" on one out of reach.
  std::string TipText(int row, int column) const;

  // Characters typed at `milliseconds` with row `current` current: the next
  // row, going down and round, whose project name begins with the text
  // typed (ASCII letters in either case, double-byte characters whole). A
  // new text looks from the row below the current one, an extended text
  // from the current row. -1 for none.
  int Find(int current, const std::string& chars, std::uint32_t milliseconds);

  // Takes the row's project out of the history and saves it: the row
  // current afterwards, the same index or the last row, -1 when none is
  // left. A row that is not there changes nothing.
  int Delete(int row);

  // The row the context menu acts on: from the keyboard the current row,
  // else the row under the point. -1: the menu off the rows, whose items
  // for a row cannot be chosen.
  static int MenuRow(bool fromKeyboard, int rowUnderPoint, int current);
  // The path Copy Path copies; empty for no row.
  std::string PathOf(int row) const;
  // Open Containing Folder: the nearest folder of the project's that is
  // there; not found when its drive or share is out of reach.
  [[nodiscard]] FolderOpen OpenFolder(int row);

  // The project file of every row of the history, shown or not.
  std::vector<std::string> ProjectFiles() const;
  // How many projects of the history are known to be missing.
  int MissingCount() const;
  // Takes every missing project out of the history, keeping the others in
  // their order, and saves it once.
  void RemoveMissing();

  // A project named on the command line: the project dialog opens with it
  // when it exists; false when it does not.
  bool TakeCommandLineProject(const std::string& path);
  // Files dropped onto the window open as the command line does, when they
  // are one project file; false when they are not.
  bool TakeDropped(const std::vector<std::string>& paths);
  // So does a project that a second start hands over (hand_over.h); false
  // for a message that is no such hand-over.
  bool TakeHandedOver(std::uintptr_t kind, std::string_view bytes);
  // The project the project dialog opens with, null for none; dropped once
  // the dialog is cancelled.
  const RecentEntry* Preset() const { return hasPreset_ ? &preset_ : nullptr; }
  void DropPreset() { hasPreset_ = false; }

  // Starts a member application on `entry`, or on row `row` when there is
  // none; `row` is the row the entry came from, or -1. After a start the
  // project heads the history.
  StartOutcome Start(const RecentEntry* entry, int row);
  // As the window closes: a history that could not be saved, told once.
  std::string TakeUnsavedMessage();

  std::string settingsPath;
  RecentHistory history;

 private:
  // The rows shown for the filter, after it or the history changed.
  void Refilter();
  ProjectPresence::State StateOf(const RecentEntry& entry) const;

  Platform& platform_;
  const std::string programFolder_;
  KnownState knownState_;
  LooseFilter filter_;
  // The history's rows that match the filter, while one is set.
  std::vector<int> shown_;
  TypeAhead typeAhead_;
  RecentEntry preset_;
  bool hasPreset_ = false;
  // Whether the history, as last changed, is in the settings file.
  bool saved_ = true;
};

}  // namespace orvent
