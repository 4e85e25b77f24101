#include "core/painter.h"

#include <gtest/gtest.h>

#include <array>

#include "tests/unit/picture_art.h"

namespace tikora {
namespace {

using testing::pictureArt;
using testing::rows;

constexpr Colour kPen = 0x0000FF;
constexpr Colour kBrush = 0x00FF00;

class PainterTest : public ::testing::Test {
 protected:
  Bitmap picture{24, 24, kPureWhite};
  Painter painter{picture};

  void SetUp() override { painter.setPenAndBrush(kPen, kBrush); }

  std::string art(int left, int top, int width, int height) const {
    return pictureArt(picture, left, top, width, height, {{'.', kPureWhite}, {'P', kPen}, {'B', kBrush}});
  }
};

// The pictures are drawn one row a line.
// clang-format off
TEST_F(PainterTest, CirclesOfRadiusTwoThreeAndFourInTheirBoxes) {
  // Circle of radius r at (10, 10): the box (10 - r, 10 - r) to (10 + r, 10 + r), exclusive.
  painter.ellipse(8, 8, 12, 12);
  EXPECT_EQ(art(7, 7, 6, 6), rows({"......",
                                   "..PP..",
                                   ".PBBP.",
                                   ".PBBP.",
                                   "..PP..",
                                   "......"}));
  picture.fill(kPureWhite);
  painter.ellipse(7, 7, 13, 13);
  EXPECT_EQ(art(6, 6, 8, 8), rows({"........",
                                   "..PPPP..",
                                   ".PBBBBP.",
                                   ".PBBBBP.",
                                   ".PBBBBP.",
                                   ".PBBBBP.",
                                   "..PPPP..",
                                   "........"}));
  picture.fill(kPureWhite);
  painter.ellipse(6, 6, 14, 14);
  EXPECT_EQ(art(5, 5, 10, 10), rows({"..........",
                                     "...PPPP...",
                                     "..PBBBBP..",
                                     ".PBBBBBBP.",
                                     ".PBBBBBBP.",
                                     ".PBBBBBBP.",
                                     ".PBBBBBBP.",
                                     "..PBBBBP..",
                                     "...PPPP...",
                                     ".........."}));
}

TEST_F(PainterTest, SquaresOfRadiusOneTwoAndFourInTheirBoxes) {
  painter.rectangle(9, 9, 11, 11);
  EXPECT_EQ(art(8, 8, 4, 4), rows({"....",
                                   ".PP.",
                                   ".PP.",
                                   "...."}));
  picture.fill(kPureWhite);
  painter.rectangle(8, 8, 12, 12);
  EXPECT_EQ(art(7, 7, 6, 6), rows({"......",
                                   ".PPPP.",
                                   ".PBBP.",
                                   ".PBBP.",
                                   ".PPPP.",
                                   "......"}));
  picture.fill(kPureWhite);
  painter.rectangle(6, 6, 14, 14);
  EXPECT_EQ(art(5, 5, 10, 10), rows({"..........",
                                     ".PPPPPPPP.",
                                     ".PBBBBBBP.",
                                     ".PBBBBBBP.",
                                     ".PBBBBBBP.",
                                     ".PBBBBBBP.",
                                     ".PBBBBBBP.",
                                     ".PBBBBBBP.",
                                     ".PPPPPPPP.",
                                     ".........."}));
}

TEST_F(PainterTest, BoxesGivenBackwardsAreNormalisedAndEmptyShapesDrawNothing) {
  painter.rectangle(12, 12, 8, 8);
  painter.ellipse(4, 4, 4, 9);
  painter.rectangle(1, 1, 1, 1);
  const std::array<Point, 1> onePoint{Point{3, 3}};
  painter.polygon(onePoint);
  Bitmap expected(24, 24, kPureWhite);
  Painter reference(expected);
  reference.setPenAndBrush(kPen, kBrush);
  reference.rectangle(8, 8, 12, 12);
  EXPECT_EQ(picture, expected);
}

TEST_F(PainterTest, FaceSizedDiskIsSymmetricAndStaysInsideItsBox) {
  Bitmap face(240, 240, kPureWhite);
  Painter disk(face);
  disk.setPenAndBrush(kPen, kBrush);
  disk.ellipse(19, 19, 221, 221);
  for (int y = 0; y < 240; ++y)
    for (int x = 0; x < 240; ++x) {
      const Colour c = face.pixel(x, y);
      ASSERT_EQ(c, face.pixel(239 - x, y)) << x << "," << y;
      ASSERT_EQ(c, face.pixel(x, 239 - y)) << x << "," << y;
      ASSERT_EQ(c, face.pixel(y, x)) << x << "," << y;
    }
  // Top row of the disk: 20 pixels, x 110 to 129; nothing above or left of the box.
  for (int x = 0; x < 240; ++x) {
    EXPECT_EQ(face.pixel(x, 18), kPureWhite) << x;
    EXPECT_EQ(face.pixel(x, 19), x >= 110 && x <= 129 ? kPen : kPureWhite) << x;
  }
  EXPECT_EQ(face.pixel(19, 120), kPen);
  EXPECT_EQ(face.pixel(20, 120), kBrush);
  EXPECT_EQ(face.pixel(220, 119), kPen);
  EXPECT_EQ(face.pixel(221, 119), kPureWhite);
  EXPECT_EQ(face.pixel(120, 120), kBrush);
}

TEST_F(PainterTest, OnePixelLinesLeaveOutTheirEndPoint) {
  painter.moveTo(2, 5);
  painter.lineTo(8, 5);
  EXPECT_EQ(painter.currentPosition(), (Point{8, 5}));
  painter.moveTo(2, 7);
  painter.lineTo(8, 9);  // gentle slope: y rounds to the nearest row
  painter.moveTo(12, 2);
  painter.lineTo(16, 6);  // diagonal
  painter.moveTo(20, 2);
  painter.lineTo(20, 2);  // nothing for a line of no length
  EXPECT_EQ(art(1, 1, 21, 10), rows({".....................",
                                     "...........P.........",
                                     "............P........",
                                     ".............P.......",
                                     ".PPPPPP.......P......",
                                     ".....................",
                                     ".PP..................",
                                     "...PPP...............",
                                     "......P..............",
                                     "....................."}));
}

TEST_F(PainterTest, ThreePixelLinesHaveRoundCapsThatIncludeBothEnds) {
  painter.setPenWidth(3);
  painter.moveTo(5, 5);
  painter.lineTo(8, 5);
  EXPECT_EQ(art(2, 2, 10, 7), rows({"..........",
                                    "..........",
                                    "..PPPPPP..",
                                    "..PPPPPP..",
                                    "..PPPPPP..",
                                    "..........",
                                    ".........."}));
  picture.fill(kPureWhite);
  painter.moveTo(10, 10);
  painter.lineTo(13, 13);
  // Pixels within 1.5 of the diagonal segment from (10, 10) to (13, 13).
  EXPECT_EQ(art(8, 8, 8, 8), rows({"........",
                                   ".PPP....",
                                   ".PPPP...",
                                   ".PPPPP..",
                                   "..PPPPP.",
                                   "...PPPP.",
                                   "....PPP.",
                                   "........"}));
}

TEST_F(PainterTest, TriangleIsFilledWithTheBrushAndOutlinedWithThePen) {
  // The big seconds triangle of the mark at (27, 120), moved to (7, 10).
  const std::array<Point, 3> corners{Point{7, 14}, Point{11, 10}, Point{7, 6}};
  painter.polygon(corners);
  EXPECT_EQ(art(6, 5, 7, 11), rows({".......",
                                    ".P.....",
                                    ".PP....",
                                    ".PBP...",
                                    ".PBBP..",
                                    ".PBBBP.",
                                    ".PBBP..",
                                    ".PBP...",
                                    ".PP....",
                                    ".P.....",
                                    "......."}));
}

TEST_F(PainterTest, ConcavePolygonFillsOnlyItsInside) {
  painter.setPenAndBrush(kPen, kPen);
  const std::array<Point, 5> corners{Point{2, 2}, Point{10, 2}, Point{10, 10}, Point{6, 6}, Point{2, 10}};
  painter.polygon(corners);
  EXPECT_EQ(art(1, 1, 11, 11), rows({"...........",
                                     ".PPPPPPPPP.",
                                     ".PPPPPPPPP.",
                                     ".PPPPPPPPP.",
                                     ".PPPPPPPPP.",
                                     ".PPPPPPPPP.",
                                     ".PPPP.PPPP.",
                                     ".PPP...PPP.",
                                     ".PP.....PP.",
                                     ".P.......P.",
                                     "..........."}));
}

TEST_F(PainterTest, WidePenOutlinesStraddleTheBorder) {
  painter.setPen(kPen, 3);
  painter.rectangle(8, 8, 14, 14);
  EXPECT_EQ(art(6, 6, 10, 10), rows({"..........",
                                     ".PPPPPPPP.",
                                     ".PPPPPPPP.",
                                     ".PPPPPPPP.",
                                     ".PPPBBPPP.",
                                     ".PPPBBPPP.",
                                     ".PPPPPPPP.",
                                     ".PPPPPPPP.",
                                     ".PPPPPPPP.",
                                     ".........."}));
}
// clang-format on

TEST_F(PainterTest, DrawingIsClippedAtTheEdges) {
  painter.ellipse(-4, -4, 4, 4);
  painter.rectangle(20, 20, 30, 30);
  painter.setPenWidth(3);
  painter.moveTo(-5, 12);
  painter.lineTo(30, 12);
  EXPECT_EQ(picture.pixel(0, 0), kBrush);
  EXPECT_EQ(picture.pixel(23, 23), kBrush);
  EXPECT_EQ(picture.pixel(20, 23), kPen);
  EXPECT_EQ(picture.pixel(0, 12), kPen);
  EXPECT_EQ(picture.pixel(23, 12), kPen);
  EXPECT_EQ(painter.pixel(-1, 0), kPureWhite);
  EXPECT_EQ(painter.pixel(24, 0), kPureWhite);
}

TEST_F(PainterTest, ColoursAboveTwentyFourBitsDrawTheirLowBits) {
  painter.setPixel(3, 3, 0x02FEFFFF);
  EXPECT_EQ(painter.pixel(3, 3), 0xFEFFFFu);
}

}  // namespace
}  // namespace tikora
