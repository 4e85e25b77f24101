#include "core/frame.h"

#include <algorithm>
#include <cstring>

#include "core/bytes.h"

namespace tikora {
namespace {

// The part of a picture placed at `bounds` that lies inside the frame, in picture coordinates.
struct Span {
  int pictureLeft = 0, pictureTop = 0, left = 0, top = 0, width = 0, height = 0;
};
Span clipped(const FrameRows& frame, const Bitmap& picture, const Rect& bounds) {
  Span span;
  const int right = std::min({bounds.left + bounds.width, bounds.left + picture.width(), frame.width});
  const int bottom = std::min({bounds.top + bounds.height, bounds.top + picture.height(), frame.height});
  span.left = std::max(bounds.left, 0);
  span.top = std::max(bounds.top, 0);
  span.pictureLeft = span.left - bounds.left;
  span.pictureTop = span.top - bounds.top;
  span.width = std::max(right - span.left, 0);
  span.height = std::max(bottom - span.top, 0);
  return span;
}

// Eight pixels of one colour, to pass over runs of it a word at a time.
struct PlainRun {
  static constexpr int kPixels = 8;
  std::uint8_t bytes[kPixels * 3];
  explicit PlainRun(Colour colour) {
    for (int i = 0; i < kPixels; ++i) {
      bytes[i * 3] = blueOf(colour);
      bytes[i * 3 + 1] = greenOf(colour);
      bytes[i * 3 + 2] = redOf(colour);
    }
  }
  // Whether the eight pixels from `pixels` on are all of the colour.
  bool at(const std::uint8_t* pixels) const { return sameBytes(pixels, bytes, sizeof bytes); }
};

}  // namespace

void copyPicture(const FrameRows& frame, const Bitmap& picture, const Rect& bounds) {
  const Span s = clipped(frame, picture, bounds);
  for (int y = 0; y < s.height; ++y) {
    const std::uint8_t* from = picture.row(s.pictureTop + y) + std::size_t(s.pictureLeft) * 3;
    copyBytes(frame.row(s.top + y) + std::size_t(s.left) * 3, from, std::size_t(s.width) * 3);
  }
}

void copyPictureLeavingOut(const FrameRows& frame, const Bitmap& picture, const Rect& bounds, Colour leftOut) {
  const Span s = clipped(frame, picture, bounds);
  const std::uint8_t blue = blueOf(leftOut), green = greenOf(leftOut), red = redOf(leftOut);
  const auto copyPixels = [&](const std::uint8_t* from, std::uint8_t* to, int count) {
    for (int x = 0; x < count; ++x, from += 3, to += 3) {
      if (from[0] == blue && from[1] == green && from[2] == red) continue;
      to[0] = from[0];
      to[1] = from[1];
      to[2] = from[2];
    }
  };
  // A hand layer is mostly the colour left out: runs of it are passed over whole.
  const PlainRun plain(leftOut);
  for (int y = 0; y < s.height; ++y) {
    const std::uint8_t* from = picture.row(s.pictureTop + y) + std::size_t(s.pictureLeft) * 3;
    std::uint8_t* to = frame.row(s.top + y) + std::size_t(s.left) * 3;
    int x = 0;
    for (; x + PlainRun::kPixels <= s.width;
         x += PlainRun::kPixels, from += sizeof plain.bytes, to += sizeof plain.bytes)
      if (!plain.at(from)) copyPixels(from, to, PlainRun::kPixels);
    copyPixels(from, to, s.width - x);
  }
}

Rect opaqueArea(const Bitmap& picture, Colour leftOut) {
  const int width = picture.width(), height = picture.height();
  const std::uint8_t blue = blueOf(leftOut), green = greenOf(leftOut), red = redOf(leftOut);
  const PlainRun plainRun(leftOut);
  int left = width, top = -1, right = -1, bottom = -1;  // edges inclusive while scanning
  for (int y = 0; y < height; ++y) {
    const std::uint8_t* row = picture.row(y);
    const auto opaque = [&](int x) {
      const std::uint8_t* p = row + std::size_t(x) * 3;
      return p[0] != blue || p[1] != green || p[2] != red;
    };
    const auto plain = [&](int x) { return plainRun.at(row + std::size_t(x) * 3); };
    // A row all of one colour equals itself shifted by a pixel: one comparison passes over it.
    if (width == 0 || (!opaque(0) && sameBytes(row, row + 3, std::size_t(width - 1) * 3))) continue;
    // Any other row holds a pixel to show. Only columns outside those already known can widen
    // the rectangle.
    if (top < 0) top = y;
    bottom = y;
    int first = 0;
    while (first + PlainRun::kPixels <= left && plain(first)) first += PlainRun::kPixels;
    while (first < left && !opaque(first)) ++first;
    left = std::min(left, first);
    int last = width - 1;
    while (last - PlainRun::kPixels >= right && plain(last - PlainRun::kPixels + 1)) last -= PlainRun::kPixels;
    while (last > right && !opaque(last)) --last;
    right = std::max(right, last);
  }
  if (top < 0) return {};
  return Rect::fromEdges(left, top, right + 1, bottom + 1);
}

Rect changedArea(const std::uint8_t* before, const std::uint8_t* after, int width, int height, std::size_t stride) {
  if (width <= 0 || height <= 0) return {};
  const std::size_t rowBytes = std::size_t(width) * 3;
  const auto differs = [](const std::uint8_t* a, const std::uint8_t* b, int x) {
    return !sameBytes(a + std::size_t(x) * 3, b + std::size_t(x) * 3, 3);
  };
  int left = width, top = -1, right = -1, bottom = -1;  // edges inclusive while scanning
  for (int y = 0; y < height; ++y) {
    const std::uint8_t* a = before + std::size_t(y) * stride;
    const std::uint8_t* b = after + std::size_t(y) * stride;
    if (sameBytes(a, b, rowBytes)) continue;
    if (top < 0) top = y;
    bottom = y;
    // Only columns outside those already known can widen the rectangle.
    int first = 0;
    while (first < left && !differs(a, b, first)) ++first;
    left = std::min(left, first);
    int last = width - 1;
    while (last > right && !differs(a, b, last)) --last;
    right = std::max(right, last);
  }
  if (top < 0) return {};
  return Rect::fromEdges(left, top, right + 1, bottom + 1);
}

}  // namespace tikora
