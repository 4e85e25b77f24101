#include "core/bitmap.h"
#include <algorithm>

#include "core/bytes.h"

namespace tikora {

Bitmap::Bitmap(int width, int height, Colour fillColour)
    : width_(width > 0 ? width : 0),
      height_(height > 0 ? height : 0),
      stride_(std::size_t(width_) * 3),
      data_(stride_ * std::size_t(height_)) {
  fill(fillColour);
}

void Bitmap::fill(Colour c) {
  if (empty()) return;
  std::uint8_t* first = row(0);
  for (int x = 0; x < width_; ++x) {
    first[x * 3] = blueOf(c);
    first[x * 3 + 1] = greenOf(c);
    first[x * 3 + 2] = redOf(c);
  }
  for (int y = 1; y < height_; ++y) copyBytes(row(y), first, stride_);
}

}  // namespace tikora
