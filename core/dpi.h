// Screen resolution: every window layout, font and picture of the program is given at 96 DPI
// (the classic 100 % screen) and scaled to the DPI of the window that shows it.
//
// Rectangles are scaled by their edges, not by their sizes: two controls that touch at 96 DPI
// still touch at any DPI, and two that do not overlap never come to overlap, since scaling an
// edge is monotonic. Sizes may differ by one pixel between equal controls instead.
#pragma once
#include "core/font.h"
#include "core/geometry.h"

namespace tikora {

inline constexpr int kStandardDpi = 96;

// `value` (pixels at 96 DPI) at `dpi`, to the nearest pixel, halves away from zero.
int scaleToDpi(int value, int dpi);
// A rectangle at `dpi` by its scaled edges.
Rect scaleToDpi(const Rect& bounds, int dpi);
// The fewest 96-DPI pixels that cover `pixels` pixels at `dpi` once scaled: a window as wide as
// the screen, in the units of its layout.
int standardPixelsCovering(int pixels, int dpi);

// The character height in pixels (the em height, without internal leading) of `font` at `dpi`:
// points by 72 to the inch, or a pixel size given at 96 DPI scaled to `dpi`.
int characterHeight(const FontSpec& font, int dpi);

}  // namespace tikora
