#include "core/painter.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <utility>
#include <vector>

namespace tikora {
namespace {

// GDI accepts boxes given the wrong way round and draws them normalised.
void normalise(int& left, int& top, int& right, int& bottom) {
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
}

// Floor and ceiling of n / d for d > 0, in integers so no rounding can move a pixel.
std::int64_t floorDiv(std::int64_t n, std::int64_t d) {
  std::int64_t q = n / d;
  if ((n % d != 0) && (n < 0)) --q;
  return q;
}
std::int64_t ceilDiv(std::int64_t n, std::int64_t d) { return -floorDiv(-n, d); }

// Membership of pixel (column, row) of a width x height box in the inscribed ellipse, with the
// pixel's centre as its sample point: ((2c + 1 - w) / w)^2 + ((2r + 1 - h) / h)^2 <= 1,
// multiplied out to integers.
bool insideEllipse(std::int64_t column, std::int64_t row, std::int64_t width, std::int64_t height) {
  if (column < 0 || row < 0 || column >= width || row >= height) return false;
  const std::int64_t dx = 2 * column + 1 - width;
  const std::int64_t dy = 2 * row + 1 - height;
  return dx * dx * height * height + dy * dy * width * width <= width * width * height * height;
}

}  // namespace

void Painter::stampNib(int x, int y, int width, Colour colour) {
  // A disc of diameter `width` around the pixel: offsets (dx, dy) with 4 (dx^2 + dy^2) <= w^2.
  const int reach = width / 2;
  for (int dy = -reach; dy <= reach; ++dy)
    for (int dx = -reach; dx <= reach; ++dx)
      if (4 * (dx * dx + dy * dy) <= width * width) plot(x + dx, y + dy, colour);
}

void Painter::plotOutline(int x, int y) {
  const int width = penWidth();
  if (width == 1)
    plot(x, y, pen_.colour);
  else
    stampNib(x, y, width, pen_.colour);
}

void Painter::rectangle(int left, int top, int right, int bottom) {
  normalise(left, top, right, bottom);
  if (right - left < 1 || bottom - top < 1) return;
  for (int y = top + 1; y < bottom - 1; ++y)
    for (int x = left + 1; x < right - 1; ++x) plot(x, y, brush_);
  for (int x = left; x < right; ++x) {
    plotOutline(x, top);
    plotOutline(x, bottom - 1);
  }
  for (int y = top + 1; y < bottom - 1; ++y) {
    plotOutline(left, y);
    plotOutline(right - 1, y);
  }
}

void Painter::ellipse(int left, int top, int right, int bottom) {
  normalise(left, top, right, bottom);
  const std::int64_t width = right - left, height = bottom - top;
  if (width < 1 || height < 1) return;
  // Fill first, then outline, so a wide pen's nib can reach inwards over the fill.
  std::vector<std::pair<int, int>> outline;
  for (std::int64_t row = 0; row < height; ++row)
    for (std::int64_t column = 0; column < width; ++column) {
      if (!insideEllipse(column, row, width, height)) continue;
      const bool edge =
          !insideEllipse(column - 1, row, width, height) || !insideEllipse(column + 1, row, width, height) ||
          !insideEllipse(column, row - 1, width, height) || !insideEllipse(column, row + 1, width, height);
      const int x = left + int(column), y = top + int(row);
      if (edge)
        outline.emplace_back(x, y);
      else
        plot(x, y, brush_);
    }
  for (const auto& [x, y] : outline) plotOutline(x, y);
}

void Painter::polygon(std::span<const Point> points) {
  if (points.size() < 2) return;  // GDI refuses a polygon of fewer than two points
  if (points.size() >= 3) {
    int minY = points[0].y, maxY = points[0].y;
    for (const Point& p : points) {
      minY = std::min(minY, p.y);
      maxY = std::max(maxY, p.y);
    }
    std::vector<std::pair<std::int64_t, std::int64_t>> crossings;  // x as numerator / denominator
    for (int y = minY; y < maxY; ++y) {
      crossings.clear();
      for (std::size_t i = 0; i < points.size(); ++i) {
        const Point a = points[i], b = points[(i + 1) % points.size()];
        if (a.y == b.y) continue;
        const Point low = a.y < b.y ? a : b, high = a.y < b.y ? b : a;
        if (y < low.y || y >= high.y) continue;  // half-open: the bottom row is left out
        // x = low.x + (y - low.y) * (high.x - low.x) / (high.y - low.y), kept exact.
        const std::int64_t den = high.y - low.y;
        crossings.emplace_back(std::int64_t(low.x) * den + std::int64_t(y - low.y) * (high.x - low.x), den);
      }
      std::sort(crossings.begin(), crossings.end(),
                [](const auto& p, const auto& q) { return p.first * q.second < q.first * p.second; });
      for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
        const std::int64_t from = ceilDiv(crossings[i].first, crossings[i].second);
        const std::int64_t to = floorDiv(crossings[i + 1].first, crossings[i + 1].second);
        for (std::int64_t x = from; x <= to; ++x) plot(int(x), y, brush_);
      }
    }
  }
  const int width = penWidth();
  for (std::size_t i = 0; i < points.size(); ++i) {
    const Point a = points[i], b = points[(i + 1) % points.size()];
    if (width == 1)
      thinLine(a, b, pen_.colour);
    else
      wideLine(a, b, width, pen_.colour);
  }
}

