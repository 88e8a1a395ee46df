// The about box: the program icon, the product line with the version from
// the program's own version resource, and the copyright line from it.
#pragma once

#include "platform/platform.h"
#include "platform/version_info.h"
#include "ui/framework/dialog.h"

class CAboutDlg : public ui::Dialog {
 public:
  CAboutDlg(ui::Dialog* parent, orvent::Platform& platform, const orvent::VersionInfo& version);

 protected:
  BOOL OnInitDialog() override;

 private:
  orvent::Platform& platform_;
  const orvent::VersionInfo& version_;
};
