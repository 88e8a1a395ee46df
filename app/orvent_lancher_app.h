// The application object of the Selector: start-up as a single instance per
// logged-on user, the program folder, the command line, and the selector
// window run modally.
#pragma once

#include <string>

#include "ui/framework/application.h"

class CORVENTLancherApp : public ui::Application {
 public:
  // The folder of the executable, ending in a backslash.
  std::string GetProgramFolder() const { return programFolder; }

 protected:
  bool InitInstance() override;

 private:
  void FindProgramFolder();

  std::string programFolder;
};
