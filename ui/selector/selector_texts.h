// The selector window's own texts: the grid's column headers, the filter
// box's cue and the questions asked before history rows are removed.
#pragma once

#include <string>

#include "selector/selector_model.h"

namespace orvent {

inline constexpr const char* kGridHeaders[SelectorModel::kColumns] = {"Project Name [GS]",
                                                                      "Recent App.", "Location"};
inline constexpr wchar_t kFilterCue[] = L"Filter by name or folder";
inline constexpr char kJumpCategory[] = "Recent Projects";
inline constexpr char kMsgDeleteQuestion[] =
    "Can I delete it?\n(The actual project file is not deleted.)";
inline constexpr char kMsgNoneMissing[] = "No project is missing.";
inline std::string RemoveMissingQuestion(int missing) {
  return "Remove the projects not found (" + std::to_string(missing) + ") from the history?";
}

}  // namespace orvent
