// The application object of the Selector: start-up as a single instance per
// logged-on user, the program folder, the command line, and the selector
// window run modally.
#pragma once

#include "platform/platform.h"
#include "ui/framework/application.h"

class CORVENTLancherApp : public ui::Application {
 public:
  explicit CORVENTLancherApp(orvent::Platform& platform) : platform_(platform) {}

 protected:
  void InitInstance() override;

 private:
  orvent::Platform& platform_;
};
