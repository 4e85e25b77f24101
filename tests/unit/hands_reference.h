// Slow, literal versions of the hand picture operations, written straight from their
// descriptions one pixel at a time, that the fast raster code is checked against; and the hand
// pictures the checks run on: the generated hand bitmaps when they are there, drawn stand-ins
// of the same make otherwise.
#pragma once
#include <cmath>
#include <cstdint>
#include <numbers>
#include <optional>
#include <random>
#include <string>

#include "core/bitmap.h"
#include "core/dib.h"
#include "core/rounding.h"
#include "face/pixel_list.h"

namespace tikora::reference {

inline Bitmap paint(const PixelList& hand, Colour handColour, Colour background) {
  Bitmap picture(240, 240, background);
  for (const PixelRecord& r : hand) picture.setPixel(r.x, r.y, r.colour == 0 ? handColour : r.colour);
  return picture;
}

inline void smooth(Bitmap& picture, int weight) {
  const int w = picture.width(), h = picture.height();
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const Colour c = picture.pixel(x, y);
      std::int64_t red = 100 * redOf(c), green = 100 * greenOf(c), blue = 100 * blueOf(c);
      std::int64_t total = 100;
      const auto add = [&](int nx, int ny) {
        const Colour n = picture.pixel(nx, ny);
        red += std::int64_t(weight) * redOf(n);
        green += std::int64_t(weight) * greenOf(n);
        blue += std::int64_t(weight) * blueOf(n);
        total += weight;
      };
      if (x > 0) add(x - 1, y);
      if (x < w - 1) add(x + 1, y);
      if (y > 0) add(x, y - 1);
      if (y < h - 1) add(x, y + 1);
      picture.setPixel(x, y,
                       rgb(std::uint8_t(roundHalfEvenDiv(red, total)), std::uint8_t(roundHalfEvenDiv(green, total)),
                           std::uint8_t(roundHalfEvenDiv(blue, total))));
    }
}

inline Bitmap rotate(const Bitmap& source, double angle, Colour fill, int cx = 120, int cy = 120) {
  if (angle == 270) angle = 269.8;
  const double t = -angle * std::numbers::pi / 180;
  const double sinT = std::sin(t), cosT = std::cos(t);
  Bitmap destination(source.width(), source.height());
  for (int y = source.height() - 1; y >= 0; --y)
    for (int x = source.width() - 1; x >= 0; --x) {
      const int dy = 2 * (y - cy) + 1, dx = 2 * (x - cx) + 1;
      const std::int64_t u = roundHalfEven(dx * cosT - dy * sinT);
      const std::int64_t v = roundHalfEven(dx * sinT + dy * cosT);
      const std::int64_t sx = cx + (u - 1) / 2, sy = cy + (v - 1) / 2;
      const bool inside = sx >= 0 && sx < source.width() && sy >= 0 && sy < source.height();
      destination.setPixel(x, y, inside ? source.pixel(int(sx), int(sy)) : fill & 0xFFFFFF);
    }
  return destination;
}

// Paint, rotate into a new picture, smooth that in place.
inline Bitmap renderHand(const PixelList& hand, Colour handColour, Colour background, double angle) {
  Bitmap rotated = rotate(paint(hand, handColour, background), angle, background);
  smooth(rotated, 5);
  return rotated;
}

// A generated hand bitmap ("mala7", ...), if the media have been generated.
inline std::optional<Bitmap> mediaHand(const std::string& name) {
  return readBmpFile(std::string(TIKORA_MEDIA_DIR) + "/" + name + ".bmp");
}

// A stand-in hand bitmap made like the generated ones: white, a black hand tapering from a hub
// at the pivot to the tip row, a red band, a grey stripe, near-black hub details, and a tail
// below row 140 that lies outside the part of the bitmap that is read.
inline Bitmap drawnHand(int tipRow, int halfWidth, unsigned seed) {
  Bitmap picture(240, 240);
  std::mt19937 random(seed);
  for (int y = tipRow; y <= 150; ++y) {
    const int half = y > 140 ? 1 : (halfWidth * (y - tipRow) + (140 - tipRow) / 2) / (140 - tipRow);
    for (int x = 120 - half; x <= 120 + half; ++x) picture.setPixel(x, y, 0x000000);
  }
  for (int y = 0; y < 240; ++y)
    for (int x = 0; x < 240; ++x) {
      const int ddx = x - 120, ddy = y - 120;
      if (ddx * ddx + ddy * ddy <= halfWidth * halfWidth) picture.setPixel(x, y, 0x000000);
      if (ddx * ddx + ddy * ddy <= 4) picture.setPixel(x, y, 0x101010);
    }
  const int band = tipRow + 10 + int(random() % 20);
  for (int x = 118; x <= 122; ++x) picture.setPixel(x, band, 0x0000FF);
  for (int y = band + 5; y < band + 30 && y <= 140; ++y) picture.setPixel(120, y, 0xA0A0A0);
  return picture;
}

// Random pictures with large flat areas: a few colours in blocks, with noise on top.
inline Bitmap patchyPicture(int width, int height, unsigned seed, Colour base) {
  std::mt19937 random(seed);
  Bitmap picture(width, height, base);
  const Colour palette[] = {base, 0x000000, 0x0000FF, 0xA0A0A0, 0x123456, 0xFFFFFF};
  const int blocks = 1 + width * height / 400;
  for (int b = 0; b < blocks; ++b) {
    const int x0 = int(random() % unsigned(width)), y0 = int(random() % unsigned(height));
    const int bw = 1 + int(random() % 12), bh = 1 + int(random() % 12);
    const Colour c = palette[random() % 6];
    for (int y = y0; y < y0 + bh; ++y)
      for (int x = x0; x < x0 + bw; ++x) picture.setPixel(x, y, c);
  }
  for (int n = 0; n < width * height / 50; ++n)
    picture.setPixel(int(random() % unsigned(width)), int(random() % unsigned(height)), Colour(random() & 0xFFFFFF));
  return picture;
}

}  // namespace tikora::reference
