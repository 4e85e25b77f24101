// Hand pictures: the hand lists taken from the hand bitmaps, and the 240 x 240 picture a hand
// list is painted into before it is rotated and smoothed.
#pragma once
#include "core/bitmap.h"
#include "face/pixel_list.h"
#include "face/rotate.h"

namespace tikora {

inline constexpr int kHandPictureSize = 240;
inline constexpr int kHandPivotX = 120;
inline constexpr int kHandPivotY = 120;
// The part of a hand bitmap that holds the hand (bounds inclusive); anything outside it, such
// as a tail below the pivot, is not drawn.
inline constexpr int kHandWindowLeft = 110;
inline constexpr int kHandWindowRight = 130;
inline constexpr int kHandWindowTop = 20;
inline constexpr int kHandWindowBottom = 140;
// Records of a hand's pure black pixels take the hand colour when painted.
inline constexpr Colour kHandColourMarker = 0x000000;

// Every pixel of the hand window that is not pure white, row by row from the top.
PixelList handListFromPicture(const Bitmap& handBitmap);

// Paints `hand` into `picture`: 240 x 240 filled with `background`, then every record at its
// (x, y) in its own colour, or in `handColour` when its colour is 0. Reuses the picture's
// memory when it already has the right size.
void paintHandPicture(Bitmap& picture, const PixelList& hand, Colour handColour, Colour background);
Bitmap paintHandPicture(const PixelList& hand, Colour handColour, Colour background);
// The rectangle a painted hand can differ from its background in: around the records that fall
// inside the picture.
Rect paintedHandBounds(const PixelList& hand);

}  // namespace tikora
