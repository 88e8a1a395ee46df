// The selector window: the Selector's main and only window. It keeps the
// recent-project history and shows it in a grid, opens the project dialog,
// and starts the member applications.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "history/project_presence.h"
#include "platform/platform.h"
#include "platform/version_info.h"
#include "selector/selector_model.h"
#include "ui/framework/dialog.h"
#include "ui/framework/list_view_grid.h"
#include "ui/framework/tool_tip.h"
#include "ui/selector/selector_layout.h"

class CDlgPage1 : public ui::Dialog {
 public:
  ~CDlgPage1() override;
  // The program folder ends in a backslash; the version is the program's own.
  CDlgPage1(ui::Dialog* parent, orvent::Platform& platform, std::string programFolder,
            orvent::VersionInfo version);

  // Starts a member application on a history row (entry null, row its index)
  // or on the given entry (row the history row it came from, or -1). After a
  // start the project heads the history and the window closes.
  void StartApplication(const orvent::RecentEntry* entry, int row);
  // Shows the history's rows, the first one current.
  void FillRecentGrid();

  bool PreTranslateMessage(MSG* message) override;

  orvent::SelectorModel model;
  ui::ListViewGrid grid;
  SelectorLayout layout;
  ui::ToolTip toolTip;
  std::string tipText;
  // The project file path from the command line, set by start-up.
  std::string commandLineProject;

 protected:
  void DoDataExchange(ui::DataExchange& dx) override;
  BOOL OnInitDialog() override;
  void OnCommand(int id, int notifyCode) override;
  void OnCancel() override;
  LRESULT OnNotify(const NMHDR* header) override;
  bool OnSysCommand(UINT command) override;
  void OnShowWindow(bool show, UINT status) override;
  void OnSizing(UINT edge, RECT* windowRect) override;
  void OnSize(UINT type, int width, int height) override;
  // Another monitor's DPI: every control, font and size as at the start,
  // scaled to it.
  void OnDpiChanged(int dpi, const RECT& suggested) override;
  // The Help button, and F1 anywhere in the window: the manual.
  void OnHelp() override;
  // The grid's menu: on the row under the point, or from the keyboard
  // (x and y -1) on the current row.
  bool OnContextMenu(HWND window, int x, int y) override;
  // A project file dropped onto the window opens as one on the command line does.
  void OnDropFiles(const std::vector<std::string>& paths) override;
  // So does a project a second start hands over, unless the window is busy
  // with a dialog or a message box, which the second start brought to the front.
  bool OnCopyData(ULONG_PTR kind, std::string_view bytes) override;

 private:
  void SetUpGrid();
  // Where the controls stood and the font they had at the start, at the DPI
  // of the start, which every other DPI's layout is scaled from.
  void RecordStartForDpi();
  void SetIcons(int dpi);
  // Once the grid is drawn: the system menu's About item, dropped files, the
  // window's own icons, the tooltip, and the checks of the rows' project files.
  void SetUpOnceDrawn();

  void OnCreateNewProject();
  void OnSelectOpenProject();
  void OnLastApplication();
  void OnSelectApplication();
  void OnDeleteHistory();
  void OnOpenContainingFolder();
  void OnCopyPath();
  // Takes the projects that are missing, not those out of reach, out of the
  // whole history, once the user agrees.
  void OnRemoveMissing();
  void OnGridDblClick();
  // The filter's text changed, however: the grid shows what matches it.
  void OnFilterChanged();
  // The keys the filter box answers itself; false for the others.
  bool OnFilterKey(WPARAM key);
  // How many rows match, or that none does, while a filter is set.
  void ShowFilterCount();
  // The current row's project not found or not reachable, in words beside
  // the grid, for whoever does not see its grey or its tooltip.
  void ShowRowState();
  LRESULT OnGridCustomDraw(NMLVCUSTOMDRAW* draw);
  void OnGridKeyDown(int key);
  void OnGridMouseMove(int x, int y);
  // A character typed in the grid: the current row moves to the next project
  // whose name begins with what was typed.
  void OnGridChar(const std::string& text, DWORD time);
  // The taskbar's jump list made anew from the history, after each change.
  void UpdateJumpList();
  // Ends the window; first the user learns of a history that is not saved.
  void EndSelector(int result);

  orvent::Platform& platform_;
  const std::string programFolder_;
  const orvent::VersionInfo version_;
  int startDpi_ = 96;
  SelectorLayout startLayout_;
  std::vector<std::pair<HWND, RECT>> startRects_;
  HFONT startFont_ = nullptr;   // the dialog's own
  HFONT scaledFont_ = nullptr;  // made for another DPI; null at the start's
  HICON icons_[2] = {};         // the large and the small, for the window's DPI
  // Project files the user took out of the jump list, never put back, in
  // this session or the next.
  std::vector<std::string> removedFromJumpList_;
  std::string gridFace_;
  double gridPoints_ = 0;
  // The pointer's last position over the grid.
  int previousX_ = 0;
  int previousY_ = 0;
  // Whether the rows' project files exist, asked as the rows come into view;
  // null until the grid is first drawn.
  std::unique_ptr<orvent::ProjectPresence> presence_;
};
