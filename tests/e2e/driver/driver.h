// The end-to-end driver: starts the real Selector in a program folder of its
// own, with fake member applications beside it, and acts on its windows from
// outside as a user does, through window messages. Every wait gives up after
// a few seconds, and whatever a test started is ended with it.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace e2e {

constexpr DWORD kTimeoutMs = 10000;

// A row of the history file, as the tests write and expect it.
struct Row {
  std::string name, application;
  int type;
  std::string location, code;
};

// Polls the condition, keeping the driver's own messages flowing.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = kTimeoutMs);
std::string TextOf(HWND window);
bool ReadFile(const std::string& path, std::string* bytes);
bool WriteFile(const std::string& path, const std::string& bytes);
// Makes every level of a folder; a trail byte 0x5C is no separator.
bool MakeFolders(const std::string& folder);
// The settings file of these rows, byte for byte.
std::string HistoryBytes(const std::vector<Row>& rows);
// A project file as the Selector makes it, with its own file version.
std::string ProjectBytes(int projectType);

class Driver : public ::testing::Test {
 public:
  // In a text "{P}" stands for the projects folder, "{F}" for the program
  // folder, "{U}" for the user's settings file and "{C}" for the seed in
  // the common folder.
  std::string Expand(const std::string& text) const;
  const std::string& ProgramFolder() const { return program_; }
  std::string UserSettingsFile() const;
  std::string SeedSettingsFile() const;
  std::string UserSettings() const;

  // Starts a Selector; with `wait`, until its window shows, which is then the
  // first of the windows in view.
  bool Start(const std::string& arguments, bool wait = true);
  // Of the Selectors started, counted from 0; -1 is the latest.
  bool Running(int which = -1) const;
  bool WaitForExit(int which = -1) const;
  DWORD ProcessId(int which = -1) const { return Process(which).dwProcessId; }
  // The user's settings file as it was when the first Selector started.
  std::string settingsAtStart;
  // The windows in view: the selector window first, the latest dialog last.
  std::vector<HWND> windows;
  HWND Top() const { return windows.empty() ? nullptr : windows.back(); }
  HWND Grid() const { return GetDlgItem(windows.at(0), 1009); }
  // A visible window owned by the top one, titled so unless the title is
  // empty, is waited for and joins the windows in view.
  HWND Opens(const std::string& title);
  bool Closes();
  bool Click(int id) const;

  int ItemCount() const;
  int FocusedItem() const;
  std::string Cell(int item, int column) const;
  bool ItemRect(int item, RECT* rect) const;
  bool Key(UINT virtualKey) const;

  // The member applications started so far: "module|command line|folder".
  std::vector<std::string> Launches() const;
  bool Screenshot(const std::string& name) const;

 protected:
  void SetUp() override;
  void TearDown() override;

 private:
  const PROCESS_INFORMATION& Process(int which) const {
    return processes_.at(which < 0 ? processes_.size() - 1 : static_cast<size_t>(which));
  }

  std::string scratch_, member_, selector_, screenshots_, program_, projects_;
  std::vector<PROCESS_INFORMATION> processes_;
  struct Saved {
    std::string path, bytes;
    bool existed;
  };
  std::vector<Saved> saved_;
};

}  // namespace e2e
