// The selector window: the Selector's main and only window. It keeps the
// recent-project history and shows it in a grid, opens the project dialog,
// and starts the member applications.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "history/project_presence.h"
#include "history/recent_grid.h"
#include "history/recent_history.h"
#include "platform/platform.h"
#include "platform/version_info.h"
#include "project/project_file.h"
#include "ui/framework/dialog.h"
#include "ui/framework/list_view_grid.h"
#include "ui/framework/tool_tip.h"
#include "ui/selector/selector_layout.h"

class CDlgPage1 : public ui::Dialog {
 public:
  // The program folder ends in a backslash; the version is the program's own.
  CDlgPage1(ui::Dialog* parent, orvent::Platform& platform, std::string programFolder,
            orvent::VersionInfo version);

  // Starts a member application on a history row (entry null, row its index)
  // or on the given entry (row the history row it came from, or -1). After a
  // start the project heads the history and the window closes.
  void StartApplication(const orvent::RecentEntry* entry, int row);
  // Rewrites every grid row from the history; the argument is not used.
  void FillRecentGrid(int unused);

  bool PreTranslateMessage(MSG* message) override;

  ui::ListViewGrid grid;
  SelectorLayout layout;
  ui::ToolTip toolTip;
  std::string tipText;
  std::string settingsPath;
  orvent::RecentHistory history;
  orvent::ProjectFile projectFile;
  // The project file path from the command line, set by start-up.
  std::string commandLineProject;
  orvent::RecentEntry currentEntry;
  HICON icon = nullptr;

 protected:
  void DoDataExchange(ui::DataExchange& dx) override;
  BOOL OnInitDialog() override;
  bool OnCommand(int id, int notifyCode) override;
  void OnOK() override;
  void OnCancel() override;
  bool OnNotify(const NMHDR* header) override;
  bool OnSysCommand(UINT command) override;
  bool OnPaint() override;
  HICON OnQueryDragIcon() override;
  void OnShowWindow(bool show, UINT status) override;
  void OnSizing(UINT edge, RECT* windowRect) override;
  void OnSize(UINT type, int width, int height) override;
  // The Help button, and F1 anywhere in the window: the manual.
  void OnHelp() override;
  // The grid's menu on its current row, from a right-click on a row or the keyboard.
  bool OnContextMenu(HWND window, int x, int y) override;
  // A project file dropped onto the window opens as one on the command line does.
  void OnDropFiles(const std::vector<std::string>& paths) override;

 private:
  void SetUpGrid();
  // Once the grid is drawn: the tooltip, and the checks of the rows' project
  // files.
  void SetUpOnceDrawn();
  // The history index of the grid's current row, or -1 when it is no data row.
  int SelectedHistoryRow() const;
  // Whether the project file of a history row is known to be gone.
  bool ProjectMissing(int row);

  void OnCreateNewProject();
  void OnSelectOpenProject();
  void OnLastApplication();
  void OnSelectApplication();
  void OnDeleteHistory();
  void OnOpenContainingFolder();
  void OnCopyPath();
  void OnGridDblClick();
  void OnGridKeyDown(int key);
  void OnGridMouseMove(float x, float y);
  // A character typed in the grid: the current row moves to the next project
  // whose name begins with what was typed.
  void OnGridChar(const std::string& text, DWORD time);
  // Ends the window; first the user learns of a history that is not saved.
  void EndSelector(int result);

  orvent::Platform& platform_;
  const std::string programFolder_;
  const orvent::VersionInfo version_;
  // The pointer's last position over the grid.
  float previousX_ = 0.0f;
  float previousY_ = 0.0f;
  // Whether the history, as last changed, is in the settings file.
  bool historySaved_ = true;
  orvent::TypeAhead typeAhead_;
  // Whether the rows' project files exist, asked as the rows come into view;
  // null until the grid is first drawn.
  std::unique_ptr<orvent::ProjectPresence> presence_;
  // The data row of the last right-click in the grid, -1 when it hit none.
  int rightClickItem_ = -1;
};
