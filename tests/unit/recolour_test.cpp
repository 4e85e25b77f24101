#include "face/recolour.h"

#include <gtest/gtest.h>

#include <array>

namespace tikora {
namespace {

constexpr Colour kGold = 0x0037AFD4;

TEST(RecolourTest, EveryRuleOnGold) {
  const std::array<std::uint32_t, 19> expected{0x0000AFD4, 0x00B7AFD4, 0x000000D4, 0x0000AF00, 0x00AF0000,
                                               0x006E0000, 0x006E01A8, 0x00AFD400, 0x00003700, 0x000000B7,
                                               0x0000AFFF, 0x00FFAFD4, 0x03700000, 0x00DC0000, 0x000000DC,
                                               0x0000DC00, 0x00000370, 0x00037000, 0x000008CC};
  for (int rule = 0; rule < 19; ++rule) {
    EXPECT_EQ(frameColourRuleValue(rule, kGold), expected[rule]) << "rule " << rule;
  }
}

TEST(RecolourTest, ResultsAboveTwentyFourBitsDropTheirTopByte) {
  EXPECT_EQ(frameColourFromRuleValue(*frameColourRuleValue(12, kGold)), 0x00700000u);
  // Strong blue carries out of the top of the colour for rules 5, 6, 12 and 13.
  constexpr Colour strongBlue = 0x00C08040;
  EXPECT_EQ(frameColourRuleValue(5, strongBlue), 0x01800000u);
  EXPECT_EQ(frameColourRuleValue(6, strongBlue), 0x01800080u);
  EXPECT_EQ(frameColourRuleValue(12, strongBlue), 0x0C000000u);
  EXPECT_EQ(frameColourRuleValue(13, strongBlue), 0x03000000u);
  EXPECT_EQ(frameColourFromRuleValue(0x01800080u), 0x00800080u);
  EXPECT_EQ(frameColourFromRuleValue(0x0C000000u), 0x00000000u);
  // Rule 6 moves the top bit of red into green.
  EXPECT_EQ(frameColourRuleValue(6, 0x000000FF), 0x000001FEu);
}

TEST(RecolourTest, RuleNineTurnsGoldRed) {
  for (Colour c : {kGold, Colour(0x00000000), Colour(0x00FFFFFF), Colour(0x00204080)}) {
    const std::uint32_t red = *frameColourRuleValue(9, c);
    EXPECT_EQ(red, ((c >> 16) & 0xFF) | 0x80u);
  }
}

TEST(RecolourTest, RulesOutsideTheListChangeNothing) {
  EXPECT_FALSE(frameColourRuleValue(-1, kGold).has_value());
  EXPECT_FALSE(frameColourRuleValue(19, kGold).has_value());
  Bitmap picture(2, 1, kGold);
  const PixelList list{{0, 0, kGold}, {1, 0, kGold}};
  for (int rule : {-1, 19, 255, 1 << 30}) {
    applyFrameColourRule(rule, list, picture);
    EXPECT_EQ(picture, Bitmap(2, 1, kGold)) << rule;
  }
}

// A frame, a strip and a stripe like the clock's: gold with white gaps.
struct Pictures {
  Bitmap frame{6, 4, kPureWhite};
  Bitmap strip{5, 2, kPureWhite};
  Bitmap stripe{4, 2, kGold};
  PixelList frameList, stripList, stripeList;

  Pictures() {
    for (int x = 0; x < 6; ++x) frame.setPixel(x, 0, x % 2 ? kGold : 0x00206090);
    frame.setPixel(2, 3, 0x00000000);
    for (int x = 0; x < 5; ++x)
      if (x != 2) {  // the see-through column between the two buttons
        strip.setPixel(x, 0, kGold);
        strip.setPixel(x, 1, 0x00102030);
      }
    stripe.setPixel(1, 1, kPureWhite);
    frameList = collectNonWhite(frame);
    stripList = collectNonWhite(strip);
    stripeList = collectAll(stripe);
  }
  FrameColourTargets targets() { return {frameList, frame, stripList, strip, stripeList, stripe}; }
};

TEST(RecolourTest, WhiteFrameAndStripPixelsStayWhiteUnderEveryRule) {
  for (int rule = 0; rule < 19; ++rule) {
    Pictures p;
    applyFrameColour(rule, p.targets());
    for (int y = 1; y <= 2; ++y)
      for (int x = 0; x < 6; ++x) EXPECT_EQ(p.frame.pixel(x, y), kPureWhite) << rule;
    EXPECT_EQ(p.frame.pixel(0, 3), kPureWhite) << rule;
    EXPECT_EQ(p.strip.pixel(2, 0), kPureWhite) << rule;
    EXPECT_EQ(p.strip.pixel(2, 1), kPureWhite) << rule;
    EXPECT_EQ(p.frame.pixel(1, 0), frameColourFromRuleValue(*frameColourRuleValue(rule, kGold))) << rule;
    EXPECT_EQ(p.strip.pixel(4, 1), frameColourFromRuleValue(*frameColourRuleValue(rule, 0x00102030))) << rule;
  }
}

TEST(RecolourTest, WhiteStripePixelsAreRecoloured) {
  Pictures p;
  applyFrameColour(0, p.targets());
  EXPECT_EQ(p.stripe.pixel(1, 1), 0x0000FFFFu);
  EXPECT_EQ(p.stripe.pixel(0, 0), 0x0000AFD4u);
  Pictures q;
  applyFrameColour(11, q.targets());
  EXPECT_EQ(q.stripe.pixel(1, 1), 0x00FFFFFFu);
  EXPECT_EQ(q.stripe.pixel(3, 1), 0x00FFAFD4u);
}

TEST(RecolourTest, RulesStartFromTheOriginalsEachTime) {
  Pictures direct;
  applyFrameColour(0, direct.targets());
  Pictures viaThree;
  applyFrameColour(3, viaThree.targets());
  EXPECT_EQ(viaThree.frame.pixel(1, 0), 0x0000AF00u);
  applyFrameColour(0, viaThree.targets());
  EXPECT_EQ(viaThree.frame, direct.frame);
  EXPECT_EQ(viaThree.strip, direct.strip);
  EXPECT_EQ(viaThree.stripe, direct.stripe);
  EXPECT_EQ(direct.frame.pixel(0, 0), 0x00006090u);
  EXPECT_EQ(direct.frame.pixel(2, 3), 0x00000000u);
}

TEST(RecolourTest, EmptyListsChangeNothing) {
  Bitmap picture(3, 3, 0x00123456);
  applyFrameColourRule(0, PixelList{}, picture);
  EXPECT_EQ(picture, Bitmap(3, 3, 0x00123456));
}

}  // namespace
}  // namespace tikora
