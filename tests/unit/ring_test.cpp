#include "face/ring.h"

#include <gtest/gtest.h>

namespace tikora {
namespace {

TEST(RingTest, SecondsRingPositionsStartAtTheLeftAndRunClockwise) {
  EXPECT_EQ(secondsRingPosition(0), (Point{27, 120}));
  EXPECT_EQ(secondsRingPosition(1), (Point{28, 110}));
  EXPECT_EQ(secondsRingPosition(5), (Point{39, 74}));
  EXPECT_EQ(secondsRingPosition(15), (Point{120, 27}));
  EXPECT_EQ(secondsRingPosition(20), (Point{166, 39}));
  EXPECT_EQ(secondsRingPosition(30), (Point{213, 120}));
  EXPECT_EQ(secondsRingPosition(45), (Point{120, 213}));
  EXPECT_EQ(secondsRingPosition(59), (Point{28, 130}));
  EXPECT_TRUE(isSecondsMark(0));
  EXPECT_TRUE(isSecondsMark(55));
  EXPECT_FALSE(isSecondsMark(59));
}

TEST(RingTest, SecondsStartAtTheTopAndUseTheirOwnAngles) {
  EXPECT_EQ(secondPosition(0), (Point{120, 27}));
  EXPECT_EQ(secondPosition(15), (Point{213, 120}));
  EXPECT_EQ(secondPosition(30), (Point{120, 213}));
  EXPECT_EQ(secondPosition(45), (Point{27, 120}));
  EXPECT_EQ(secondPosition(59), (Point{110, 28}));
  // Angles are not reduced: second 5 (angle -240) is a pixel away from ring position 20
  // (angle 120), and second -1 (angle -276) a pixel away from second 59 (angle 84).
  EXPECT_EQ(secondPosition(5), (Point{167, 40}));
  EXPECT_EQ(secondPosition(-1), (Point{111, 27}));
  EXPECT_EQ(secondPosition(-2), (Point{101, 29}));
}

TEST(RingTest, DigitCentresUseThreePointFourteenNotPi) {
  EXPECT_EQ(digitPosition(3), (Point{194, 121}));
  EXPECT_EQ(digitPosition(6), (Point{119, 194}));
  EXPECT_EQ(digitPosition(9), (Point{46, 119}));
  EXPECT_EQ(digitPosition(12), (Point{121, 46}));
  EXPECT_EQ(digitPosition(1), (Point{158, 56}));
  EXPECT_EQ(digitPosition(7), (Point{82, 184}));
}

TEST(RingTest, TriangleAndTickCornersAtFractionalAngles) {
  EXPECT_EQ(ringPosition(93, 6 * (0 - 0.4)), (Point{27, 124}));
  EXPECT_EQ(ringPosition(89, 0), (Point{31, 120}));
  EXPECT_EQ(ringPosition(93, 6 * (0 + 0.4)), (Point{27, 116}));
  EXPECT_EQ(ringPosition(93, 6 * (1 - 0.2)), (Point{27, 112}));
  EXPECT_EQ(ringPosition(91, 6 * 1), (Point{29, 110}));
  EXPECT_EQ(ringPosition(93, 6 * (1 + 0.2)), (Point{28, 108}));
  EXPECT_EQ(ringPosition(90, 6 * 5), (Point{42, 75}));
}

TEST(RingTest, HalvesRoundToEven) {
  // 93 * cos(0) = 93 exactly; radius 0.5 and 1.5 at angle 0 give exact halves.
  EXPECT_EQ(ringPosition(0.5, 0), (Point{120, 120}));
  EXPECT_EQ(ringPosition(1.5, 0), (Point{118, 120}));
  EXPECT_EQ(ringPosition(2.5, 0), (Point{118, 120}));
}

}  // namespace
}  // namespace tikora
