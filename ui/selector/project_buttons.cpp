// The selector window's buttons that open the project dialog or act on the
// selected history row, and the project named on the command line.
#include "history/history_file.h"
#include "namelist/mbcs.h"
#include "namelist/text_split.h"
#include "platform/platform.h"
#include "project/geodetic_codes.h"
#include "res/resource.h"
#include "ui/project_dialog/dlg_page2.h"
#include "ui/selector/dlg_page1.h"

namespace {

// The application a project file's extension stands for; -1 for none.
int ApplicationForExtension(const std::string& extension, int projectType) {
  if (orvent::EqualsNoCase(extension, ".mbc")) return 0;
  if (orvent::EqualsNoCase(extension, ".meg")) return projectType == 2 || projectType == 3 ? 2 : 1;
  return -1;
}

}  // namespace

void CDlgPage1::OnShowWindow(bool show, int) {
  if (!show || commandLineProject.empty()) return;
  if (!orvent::CurrentPlatform().Exists(commandLineProject)) return;
  std::string drive, directory, baseName, extension;
  orvent::SplitFilePath(commandLineProject, &drive, &directory, &baseName, &extension);
  currentEntry.location = drive + directory;
  currentEntry.projectName = baseName;
  orvent::ReadProjectFile(commandLineProject, &projectFile);
  currentEntry.projectType = projectFile.projectType;
  const int application = ApplicationForExtension(extension, currentEntry.projectType);
  if (application >= 0) currentEntry.appIndex = application;
  currentEntry.geodeticCode = orvent::GeodeticCodeForIndex(projectFile.geodeticIndex);
  // The project dialog opens once the window is on the screen.
  PostCommand(IDC_SELECT_OPEN_PROJECT);
}

void CDlgPage1::OnCreateNewProject() {
  if (!UpdateData(true)) return;
  CDlgPage2 dialog(this);
  dialog.createMode = true;
  if (dialog.DoModal() != ui::kIdOk) return;
  const orvent::RecentEntry entry = dialog.GetEntry();
  StartApplication(&entry, -1);
}

void CDlgPage1::OnSelectOpenProject() {
  if (!UpdateData(true)) return;
  CDlgPage2 dialog(this);
  dialog.createMode = false;
  dialog.selectApplicationMode = false;
  if (!commandLineProject.empty()) dialog.SetEntry(currentEntry);
  if (dialog.DoModal() != ui::kIdOk) {
    commandLineProject.clear();
    return;
  }
  const orvent::RecentEntry entry = dialog.GetEntry();
  StartApplication(&entry, -1);
}

void CDlgPage1::OnLastApplication() {
  if (!UpdateData(true)) return;
  const int row = SelectedHistoryRow();
  if (row < 0) return;
  const orvent::RecentEntry entry = history[static_cast<std::size_t>(row)];
  StartApplication(&entry, row);
}

void CDlgPage1::OnSelectApplication() {
  if (!UpdateData(true)) return;
  const int row = SelectedHistoryRow();
  if (row < 0) return;
  CDlgPage2 dialog(this);
  dialog.SetEntry(history[static_cast<std::size_t>(row)]);
  dialog.selectApplicationMode = true;
  if (dialog.DoModal() != ui::kIdOk) return;
  const orvent::RecentEntry entry = dialog.GetEntry();
  StartApplication(&entry, row);
}

void CDlgPage1::OnDeleteHistory() {
  if (grid == nullptr) return;
  const int rows = grid->Rows();
  const int fixedRows = grid->FixedRows();
  const int row = grid->Row();
  if (row < fixedRows || row >= rows) return;
  if (ShowMessage("Can I delete it?\n(The actual project file is not deleted.)",
                  ui::MessageButtons::kOkCancel) != ui::kIdOk) {
    return;
  }
  grid->RemoveItem(row);
  orvent::RemoveRecentRow(&history, row - fixedRows);
  orvent::SaveHistory(settingsPath, history);
  const int left = grid->Rows();
  if (left > fixedRows) {
    grid->SetRow(row < left ? row : left - 1);
    grid->ShowCell(grid->Row(), grid->Col());
  }
}
