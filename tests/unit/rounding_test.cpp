#include "core/rounding.h"

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

namespace tikora {
namespace {

constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
constexpr auto kMin = std::numeric_limits<std::int64_t>::min();

TEST(RoundHalfEvenTest, ExactHalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(roundHalfEven(0.5), 0);
  EXPECT_EQ(roundHalfEven(1.5), 2);
  EXPECT_EQ(roundHalfEven(2.5), 2);
  EXPECT_EQ(roundHalfEven(3.5), 4);
  EXPECT_EQ(roundHalfEven(-0.5), 0);
  EXPECT_EQ(roundHalfEven(-1.5), -2);
  EXPECT_EQ(roundHalfEven(-2.5), -2);
  EXPECT_EQ(roundHalfEven(-3.5), -4);
  EXPECT_EQ(roundHalfEven(92.5), 92);
  EXPECT_EQ(roundHalfEven(4503599627370495.5), 4503599627370496);  // 2^52 - 0.5
}

TEST(RoundHalfEvenTest, ValuesNextToAHalfGoToTheNearerInteger) {
  EXPECT_EQ(roundHalfEven(2.5000000000000004), 3);  // the double just above 2.5
  EXPECT_EQ(roundHalfEven(2.4999999999999996), 2);  // the double just below 2.5
  EXPECT_EQ(roundHalfEven(std::nextafter(0.5, 1.0)), 1);
  EXPECT_EQ(roundHalfEven(0.49999999999999994), 0);
  EXPECT_EQ(roundHalfEven(-0.49999999999999994), 0);
  EXPECT_EQ(roundHalfEven(std::nextafter(-0.5, -1.0)), -1);
  EXPECT_EQ(roundHalfEven(std::nextafter(-2.5, -3.0)), -3);
  EXPECT_EQ(roundHalfEven(std::nextafter(-1.5, 0.0)), -1);
}

TEST(RoundHalfEvenTest, OrdinaryValuesAndIntegers) {
  EXPECT_EQ(roundHalfEven(0.0), 0);
  EXPECT_EQ(roundHalfEven(-0.0), 0);
  EXPECT_EQ(roundHalfEven(2.4), 2);
  EXPECT_EQ(roundHalfEven(2.6), 3);
  EXPECT_EQ(roundHalfEven(-2.6), -3);
  EXPECT_EQ(roundHalfEven(-2.4), -2);
  EXPECT_EQ(roundHalfEven(93.0), 93);
  EXPECT_EQ(roundHalfEven(-93.0), -93);
  EXPECT_EQ(roundHalfEven(4503599627370497.0), 4503599627370497);    // 2^52 + 1
  EXPECT_EQ(roundHalfEven(-9007199254740993.0), -9007199254740992);  // not representable
}

TEST(RoundHalfEvenTest, NaNAndOutOfRangeValuesAreClamped) {
  EXPECT_EQ(roundHalfEven(std::numeric_limits<double>::quiet_NaN()), 0);
  EXPECT_EQ(roundHalfEven(std::numeric_limits<double>::infinity()), kMax);
  EXPECT_EQ(roundHalfEven(-std::numeric_limits<double>::infinity()), kMin);
  EXPECT_EQ(roundHalfEven(1e300), kMax);
  EXPECT_EQ(roundHalfEven(-1e300), kMin);
  EXPECT_EQ(roundHalfEven(9223372036854775808.0), kMax);                 // 2^63
  EXPECT_EQ(roundHalfEven(-9223372036854775808.0), kMin);                // -2^63
  EXPECT_EQ(roundHalfEven(9223372036854774784.0), 9223372036854774784);  // largest below 2^63
}

TEST(RoundHalfEvenTest, DoesNotDependOnTheThreadsRoundingMode) {
  // Read through volatile so the calls happen at run time, under the changed mode.
  volatile double twoAndAHalf = 2.5, threeAndAHalf = 3.5, twoPointSix = 2.6, minusPointThree = -0.3;
  const int saved = std::fegetround();
  for (const int mode : {FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
    ASSERT_EQ(std::fesetround(mode), 0);
    EXPECT_EQ(roundHalfEven(twoAndAHalf), 2) << mode;
    EXPECT_EQ(roundHalfEven(threeAndAHalf), 4) << mode;
    EXPECT_EQ(roundHalfEven(-twoAndAHalf), -2) << mode;
    EXPECT_EQ(roundHalfEven(twoPointSix), 3) << mode;
    EXPECT_EQ(roundHalfEven(minusPointThree), 0) << mode;
  }
  std::fesetround(saved);
}

TEST(DivTowardZeroTest, TruncatesTowardZero) {
  EXPECT_EQ(divTowardZero(-1, 2), 0);
  EXPECT_EQ(divTowardZero(-7, 2), -3);
  EXPECT_EQ(divTowardZero(7, -2), -3);
  EXPECT_EQ(divTowardZero(7, 2), 3);
  static_assert(divTowardZero(-239, 2) == -119);
}

TEST(RoundHalfEvenDivTest, HalvesGoToTheEvenQuotient) {
  EXPECT_EQ(roundHalfEvenDiv(1, 2), 0);
  EXPECT_EQ(roundHalfEvenDiv(3, 2), 2);
  EXPECT_EQ(roundHalfEvenDiv(5, 2), 2);
  EXPECT_EQ(roundHalfEvenDiv(7, 2), 4);
  EXPECT_EQ(roundHalfEvenDiv(-1, 2), 0);
  EXPECT_EQ(roundHalfEvenDiv(-5, 2), -2);
  EXPECT_EQ(roundHalfEvenDiv(-7, 2), -4);
  EXPECT_EQ(roundHalfEvenDiv(2, 3), 1);
  EXPECT_EQ(roundHalfEvenDiv(1, 3), 0);
  EXPECT_EQ(roundHalfEvenDiv(-2, 3), -1);
  EXPECT_EQ(roundHalfEvenDiv(0, 7), 0);
}

TEST(RoundHalfEvenDivTest, SmoothingSumsWithFourNeighbours) {
  // Weight 100 for the pixel and 5 for each of four neighbours: total 120.
  EXPECT_EQ(roundHalfEvenDiv(100 * 1 + 5 * 16, 120), 2);  // 180/120 = 1.5
  EXPECT_EQ(roundHalfEvenDiv(100 * 2 + 5 * 20, 120), 2);  // 300/120 = 2.5
  EXPECT_EQ(roundHalfEvenDiv(100 * 255 + 5 * 1020, 120), 255);
  EXPECT_EQ(roundHalfEvenDiv(100 * 0 + 5 * 255, 120), 11);  // 10.625
  EXPECT_EQ(roundHalfEvenDiv(100 * 0 + 5 * 255, 110), 12);  // corner pixel: 11.59...
  EXPECT_EQ(roundHalfEvenDiv(100 * 3 + 5 * 6, 110), 3);     // 330/110 = 3 exactly
}

TEST(RoundHalfEvenDivTest, AgreesWithNearestEvenOfTheExactQuotient) {
  // Small quotients are exact in double where they matter (halves), so the library's
  // round-to-nearest-even is an independent judge.
  for (std::int64_t denominator = 1; denominator <= 130; ++denominator) {
    for (std::int64_t numerator = -1000; numerator <= 1000; ++numerator) {
      const auto expected =
          static_cast<std::int64_t>(std::nearbyint(static_cast<double>(numerator) / static_cast<double>(denominator)));
      ASSERT_EQ(roundHalfEvenDiv(numerator, denominator), expected) << numerator << " / " << denominator;
    }
  }
}

TEST(RoundHalfEvenDivTest, ExtremesAndBadDenominators) {
  EXPECT_EQ(roundHalfEvenDiv(kMax, 2), 4611686018427387904);  // ...903.5 goes to even
  EXPECT_EQ(roundHalfEvenDiv(kMin, 2), -4611686018427387904);
  EXPECT_EQ(roundHalfEvenDiv(kMax, kMax), 1);
  EXPECT_EQ(roundHalfEvenDiv(kMin, kMax), -1);
  EXPECT_EQ(roundHalfEvenDiv(5, 0), 0);
  EXPECT_EQ(roundHalfEvenDiv(5, -2), 0);
}

}  // namespace
}  // namespace tikora
