// Rotation of hand pictures: single marked pixels worked out by hand from the mapping, the fill
// colour, and the fast rotation against the literal one on awkward pictures and angles.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <set>
#include <utility>

#include "face/rotate.h"
#include "hands_reference.h"

namespace tikora {
namespace {

constexpr Colour kBackground = 0x00336699;
constexpr Colour kMark = 0x000000FF;

using Points = std::set<std::pair<int, int>>;

// The destination pixels that show the mark after rotating a picture holding only the mark at
// (markX, markY); every other pixel must be the background.
Points rotatedMark(int markX, int markY, double angle) {
  Bitmap source(240, 240, kBackground);
  source.setPixel(markX, markY, kMark);
  const Bitmap rotated = rotatePicture(source, angle, kBackground, 120, 120);
  Points marked;
  for (int y = 0; y < 240; ++y)
    for (int x = 0; x < 240; ++x) {
      const Colour c = rotated.pixel(x, y);
      if (c == kMark)
        marked.insert({x, y});
      else
        EXPECT_EQ(c, kBackground) << x << "," << y;
    }
  return marked;
}

// In every case below, dx = 2 (x - 120) + 1 and dy = 2 (y - 120) + 1 for destination (x, y), and
// source column/row 120 + (u - 1) div 2, 120 + (v - 1) div 2. The mark (120, 40) needs u in
// {0, 1, 2} and v in {-160, -159}; the mark (125, 100) needs u in {11, 12} and v in {-40, -39}.
TEST(RotateTest, SingleMarkAtRightAngles) {
  // 0: sin t = -0, cos t = 1, so u = dx, v = dy: the identity.
  EXPECT_EQ(rotatedMark(120, 40, 0), (Points{{120, 40}}));
  EXPECT_EQ(rotatedMark(125, 100, 0), (Points{{125, 100}}));
  // 90: sin t = -1, cos t = 6e-17, so u = dy, v = -dx: the source of (x, y) is (y, 239 - x).
  // (199, 120): dx = 159, dy = 1, u = 1, v = -159 -> (120, 40). The hand turns to the right.
  EXPECT_EQ(rotatedMark(120, 40, 90), (Points{{199, 120}}));
  EXPECT_EQ(rotatedMark(125, 100, 90), (Points{{139, 125}}));
  // 180: u = -dx, v = -dy: the source of (x, y) is (239 - x, 239 - y); (119, 199) has dx = -1,
  // dy = 159, u = 1, v = -159 -> (120, 40).
  EXPECT_EQ(rotatedMark(120, 40, 180), (Points{{119, 199}}));
  EXPECT_EQ(rotatedMark(125, 100, 180), (Points{{114, 139}}));
}

// 270 is drawn at 269.8: sin t = 0.9999939077, cos t = -0.0034906514.
// (40, 119): dx = -159, dy = -1: u = round(0.55501 + 0.99999) = round(1.55501) = 2,
//            v = round(-158.99903 + 0.00349) = round(-158.99554) = -159 -> (120 + 0, 120 - 80).
// (40, 120): dx = -159, dy = 1: u = round(0.55501 - 0.99999) = round(-0.44498) = 0,
//            v = round(-158.99903 - 0.00349) = round(-159.00252) = -159 -> (120, 40) again.
// So the mark shows twice; at exactly 270 it would show once, at (40, 119).
TEST(RotateTest, TwoSeventyIsDrawnAtTwoSixtyNinePointEight) {
  EXPECT_EQ(drawnAngle(270.0), 269.8);
  EXPECT_EQ(drawnAngle(269.8), 269.8);
  EXPECT_EQ(drawnAngle(630.0), 630.0);
  EXPECT_EQ(drawnAngle(90.0), 90.0);
  EXPECT_EQ(rotatedMark(120, 40, 270), (Points{{40, 119}, {40, 120}}));
  EXPECT_EQ(rotatedMark(120, 40, 269.8), (Points{{40, 119}, {40, 120}}));
  // (100, 114): dx = -39, dy = -11: u = round(0.13614 + 10.99993) = 11,
  //             v = round(-38.99976 + 0.03840) = round(-38.96137) = -39 -> (125, 100).
  EXPECT_EQ(rotatedMark(125, 100, 270), (Points{{100, 114}}));
}

TEST(RotateTest, SingleMarkAtOddAngles) {
  // 30: sin t = -0.5, cos t = 0.8660254.
  // (160, 51): dx = 81, dy = -137: u = round(70.14806 - 68.5) = round(1.64806) = 2,
  //            v = round(-40.5 - 118.64548) = round(-159.14548) = -159 -> (120, 40).
  EXPECT_EQ(rotatedMark(120, 40, 30), (Points{{160, 51}}));
  // (134, 105): dx = 29, dy = -29: u = round(25.11474 - 14.5) = round(10.61474) = 11,
  //             v = round(-14.5 - 25.11474) = round(-39.61474) = -40 -> (125, 100).
  EXPECT_EQ(rotatedMark(125, 100, 30), (Points{{134, 105}}));
  // 45: sin t = -0.7071068 = -cos t. (176, 63): dx = 113, dy = -113: u = round(1.4e-14) = 0,
  // v = round(-159.80613) = -160 -> (120, 40).
  EXPECT_EQ(rotatedMark(120, 40, 45), (Points{{176, 63}}));
  // No destination pixel reaches (125, 100) at 45: u = 0.70711 (dx + dy) rounds to 11 or 12
  // only for dx + dy = 16 (11.31), v = 0.70711 (dy - dx) to -40 or -39 only for dy - dx = -56
  // (-39.60); together they need dx = 36, but dx is always odd. The mark is dropped.
  EXPECT_EQ(rotatedMark(125, 100, 45), Points{});
  // 6: sin t = -0.1045285, cos t = 0.9945219.
  // (128, 40): dx = 17, dy = -159: u = round(16.90687 - 16.62003) = round(0.28685) = 0,
  //            v = round(-1.77698 - 158.12898) = round(-159.90597) = -160 -> (120, 40).
  // (129, 40): dx = 19, dy = -159: u = round(18.89592 - 16.62003) = round(2.27589) = 2,
  //            v = round(-1.98604 - 158.12898) = round(-160.11502) = -160 -> (120, 40).
  EXPECT_EQ(rotatedMark(120, 40, 6), (Points{{128, 40}, {129, 40}}));
  // 137.5: sin t = -0.6755902, cos t = -0.7372773.
  // (173, 178): dx = 107, dy = 117: u = round(-78.88868 + 79.04405) = round(0.15538) = 0,
  //             v = round(-72.28815 - 86.26145) = round(-158.54960) = -159 -> (120, 40).
  // (173, 179): dx = 107, dy = 119: u = round(-78.88868 + 80.39523) = round(1.50656) = 2,
  //             v = round(-72.28815 - 87.73600) = round(-160.02416) = -160 -> (120, 40).
  EXPECT_EQ(rotatedMark(120, 40, 137.5), (Points{{173, 178}, {173, 179}}));
}

TEST(RotateTest, PixelsMappedOutsideTheSourceTakeTheFillColourBytes) {
  // A near-white background (as the colour chooser stores it) fills with its low 24 bits.
  const Colour fill = 0x02FEFFFF;
  Bitmap source(240, 240, 0x00000000);
  const Bitmap rotated = rotatePicture(source, 45, fill, 120, 120);
  // The corner (0, 0): dx = dy = -239, u = round(-338.0) = -338 -> sx = 120 - 169 < 0.
  EXPECT_EQ(rotated.pixel(0, 0), 0x00FEFFFFu);
  EXPECT_EQ(rotated.row(0)[0], 0xFE);  // blue
  EXPECT_EQ(rotated.row(0)[1], 0xFF);  // green
  EXPECT_EQ(rotated.row(0)[2], 0xFF);  // red
  EXPECT_EQ(rotated.pixel(120, 120), 0x00000000u);
  EXPECT_EQ(rotated, reference::rotate(source, 45, fill));
}

TEST(RotateTest, CoordinateRoundingIsHalfEvenForEveryDouble) {
  EXPECT_EQ(roundCoordinate(0.5), 0);
  EXPECT_EQ(roundCoordinate(1.5), 2);
  EXPECT_EQ(roundCoordinate(2.5), 2);
  EXPECT_EQ(roundCoordinate(-0.5), 0);
  EXPECT_EQ(roundCoordinate(-1.5), -2);
  EXPECT_EQ(roundCoordinate(-2.5), -2);
  EXPECT_EQ(roundCoordinate(-0.0), 0);
  EXPECT_EQ(roundCoordinate(2.5000000000000004), 3);
  EXPECT_EQ(roundCoordinate(2.4999999999999996), 2);
  EXPECT_EQ(roundCoordinate(-2.5000000000000004), -3);
  EXPECT_EQ(roundCoordinate(0.49999999999999994), 0);
  EXPECT_EQ(roundCoordinate(-0.49999999999999994), 0);
  EXPECT_EQ(roundCoordinate(4503599627370495.5), 4503599627370496);
  EXPECT_EQ(roundCoordinate(1e300), roundHalfEven(1e300));
  EXPECT_EQ(roundCoordinate(std::nan("")), 0);
  std::mt19937_64 random(5);
  std::uniform_real_distribution<double> spread(-1000.0, 1000.0);
  for (int n = 0; n < 100000; ++n) {
    const double value = spread(random);
    const double half = std::floor(value) + 0.5;
    ASSERT_EQ(roundCoordinate(value), roundHalfEven(value)) << value;
    ASSERT_EQ(roundCoordinate(half), roundHalfEven(half)) << half;
    ASSERT_EQ(roundCoordinate(std::nextafter(half, 0.0)), roundHalfEven(std::nextafter(half, 0.0)));
  }
}

TEST(RotateTest, BoundsOfPixelsOtherThanAColour) {
  Bitmap picture(20, 10, kBackground);
  EXPECT_TRUE(boundsOfPixelsOtherThan(picture, kBackground).empty());
  picture.setPixel(3, 7, kMark);
  picture.setPixel(15, 2, kMark);
  EXPECT_EQ(boundsOfPixelsOtherThan(picture, kBackground), (Rect{3, 2, 13, 6}));
  picture.setPixel(19, 9, 0x00336698);  // one blue step off still counts
  EXPECT_EQ(boundsOfPixelsOtherThan(picture, kBackground), (Rect{3, 2, 17, 8}));
  EXPECT_TRUE(boundsOfPixelsOtherThan(Bitmap(), kBackground).empty());
}

TEST(RotateTest, FastRotationEqualsTheLiteralOneOnPatchyPictures) {
  const double angles[] = {0,     6,   30,  45,  89.9, 90,  90.1, 135, 180, 222,
                           269.8, 270, 271, 300, 354,  360, 375,  389, -6,  0.5};
  for (unsigned seed = 1; seed <= 3; ++seed) {
    const Bitmap source = reference::patchyPicture(240, 240, seed, kBackground);
    for (double angle : angles)
      EXPECT_EQ(rotatePicture(source, angle, kBackground, 120, 120), reference::rotate(source, angle, kBackground))
          << "seed " << seed << " angle " << angle;
  }
  // Pictures of other sizes, centres inside and outside them, a fill colour the picture lacks.
  struct Case {
    int width, height, cx, cy;
  };
  for (const Case& c : {Case{37, 53, 120, 120}, Case{37, 53, 18, 20}, Case{1, 1, 0, 0}, Case{5, 1, 2, 0},
                        Case{300, 80, 150, 40}, Case{64, 64, -10, 70}})
    for (double angle : {0.0, 17.0, 90.0, 200.0, 270.0, 333.3}) {
      const Bitmap source = reference::patchyPicture(c.width, c.height, 7, 0x000000);
      EXPECT_EQ(rotatePicture(source, angle, 0x00ABCDEF, c.cx, c.cy),
                reference::rotate(source, angle, 0x00ABCDEF, c.cx, c.cy))
          << c.width << "x" << c.height << " centre " << c.cx << "," << c.cy << " angle " << angle;
    }
}

TEST(RotateTest, RotatingIntoTheSourceItselfGivesTheSameResult) {
  Bitmap picture = reference::patchyPicture(240, 240, 11, kBackground);
  const Bitmap expected = reference::rotate(picture, 123, kBackground);
  rotatePicture(picture, picture, 123, kBackground, 120, 120);
  EXPECT_EQ(picture, expected);
}

TEST(RotateTest, DestinationTakesTheSourceSizeAndIsFullyRewritten) {
  const Bitmap source = reference::patchyPicture(50, 40, 3, kBackground);
  Bitmap destination(240, 240, kMark);
  rotatePicture(source, destination, 33, kBackground, 120, 120);
  EXPECT_EQ(destination, reference::rotate(source, 33, kBackground));
  // Same size: the memory is reused, and no pixel of the old content survives.
  Bitmap reused = reference::patchyPicture(50, 40, 4, kMark);
  rotatePicture(source, reused, 33, kBackground, 25, 20);
  EXPECT_EQ(reused, reference::rotate(source, 33, kBackground, 25, 20));
}

// A footprint lets a rotation leave alone what the last one left as fill; whatever was drawn
// before (a longer hand, another angle) must still be wiped.
TEST(RotateTest, FootprintOfTheLastRotationGivesTheSameResult) {
  Bitmap longHand(240, 240, kBackground), shortHand(240, 240, kBackground);
  for (int y = 25; y <= 140; ++y)
    for (int x = 115; x <= 125; ++x) longHand.setPixel(x, y, 0x000000);
  for (int y = 100; y <= 125; ++y) shortHand.setPixel(120, y, kMark);

  Bitmap destination;
  RotationFootprint footprint;
  const auto rotateWithFootprint = [&](const Bitmap& source, double angle, Colour fill) {
    rotatePicture(source, boundsOfPixelsOtherThan(source, fill), destination, angle, fill, 120, 120, &footprint);
    EXPECT_EQ(destination, reference::rotate(source, angle, fill)) << angle;
  };
  rotateWithFootprint(longHand, 45, kBackground);
  EXPECT_EQ(footprint.rows.size(), 240u);
  EXPECT_EQ(footprint.fill, kBackground);
  rotateWithFootprint(shortHand, 200, kBackground);  // the long hand's pixels are wiped
  rotateWithFootprint(longHand, 300, 0x00ABCDEF);    // another fill: everything is rewritten
  rotateWithFootprint(shortHand, 300, 0x00ABCDEF);
  rotateWithFootprint(Bitmap(240, 240, 0x00ABCDEF), 10, 0x00ABCDEF);  // nothing but fill
  EXPECT_EQ(destination, Bitmap(240, 240, 0x00ABCDEF));

  // A footprint that does not describe the picture's size is ignored.
  RotationFootprint stale{kBackground, std::vector<ColumnSpan>(10)};
  Bitmap other = reference::patchyPicture(240, 240, 2, kMark);
  rotatePicture(shortHand, boundsOfPixelsOtherThan(shortHand, kBackground), other, 30, kBackground, 120, 120, &stale);
  EXPECT_EQ(other, reference::rotate(shortHand, 30, kBackground));
}

}  // namespace
}  // namespace tikora
