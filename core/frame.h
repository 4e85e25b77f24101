// A 24-bit picture whose rows live elsewhere (the clock window's back buffer, a DIB section):
// pictures copied into it, and where it changed from one frame to the next, so that a window
// sends only that part to the screen.
#pragma once
#include <cstddef>
#include <cstdint>

#include "core/bitmap.h"
#include "core/geometry.h"

namespace tikora {

struct FrameRows {
  std::uint8_t* bits = nullptr;  // row 0 first, three bytes (blue, green, red) a pixel
  int width = 0;
  int height = 0;
  std::size_t stride = 0;
  std::uint8_t* row(int y) const { return bits + std::size_t(y) * stride; }
};

// Copies `picture` placed at `bounds` (clipped to the bounds and to the frame) as it is.
void copyPicture(const FrameRows& frame, const Bitmap& picture, const Rect& bounds);
// The same, leaving out every pixel of the colour `leftOut`.
void copyPictureLeavingOut(const FrameRows& frame, const Bitmap& picture, const Rect& bounds, Colour leftOut);

// The smallest rectangle holding every pixel of `picture` not of the colour `leftOut`, in the
// picture's coordinates; empty when there is none.
Rect opaqueArea(const Bitmap& picture, Colour leftOut);

// The smallest rectangle holding every pixel in which `before` and `after` differ; both are
// `height` rows of `width` pixels (three bytes each), `stride` bytes apart. Empty when they are
// the same.
Rect changedArea(const std::uint8_t* before, const std::uint8_t* after, int width, int height, std::size_t stride);

}  // namespace tikora
