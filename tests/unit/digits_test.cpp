#include "face/digits.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_text_metrics.h"

namespace tikora {
namespace {

TEST(DigitsTest, TextsHaveABlankOnEachSide) {
  EXPECT_EQ(digitText(1), L" 1 ");
  EXPECT_EQ(digitText(12), L" 12 ");
}

TEST(DigitsTest, LabelsAreCentredOnTheDigitRingByTheirMeasuredSize) {
  // 8 points in the fake: 5 pixels a character, 13 pixels high.
  FakeTextMetrics metrics;
  DigitLabels digits;
  placeDigits(digits, metrics, FontSpec{L"Arial", 8});
  EXPECT_EQ(digits[2].text, L" 3 ");
  EXPECT_EQ(digits[2].left, 194 - 7);  // width 15
  EXPECT_EQ(digits[2].top, 121 - 6);
  EXPECT_EQ(digits[11].text, L" 12 ");
  EXPECT_EQ(digits[11].left, 121 - 10);  // width 20
  EXPECT_EQ(digits[11].top, 46 - 6);
  EXPECT_EQ(digits[8].left, 46 - 7);
  EXPECT_EQ(digits[8].top, 119 - 6);

  // A bigger bold font moves them by its own size: 12 points bold, 8 pixels a character, 18 high.
  placeDigits(digits, metrics, FontSpec{L"Arial", 12, true});
  EXPECT_EQ(digits[2].left, 194 - 12);  // width 24
  EXPECT_EQ(digits[2].top, 121 - 9);
  EXPECT_EQ(digits[9].text, L" 10 ");
  EXPECT_EQ(digits[9].left, 56 - 16);  // width 32
  EXPECT_EQ(digits[9].top, 82 - 9);
}

TEST(DigitsTest, TopLeftRoundsHalfSizesTowardTheCentre) {
  EXPECT_EQ(digitLabelTopLeft(3, TextSize{15, 13}), (Point{187, 115}));
  EXPECT_EQ(digitLabelTopLeft(3, TextSize{16, 14}), (Point{186, 114}));
  EXPECT_EQ(digitLabelTopLeft(6, TextSize{0, 0}), (Point{119, 194}));
}

TEST(DigitsTest, MeasuringIsAskedForEachNewText) {
  std::vector<std::wstring> asked;
  DigitLabels digits;
  placeDigits(digits, [&](std::wstring_view text) {
    asked.emplace_back(text);
    return TextSize{int(text.size()) * 7, 15};
  });
  ASSERT_EQ(asked.size(), 12u);
  EXPECT_EQ(asked.front(), L" 1 ");
  EXPECT_EQ(asked.back(), L" 12 ");
  EXPECT_EQ(digits[0].left, 158 - 10);  // width 21: 21 div 2 = 10
  EXPECT_EQ(digits[0].top, 56 - 7);
}

TEST(DigitsTest, WeekdayAndDateHideNineAndThreeUnlessAllDigitsAreOff) {
  DigitLabels digits;
  const auto shown = [&] {
    std::wstring s;
    for (const DigitLabel& d : digits) s += d.visible ? L'+' : L'-';
    return s;
  };
  applyDigitVisibility(digits, {false, false, false});
  EXPECT_EQ(shown(), L"++-+++++-+++");
  applyDigitVisibility(digits, {false, true, false});  // weekday off: 9 comes back
  EXPECT_EQ(shown(), L"++-+++++++++");
  applyDigitVisibility(digits, {false, false, true});  // date off: 3 comes back
  EXPECT_EQ(shown(), L"++++++++-+++");
  applyDigitVisibility(digits, {false, true, true});
  EXPECT_EQ(shown(), L"++++++++++++");
  for (bool weekdayOff : {false, true})
    for (bool dateOff : {false, true}) {
      applyDigitVisibility(digits, {true, weekdayOff, dateOff});
      EXPECT_EQ(shown(), L"------------");
    }
}

}  // namespace
}  // namespace tikora
