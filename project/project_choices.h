// How the project dialog's radio choices relate to a history row and to the
// project file. Choices are indexes within their radio groups.
#pragma once

#include "project/app_catalogue.h"
#include "project/geodetic_codes.h"

namespace orvent {

// Application radios, named by their captions. They are not the catalogue's
// applications (App) that a history row records: Engineering starts Wind
// Climate, Design Wind Speed or Extreme Wind, by the project type.
inline constexpr int kBasicRadio = 0;
inline constexpr int kEnergyRadio = 1;
inline constexpr int kEngineeringRadio = 2;
inline constexpr int kApplicationRadioCount = 3;

// Project type radios, numbered as ProjectFile::projectType.
inline constexpr int kTypeMeasurement = 0;
inline constexpr int kTypeMesoScale = 1;
inline constexpr int kTypeDesignWindSpeed = 2;
inline constexpr int kTypeExtremeWind = 3;
inline constexpr int kTypeWindPower = 4;
inline constexpr int kProjectTypeRadioCount = 5;

// Geodetic radios.
inline constexpr int kGeoTokyo = 0;
inline constexpr int kGeoJgd2011 = 1;
inline constexpr int kGeoWgs84 = 2;
inline constexpr int kGeodeticRadioCount = 3;

struct Choices {
  int application = kBasicRadio;
  int projectType = kTypeMeasurement;
};

// The application the choices start: Engineering with Extreme wind is Extreme
// Wind, Energy with Wind power is Wind Farm; otherwise Basic, Energy, or for
// Engineering Wind Climate.
App AppForChoices(const Choices& choices);

// The choices that show a history row's application for an existing project
// whose file reads as `fileProjectType`.
Choices ChoicesForApp(App app, int fileProjectType);

// The geodetic radio a project file's system is shown with: the JGD systems
// as JGD2011, everything else (WGS84 too) as Tokyo datum.
int GeodeticRadioFor(GeodeticSystem system);

// The system written for a geodetic radio (none: ZV_MERIDANCE).
GeodeticSystem GeodeticSystemForRadio(int radio);

}  // namespace orvent
