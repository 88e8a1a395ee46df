// The dialog base class and data exchange on the in-memory back end.
#include <gtest/gtest.h>

#include "res/resource.h"
#include "tests/ui/ui_test_environment.h"
#include "ui/framework/application.h"
#include "ui/framework/dialog.h"

namespace ui {
namespace {

using memory::MemoryDialogWindow;

// The project dialog's template with its four bindings; records what its
// handlers saw.
class Probe : public Dialog {
 public:
  Probe() : Dialog(IDD_PROJECT) {}
  std::string name, location;
  int application = 0, projectType = 0;
  std::vector<int> commands;
  int answer = 0;

  using Dialog::UpdateData;

 protected:
  void DoDataExchange(DataExchange& dx) override {
    dx.Text(IDC_PROJECT_NAME, name);
    dx.Text(IDC_LOCATION, location);
    dx.Radio(IDC_APP_BASIC, application);
    dx.Radio(IDC_TYPE_MEASUREMENT, projectType);
  }
  bool OnCommand(int id, int code) override {
    commands.push_back(id);
    if (id == IDC_REFERENCE) {
      // A posted command runs after this handler has returned.
      PostCommand(IDC_APP_ENERGY);
      commands.push_back(-1);
      return true;
    }
    if (id == IDC_PROJECT_OK) {
      UpdateData(true);
      answer = ShowMessage("The location is invalid.", MessageButtons::kOkCancel);
      GotoDlgCtrl(IDC_LOCATION);
      if (answer == kIdOk) EndDialog(kIdOk);
      return true;
    }
    return Dialog::OnCommand(id, code);
  }
};

class DialogFrameworkTest : public ::testing::Test {
 protected:
  orvent::UiTestEnvironment env;
};

TEST_F(DialogFrameworkTest, RadioGroupsExchangeIndexesBothWays) {
  // Into the controls: index 3 is a radio hidden by the template; -1 clears.
  const struct {
    int application, projectType;
    std::vector<int> checked;
  } cases[] = {
      {0, 3, {IDC_APP_BASIC, IDC_TYPE_EXTREME_WIND}},
      {2, 4, {IDC_APP_ENGINEERING, IDC_TYPE_WIND_POWER}},
      {-1, -1, {}},
      {1, 7, {IDC_APP_ENERGY}},
  };
  for (const auto& c : cases) {
    Probe probe;
    probe.application = c.application;
    probe.projectType = c.projectType;
    env.backend.OnDialog(IDD_PROJECT, [&](MemoryDialogWindow& w) {
      for (int id = IDC_APP_BASIC; id <= IDC_TYPE_WIND_POWER; ++id) {
        if (w.ItemKind(id) != ControlKind::kRadio) continue;
        bool expected = std::find(c.checked.begin(), c.checked.end(), id) != c.checked.end();
        EXPECT_EQ(w.IsItemChecked(id), expected) << id;
      }
      w.PressEscape();
    });
    EXPECT_EQ(probe.DoModal(), kIdCancel);
  }

  // Back into the members: the checked radio's index in its group, -1 for none.
  Probe probe;
  probe.projectType = -1;
  env.backend.OnDialog(IDD_PROJECT, [&](MemoryDialogWindow& w) {
    w.Click(IDC_APP_ENGINEERING);
    EXPECT_FALSE(w.Click(IDC_TYPE_WIND_POWER)) << "hidden radios take no clicks";
    w.SetItemChecked(IDC_TYPE_WIND_POWER, true);
    w.Type(IDC_PROJECT_NAME, "\x95\x5C\x8E\xA6");
    EXPECT_TRUE(probe.UpdateData(true));
    EXPECT_EQ(probe.application, 2);
    EXPECT_EQ(probe.projectType, 4);
    EXPECT_EQ(probe.name, "\x95\x5C\x8E\xA6");
    w.SetItemChecked(IDC_TYPE_WIND_POWER, false);
    probe.UpdateData(true);
    EXPECT_EQ(probe.projectType, -1);
    w.CloseBox();
  });
  EXPECT_EQ(probe.DoModal(), kIdCancel);
}

TEST_F(DialogFrameworkTest, ClickingARadioLeavesOtherGroupsAlone) {
  Probe probe;
  probe.application = 1;
  probe.projectType = 2;
  env.backend.OnDialog(IDD_PROJECT, [&](MemoryDialogWindow& w) {
    w.Click(IDC_TYPE_MEASUREMENT);
    EXPECT_TRUE(w.IsItemChecked(IDC_TYPE_MEASUREMENT));
    EXPECT_FALSE(w.IsItemChecked(IDC_TYPE_DESIGN_WIND));
    EXPECT_TRUE(w.IsItemChecked(IDC_APP_ENERGY));
    w.Click(IDC_GEO_JGD2011);
    EXPECT_TRUE(w.IsItemChecked(IDC_TYPE_MEASUREMENT));
    w.EnableItem(IDC_APP_BASIC, false);
    EXPECT_FALSE(w.Click(IDC_APP_BASIC)) << "disabled radios take no clicks";
    EXPECT_TRUE(w.IsItemChecked(IDC_APP_ENERGY));
    w.PressEscape();
  });
  probe.DoModal();
}

TEST_F(DialogFrameworkTest, EnterPressesTheDefaultButtonAndMessageBoxesAreAnswered) {
  class NamedApp : public Application {
   protected:
    bool InitInstance() override { return false; }
  } app;
  env.platform.SetModuleFileName("C:\\Tools\\ORVENTLancher.exe");
  app.Run("");

  Probe probe;
  env.backend.AnswerMessageBoxes({kIdCancel, kIdOk});
  env.backend.OnDialog(IDD_PROJECT, [&](MemoryDialogWindow& w) {
    w.Type(IDC_LOCATION, "D:\\Work\\");
    w.PressEnter();
    EXPECT_FALSE(w.Ended()) << "Cancel in the message box keeps the dialog";
    EXPECT_EQ(w.FocusedItem(), IDC_LOCATION);
    EXPECT_EQ(w.Control(IDC_LOCATION)->selectionEnd, 8) << "focus selects the edit's text";
    w.PressEnter();
  });
  EXPECT_EQ(probe.DoModal(), kIdOk);
  EXPECT_EQ(probe.location, "D:\\Work\\");
  ASSERT_EQ(env.backend.MessageBoxes().size(), 2u);
  const memory::MessageBoxRecord& box = env.backend.MessageBoxes()[0];
  EXPECT_EQ(box.text, "The location is invalid.");
  EXPECT_EQ(box.caption, "ORVENTLancher");
  EXPECT_EQ(box.buttons, MessageButtons::kOkCancel);
  EXPECT_EQ(box.answer, kIdCancel);
  EXPECT_EQ(box.templateId, IDD_PROJECT);
}

TEST_F(DialogFrameworkTest, PostedCommandsRunAfterTheHandler) {
  Probe probe;
  env.backend.OnDialog(IDD_PROJECT, [&](MemoryDialogWindow& w) {
    w.Click(IDC_REFERENCE);
    w.PressEscape();
  });
  probe.DoModal();
  EXPECT_EQ(probe.commands, (std::vector<int>{IDC_REFERENCE, -1, IDC_APP_ENERGY, kIdCancel}));
}

TEST_F(DialogFrameworkTest, ADialogLeftOpenIsReportedAndCancelled) {
  Probe probe;
  EXPECT_EQ(probe.DoModal(), kIdCancel);
  EXPECT_EQ(env.backend.UnscriptedDialogs(), std::vector<int>{IDD_PROJECT});
}

TEST_F(DialogFrameworkTest, WaitCursorNests) {
  class NamedApp : public Application {
   protected:
    bool InitInstance() override {
      WaitCursor outer;
      { WaitCursor inner; }
      return false;
    }
  } app;
  app.Run("");
  EXPECT_FALSE(env.backend.WaitCursorShown());
  EXPECT_EQ(env.backend.WaitCursorChanges(), 2) << "shown once, ended once";
}

}  // namespace
}  // namespace ui
