// The project dialog: creates a new project (create mode) or selects an
// existing project file (open mode), and chooses the application that is to
// work on it. The caller presets it, runs it with DoModal and reads GetEntry
// after OK. What it decides is its model's; the dialog shows the model in its
// controls and hands the model what the user did.
#pragma once

#include "platform/platform.h"
#include "platform/version_info.h"
#include "project/project_dialog_model.h"
#include "ui/framework/dialog.h"

class CDlgPage2 : public ui::Dialog, public orvent::ProjectDialogModel {
 public:
  // `fileVersion` is what a new project file records.
  CDlgPage2(ui::Dialog* parent, orvent::Platform& platform, orvent::VersionNumbers fileVersion);
  ~CDlgPage2() override;

 protected:
  void DoDataExchange(ui::DataExchange& dx) override;
  BOOL OnInitDialog() override;
  bool OnCommand(int id, int notifyCode) override;

 private:
  void SetupMode(bool create);
  void ShowExtremeWindChoice(bool show);
  void ShowWindPowerChoice(bool show);
  void GrowTypeBox(bool grow, int extraPixels);
  void MoveCaretToEnd(int editId);
  void ShowGeodeticRadio();
  void UpdateRadioStates(const orvent::RadioEnables& enables);

  void OnApplicationClicked();
  void OnProjectTypeClicked();
  void OnReferenceClicked();
  void OnOkClicked();

  orvent::Platform& platform_;
  const orvent::VersionNumbers fileVersion_;
  int typeBoxBaseHeight = 0;
};
