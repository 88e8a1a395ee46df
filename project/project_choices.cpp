#include "project/project_choices.h"

namespace orvent {

App AppForChoices(const Choices& choices) {
  if (choices.application == kAppEngineering && choices.projectType == kTypeExtremeWind) {
    return App::kExtremeWind;
  }
  if (choices.application == kAppEnergy && choices.projectType == kTypeWindPower) {
    return App::kWindFarm;
  }
  switch (choices.application) {
    case kAppEnergy:
      return App::kEnergy;
    case kAppEngineering:
      return App::kWindClimate;
    default:
      return App::kBasic;
  }
}

Choices ChoicesForApp(App app, int fileProjectType) {
  switch (app) {
    case App::kEnergy:
      return Choices{kAppEnergy, fileProjectType};
    case App::kWindClimate:
      return Choices{kAppEngineering, fileProjectType};
    case App::kDesignWindSpeed:
      return Choices{kAppEngineering, kTypeDesignWindSpeed};
    case App::kExtremeWind:
      return Choices{kAppEngineering, kTypeExtremeWind};
    case App::kWindFarm:
      return Choices{kAppEnergy, kTypeWindPower};
    default:
      return Choices{kAppBasic, fileProjectType};
  }
}

int GeodeticRadioFor(GeodeticSystem system) {
  return system == GeodeticSystem::kJgd2000 || system == GeodeticSystem::kJgd2011 ? kGeoJgd2011
                                                                                  : kGeoTokyo;
}

GeodeticSystem GeodeticSystemForRadio(int radio) {
  switch (radio) {
    case kGeoJgd2011:
      return GeodeticSystem::kJgd2011;
    case kGeoWgs84:
      return GeodeticSystem::kWgs84;
    default:
      return GeodeticSystem::kZvMeridance;
  }
}

}  // namespace orvent
