#include "project/geodetic_codes.h"

namespace orvent {

const char* GeodeticCodeFor(GeodeticSystem system) {
  switch (system) {
    case GeodeticSystem::kWgs84:
      return GeodeticCodes[2];
    case GeodeticSystem::kJgd2000:
    case GeodeticSystem::kJgd2011:
      return GeodeticCodes[1];
    default:
      return GeodeticCodes[0];
  }
}

}  // namespace orvent
