// What the user is told by the framework itself.
#pragma once

namespace ui {

// An exception that reached a window's message handler.
inline constexpr char kMsgUnexpectedError[] =
    "An unexpected error occurred; the last action was not finished.";

}  // namespace ui
