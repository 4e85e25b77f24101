// The filter is exact integer arithmetic; it is fast because most of a hand picture is one flat
// colour. A pixel whose existing neighbours all have its own colour keeps that colour (the sum is
// then exactly total * colour), so such pixels are not computed at all:
//  - a leading run of columns whose three vertical pixels (this row, the row above as already
//    smoothed, the row below) all have the row's first colour is left out except for its last
//    column, so a row that is one colour with the rows around it is skipped whole;
//  - from the last column that differs from the row's last colour on, the first pixel that keeps
//    that colour ends the row: every pixel after it sees only that colour;
//  - inside the picture, a pixel whose four neighbours (as they are when it is visited) have its
//    colour is passed over, such as the inside of a solid hand.
#include "face/smooth.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <numeric>
#include <vector>

#include "core/rounding.h"

namespace tikora {
namespace {

inline std::uint32_t pixelAt(const std::uint8_t* row, int x) {
  const std::uint8_t* p = row + 3 * x;
  return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16);
}

// numerator / Denominator, exact halves to the even neighbour; numerator >= 0. A constant
// denominator lets the compiler turn the division into a multiplication.
template <int Denominator>
inline int roundedQuotient(int numerator) {
  int quotient = numerator / Denominator;
  const int twiceRemainder = 2 * (numerator - quotient * Denominator);
  if (twiceRemainder > Denominator || (twiceRemainder == Denominator && (quotient & 1))) ++quotient;
  return quotient;
}

// The clock's weight 5: 100 and 5 share the factor 5, so the centre weighs 20 and each neighbour 1.
struct WeightFive {
  static std::uint8_t average(int centre, int neighbourSum, int count) {
    const int numerator = 20 * centre + neighbourSum;
    switch (count) {
      case 4: return std::uint8_t(roundedQuotient<24>(numerator));
      case 3: return std::uint8_t(roundedQuotient<23>(numerator));
      case 2: return std::uint8_t(roundedQuotient<22>(numerator));
      case 1: return std::uint8_t(roundedQuotient<21>(numerator));
      default: return std::uint8_t(roundedQuotient<20>(numerator));
    }
  }
};

// Any other weight, in 64-bit integers.
struct AnyWeight {
  std::int64_t centreWeight;
  std::int64_t neighbourWeight;
  std::uint8_t average(int centre, int neighbourSum, int count) const {
    return std::uint8_t(roundHalfEvenDiv(centreWeight * centre + neighbourWeight * neighbourSum,
                                         centreWeight + neighbourWeight * count));
  }
};

// Smooths pixel x of `row` in place and returns its new colour; `up`/`down` are null at the
// picture's top and bottom edges.
template <class Weights>
inline std::uint32_t smoothPixel(std::uint8_t* row, const std::uint8_t* up, const std::uint8_t* down, int x, int width,
                                 const Weights& weights) {
  const bool hasLeft = x > 0;
  const bool hasRight = x < width - 1;
  const int count = int(hasLeft) + int(hasRight) + int(up != nullptr) + int(down != nullptr);
  std::uint32_t result = 0;
  for (int channel = 0; channel < 3; ++channel) {
    const int i = 3 * x + channel;
    int neighbourSum = 0;
    if (hasLeft) neighbourSum += row[i - 3];
    if (hasRight) neighbourSum += row[i + 3];
    if (up) neighbourSum += up[i];
    if (down) neighbourSum += down[i];
    const std::uint8_t value = weights.average(row[i], neighbourSum, count);
    row[i] = value;
    result |= std::uint32_t(value) << (8 * channel);
  }
  return result;
}

// A row of one colour to compare picture rows with, remade only when the colour changes. Its
// bytes live in `storage`, kept from one smoothing to the next (the hands every ten seconds).
class PlainRow {
 public:
  PlainRow(std::vector<std::uint8_t>& storage, int width) : bytes_(storage) { bytes_.resize(std::size_t(width) * 3); }
  const std::uint8_t* of(std::uint32_t colour) {
    if (colour != colour_) {
      for (std::size_t i = 0; i < bytes_.size(); i += 3) {
        bytes_[i] = std::uint8_t(colour);
        bytes_[i + 1] = std::uint8_t(colour >> 8);
        bytes_[i + 2] = std::uint8_t(colour >> 16);
      }
      colour_ = colour;
    }
    return bytes_.data();
  }

