// The geodetic systems a project file names, and the short codes a history
// row carries for them.
#pragma once

namespace orvent {

// In the order of kGeodeticNames.
enum class GeodeticSystem { kZvMeridance, kTokyoDatum, kGrs80, kWgs84, kJgd2000, kJgd2011 };

inline constexpr int kGeodeticNameCount = 6;

// Geodetic system names, matched ignoring case; only WGS84 and the JGD
// systems are ever written.
inline constexpr const char* kGeodeticNames[kGeodeticNameCount] = {
    "ZV_MERIDANCE", "TD", "GRS80", "WGS84", "JGD2000", "JGD2011",
};

inline const char* GeodeticSystemName(GeodeticSystem system) {
  return kGeodeticNames[static_cast<int>(system)];
}

inline constexpr int kGeodeticCodeCount = 3;

inline constexpr const char* kGeodeticCodes[kGeodeticCodeCount] = {"TD", "JGD", "WGS"};

// The code for a geodetic system: WGS84 is "WGS", both JGD systems are
// "JGD", everything else counts as Tokyo datum.
const char* GeodeticCodeFor(GeodeticSystem system);

}  // namespace orvent
