// Rotation is done row by row on raw bytes. The products dx * cos t and dx * sin t are taken once
// per column and dy * sin t, dy * cos t once per row; subtracting and adding them gives exactly
// the same doubles as the whole expressions. Most of a hand picture is its fill colour, so only the
// columns of a row that can map into the source's non-fill rectangle are computed; every other
// pixel maps to the fill colour (or outside the source, which is filled too) and is written with
// a prepared fill row. With a footprint of the last rotation into the same picture, only the
// columns computed then and now are written at all: the rest already holds the fill colour.
//
// Why that column range is safe: sx = cx + (u - 1) div 2 is at least column L of the rectangle
// only when u >= 2 (L - cx) - 1, and at most column R only when u <= 2 (R - cx) + 2 (div truncates
// toward zero, so u = 0, 1 and 2 all give cx). As u is the unrounded value rounded, that value
// lies in [2 (L - cx) - 1.5, 2 (R - cx) + 2.5]; the same holds for v and the rows. Widened by
// 1/64 against rounding errors of the products (below 1e-12) and rounded outward to whole
// columns, those limits bound the columns to compute.
#include "face/rotate.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <numbers>
#include <vector>

#include "core/bytes.h"
#include "core/rounding.h"

namespace tikora {
namespace {

void fillRow(std::vector<std::uint8_t>& row, int width, Colour fill) {
  row.resize(std::size_t(width) * 3);
  for (int x = 0; x < width; ++x) {
    row[std::size_t(x) * 3] = blueOf(fill);
    row[std::size_t(x) * 3 + 1] = greenOf(fill);
    row[std::size_t(x) * 3 + 2] = redOf(fill);
  }
}

std::vector<std::uint8_t> filledRow(int width, Colour fill) {
  std::vector<std::uint8_t> row;
  fillRow(row, width, fill);
  return row;
}

// Narrows [dxLow, dxHigh] to the dx for which slope * dx + offset can lie in [low, high].
// `dxReach` is the largest |dx| of the picture.
void narrowRange(double slope, double offset, double low, double high, double dxReach, double& dxLow, double& dxHigh) {
  if (std::fabs(slope) * dxReach < 0.25) {
    // The value hardly changes along the row: it is offset within a quarter.
    if (offset < low - 0.25 || offset > high + 0.25) {
      dxLow = std::numeric_limits<double>::infinity();
      dxHigh = -std::numeric_limits<double>::infinity();
    }
    return;
  }
  double first = (low - offset) / slope;
  double last = (high - offset) / slope;
  if (first > last) std::swap(first, last);
  dxLow = std::max(dxLow, first);
  dxHigh = std::min(dxHigh, last);
}

}  // namespace

Rect boundsOfPixelsOtherThan(const Bitmap& picture, Colour colour) {
  if (picture.empty()) return {};
  const std::vector<std::uint8_t> plain = filledRow(picture.width(), colour);
  const std::uint8_t blue = blueOf(colour), green = greenOf(colour), red = redOf(colour);
  const auto differs = [&](const std::uint8_t* row, int x) {
    const std::uint8_t* p = row + std::size_t(x) * 3;
    return p[0] != blue || p[1] != green || p[2] != red;
  };
  // Both edges inclusive while scanning.
  int left = picture.width(), top = picture.height(), right = -1, bottom = -1;
  for (int y = 0; y < picture.height(); ++y) {
    const std::uint8_t* row = picture.row(y);
    if (sameBytes(row, plain.data(), picture.stride())) continue;
    int first = 0;
    while (!differs(row, first)) ++first;
    int last = picture.width() - 1;
    while (!differs(row, last)) --last;
    left = std::min(left, first);
    right = std::max(right, last);
    top = std::min(top, y);
    bottom = y;
  }
  if (right < 0) return {};
  return Rect::fromEdges(left, top, right + 1, bottom + 1);
}

double drawnAngle(double angleDegrees) { return angleDegrees == 270.0 ? 269.8 : angleDegrees; }

void rotatePicture(const Bitmap& source, const Rect& sourceBounds, Bitmap& destination, double angleDegrees,
                   Colour fill, int centreX, int centreY, RotationFootprint* footprint) {
  if (&source == &destination) {  // the mapping reads pixels it has already overwritten
    const Bitmap copy = source;
    if (footprint) footprint->rows.clear();  // it no longer describes the picture
    rotatePicture(copy, sourceBounds, destination, angleDegrees, fill, centreX, centreY, footprint);
    return;
  }
  const int width = source.width();
  const int height = source.height();
  fill &= 0xFFFFFF;

  // Where the destination may differ from the fill colour before the rotation: anywhere, nowhere
  // (a new picture), or in the columns the footprint kept from the last rotation into it.
  bool refillWholeRows = true;
  std::vector<ColumnSpan> previous;
  if (destination.width() != width || destination.height() != height) {
    destination = Bitmap(width, height, fill);
    refillWholeRows = false;
    previous.assign(std::size_t(height), ColumnSpan{});
  } else if (footprint && footprint->fill == fill && footprint->rows.size() == std::size_t(height)) {
    refillWholeRows = false;
    previous = std::move(footprint->rows);
  }
  if (footprint) {
    footprint->fill = fill;
    footprint->rows.assign(std::size_t(height), ColumnSpan{});
  }
  if (source.empty()) return;

  // The hands turn every ten seconds: their scratch rows are kept from one turn to the next.
  thread_local std::vector<std::uint8_t> fillPixels;
  fillRow(fillPixels, width, fill);
  const auto refill = [&](std::uint8_t* out, int first, int last) {
    if (first <= last)
      copyBytes(out + std::size_t(first) * 3, fillPixels.data() + std::size_t(first) * 3,
                std::size_t(last - first + 1) * 3);
  };
  const auto refillRow = [&](int y, std::uint8_t* out, const ColumnSpan& computed) {
    if (refillWholeRows) {
      refill(out, 0, width - 1);
    } else {
      refill(out, previous[std::size_t(y)].first, previous[std::size_t(y)].last);
      refill(out, computed.first, computed.last);
    }
  };

  if (sourceBounds.empty()) {
    for (int y = 0; y < height; ++y) refillRow(y, destination.row(y), ColumnSpan{});
    return;
  }

  const double t = -drawnAngle(angleDegrees) * std::numbers::pi / 180.0;
  const double sinT = std::sin(t);
  const double cosT = std::cos(t);

  const std::size_t columns = std::size_t(width);
  thread_local std::vector<double> columnCos, columnSin;
  columnCos.resize(columns);
  columnSin.resize(columns);
  for (int x = 0; x < width; ++x) {
    const double dx = 2.0 * (x - centreX) + 1.0;
    columnCos[std::size_t(x)] = dx * cosT;
    columnSin[std::size_t(x)] = dx * sinT;
  }
  const double dxReach = std::max(std::fabs(2.0 * (0 - centreX) + 1.0), std::fabs(2.0 * (width - 1 - centreX) + 1.0));
  constexpr double kSlack = 1.0 / 64;
  const double uLow = 2.0 * (sourceBounds.left - centreX) - 1.5 - kSlack;
  const double uHigh = 2.0 * (sourceBounds.right() - 1 - centreX) + 2.5 + kSlack;
  const double vLow = 2.0 * (sourceBounds.top - centreY) - 1.5 - kSlack;
  const double vHigh = 2.0 * (sourceBounds.bottom() - 1 - centreY) + 2.5 + kSlack;

  for (int y = height - 1; y >= 0; --y) {
    const double dy = 2.0 * (y - centreY) + 1.0;
    const double rowSin = dy * sinT;
    const double rowCos = dy * cosT;
    double dxLow = -std::numeric_limits<double>::infinity();
    double dxHigh = std::numeric_limits<double>::infinity();
    narrowRange(cosT, -rowSin, uLow, uHigh, dxReach, dxLow, dxHigh);
    narrowRange(sinT, rowCos, vLow, vHigh, dxReach, dxLow, dxHigh);
    ColumnSpan computed;
    if (dxLow <= dxHigh) {
      // x = centreX + (dx - 1) / 2, rounded outward and kept inside the row.
      const double firstX = std::floor(centreX + (dxLow - 1.0) / 2.0);
      const double lastX = std::ceil(centreX + (dxHigh - 1.0) / 2.0);
      computed.first = firstX < 0.0 ? 0 : firstX > width - 1 ? width : int(firstX);
      computed.last = lastX > width - 1 ? width - 1 : lastX < 0.0 ? -1 : int(lastX);
      if (computed.first > computed.last) computed = ColumnSpan{};
    }

    std::uint8_t* out = destination.row(y);
    refillRow(y, out, computed);
    for (int x = computed.first; x <= computed.last; ++x) {
      const std::int64_t u = roundCoordinate(columnCos[std::size_t(x)] - rowSin);
      const std::int64_t v = roundCoordinate(columnSin[std::size_t(x)] + rowCos);
      const std::int64_t sx = centreX + (u - 1) / 2;
      const std::int64_t sy = centreY + (v - 1) / 2;
      if (sx >= 0 && sx < width && sy >= 0 && sy < height)
        std::memcpy(out + std::size_t(x) * 3, source.row(int(sy)) + std::size_t(sx) * 3, 3);
    }
    if (footprint) footprint->rows[std::size_t(y)] = computed;
  }
}

void rotatePicture(const Bitmap& source, Bitmap& destination, double angleDegrees, Colour fill, int centreX,
                   int centreY) {
  rotatePicture(source, boundsOfPixelsOtherThan(source, fill), destination, angleDegrees, fill, centreX, centreY);
}

Bitmap rotatePicture(const Bitmap& source, double angleDegrees, Colour fill, int centreX, int centreY) {
  Bitmap destination;
  rotatePicture(source, destination, angleDegrees, fill, centreX, centreY);
  return destination;
}

}  // namespace tikora
