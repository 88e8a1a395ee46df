#include "ui/about/about_dlg.h"

#include "res/resource.h"

namespace {

// The template's statics have no ids; they are found by their order.
HWND Child(HWND dialog, int index) {
  HWND child = GetWindow(dialog, GW_CHILD);
  for (int i = 0; i < index && child != nullptr; ++i) child = GetWindow(child, GW_HWNDNEXT);
  return child;
}

const int kVersionLabel = 1;
const int kCopyrightLabel = 2;

}  // namespace

CAboutDlg::CAboutDlg(ui::Dialog* parent, orvent::Platform& platform,
                     const orvent::VersionInfo& version)
    : ui::Dialog(IDD_ABOUTBOX, parent), platform_(platform), version_(version) {}

// The box exchanges no data with its controls: it only fills its two lines.
BOOL CAboutDlg::OnInitDialog() {
  HWND versionLabel = Child(hwnd_, kVersionLabel);
  if (version_.hasProductVersion) {
    const std::string line =
        orvent::VersionLine(ui::WindowText(versionLabel), version_.productVersion);
    SetWindowTextA(versionLabel, line.c_str());
  }
  std::string copyright;
  if (orvent::ReadVersionString(platform_, "LegalCopyright", &copyright)) {
    SetWindowTextA(Child(hwnd_, kCopyrightLabel), copyright.c_str());
  }
  return TRUE;
}
