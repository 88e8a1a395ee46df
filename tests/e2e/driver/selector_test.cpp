#include "tests/e2e/driver/selector_test.h"

#include "tests/e2e/driver/polling.h"
#include "tests/e2e/driver/program_folder.h"
#include "tests/e2e/driver/window_query.h"

namespace e2e {

void SelectorTest::SetUp() {
  std::string problem;
  ASSERT_TRUE(LoadSettings(&settings_, &problem)) << problem;
  const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string(test->test_suite_name()) + "_" + test->name();
  // Parameterised tests have slashes in their names.
  for (char& c : name) {
    if (c == '/') c = '_';
  }
  ASSERT_TRUE(MakeProgramFolder(settings_, name, &programFolder_))
      << "cannot make the program folder below " << settings_.scratchFolder;
  // A Selector left over from elsewhere would turn every start into a
  // second instance.
  ASSERT_TRUE(AllSelectorWindows().empty()) << "a Selector is already running";
}

bool SelectorTest::StartSelector(TestProcess* process, const std::string& arguments) {
  return process->Start(SelectorPath(), arguments, settings_.scratchFolder);
}

HWND SelectorTest::WaitForSelectorWindow(const TestProcess& process) {
  WindowFilter filter;
  filter.processId = process.Id();
  filter.className = kSelectorClass;
  return WaitForTopLevelWindow(filter, kWindowTimeoutMs);
}

std::vector<HWND> SelectorTest::AllSelectorWindows() const {
  WindowFilter filter;
  filter.className = kSelectorClass;
  return FindTopLevelWindows(filter);
}

std::string SelectorTest::SelectorPath() const { return programFolder_ + kSelectorExeName; }

}  // namespace e2e
