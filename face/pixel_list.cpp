#include "face/pixel_list.h"

#include <algorithm>

namespace tikora {

PixelList collectNonWhite(const Bitmap& picture, int left, int top, int right, int bottom) {
  PixelList list;
  const int x0 = std::max(left, 0), y0 = std::max(top, 0);
  const int x1 = std::min(right, picture.width() - 1), y1 = std::min(bottom, picture.height() - 1);
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) {
      const Colour c = picture.pixel(x, y);
      if (c != kPureWhite) list.push_back({x, y, c});
    }
  return list;
}

PixelList collectNonWhite(const Bitmap& picture) {
  return collectNonWhite(picture, 0, 0, picture.width() - 1, picture.height() - 1);
}

PixelList collectAll(const Bitmap& picture) {
  PixelList list;
  list.reserve(std::size_t(picture.width()) * std::size_t(picture.height()));
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) list.push_back({x, y, picture.pixel(x, y)});
  return list;
}

}  // namespace tikora
