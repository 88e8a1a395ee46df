// How the project dialog's radio choices relate to a history row and to the
// project file. Choices are indexes within their radio groups.
#pragma once

namespace orvent {

// Application radios.
inline constexpr int kAppBasic = 0;
inline constexpr int kAppEnergy = 1;
inline constexpr int kAppEngineering = 2;
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
  int application = kAppBasic;
  int projectType = kTypeMeasurement;
};

// The kAppCatalogue row the choices start: Engineering with Extreme wind is
// row 4, Energy with Wind power row 5, any other pair the application itself.
int AppIndexForChoices(const Choices& choices);

// The choices that show a history row's application for an existing project
// whose file reads as `fileProjectType`.
Choices ChoicesForAppIndex(int appIndex, int fileProjectType);

// The geodetic radio a project file's kGeodeticNames index is shown with: the
// JGD systems as JGD2011, everything else (WGS84 too) as Tokyo datum.
int GeodeticRadioForIndex(int geodeticIndex);

// The kGeodeticNames index written for a geodetic radio (-1 for none).
int GeodeticIndexForRadio(int radio);

}  // namespace orvent
