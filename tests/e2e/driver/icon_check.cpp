#include "tests/e2e/driver/icon_check.h"

#include "tests/e2e/driver/icon_pixels.h"
#include "tests/e2e/driver/resource_icon.h"

namespace e2e {
namespace {

HICON WindowBigIcon(HWND window) {
  DWORD_PTR icon = 0;
  if (!SendMessageTimeoutA(window, WM_GETICON, ICON_BIG, 0, SMTO_ABORTIFHUNG, 5000, &icon)) {
    return nullptr;
  }
  return reinterpret_cast<HICON>(icon);
}

bool RenderResource(const std::string& exePath, int resourceId, int width, int height,
                    IconPixels* pixels) {
  ResourceIcon icon(exePath, resourceId, width, height);
  return icon.Handle() != nullptr && RenderIcon(icon.Handle(), width, height, pixels);
}

}  // namespace

void PrintTo(IconVerdict verdict, std::ostream* out) {
  switch (verdict) {
    case IconVerdict::kSame:
      *out << "same";
      return;
    case IconVerdict::kDifferent:
      *out << "different";
      return;
    case IconVerdict::kUnreadable:
      *out << "unreadable";
      return;
  }
  *out << "unknown";
}

IconVerdict CompareWindowIcon(HWND window, const std::string& exePath, int resourceId,
                              std::string* detail) {
  HICON shown = WindowBigIcon(window);
  int width = 0;
  int height = 0;
  IconPixels shownPixels;
  if (shown == nullptr || !IconSize(shown, &width, &height) ||
      !RenderIcon(shown, width, height, &shownPixels)) {
    *detail = shown == nullptr ? "WM_GETICON ICON_BIG gives no icon"
                               : "the window's icon handle cannot be drawn here";
    return IconVerdict::kUnreadable;
  }
  IconPixels expected;
  if (!RenderResource(exePath, resourceId, width, height, &expected)) {
    *detail =
        "icon resource " + std::to_string(resourceId) + " of " + exePath + " cannot be loaded";
    return IconVerdict::kDifferent;
  }
  if (!SamePixels(shownPixels, expected)) {
    *detail = "the window's " + std::to_string(width) + "x" + std::to_string(height) +
              " icon differs from icon resource " + std::to_string(resourceId);
    return IconVerdict::kDifferent;
  }
  return IconVerdict::kSame;
}

}  // namespace e2e
