// Positions on the face's rings: the sixty seconds marks, the laser's seconds and the digits.
//
// A point at radius R and angle a (degrees) around the face centre (120, 120) is
//   x = 120 - round(R * cos(a * K)),  y = 120 - round(R * sin(a * K))
// with round-half-to-even and K = 0.017444444444444444445, which is 3.14 / 180 and not pi / 180.
// The face has always been laid out with this K; it moves some points by one pixel against the
// exact circle (digit 3 sits at (194, 121), not (194, 120)) and makes angles a and a - 360 land
// up to a pixel apart, so angles are used exactly as given and never reduced modulo 360.
#pragma once
#include "core/painter.h"

namespace tikora {

inline constexpr Point kFaceCentre{120, 120};
inline constexpr double kRingDegreeToRadian = 0.017444444444444444445;
inline constexpr int kSecondsRingRadius = 93;
inline constexpr int kDigitRingRadius = 74;

Point ringPosition(double radius, double angleDegrees);

// Seconds ring position i (0 to 59): radius 93, angle 6 * i. Position 0 is at the left
// (27, 120), position 15 at the top (120, 27); every fifth position is a mark.
Point secondsRingPosition(int i);
inline bool isSecondsMark(int i) { return i % 5 == 0; }

// Where second s is shown by the laser: radius 93, angle 6 * s - 270, so second 0 is at the top
// (120, 27) and second 15 at the right (213, 120). s may lie outside 0 to 59.
Point secondPosition(int second);

// Centre of digit n (1 to 12): radius 74, angle 30 * n - 1350.
Point digitPosition(int n);

}  // namespace tikora
