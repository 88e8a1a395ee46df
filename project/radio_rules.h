// Which radios of the project dialog the user may pick.
#pragma once

#include "project/project_choices.h"

namespace orvent {

struct RadioRuleInput {
  bool createMode = false;
  bool selectApplicationMode = false;
  bool showExtremeWind = true;
  bool showWindPower = false;
  bool haveName = false;
  bool haveLocation = false;
  int applicationChoice = kAppBasic;
  int projectTypeChoice = kTypeMeasurement;
  int initialProjectType = kTypeMeasurement;
  int geodeticRadio = kGeoTokyo;
};

struct RadioEnables {
  bool application[kApplicationRadioCount] = {};
  bool projectType[kProjectTypeRadioCount] = {};
  bool geodetic[kGeodeticRadioCount] = {};
};

// An index outside its group (no choice, or a project type the file made up)
// enables nothing.
RadioEnables ComputeRadioEnables(const RadioRuleInput& input);

}  // namespace orvent
