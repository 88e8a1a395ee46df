// The about box: the program icon, the product line with the version from
// the program's own version resource, and the copyright line from it.
#pragma once

#include <string>

#include "ui/framework/dialog.h"

class CAboutDlg : public ui::Dialog {
 public:
  explicit CAboutDlg(ui::Dialog* parent);

 protected:
  bool OnInitDialog() override;
};

// The template's "... Version 1.0" line with its last three characters
// replaced by the version: "6.0  (6.0.0.2)" for 6.0.0.2, "6.1b (6.1.2.0)"
// for 6.1.2.0 (build 1 to 26 gives the letters a to z).
std::string VersionLine(const std::string& templateText, unsigned major, unsigned minor,
                        unsigned build, unsigned revision);