 private:
  std::vector<std::uint8_t>& bytes_;
  std::uint32_t colour_ = 0xFFFFFFFF;  // no 24-bit colour: made on first use
};

inline std::uint64_t load8(const std::uint8_t* p) {
  std::uint64_t value;
  std::memcpy(&value, p, 8);
  return value;
}

// How many pixels at the start of `row` equal those of `plain`, compared eight bytes at a time.
int leadingRun(const std::uint8_t* row, const std::uint8_t* plain, int width) {
  const std::size_t size = std::size_t(width) * 3;
  std::size_t i = 0;
  while (i + 8 <= size && load8(row + i) == load8(plain + i)) i += 8;
  while (i < size && row[i] == plain[i]) ++i;
  return int(i / 3);
}

// How many pixels at the end of `row` equal those of `plain`.
int trailingRun(const std::uint8_t* row, const std::uint8_t* plain, int width) {
  std::size_t i = std::size_t(width) * 3;  // bytes left to compare
  while (i >= 8 && load8(row + i - 8) == load8(plain + i - 8)) i -= 8;
  while (i > 0 && row[i - 1] == plain[i - 1]) --i;
  return i == 0 ? width : width - 1 - int((i - 1) / 3);
}

template <class Weights>
void smoothWith(Bitmap& picture, const Weights& weights) {
  const int width = picture.width();
  const int height = picture.height();
  thread_local std::vector<std::uint8_t> leftBytes, rightBytes;
  PlainRow leftPlain(leftBytes, width), rightPlain(rightBytes, width);
  for (int y = 0; y < height; ++y) {
    std::uint8_t* row = picture.row(y);
    const std::uint8_t* up = y > 0 ? picture.row(y - 1) : nullptr;
    const std::uint8_t* down = y < height - 1 ? picture.row(y + 1) : nullptr;

    // Columns 0 .. firstDiffering - 1 hold the row's first colour in this row and the rows above
    // (already smoothed) and below; columns after lastDiffering hold its last colour likewise.
    const std::uint32_t leftColour = pixelAt(row, 0);
    const std::uint8_t* leftRow = leftPlain.of(leftColour);
    int firstDiffering = leadingRun(row, leftRow, width);
    if (up) firstDiffering = std::min(firstDiffering, leadingRun(up, leftRow, width));
    if (down) firstDiffering = std::min(firstDiffering, leadingRun(down, leftRow, width));
    if (firstDiffering == width) continue;  // one colour all round: nothing changes

    const std::uint32_t rightColour = pixelAt(row, width - 1);
    const std::uint8_t* rightRow = rightPlain.of(rightColour);
    int plainAtEnd = trailingRun(row, rightRow, width);
    if (up) plainAtEnd = std::min(plainAtEnd, trailingRun(up, rightRow, width));
    if (down) plainAtEnd = std::min(plainAtEnd, trailingRun(down, rightRow, width));
    const int lastDiffering = width - 1 - plainAtEnd;

    for (int x = std::max(firstDiffering - 1, 0); x < width; ++x) {
      const std::uint32_t own = pixelAt(row, x);
      std::uint32_t smoothed = own;
      if (x == 0 || x == width - 1 || !up || !down || pixelAt(row, x - 1) != own || pixelAt(row, x + 1) != own ||
          pixelAt(up, x) != own || pixelAt(down, x) != own)
        smoothed = smoothPixel(row, up, down, x, width, weights);
      // Past the last differing column, a pixel that keeps the last colour leaves every pixel
      // after it with nothing but that colour around it.
      if (x >= lastDiffering && smoothed == rightColour) break;
    }
  }
}

}  // namespace

void smoothPicture(Bitmap& picture, int weight) {
  if (weight <= 0 || picture.empty()) return;
  if (weight == kHandSmoothingWeight) {
    smoothWith(picture, WeightFive{});
    return;
  }
  const int common = std::gcd(100, weight);
  smoothWith(picture, AnyWeight{100 / common, weight / common});
}

}  // namespace tikora
