#include "selector/window_place.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <string_view>

namespace orvent {
namespace {

const char kNormal[] = "normal";
const char kMaximised[] = "maximised";
// Farther from the screen's corner than any monitor lies.
const int kFarthest = 32767;
// The window's top strip, where its title bar lies, and how much of it the
// user must be able to take hold of.
const int kTitleBarHeight = 48;
const int kHoldWidth = 48;
const int kHoldHeight = 24;

bool ReadCoordinate(std::string_view text, int* value) {
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, *value);
  return error == std::errc() && stop == end && *value >= -kFarthest && *value <= kFarthest;
}

std::optional<WindowPlace> ReadPlace(std::string_view text) {
  std::vector<std::string_view> fields;
  for (std::size_t comma; (comma = text.find(',')) != std::string_view::npos;) {
    fields.push_back(text.substr(0, comma));
    text.remove_prefix(comma + 1);
  }
  fields.push_back(text);
  WindowPlace place;
  Rect& r = place.normal;
  if (fields.size() != 5 || !ReadCoordinate(fields[0], &r.left) ||
      !ReadCoordinate(fields[1], &r.top) || !ReadCoordinate(fields[2], &r.right) ||
      !ReadCoordinate(fields[3], &r.bottom)) {
    return std::nullopt;
  }
  place.maximised = fields[4] == kMaximised;
  if (!place.maximised && fields[4] != kNormal) return std::nullopt;
  return place;
}

bool TitleBarOn(const Rect& window, const Rect& area) {
  const int width = std::min(window.right, area.right) - std::max(window.left, area.left);
  const int height =
      std::min(window.top + kTitleBarHeight, area.bottom) - std::max(window.top, area.top);
  return width >= kHoldWidth && height >= kHoldHeight;
}

}  // namespace

std::optional<WindowPlace> KeptWindowPlace(Platform& platform, const std::vector<Rect>& workAreas,
                                           int minWidth, int minHeight) {
  std::string text;
  if (!platform.ReadUserSetting(kWindowPlaceSetting, &text)) return std::nullopt;
  const std::optional<WindowPlace> place = ReadPlace(text);
  if (!place) return std::nullopt;
  const Rect& r = place->normal;
  if (r.right - r.left < minWidth || r.bottom - r.top < minHeight) return std::nullopt;
  const auto onIt = [&r](const Rect& area) { return TitleBarOn(r, area); };
  if (std::none_of(workAreas.begin(), workAreas.end(), onIt)) return std::nullopt;
  return place;
}

void KeepWindowPlace(Platform& platform, const WindowPlace& place) {
  const Rect& r = place.normal;
  const std::string text = std::to_string(r.left) + "," + std::to_string(r.top) + "," +
                           std::to_string(r.right) + "," + std::to_string(r.bottom) + "," +
                           (place.maximised ? kMaximised : kNormal);
  static_cast<void>(platform.WriteUserSetting(kWindowPlaceSetting, text));
}

}  // namespace orvent
