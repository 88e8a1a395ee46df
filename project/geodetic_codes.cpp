#include "project/geodetic_codes.h"

namespace orvent {

const char* GeodeticCodeForIndex(int geodeticIndex) {
  switch (geodeticIndex) {
    case 3:
      return kGeodeticCodes[2];
    case 4:
    case 5:
      return kGeodeticCodes[1];
    default:
      return kGeodeticCodes[0];
  }
}

}  // namespace orvent
