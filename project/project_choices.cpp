#include "project/project_choices.h"

namespace orvent {

int AppIndexForChoices(const Choices& choices) {
  if (choices.application == kAppEngineering && choices.projectType == kTypeExtremeWind) return 4;
  if (choices.application == kAppEnergy && choices.projectType == kTypeWindPower) return 5;
  return choices.application;
}

Choices ChoicesForAppIndex(int appIndex, int fileProjectType) {
  switch (appIndex) {
    case 3:
      return Choices{kAppEngineering, kTypeDesignWindSpeed};
    case 4:
      return Choices{kAppEngineering, kTypeExtremeWind};
    case 5:
      return Choices{kAppEnergy, kTypeWindPower};
    default:
      return Choices{appIndex, fileProjectType};
  }
}

int GeodeticRadioForIndex(int geodeticIndex) {
  return geodeticIndex == 4 || geodeticIndex == 5 ? kGeoJgd2011 : kGeoTokyo;
}

int GeodeticIndexForRadio(int radio) {
  switch (radio) {
    case kGeoJgd2011:
      return 5;
    case kGeoWgs84:
      return 3;
    default:
      return 0;
  }
}

}  // namespace orvent
