// Pixel lists: chosen pixels of a picture with their original colours, kept so that the frame
// can be recoloured from its gold originals and the hands repainted in any colour.
#pragma once
#include <cstdint>
#include <vector>

#include "core/bitmap.h"

namespace tikora {

struct PixelRecord {
  std::int32_t x;
  std::int32_t y;
  Colour colour;
  bool operator==(const PixelRecord&) const = default;
};

using PixelList = std::vector<PixelRecord>;

// Every pixel that is not pure white inside the inclusive window (left..right, top..bottom),
// clipped to the picture, row by row from the top, left to right.
PixelList collectNonWhite(const Bitmap& picture, int left, int top, int right, int bottom);
// Every non-white pixel of the whole picture, in the same order.
PixelList collectNonWhite(const Bitmap& picture);
// Every pixel of the picture, white ones included, in the same order.
PixelList collectAll(const Bitmap& picture);

}  // namespace tikora
