#include "ui/selector/selector_place.h"

#include <optional>
#include <vector>

#include "selector/window_place.h"

namespace {

BOOL CALLBACK AddWorkArea(HMONITOR monitor, HDC, RECT*, LPARAM areas) {
  MONITORINFO info = {};
  info.cbSize = sizeof info;
  if (GetMonitorInfoA(monitor, &info)) {
    const RECT& r = info.rcWork;
    // NOLINTNEXTLINE(performance-no-int-to-ptr): the list is what EnumDisplayMonitors hands back.
    reinterpret_cast<std::vector<orvent::Rect>*>(areas)->push_back(
        {r.left, r.top, r.right, r.bottom});
  }
  return TRUE;
}

// A window's placement counts from the corner of its monitor's work area,
// which a task bar at the top or the left moves off the screen's corner.
POINT WorkAreaCorner(const RECT& window) {
  MONITORINFO info = {};
  info.cbSize = sizeof info;
  GetMonitorInfoA(MonitorFromRect(&window, MONITOR_DEFAULTTONEAREST), &info);
  return {info.rcWork.left - info.rcMonitor.left, info.rcWork.top - info.rcMonitor.top};
}

}  // namespace

void RestoreSelectorPlace(HWND window, orvent::Platform& platform, const RECT& minimum) {
  std::vector<orvent::Rect> workAreas;
  EnumDisplayMonitors(nullptr, nullptr, AddWorkArea, reinterpret_cast<LPARAM>(&workAreas));
  const std::optional<orvent::WindowPlace> place = orvent::KeptWindowPlace(
      platform, workAreas, minimum.right - minimum.left, minimum.bottom - minimum.top);
  if (!place) return;
  WINDOWPLACEMENT placement = {};
  placement.length = sizeof placement;
  RECT& r = placement.rcNormalPosition;
  r = {place->normal.left, place->normal.top, place->normal.right, place->normal.bottom};
  const POINT corner = WorkAreaCorner(r);
  OffsetRect(&r, -corner.x, -corner.y);
  placement.showCmd = SW_SHOWNORMAL;
  SetWindowPlacement(window, &placement);
  // Maximised only once shown: a window shown maximised at once is not told
  // that it is shown, which the project on the command line waits for.
  if (place->maximised) ShowWindow(window, SW_MAXIMIZE);
}

void KeepSelectorPlace(HWND window, orvent::Platform& platform) {
  WINDOWPLACEMENT placement = {};
  placement.length = sizeof placement;
  if (!GetWindowPlacement(window, &placement)) return;
  RECT& r = placement.rcNormalPosition;
  const POINT corner = WorkAreaCorner(r);
  OffsetRect(&r, corner.x, corner.y);
  // A minimised window opens again as it was before.
  const bool maximised =
      placement.showCmd == SW_SHOWMAXIMIZED ||
      (placement.showCmd == SW_SHOWMINIMIZED && (placement.flags & WPF_RESTORETOMAXIMIZED) != 0);
  orvent::KeepWindowPlace(platform, {{r.left, r.top, r.right, r.bottom}, maximised});
}
