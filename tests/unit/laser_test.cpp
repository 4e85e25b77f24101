#include <gtest/gtest.h>

#include <string>

#include "face/ring.h"
#include "face/seconds_ring.h"
#include "tests/unit/picture_art.h"

namespace tikora {
namespace {

using testing::pictureArt;
using testing::rows;

constexpr Colour kBackground = 0x00203040;  // 'b'
constexpr Colour kSeconds = 0x0000C0FF;     // 's'
constexpr Colour kLaser = 0x000000FF;       // 'L'

SecondsRingSettings settingsFor(SecondsStyle style, bool secondsOff = false) {
  return {kBackground, kSeconds, kLaser, style, secondsOff};
}

// A face disk in the background colour with the ring drawn in `style`.
Bitmap ringFace(SecondsStyle style) {
  Bitmap face(240, 240, kBackground);
  selectSecondsStyle(face, settingsFor(style));
  return face;
}

std::string art(const Bitmap& face, int left, int top) {
  return pictureArt(face, left, top, 10, 9, {{'b', kBackground}, {'s', kSeconds}, {'L', kLaser}});
}
// Around second 0 at (120, 27), a mark (ring position 15).
std::string secondZeroArt(const Bitmap& face) { return art(face, 115, 22); }
// Around second 59 at (110, 28) and second -1 at (111, 27).
std::string secondFiftyNineArt(const Bitmap& face) { return art(face, 106, 23); }

void runLaser(Bitmap& face, SecondsStyle style, int from, int to) {
  for (int s = from; s <= to; ++s) drawLaserStep(face, settingsFor(style), s);
}

TEST(LaserTest, OutlinedDotsAtSecondZeroRepaintSecondFiftyNineWithRadiusThree) {
  for (SecondsStyle style :
       {SecondsStyle::OutlinedDots, SecondsStyle::OutlinedDotsSolidMarks, SecondsStyle::OutlinedSquaresSolidMarks}) {
    Bitmap face = ringFace(style);
    drawLaserStep(face, settingsFor(style), 0);
    // A radius 3 circle at (111, 27) in the seconds colour outlined in the background, then the
    // radius 2 dot over it: its corners keep the seconds colour.
    EXPECT_EQ(secondFiftyNineArt(face), rows({"bbbbbbbbbb", "bbbbbbbbbb", "bbbsbbsbbb", "bbbbssbbbb", "bbbbssbbbb",
                                              "bbbsbbsbbb", "bbbbbbbbbb", "bbbbbbbbbb", "bbbbbbbbbb"}))
        << static_cast<int>(style);
  }
  Bitmap face = ringFace(SecondsStyle::OutlinedDots);
  const Bitmap original = face;
  drawLaserStep(face, settingsFor(SecondsStyle::OutlinedDots), 0);
  // The laser dot sits in the mark, outlined in the background colour.
  EXPECT_EQ(secondZeroArt(face), rows({"bbbbbbbbbb", "bbbbbbbbbb", "bbbssssbbb", "bbssbbssbb", "bbsbLLbsbb",
                                       "bbsbLLbsbb", "bbssbbssbb", "bbbssssbbb", "bbbbbbbbbb"}));
  drawLaserStep(face, settingsFor(SecondsStyle::OutlinedDots), 1);
  EXPECT_EQ(secondZeroArt(face), secondZeroArt(original));
}

TEST(LaserTest, SolidMarksOfStylesTwoAndSixStaySolidAfterTheLaserPasses) {
  const std::string solidDot = rows({"bbbbbbbbbb", "bbbssssbbb", "bbssssssbb", "bssssssssb", "bssssssssb", "bssssssssb",
                                     "bssssssssb", "bbssssssbb", "bbbssssbbb"});
  const std::string solidSquare = rows({"bbbbbbbbbb", "bssssssssb", "bssssssssb", "bssssssssb", "bssssssssb",
                                        "bssssssssb", "bssssssssb", "bssssssssb", "bssssssssb"});
  for (SecondsStyle style : {SecondsStyle::OutlinedDotsSolidMarks, SecondsStyle::OutlinedSquaresSolidMarks}) {
    const std::string& solid = style == SecondsStyle::OutlinedDotsSolidMarks ? solidDot : solidSquare;
    Bitmap face = ringFace(style);
    ASSERT_EQ(secondZeroArt(face), solid);
    drawLaserStep(face, settingsFor(style), 0);
    EXPECT_NE(secondZeroArt(face), solid);
    drawLaserStep(face, settingsFor(style), 1);
    EXPECT_EQ(secondZeroArt(face), solid) << static_cast<int>(style);
    drawLaserStep(face, settingsFor(style), 2);
    EXPECT_EQ(secondZeroArt(face), solid) << static_cast<int>(style);
  }
}

TEST(LaserTest, SolidDotsRepaintInTheSecondsColour) {
  Bitmap face = ringFace(SecondsStyle::SolidDots);
  drawLaserStep(face, settingsFor(SecondsStyle::SolidDots), 0);
  EXPECT_EQ(secondZeroArt(face), rows({"bbbbbbbbbb", "bbbssssbbb", "bbssssssbb", "bsssLLsssb", "bssLLLLssb",
                                       "bssLLLLssb", "bsssLLsssb", "bbssssssbb", "bbbssssbbb"}));
  // Radius 3 at (111, 27) covers the old dot at (110, 28) but for the two pixels at (108, 29)
  // and (111, 29), which the old dot never had.
  EXPECT_EQ(secondFiftyNineArt(face), rows({"bbbbbbbbbb", "bbbssssbbb", "bbssssssbb", "bbssssssbb", "bbssssssbb",
                                            "bbssssssbb", "bbbssssbbb", "bbbbbbbbbb", "bbbbbbbbbb"}));
}

TEST(LaserTest, SquareStylesRepaintThreeSecondsBehind) {
  Bitmap outlined = ringFace(SecondsStyle::OutlinedSquares);
  drawLaserStep(outlined, settingsFor(SecondsStyle::OutlinedSquares), 0);
  EXPECT_EQ(secondFiftyNineArt(outlined), rows({"bbbbbbbbbb", "bbbbbbbbbb", "bbbbbbbbbb", "bbbbssbbbb", "bbbbssbbbb",
                                                "bbbbbbbbbb", "bbbbbbbbbb", "bbbbbbbbbb", "bbbbbbbbbb"}));
  // Second -3 lies at (91, 31), a pixel above ring position 12 at (91, 32): its square is
  // painted there.
  EXPECT_EQ(art(outlined, 86, 27), rows({"bbbbbbbbbb", "bbbbbbbbbb", "bbbbbbbbbb", "bbbbssbbbb", "bbbbssbbbb",
                                         "bbbbbbbbbb", "bbbbbbbbbb", "bbbbbbbbbb", "bbbbbbbbbb"}));

  Bitmap solid = ringFace(SecondsStyle::SolidSquares);
  drawLaserStep(solid, settingsFor(SecondsStyle::SolidSquares), 0);
  EXPECT_EQ(secondFiftyNineArt(solid), rows({"bbbbbbbbbb", "bbbssssbbb", "bbssssssbb", "bbssssssbb", "bbssssssbb",
                                             "bbssssssbb", "bbsssssbbb", "bbbbbbbbbb", "bbbbbbbbbb"}));
  // The laser dot is a circle in laser colour, also on a square mark.
  EXPECT_EQ(secondZeroArt(solid), rows({"bbbbbbbbbb", "bssssssssb", "bssssssssb", "bsssLLsssb", "bssLLLLssb",
                                        "bssLLLLssb", "bsssLLsssb", "bssssssssb", "bssssssssb"}));
}

TEST(LaserTest, MarksOnlyStylesEraseTheTrailAndRestoreTheMarkAfterThreeSeconds) {
  for (SecondsStyle style : {SecondsStyle::DotMarks, SecondsStyle::SquareMarks}) {
    Bitmap face = ringFace(style);
    const Bitmap original = face;
    drawLaserStep(face, settingsFor(style), 0);
    // The background circles of radius 4 and 2 behind second 0 leave only background there.
    EXPECT_EQ(secondFiftyNineArt(face), secondFiftyNineArt(original));
    drawLaserStep(face, settingsFor(style), 1);
    // Second 0's mark now has a background hole where the dot was.
    EXPECT_EQ(face.pixel(119, 26), kBackground);
    EXPECT_EQ(face.pixel(118, 26), kBackground);
    EXPECT_EQ(face.pixel(118, 25), kSeconds);  // corner of the dot's box, never painted
    EXPECT_EQ(face.pixel(117, 26), kSeconds);
    drawLaserStep(face, settingsFor(style), 2);
    EXPECT_EQ(face.pixel(119, 26), kBackground);
    drawLaserStep(face, settingsFor(style), 3);
    EXPECT_EQ(secondZeroArt(face), secondZeroArt(original)) << static_cast<int>(style);
  }
  // Style 4 draws the dot with a laser outline, style 8 with a background one.
  Bitmap four = ringFace(SecondsStyle::DotMarks);
  drawLaserStep(four, settingsFor(SecondsStyle::DotMarks), 0);
  EXPECT_EQ(four.pixel(118, 26), kLaser);
  Bitmap eight = ringFace(SecondsStyle::SquareMarks);
  drawLaserStep(eight, settingsFor(SecondsStyle::SquareMarks), 0);
  EXPECT_EQ(eight.pixel(118, 26), kBackground);
  EXPECT_EQ(eight.pixel(119, 26), kLaser);
}

TEST(LaserTest, RingIsWholeBehindTheLaserWhereSecondsAndRingPositionsMeet) {
  // Seconds 44 to 59 lie exactly on ring positions 59 and 0 to 14.
  for (int n = 1; n <= 8; ++n) {
    const SecondsStyle style = *secondsStyleFromNumber(n);
    Bitmap face = ringFace(style);
    const Bitmap original = face;
    runLaser(face, style, 47, 58);
    const Point dot = secondPosition(58);
    ASSERT_EQ(dot, (Point{101, 29}));
    for (int y = 0; y < 240; ++y)
      for (int x = 0; x < 240; ++x) {
        const bool inDotBox = x >= dot.x - 2 && x < dot.x + 2 && y >= dot.y - 2 && y < dot.y + 2;
        if (!inDotBox) {
          ASSERT_EQ(face.pixel(x, y), original.pixel(x, y)) << "style " << n << " at " << x << "," << y;
        }
      }
    EXPECT_EQ(face.pixel(100, 28), kLaser) << n;
    EXPECT_EQ(face.pixel(101, 29), kLaser) << n;
  }
}

TEST(LaserTest, TickAndTriangleStylesHaveNoLaser) {
  for (int n = 1; n <= 12; ++n) {
    const SecondsStyle style = *secondsStyleFromNumber(n);
    EXPECT_EQ(laserAvailable(style, false), n <= 8) << n;
    EXPECT_FALSE(laserAvailable(style, true)) << n;
  }
  for (int n = 9; n <= 12; ++n) {
    const SecondsStyle style = *secondsStyleFromNumber(n);
    Bitmap face = ringFace(style);
    const Bitmap original = face;
    drawLaserStep(face, settingsFor(style), 7);
    EXPECT_EQ(face, original) << n;
  }
}

TEST(LaserTest, SwitchClickRepairsThePositionUnderTheLaser) {
  for (SecondsStyle style : {SecondsStyle::OutlinedDots, SecondsStyle::SolidDots, SecondsStyle::OutlinedSquares,
                             SecondsStyle::SolidSquares}) {
    Bitmap face = ringFace(style);
    const Bitmap original = face;
    runLaser(face, style, 48, 50);  // second 50 is ring position 5 at (39, 74), a mark
    ASSERT_EQ(face.pixel(38, 73), kLaser);
    laserSwitchClicked(face, settingsFor(style), 50);
    EXPECT_EQ(face, original) << static_cast<int>(style);
  }
  for (SecondsStyle style : {SecondsStyle::OutlinedDotsSolidMarks, SecondsStyle::DotMarks,
                             SecondsStyle::OutlinedSquaresSolidMarks, SecondsStyle::SquareMarks}) {
    Bitmap face = ringFace(style);
    const Bitmap original = face;
    runLaser(face, style, 3, 7);
    laserSwitchClicked(face, settingsFor(style), 7);  // the whole ring is drawn again
    EXPECT_EQ(face, original) << static_cast<int>(style);
  }
  Bitmap ticks = ringFace(SecondsStyle::TicksAndPoints);
  const Bitmap original = ticks;
  laserSwitchClicked(ticks, settingsFor(SecondsStyle::TicksAndPoints), 7);
  EXPECT_EQ(ticks, original);
}

}  // namespace
}  // namespace tikora
