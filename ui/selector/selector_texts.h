// The selector window's own texts: the grid's column headers and the
// question asked before a history row is deleted.
#pragma once

#include "selector/selector_model.h"

namespace orvent {

inline constexpr const char* kGridHeaders[SelectorModel::kColumns] = {"Project Name [GS]",
                                                                      "Recent App.", "Location"};
inline constexpr char kMsgDeleteQuestion[] =
    "Can I delete it?\n(The actual project file is not deleted.)";

}  // namespace orvent
