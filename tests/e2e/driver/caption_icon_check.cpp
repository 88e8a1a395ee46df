#include "tests/e2e/driver/caption_icon_check.h"

#include <cstddef>
#include <sstream>
#include <vector>

#include "tests/e2e/driver/icon_search.h"
#include "tests/e2e/driver/polling.h"
#include "tests/e2e/driver/resource_icon.h"
#include "tests/e2e/driver/screen_image.h"
#include "tests/e2e/driver/window_input.h"

namespace e2e {
namespace {

constexpr DWORD kFrontTimeoutMs = 2000;
// The caption is repainted in the window's own time; until then the screen
// may still show an older caption.
constexpr DWORD kPaintTimeoutMs = 3000;
// Limits, 0..255 per channel. The caption shows the very image drawn here,
// by the same system code, so the right icon differs by rounding at most;
// that icon mirrored already measures a mean near 10, other icons 20 and up.
constexpr double kMeanLimit = 4.0;
constexpr int kLargestLimit = 64;

bool Within(const PixelDifference& difference) {
  return difference.mean <= kMeanLimit && difference.largest <= kLargestLimit;
}

// The top-left corner of the window, far enough in to hold frame, caption
// and the icon wherever the system places it there.
RECT SearchArea(HWND window) {
  RECT area = {};
  GetWindowRect(window, &area);
  const int reach = 2 * (GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME) +
                         GetSystemMetrics(SM_CXPADDEDBORDER));
  if (area.right - area.left > reach) area.right = area.left + reach;
  if (area.bottom - area.top > reach) area.bottom = area.top + reach;
  return area;
}

bool ShowsOnlyWindow(HWND window, const RECT& area) {
  const POINT corners[] = {{area.left, area.top},
                           {area.right - 1, area.top},
                           {area.left, area.bottom - 1},
                           {area.right - 1, area.bottom - 1}};
  for (const POINT& corner : corners) {
    HWND there = WindowFromPoint(corner);
    if (there == nullptr || GetAncestor(there, GA_ROOT) != window) return false;
  }
  return true;
}

std::string SizeText(int width, int height) {
  return std::to_string(width) + "x" + std::to_string(height);
}

struct CaptionReading {
  bool readable = false;
  IconMatch match;
  std::size_t candidate = 0;  // which of the candidates matched best
};

// Reads the area until one of the candidates is found in it within the
// limits or the caption had time enough to be painted.
CaptionReading ReadCaption(const RECT& area, std::vector<DrawnIcon>* candidates) {
  CaptionReading reading;
  WaitUntil(
      [&] {
        ScreenImage image;
        if (!CaptureScreen(area, &image)) return false;
        reading.readable = true;
        reading.match = IconMatch();
        for (std::size_t i = 0; i < candidates->size(); ++i) {
          const IconMatch match = FindIcon(image, &(*candidates)[i]);
          if (match.found &&
              (!reading.match.found || match.difference.mean < reading.match.difference.mean)) {
            reading.match = match;
            reading.candidate = i;
          }
        }
        return reading.match.found && Within(reading.match.difference);
      },
      kPaintTimeoutMs, 50);
  return reading;
}

}  // namespace

IconVerdict CompareCaptionIcon(HWND window, const std::string& exePath, int resourceId,
                               std::string* detail) {
  const int width = GetSystemMetrics(SM_CXSMICON);
  const int height = GetSystemMetrics(SM_CYSMICON);
  const int largeWidth = GetSystemMetrics(SM_CXICON);
  const int largeHeight = GetSystemMetrics(SM_CYICON);
  // The caption shows the small image, or the large one drawn small when only
  // the big icon reaches it; either is the resource.
  ResourceIcon small(exePath, resourceId, width, height);
  ResourceIcon large(exePath, resourceId, largeWidth, largeHeight);
  if (small.Handle() == nullptr || large.Handle() == nullptr) {
    *detail =
        "icon resource " + std::to_string(resourceId) + " of " + exePath + " cannot be loaded";
    return IconVerdict::kDifferent;
  }
  std::vector<DrawnIcon> candidates;
  candidates.emplace_back(small.Handle(), width, height);
  candidates.emplace_back(large.Handle(), width, height);
  const std::string candidateNames[] = {SizeText(width, height) + " image",
                                        SizeText(largeWidth, largeHeight) + " image drawn small"};

  if (!BringToFront(window, kFrontTimeoutMs)) {
    *detail = "the window cannot be brought to the front";
    return IconVerdict::kUnreadable;
  }
  const RECT area = SearchArea(window);
  if (!ShowsOnlyWindow(window, area)) {
    *detail = "another window covers the caption";
    return IconVerdict::kUnreadable;
  }
  const CaptionReading reading = ReadCaption(area, &candidates);
  if (!reading.readable) {
    *detail = "the screen cannot be read";
    return IconVerdict::kUnreadable;
  }
  const IconMatch& match = reading.match;
  if (!match.found) {
    *detail = "the caption area is smaller than a " + SizeText(width, height) + " icon";
    return IconVerdict::kDifferent;
  }
  std::ostringstream text;
  text << "caption icon at (" << match.x << "," << match.y << ") of the window, closest to the "
       << candidateNames[reading.candidate] << " of icon resource " << resourceId
       << ": mean channel difference " << match.difference.mean << " (limit " << kMeanLimit
       << "), largest " << match.difference.largest << " (limit " << kLargestLimit << ")";
  *detail = text.str();
  return Within(match.difference) ? IconVerdict::kSame : IconVerdict::kDifferent;
}

}  // namespace e2e
