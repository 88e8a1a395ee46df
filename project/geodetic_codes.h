// The short geodetic codes a history row carries.
#pragma once

namespace orvent {

inline constexpr int kGeodeticCodeCount = 3;

inline constexpr const char* kGeodeticCodes[kGeodeticCodeCount] = {"TD", "JGD", "WGS"};

// The code for a kGeodeticNames index: WGS84 is "WGS", both JGD systems are
// "JGD", everything else counts as Tokyo datum.
const char* GeodeticCodeForIndex(int geodeticIndex);

}  // namespace orvent
