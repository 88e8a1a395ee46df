// Which radios of the project dialog the user may pick; the rules are
// ProjectDialogModel::Enables, in radio_rules.cpp.
#pragma once

#include "project/project_choices.h"

namespace orvent {

struct RadioEnables {
  bool application[kApplicationRadioCount] = {};
  bool projectType[kProjectTypeRadioCount] = {};
  bool geodetic[kGeodeticRadioCount] = {};
};

}  // namespace orvent
