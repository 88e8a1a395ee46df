// The selector window's own texts: the grid's column headers, the filter
// box's cue and the question asked before a history row is deleted.
#pragma once

#include "selector/selector_model.h"

namespace orvent {

inline constexpr const char* kGridHeaders[SelectorModel::kColumns] = {"Project Name [GS]",
                                                                      "Recent App.", "Location"};
inline constexpr wchar_t kFilterCue[] = L"Filter by name or folder";
inline constexpr char kMsgDeleteQuestion[] =
    "Can I delete it?\n(The actual project file is not deleted.)";

}  // namespace orvent
