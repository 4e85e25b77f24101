// The second hand table and the hand layers of the face tick.
#include <gtest/gtest.h>

#include "face/hand_angles.h"
#include "face/hand_picture.h"
#include "face/hands.h"
#include "face/second_hand_table.h"
#include "hands_reference.h"

namespace tikora {
namespace {

constexpr Colour kHandColour = 0x00202080;
constexpr Colour kBackground = 0x00E0F0F0;

HandLists drawnHands() {
  return {handListFromPicture(reference::drawnHand(59, 5, 1)), handListFromPicture(reference::drawnHand(47, 4, 2)),
          handListFromPicture(reference::drawnHand(33, 2, 3))};
}

Bitmap smoothedSecondHand(const PixelList& hand, Colour handColour, Colour background) {
  Bitmap picture = reference::paint(hand, handColour, background);
  reference::smooth(picture, 5);
  return picture;
}

TEST(SecondHandTableTest, EntryJIsTheSmoothedHandTurnedBySixJDegrees) {
  const PixelList hand = drawnHands().second;
  SecondHandTable table;
  table.rebuild(hand, kHandColour, kBackground);
  EXPECT_FALSE(table.rebuilding());
  const Bitmap smoothed = smoothedSecondHand(hand, kHandColour, kBackground);
  for (int j = 0; j < SecondHandTable::kEntries; ++j)
    EXPECT_EQ(table.entry(j), reference::rotate(smoothed, 6.0 * j, kBackground)) << j;
  // Second 45 is the 270 degree entry, drawn at 269.8.
  EXPECT_EQ(table.entry(45), reference::rotate(smoothed, 269.8, kBackground));
  EXPECT_NE(table.entry(45), reference::rotate(smoothed, 270.2, kBackground));
  EXPECT_TRUE(table.entry(60).empty());
  EXPECT_TRUE(table.entry(-1).empty());
}

TEST(SecondHandTableTest, RebuildsAnEntryAtATimeOverTheOldPictures) {
  const PixelList hand = drawnHands().second;
  SecondHandTable table;
  EXPECT_TRUE(table.entry(0).empty());
  EXPECT_FALSE(table.rebuilding());
  EXPECT_FALSE(table.rebuildNextEntry());

  table.startRebuild(hand, kHandColour, kBackground);
  EXPECT_TRUE(table.rebuilding());
  EXPECT_EQ(table.nextEntry(), 0);
  EXPECT_TRUE(table.entry(0).empty());  // nothing is rotated before the first step
  int steps = 0;
  while (table.rebuildNextEntry()) ++steps;
  EXPECT_EQ(steps, 59);
  EXPECT_EQ(table.nextEntry(), 60);
  const Bitmap oldEntry1 = table.entry(1);

  // A new hand colour: the first two entries change, the rest keep the old colour meanwhile.
  table.startRebuild(hand, 0x000000FF, kBackground);
  EXPECT_TRUE(table.rebuildNextEntry());
  EXPECT_TRUE(table.rebuildNextEntry());
  EXPECT_EQ(table.nextEntry(), 2);
  const Bitmap red = smoothedSecondHand(hand, 0x000000FF, kBackground);
  EXPECT_EQ(table.entry(0), reference::rotate(red, 0, kBackground));
  EXPECT_EQ(table.entry(1), reference::rotate(red, 6, kBackground));
  EXPECT_NE(table.entry(1), oldEntry1);
  EXPECT_EQ(table.entry(2), reference::rotate(smoothedSecondHand(hand, kHandColour, kBackground), 12, kBackground));

  // Starting again mid-way begins anew at entry 0 with the newest colours.
  table.startRebuild(hand, kHandColour, 0x00000000);
  EXPECT_EQ(table.nextEntry(), 0);
  while (table.rebuildNextEntry()) {
  }
  EXPECT_EQ(table.entry(59), reference::rotate(smoothedSecondHand(hand, kHandColour, 0), 354, 0));
}

class ClockHandsTest : public testing::Test {
 protected:
  void SetUp() override {
    hands.setHandLists(drawnHands());
    hands.setHandColour(kHandColour);
    hands.setBackground(kBackground);
  }
  Bitmap expectedHour(int h, int m) const {
    return reference::renderHand(hands.handLists().hour, kHandColour, kBackground, hourHandAngle(h, m));
  }
  Bitmap expectedMinute(int m, int s) const {
    return reference::renderHand(hands.handLists().minute, kHandColour, kBackground, minuteHandAngle(m, s));
  }
  ClockHands hands;
};

TEST_F(ClockHandsTest, FirstTickRendersEverythingLaterTicksOnlyEveryTenSeconds) {
  hands.rebuildSecondHandTable();
  EXPECT_TRUE(hands.redrawFlag());  // set at start

  auto tick = hands.faceTick(9, 1, 7);
  EXPECT_TRUE(tick.secondHandChanged);
  EXPECT_TRUE(tick.hourAndMinuteRendered);
  EXPECT_FALSE(hands.redrawFlag());
  EXPECT_EQ(hands.secondLayer(), hands.secondHandTable().entry(7));
  EXPECT_EQ(hands.hourLayer(), expectedHour(9, 1));  // 270, drawn at 269.8
  EXPECT_EQ(hands.minuteLayer(), expectedMinute(1, 7));

  const Bitmap hourBefore = hands.hourLayer(), minuteBefore = hands.minuteLayer();
  tick = hands.faceTick(9, 1, 8);
  EXPECT_TRUE(tick.secondHandChanged);
  EXPECT_FALSE(tick.hourAndMinuteRendered);
  EXPECT_EQ(hands.secondLayer(), hands.secondHandTable().entry(8));
  EXPECT_EQ(hands.hourLayer(), hourBefore);
  EXPECT_EQ(hands.minuteLayer(), minuteBefore);

  tick = hands.faceTick(9, 1, 10);
  EXPECT_TRUE(tick.hourAndMinuteRendered);
  EXPECT_EQ(hands.minuteLayer(), expectedMinute(1, 10));  // one degree on
  EXPECT_NE(hands.minuteLayer(), minuteBefore);
}

TEST_F(ClockHandsTest, ColourChangeShowsAfterTheRedrawFlagIsSet) {
  hands.rebuildSecondHandTable();
  hands.faceTick(12, 45, 3);
  hands.setHandColour(0x000000FF);
  hands.startSecondHandTableRebuild();
  while (hands.rebuildNextSecondHandEntry()) {
  }
  hands.setRedrawFlag();
  const auto tick = hands.faceTick(12, 45, 4);
  EXPECT_TRUE(tick.hourAndMinuteRendered);
  EXPECT_EQ(hands.minuteLayer(), reference::renderHand(hands.handLists().minute, 0x000000FF, kBackground, 269.8));
  EXPECT_EQ(hands.secondLayer(),
            reference::rotate(smoothedSecondHand(hands.handLists().second, 0x000000FF, kBackground), 24, kBackground));
}

TEST_F(ClockHandsTest, SecondHandStaysWhileItsEntryIsNotBuilt) {
  auto tick = hands.faceTick(10, 0, 5);  // no table yet: nothing to copy
  EXPECT_FALSE(tick.secondHandChanged);
  EXPECT_TRUE(hands.secondLayer().empty());
  hands.startSecondHandTableRebuild();
  for (int j = 0; j < 6; ++j) hands.rebuildNextSecondHandEntry();
  tick = hands.faceTick(10, 0, 5);
  EXPECT_TRUE(tick.secondHandChanged);
  const Bitmap fifth = hands.secondLayer();
  tick = hands.faceTick(10, 0, 6);  // entry 6 not built yet: the previous picture stays
  EXPECT_FALSE(tick.secondHandChanged);
  EXPECT_EQ(hands.secondLayer(), fifth);
}

// The layer is reused from second to second: each copy must leave nothing of the hand before,
// also when the entries on either side of a rebuild have different backgrounds.
TEST_F(ClockHandsTest, EachSecondLeavesOnlyItsOwnHandInTheReusedLayer) {
  const PixelList hand = hands.handLists().second;
  const Bitmap smoothed = smoothedSecondHand(hand, kHandColour, kBackground);
  hands.rebuildSecondHandTable();
  for (const int second : {0, 1, 2, 15, 16, 59, 0, 30, 45, 44, 7}) {
    hands.faceTick(11, 20, second);
    ASSERT_EQ(hands.secondLayer(), reference::rotate(smoothed, second == 45 ? 269.8 : 6.0 * second, kBackground))
        << second;
  }

  constexpr Colour kDark = 0x00102030;
  hands.setBackground(kDark);
  hands.startSecondHandTableRebuild();
  for (int j = 0; j < 10; ++j) hands.rebuildNextSecondHandEntry();
  const Bitmap dark = smoothedSecondHand(hand, kHandColour, kDark);
  const struct {
    int second;
    const Bitmap& hand;
    Colour background;
  } ticks[] = {{8, dark, kDark},
               {9, dark, kDark},
               {20, smoothed, kBackground},
               {3, dark, kDark},
               {21, smoothed, kBackground},
               {22, smoothed, kBackground}};
  for (const auto& tick : ticks) {
    hands.faceTick(11, 20, tick.second);
    ASSERT_EQ(hands.secondLayer(), reference::rotate(tick.hand, 6.0 * tick.second, tick.background)) << tick.second;
  }
}

}  // namespace
}  // namespace tikora
