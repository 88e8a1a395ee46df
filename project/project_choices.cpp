#include "project/project_choices.h"

namespace orvent {

App AppForChoices(const Choices& choices) {
  if (choices.application == kEngineeringRadio && choices.projectType == kTypeExtremeWind) {
    return App::kExtremeWind;
  }
  if (choices.application == kEnergyRadio && choices.projectType == kTypeWindPower) {
    return App::kWindFarm;
  }
  switch (choices.application) {
    case kEnergyRadio:
      return App::kEnergy;
    case kEngineeringRadio:
      return App::kWindClimate;
    default:
      return App::kBasic;
  }
}

Choices ChoicesForApp(App app, int fileProjectType) {
  switch (app) {
    case App::kEnergy:
      return Choices{kEnergyRadio, fileProjectType};
    case App::kWindClimate:
      return Choices{kEngineeringRadio, fileProjectType};
    case App::kDesignWindSpeed:
      return Choices{kEngineeringRadio, kTypeDesignWindSpeed};
    case App::kExtremeWind:
      return Choices{kEngineeringRadio, kTypeExtremeWind};
    case App::kWindFarm:
      return Choices{kEnergyRadio, kTypeWindPower};
    default:
      return Choices{kBasicRadio, fileProjectType};
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
