#include "project/geodetic_codes.h"

namespace orvent {

const char* GeodeticCodeFor(GeodeticSystem system) {
  switch (system) {
    case GeodeticSystem::kWgs84:
      return kGeodeticCodes[2];
    case GeodeticSystem::kJgd2000:
    case GeodeticSystem::kJgd2011:
      return kGeodeticCodes[1];
    default:
      return kGeodeticCodes[0];
  }
}

}  // namespace orvent
