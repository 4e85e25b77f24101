// Points and rectangles in pixels, the one pair of geometry types the program uses: face
// pictures, clock window layers, control layouts, screens and work areas alike.
#pragma once

namespace tikora {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// A rectangle by its top-left corner and its size. right() and bottom() are exclusive, as in
// GDI: a 240 x 240 picture at (0, 0) covers x 0..239 and has right() 240.
struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  int right() const { return left + width; }
  int bottom() const { return top + height; }
  bool empty() const { return width <= 0 || height <= 0; }
  bool contains(Point p) const { return p.x >= left && p.x < right() && p.y >= top && p.y < bottom(); }
  // Whether the two rectangles share at least one pixel.
  bool intersects(const Rect& other) const {
    return !empty() && !other.empty() && left < other.right() && other.left < right() && top < other.bottom() &&
           other.top < bottom();
  }
  static Rect fromEdges(int left, int top, int right, int bottom) { return {left, top, right - left, bottom - top}; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// The smallest rectangle holding both; an empty one adds nothing.
inline Rect unite(const Rect& a, const Rect& b) {
  if (a.empty()) return b.empty() ? Rect{} : b;
  if (b.empty()) return a;
  return Rect::fromEdges(a.left < b.left ? a.left : b.left, a.top < b.top ? a.top : b.top,
                         a.right() > b.right() ? a.right() : b.right(),
                         a.bottom() > b.bottom() ? a.bottom() : b.bottom());
}
// The pixels the two share; empty when they share none.
inline Rect intersect(const Rect& a, const Rect& b) {
  if (!a.intersects(b)) return {};
  return Rect::fromEdges(a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
                         a.right() < b.right() ? a.right() : b.right(),
                         a.bottom() < b.bottom() ? a.bottom() : b.bottom());
}

}  // namespace tikora
