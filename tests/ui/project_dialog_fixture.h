// Runs the project dialog on the in-memory back end over a fake platform
// whose new folders are made on disk as well, so that a new project file can
// really be written.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "tests/support/fake_platform.h"
#include "project/project_file.h"
#include "res/resource.h"
#include "tests/core/test_support.h"
#include "ui/framework/memory/memory_backend.h"
#include "ui/project_dialog/dlg_page2.h"

namespace orvent {

class DiskFolderPlatform : public FakePlatform {
 public:
  MakeFolderResult MakeFolder(const std::string& path) override {
    const MakeFolderResult result = FakePlatform::MakeFolder(path);
    if (result == MakeFolderResult::kMade) test::MakeFolder(path);
    return result;
  }
};

class ProjectDialogTest : public ::testing::Test {
 protected:
  using Window = ui::memory::MemoryDialogWindow;

  ProjectDialogTest() {
    SetCurrentPlatform(&platform);
    ui::SetCurrentBackend(&backend);
    platform.SetSpecialFolder(SpecialFolder::kDocuments, "C:\\Docs");
  }
  ~ProjectDialogTest() override {
    ui::SetCurrentBackend(nullptr);
    SetCurrentPlatform(nullptr);
  }

  // A real folder for project files, as the dialog spells it: ending with a
  // backslash on Windows; elsewhere the backslash starts the file's name.
  std::string Location() const { return scratch.Path() + (kWindows ? "\\" : "/\\"); }

  // A project file on disk and in the fake platform; the location it lies in.
  std::string AddProject(const std::string& name, int projectType, int geodeticIndex = 0) {
    ProjectFile file;
    file.projectType = projectType;
    file.geodeticIndex = geodeticIndex;
    file.geodeticName = GeodeticNames[geodeticIndex];
    EXPECT_TRUE(WriteProjectFile(Location() + name + ".mbc", file));
    platform.AddFile(Location() + name + ".mbc");
    return Location();
  }

  // Opens the dialog preset with `preset` (unless null) and runs `script`.
  int Run(bool create, bool selectApplication, const RecentEntry* preset,
          std::function<void(Window&)> script) {
    dialog = std::make_unique<CDlgPage2>();
    dialog->createMode = create;
    dialog->selectApplicationMode = selectApplication;
    if (preset != nullptr) dialog->SetEntry(*preset);
    backend.OnDialog(IDD_PROJECT, [&](Window& w) {
      script(w);
      if (!w.Ended()) w.PressEscape();
    });
    return dialog->DoModal();
  }

#ifdef _WIN32
  static constexpr bool kWindows = true;
#else
  static constexpr bool kWindows = false;
#endif

  test::ScratchFolder scratch;
  DiskFolderPlatform platform;
  ui::memory::MemoryBackend backend;
  std::unique_ptr<CDlgPage2> dialog;
};

inline RecentEntry Preset(const std::string& name, const std::string& location, int appIndex) {
  RecentEntry entry;
  entry.projectName = name;
  entry.location = location;
  entry.appIndex = appIndex;
  return entry;
}

// Enable flags of consecutive radios as "1" and "0".
inline std::string Enables(const ui::memory::MemoryDialogWindow& w, int firstId, int count) {
  std::string flags;
  for (int id = firstId; id < firstId + count; ++id) flags += w.IsItemEnabled(id) ? '1' : '0';
  return flags;
}

inline int Checked(const ui::memory::MemoryDialogWindow& w, int firstId, int count) {
  for (int id = firstId; id < firstId + count; ++id) {
    if (w.IsItemChecked(id)) return id - firstId;
  }
  return -1;
}

}  // namespace orvent
