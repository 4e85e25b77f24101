#include "core/colour.h"

#include <gtest/gtest.h>

namespace tikora {
namespace {

TEST(ColourTest, PureWhiteBecomesNearWhiteOtherColoursStay) {
  EXPECT_EQ(avoidSeeThrough(0x00FFFFFF), 0x02FEFFFFu);
  EXPECT_EQ(avoidSeeThrough(0x00FEFFFF), 0x00FEFFFFu);
  EXPECT_EQ(avoidSeeThrough(0x00000000), 0x00000000u);
  EXPECT_EQ(avoidSeeThrough(0x02FEFFFF), 0x02FEFFFFu);
}

TEST(ColourTest, ChannelsFollowRedInTheLowByte) {
  constexpr Colour gold = 0x0037AFD4;
  EXPECT_EQ(redOf(gold), 212);
  EXPECT_EQ(greenOf(gold), 175);
  EXPECT_EQ(blueOf(gold), 55);
  EXPECT_EQ(rgb(212, 175, 55), gold);
}

}  // namespace
}  // namespace tikora
