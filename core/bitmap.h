// A 24-bit picture in memory, laid out like a Windows DIB row: blue, green, red per pixel.
// Rows are stored top-down here (row 0 is the top); the Win32 layer flips when it blits.
// Pixel access takes and returns 0x00BBGGRR colours; raster code may work on raw rows.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/colour.h"

namespace tikora {

class Bitmap {
 public:
  Bitmap() = default;
  Bitmap(int width, int height, Colour fill = kPureWhite);

  int width() const { return width_; }
  int height() const { return height_; }
  bool empty() const { return width_ == 0 || height_ == 0; }
  bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  // Colour of (x, y); the caller keeps (x, y) inside the picture.
  Colour pixel(int x, int y) const {
    const std::uint8_t* p = at(x, y);
    return rgb(p[2], p[1], p[0]);
  }
  // Sets (x, y) to the low 24 bits of `c`; points outside the picture are ignored.
  void setPixel(int x, int y, Colour c) {
    if (!contains(x, y)) return;
    std::uint8_t* p = at(x, y);
    p[0] = blueOf(c);
    p[1] = greenOf(c);
    p[2] = redOf(c);
  }
  void fill(Colour c);

  // Raw access: three bytes (blue, green, red) per pixel, `stride()` bytes per row.
  std::uint8_t* row(int y) { return data_.data() + std::size_t(y) * stride_; }
  const std::uint8_t* row(int y) const { return data_.data() + std::size_t(y) * stride_; }
  std::size_t stride() const { return stride_; }

  bool operator==(const Bitmap& other) const = default;

 private:
  std::uint8_t* at(int x, int y) { return row(y) + std::size_t(x) * 3; }
  const std::uint8_t* at(int x, int y) const { return row(y) + std::size_t(x) * 3; }

  int width_ = 0;
  int height_ = 0;
  std::size_t stride_ = 0;
  std::vector<std::uint8_t> data_;
};

}  // namespace tikora
