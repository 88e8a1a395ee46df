// The project dialog: creates a new project (create mode) or selects an
// existing project file (open mode), and chooses the application that is to
// work on it. The caller presets it, runs it with DoModal and reads GetEntry
// after OK.
#pragma once

#include <string>

#include "history/recent_history.h"
#include "project/project_file.h"
#include "ui/framework/dialog.h"

class CDlgPage2 : public ui::Dialog {
 public:
  explicit CDlgPage2(ui::Dialog* parent = nullptr);
  ~CDlgPage2() override;

  // The preset project; all six fields are taken.
  void SetEntry(const orvent::RecentEntry& preset);
  // The result after OK: the project and the chosen application.
  orvent::RecentEntry GetEntry() const;

  // Set by the caller before DoModal.
  bool createMode = false;
  // The project is fixed by the preset entry; only the application is chosen.
  bool selectApplicationMode = false;

 protected:
  void DoDataExchange(ui::DataExchange& dx) override;
  bool OnInitDialog() override;
  bool OnCommand(int id, int notifyCode) override;

 private:
  // Mode and layout.
  void SetupMode(bool create);
  void ShowExtremeWindChoice(bool show);
  void ShowWindPowerChoice(bool show);
  void GrowTypeBox(bool grow, int extraPixels);
  void MoveCaretToEnd(int editId);

  // Radio rules.
  int SelectedGeodeticRadio() const;
  void SelectGeodeticRadio(int radio);
  void UpdateRadioStates();
  int PickEnabledApplication() const;
  int PickEnabledProjectType() const;
  void OnApplicationClicked();
  void OnProjectTypeClicked();

  // Reference button.
  void OnReferenceClicked();
  bool ChooseLocationFolder(const std::string& start);
  bool ChooseProjectFile(const std::string& start, const std::string& startDir);

  // OK button.
  void OnOkClicked();
  bool CheckCreateInput();
  bool CheckOpenInput();
  bool CheckChoices();
  bool CheckSearchPattern();
  bool MakeProject();
  void Refuse(const std::string& message, int focusId);

  std::string nameText;
  std::string locationText;
  int applicationChoice = 0;
  int projectTypeChoice = 0;
  bool showExtremeWind = true;
  bool showWindPower = false;
  orvent::RecentEntry entry;
  orvent::ProjectFile projectFile;
  std::string startFolder;
  int typeBoxBaseHeight = 0;
  int initialProjectType = 0;
};
