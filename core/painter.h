// GDI-like drawing on a 24-bit Bitmap: a pen (colour, width) and a brush (colour) held as state,
// as on a device context, and the few shapes the face is made of.
//
// Coordinates are pixel positions; a pixel (x, y) is treated as the point (x, y) for lines and
// polygons, and as the unit square [x, x + 1) x [y, y + 1) for boxes. Everything outside the
// bitmap is clipped. Colours above 0xFFFFFF are drawn with their low 24 bits.
//
// Shapes, as GDI draws them with a one-pixel pen:
// - rectangle(l, t, r, b): right and bottom edges exclusive; the outline is the border of the
//   pixels l..r-1, t..b-1 in the pen colour, the inside is filled with the brush.
// - ellipse(l, t, r, b): the ellipse inscribed in the same box; a pixel belongs to it when its
//   centre lies in the ellipse (boundary included). The outline is every pixel of the ellipse
//   that has a 4-neighbour outside it, the rest is filled with the brush. Small boxes come out
//   as GDI draws them: a 4 x 4 box is a square with its corners cut, an 8 x 8 box a circle
//   whose outline rows are 4, 2, 2, 2, 2, 2, 2, 4 pixels.
// - polygon(points): closed, filled with the brush (alternate/even-odd rule, a pixel filled when
//   its point lies inside or on the border, scan rows half-open at the bottom), then outlined
//   with the pen along every edge. Fewer than two points draw nothing.
// - moveTo/lineTo: a one-pixel line is a Bresenham line that leaves out its end point, as GDI's
//   LineTo does, so joined segments do not paint their joints twice. A wider line is every
//   pixel within half the pen width of the segment, end points included: round caps and round
//   joins, like GDI's default geometric pen.
// A pen wider than one pixel outlines rectangles and ellipses by stamping a round nib of the
// pen's width on each pixel of the one-pixel outline, and polygons with wide lines, so the
// outline straddles the shape's border as a centred GDI pen does.
#pragma once
#include <span>

#include "core/bitmap.h"
#include "core/colour.h"
#include "core/geometry.h"

namespace tikora {

struct Pen {
  Colour colour = 0x000000;
  int width = 1;  // pixels; 0 and below draw as 1, like GDI
  friend bool operator==(const Pen&, const Pen&) = default;
};

class Painter {
 public:
  // Draws on `target`, which must outlive the painter. Starts with GDI's defaults: a black
  // one-pixel pen, a white brush, the current position at (0, 0).
  explicit Painter(Bitmap& target) : target_(target) {}

  void setPen(Colour colour, int width = 1) { pen_ = {colour, width}; }
  void setPenColour(Colour colour) { pen_.colour = colour; }
  void setPenWidth(int width) { pen_.width = width; }
  void setBrush(Colour colour) { brush_ = colour; }
  // Pen and brush in one call, as the face's drawing steps mostly want them.
  void setPenAndBrush(Colour penColour, Colour brushColour) {
    setPenColour(penColour);
    setBrush(brushColour);
  }
  const Pen& pen() const { return pen_; }
  Colour brush() const { return brush_; }

  void rectangle(int left, int top, int right, int bottom);
  void ellipse(int left, int top, int right, int bottom);
  void polygon(std::span<const Point> points);

  void moveTo(Point to) { position_ = to; }
  void moveTo(int x, int y) { moveTo(Point{x, y}); }
  // Draws from the current position to `to` with the pen and makes `to` the current position.
  void lineTo(Point to);
  void lineTo(int x, int y) { lineTo(Point{x, y}); }
  Point currentPosition() const { return position_; }

  void setPixel(int x, int y, Colour colour) { target_.setPixel(x, y, colour); }
  // The colour at (x, y), or pure white outside the bitmap (GDI reports an error colour there;
  // white is what the clock shows outside its pictures).
  Colour pixel(int x, int y) const { return target_.contains(x, y) ? target_.pixel(x, y) : kPureWhite; }

  Bitmap& target() { return target_; }

 private:
  int penWidth() const { return pen_.width < 1 ? 1 : pen_.width; }
  void plot(int x, int y, Colour colour) { target_.setPixel(x, y, colour); }
  // One outline pixel with the current pen: a single pixel, or a round nib for a wide pen.
  void plotOutline(int x, int y);
  void stampNib(int x, int y, int width, Colour colour);
  void thinLine(Point from, Point to, Colour colour);
  void wideLine(Point from, Point to, int width, Colour colour);

  Bitmap& target_;
  Pen pen_;
  Colour brush_ = kPureWhite;
  Point position_;
};

}  // namespace tikora
