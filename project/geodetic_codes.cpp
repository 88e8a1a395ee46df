#include "project/geodetic_codes.h"

namespace orvent {

const char* GeodeticCodeForIndex(int geodeticIndex) {
  switch (geodeticIndex) {
    case 3:
      return GeodeticCodes[2];
    case 4:
    case 5:
      return GeodeticCodes[1];
    default:
      return GeodeticCodes[0];
  }
}

}  // namespace orvent
