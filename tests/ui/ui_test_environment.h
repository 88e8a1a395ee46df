// Installs the fake platform and the in-memory back end for one test. The
// user's folders lie in a scratch folder, so that whatever the program writes
// there is real and goes with the test.
#pragma once

#include <string>

#include "tests/support/fake_platform.h"
#include "tests/core/test_support.h"
#include "ui/framework/backend.h"
#include "ui/framework/memory/memory_backend.h"

namespace orvent {

// The fake platform, except that folders it makes inside the scratch folder
// are made on disk too, so that files the program writes there can land.
class ScratchPlatform : public FakePlatform {
 public:
  explicit ScratchPlatform(const std::string& root) : root_(root) {}
  MakeFolderResult MakeFolder(const std::string& path) override {
    const MakeFolderResult result = FakePlatform::MakeFolder(path);
    if (result == MakeFolderResult::kMade && path.compare(0, root_.size(), root_) == 0) {
      test::MakeFolder(path);
    }
    return result;
  }
  // Makes every level of a folder inside the scratch folder, for files a
  // test puts there.
  void MakeFolders(const std::string& folder) {
    for (std::size_t at = folder.find('\\'); at != std::string::npos;
         at = folder.find('\\', at + 1)) {
      if (!Exists(folder.substr(0, at + 1))) MakeFolder(folder.substr(0, at + 1));
    }
  }

 private:
  std::string root_;
};

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
  ScratchPlatform platform{Root()};
  ui::memory::MemoryBackend backend;
};

}  // namespace orvent
