// Scaling to a screen's resolution; see dpi.h.
#include "core/dpi.h"

#include <cstdint>

namespace tikora {
namespace {

// value * numerator / denominator to the nearest integer, halves away from zero, as the
// system's MulDiv rounds; `denominator` is positive.
int mulDiv(int value, int numerator, int denominator) {
  const std::int64_t product = std::int64_t(value) * numerator;
  const std::int64_t half = denominator / 2;
  return static_cast<int>(product >= 0 ? (product + half) / denominator : -((-product + half) / denominator));
}

}  // namespace

int scaleToDpi(int value, int dpi) { return dpi > 0 ? mulDiv(value, dpi, kStandardDpi) : value; }

Rect scaleToDpi(const Rect& bounds, int dpi) {
  return Rect::fromEdges(scaleToDpi(bounds.left, dpi), scaleToDpi(bounds.top, dpi), scaleToDpi(bounds.right(), dpi),
                         scaleToDpi(bounds.bottom(), dpi));
}

int standardPixelsCovering(int pixels, int dpi) {
  if (dpi <= 0 || pixels <= 0) return pixels;
  int standard = static_cast<int>((std::int64_t(pixels) * kStandardDpi + dpi - 1) / dpi);
  // Rounding down a half-pixel may still reach; the fewest that do.
  while (standard > 0 && scaleToDpi(standard - 1, dpi) >= pixels) --standard;
  return standard;
}

int characterHeight(const FontSpec& font, int dpi) {
  return font.pixels > 0 ? scaleToDpi(font.pixels, dpi) : mulDiv(font.points, dpi, 72);
}

}  // namespace tikora
