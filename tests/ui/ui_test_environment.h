// Installs the fake platform and the in-memory back end for one test. The
// user's folders lie in a scratch folder, so that whatever the program writes
// there is real and goes with the test.
#pragma once

#include <string>

#include "platform/fake/fake_platform.h"
#include "tests/core/test_support.h"
#include "ui/framework/backend.h"
#include "ui/framework/memory/memory_backend.h"

namespace orvent {

struct UiTestEnvironment {
  UiTestEnvironment() {
    SetCurrentPlatform(&platform);
    ui::SetCurrentBackend(&backend);
    platform.SetSpecialFolder(SpecialFolder::kAppData, Root() + "AppData\\");
    platform.SetSpecialFolder(SpecialFolder::kProgramFilesCommon, Root() + "Common Files");
    platform.SetSpecialFolder(SpecialFolder::kDocuments, Root() + "Documents");
  }
  ~UiTestEnvironment() {
    ui::SetCurrentBackend(nullptr);
    SetCurrentPlatform(nullptr);
  }
  UiTestEnvironment(const UiTestEnvironment&) = delete;
  UiTestEnvironment& operator=(const UiTestEnvironment&) = delete;

  // The scratch folder as the program spells folders, ending in a backslash
  // (on Linux the backslash then begins the names of the files in it).
  std::string Root() const {
#ifdef _WIN32
    return scratch.Path() + "\\";
#else
    return scratch.Path() + "/\\";
#endif
  }

  test::ScratchFolder scratch;
  FakePlatform platform;
  ui::memory::MemoryBackend backend;
};

}  // namespace orvent
