// The selector window: the Selector's main and only window. It keeps the
// recent-project history and shows it in a grid, opens the project dialog,
// and starts the member applications.
#pragma once

#include <string>

#include "history/recent_history.h"
#include "project/project_file.h"
#include "ui/framework/dialog.h"
#include "ui/selector/selector_layout.h"

class CDlgPage1 : public ui::Dialog {
 public:
  explicit CDlgPage1(ui::Dialog* parent);

  // Starts a member application on a history row (entry null, row its index)
  // or on the given entry (row the history row it came from, or -1). After a
  // start the project heads the history and the window closes.
  void StartApplication(const orvent::RecentEntry* entry, int row);
  // Rewrites every grid row from the history; the argument is not used.
  void FillRecentGrid(int unused);

  ui::GridControl* grid = nullptr;
  SelectorLayout layout;
  ui::ToolTip* toolTip = nullptr;
  std::string tipText;
  std::string settingsPath;
  orvent::RecentHistory history;
  orvent::ProjectFile projectFile;
  // The project file path from the command line, set by start-up.
  std::string commandLineProject;
  // The Selector's own folder, ending in a backslash; set by start-up.
  std::string programFolder;
  orvent::RecentEntry currentEntry;
  int icon;

  bool PreTranslateMessage(const ui::NativeMessage* message) override;

 protected:
  void DoDataExchange(ui::DataExchange& dx) override;
  bool OnInitDialog() override;
  bool OnCommand(int id, int notifyCode) override;
  bool OnNotify(const ui::Notification& notification) override;
  bool OnSysCommand(unsigned command) override;
  bool OnPaint() override;
  int OnQueryDragIcon() override;
  void OnShowWindow(bool show, int status) override;
  void OnSizing(int edge, ui::Rect* windowRect) override;
  void OnSize(int type, int width, int height) override;

 private:
  void LocateSettingsFile();
  void RecordLayout();
  void LayoutControls();
  void SetUpGrid();
  // The history index of the grid's current row, or -1 when it is no data row.
  int SelectedHistoryRow() const;

  void OnExit();
  void OnHelp();
  void OnCreateNewProject();
  void OnSelectOpenProject();
  void OnLastApplication();
  void OnSelectApplication();
  void OnDeleteHistory();
  void OnGridDblClick();
  void OnGridKeyDown(int key);
  void OnGridMouseMove(float x, float y);
};
