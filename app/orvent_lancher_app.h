// The application object of the Selector: start-up as a single instance per
// logged-on user, the program folder, the command line, and the selector
// window run modally.
#pragma once

#include <string>

#include "platform/platform.h"
#include "ui/framework/application.h"

class CORVENTLancherApp : public ui::Application {
 public:
  explicit CORVENTLancherApp(orvent::Platform& platform) : platform_(platform) {}

  // The folder of the executable, ending in a backslash.
  std::string GetProgramFolder() const { return programFolder; }

 protected:
  bool InitInstance() override;

 private:
  orvent::Platform& platform_;
  std::string programFolder;
};
