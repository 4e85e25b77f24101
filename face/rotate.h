// Rotation of hand pictures about the pivot, clockwise on screen, by destination-to-source
// mapping with the program's own rounding, so every rotated pixel is reproducible.
#pragma once
#include <cmath>
#include <cstdint>
#include <vector>

#include "core/bitmap.h"
#include "core/geometry.h"
#include "core/rounding.h"

namespace tikora {

// Smallest rectangle holding every pixel of a picture that differs from a given colour; an empty
// rectangle when there is none.
Rect boundsOfPixelsOtherThan(const Bitmap& picture, Colour colour);

// roundHalfEven(value), without branches for the magnitudes a rotation meets (the fractions are
// as good as random there, so branches would be mispredicted). Truncation gives the integer part
// w, and value - w is then exact (both have the same sign and w = 0 or |w| >= |value| / 2), so the
// fraction is compared with one half without error. Values from 2^52 on take the general path.
inline std::int64_t roundCoordinate(double value) {
  if (!(std::fabs(value) < 4503599627370496.0)) return roundHalfEven(value);
  const std::int64_t whole = static_cast<std::int64_t>(value);
  const double fraction = value - static_cast<double>(whole);
  const std::int64_t odd = whole & 1;
  const std::int64_t up = std::int64_t(fraction > 0.5) | (std::int64_t(fraction == 0.5) & odd);
  const std::int64_t down = std::int64_t(fraction < -0.5) | (std::int64_t(fraction == -0.5) & odd);
  return whole + up - down;
}

// The angle a rotation actually uses: exactly 270 is drawn at 269.8.
double drawnAngle(double angleDegrees);

// Rotates `source` by `angleDegrees` clockwise about (centreX, centreY) into `destination`, which
// gets the source's size (its memory is reused when the size already fits). For every
// destination pixel (x, y):
//   t = -A * pi / 180 with A = drawnAngle(angleDegrees);
//   dx = 2 * (x - centreX) + 1, dy = 2 * (y - centreY) + 1;
//   u = round(dx * cos t - dy * sin t), v = round(dx * sin t + dy * cos t), halves to even;
//   sx = centreX + (u - 1) / 2, sy = centreY + (v - 1) / 2, dividing toward zero;
// the source pixel (sx, sy) when it lies inside the source, else `fill` (its low 24 bits).
void rotatePicture(const Bitmap& source, Bitmap& destination, double angleDegrees, Colour fill, int centreX,
                   int centreY);
Bitmap rotatePicture(const Bitmap& source, double angleDegrees, Colour fill, int centreX, int centreY);
// The same with every source pixel other than `fill` known to lie within `sourceBounds` (a
// rectangle as boundsOfPixelsOtherThan(source, fill) gives, or any larger one), for rotating one
// picture many times or when the caller knows where it painted.
//
// With a `footprint`, the rotation records, per destination row, the columns outside of which it
// left only the fill colour. Handed back for the next rotation into the same, otherwise untouched
// picture, it lets that rotation skip rewriting the rest with the same fill colour; a footprint
// of another fill colour or size, or an empty one, is ignored. The result is the same either way.
struct ColumnSpan {
  int first = 0;
  int last = -1;  // before `first` when the row holds nothing but the fill colour
};
struct RotationFootprint {
  Colour fill = 0;
  std::vector<ColumnSpan> rows;
};
void rotatePicture(const Bitmap& source, const Rect& sourceBounds, Bitmap& destination, double angleDegrees,
                   Colour fill, int centreX, int centreY, RotationFootprint* footprint = nullptr);

}  // namespace tikora