void Painter::lineTo(Point to) {
  const int width = penWidth();
  if (width == 1)
    thinLine(position_, to, pen_.colour);
  else
    wideLine(position_, to, width, pen_.colour);
  position_ = to;
}

void Painter::thinLine(Point from, Point to, Colour colour) {
  // Bresenham along the major axis, end point left out. Ties on the minor axis step late, so
  // a line and the same line drawn backwards may differ by a pixel, as in GDI.
  const int dx = std::abs(to.x - from.x), dy = std::abs(to.y - from.y);
  const int sx = from.x < to.x ? 1 : -1, sy = from.y < to.y ? 1 : -1;
  int x = from.x, y = from.y;
  if (dx >= dy) {
    int error = 2 * dy - dx;
    for (int i = 0; i < dx; ++i) {
      plot(x, y, colour);
      if (error > 0) {
        y += sy;
        error -= 2 * dx;
      }
      error += 2 * dy;
      x += sx;
    }
  } else {
    int error = 2 * dx - dy;
    for (int i = 0; i < dy; ++i) {
      plot(x, y, colour);
      if (error > 0) {
        x += sx;
        error -= 2 * dy;
      }
      error += 2 * dx;
      y += sy;
    }
  }
}

void Painter::wideLine(Point from, Point to, int width, Colour colour) {
  // Every pixel within width / 2 of the segment: 4 * distance^2 <= width^2, in integers.
  const std::int64_t vx = to.x - from.x, vy = to.y - from.y;
  const std::int64_t length2 = vx * vx + vy * vy;
  const int reach = width / 2 + 1;
  const int x0 = std::min(from.x, to.x) - reach, x1 = std::max(from.x, to.x) + reach;
  const int y0 = std::min(from.y, to.y) - reach, y1 = std::max(from.y, to.y) + reach;
  const std::int64_t w2 = std::int64_t(width) * width;
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) {
      const std::int64_t px = x - from.x, py = y - from.y;
      const std::int64_t along = px * vx + py * vy;
      bool inside;
      if (length2 == 0 || along <= 0) {
        inside = 4 * (px * px + py * py) <= w2;
      } else if (along >= length2) {
        const std::int64_t qx = x - to.x, qy = y - to.y;
        inside = 4 * (qx * qx + qy * qy) <= w2;
      } else {
        const std::int64_t cross = px * vy - py * vx;  // distance^2 = cross^2 / length2
        inside = 4 * cross * cross <= w2 * length2;
      }
      if (inside) plot(x, y, colour);
    }
}

}  // namespace tikora
