// The project dialog: creates a new project (create mode) or selects an
// existing project file (open mode), and chooses the application that is to
// work on it. The caller gives it a mode and a preset project, runs it with
// DoModal and reads Result after OK. What it decides is its model's; the
// dialog shows the model in its controls and hands the model what the user did.
#pragma once

#include "platform/platform.h"
#include "platform/version_info.h"
#include "project/project_dialog_model.h"
#include "ui/framework/dialog.h"

class CDlgPage2 : public ui::Dialog {
 public:
  // `fileVersion` is what a new project file records.
  CDlgPage2(ui::Dialog* parent, orvent::Platform& platform, orvent::VersionNumbers fileVersion,
            orvent::ProjectDialogMode mode, const orvent::RecentEntry& preset = {});
  ~CDlgPage2() override;

  // The project and the application chosen, after OK.
  const orvent::RecentEntry& Result() const { return model_.Result(); }

 protected:
  void DoDataExchange(ui::DataExchange& dx) override;
  BOOL OnInitDialog() override;
  void OnCommand(int id, int notifyCode) override;

 private:
  void SetupMode(bool create);
  void ShowWindPowerChoice();
  void GrowTypeBox(int extraPixels);
  void MoveCaretToEnd(int editId);
  void ShowGeodeticRadio();
  void UpdateRadioStates(const orvent::RadioEnables& enables);

  void OnApplicationClicked();
  void OnProjectTypeClicked();
  void OnReferenceClicked();
  void OnOkClicked();

  orvent::ProjectDialogModel model_;
  orvent::Platform& platform_;
  const orvent::VersionNumbers fileVersion_;
  int typeBoxBaseHeight = 0;
};
