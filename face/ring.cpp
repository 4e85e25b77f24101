#include "face/ring.h"

#include <cmath>

#include "core/rounding.h"

namespace tikora {

Point ringPosition(double radius, double angleDegrees) {
  const double radians = angleDegrees * kRingDegreeToRadian;
  return {kFaceCentre.x - int(roundHalfEven(radius * std::cos(radians))),
          kFaceCentre.y - int(roundHalfEven(radius * std::sin(radians)))};
}

Point secondsRingPosition(int i) { return ringPosition(kSecondsRingRadius, 6.0 * i); }

Point secondPosition(int second) { return ringPosition(kSecondsRingRadius, 6.0 * second - 270.0); }

Point digitPosition(int n) { return ringPosition(kDigitRingRadius, 30.0 * n - 1350.0); }

}  // namespace tikora
