#include "ui/about/about_dlg.h"

#include <cstdio>

#include "platform/version_info.h"
#include "res/resource.h"

namespace {
// The template's statics have no ids; they are found by their order.
const int kVersionLabel = 1;
const int kCopyrightLabel = 2;
}  // namespace

std::string VersionLine(const std::string& templateText, unsigned major, unsigned minor,
                        unsigned build, unsigned revision) {
  const std::string head =
      templateText.size() < 3 ? std::string() : templateText.substr(0, templateText.size() - 3);
  const signed char code = static_cast<signed char>((build & 0xFFu) + 96);
  const char letter = code <= 96 ? ' ' : static_cast<char>(code);
  char tail[96];
  std::snprintf(tail, sizeof tail, "%d.%d%c (%d.%d.%d.%d)", static_cast<int>(major),
                static_cast<int>(minor), letter, static_cast<int>(major), static_cast<int>(minor),
                static_cast<int>(build), static_cast<int>(revision));
  return head + tail;
}

CAboutDlg::CAboutDlg(ui::Dialog* parent) : ui::Dialog(IDD_ABOUTBOX, parent) {}

bool CAboutDlg::OnInitDialog() {
  ui::Dialog::OnInitDialog();
  orvent::VersionNumbers version;
  if (orvent::ReadVersionRecord(orvent::kProductVersionOffset, &version)) {
    Window()->SetChildText(kVersionLabel,
                           VersionLine(Window()->ChildText(kVersionLabel), version.majorPart,
                                       version.minorPart, version.build, version.revision));
  }
  std::string copyright;
  if (orvent::ReadVersionString("LegalCopyright", &copyright)) {
    Window()->SetChildText(kCopyrightLabel, copyright);
  }
  return true;
}
