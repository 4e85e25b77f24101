// Rounding and integer division the way the face geometry and the picture filters need them.
//
// Ring positions, hand rotation and smoothing all round halves to the even neighbour (banker's
// rounding): 0.5 -> 0, 1.5 -> 2, 2.5 -> 2, -0.5 -> 0, -1.5 -> -2. The decision is taken on the
// exact value of the double, so 2.5000000000000004 (the double just above 2.5) rounds to 3 and
// 2.4999999999999996 to 2; only exact halves go to the even side. The result does not depend on
// the floating-point rounding mode of the thread.
#pragma once
#include <cmath>
#include <cstdint>
#include <limits>

namespace tikora {

// Nearest integer, exact halves to the even neighbour. NaN gives 0; values beyond the range of
// int64 give the nearest end of that range.
inline std::int64_t roundHalfEven(double value) {
  if (std::isnan(value)) return 0;
  constexpr double kTwoTo63 = 9223372036854775808.0;
  if (value >= kTwoTo63) return std::numeric_limits<std::int64_t>::max();
  if (value <= -kTwoTo63) return std::numeric_limits<std::int64_t>::min();
  // Work on the magnitude: for a >= 0, a - floor(a) is exact, so the comparison with one half
  // sees the true fraction. Banker's rounding is symmetric, so the sign goes back on at the end.
  const double magnitude = std::fabs(value);
  const double whole = std::floor(magnitude);
  const double fraction = magnitude - whole;
  auto rounded = static_cast<std::int64_t>(whole);
  if (fraction > 0.5 || (fraction == 0.5 && (rounded & 1) != 0)) ++rounded;
  return value < 0 ? -rounded : rounded;
}

// Integer quotient truncated toward zero: -1 / 2 = 0, -7 / 2 = -3 (the hand rotation's `div`).
// `divisor` must not be 0.
constexpr std::int64_t divTowardZero(std::int64_t dividend, std::int64_t divisor) { return dividend / divisor; }

// numerator / denominator rounded to the nearest integer, exact halves to the even neighbour,
// computed in integers so no floating-point error can move a result across a half. Used for
// weighted averages such as sum / total of the smoothing filter. `denominator` must be positive;
// 0 is returned otherwise.
constexpr std::int64_t roundHalfEvenDiv(std::int64_t numerator, std::int64_t denominator) {
  if (denominator <= 0) return 0;
  std::int64_t quotient = numerator / denominator;
  std::int64_t remainder = numerator % denominator;
  if (remainder < 0) {  // floor division: 0 <= remainder < denominator
    --quotient;
    remainder += denominator;
  }
  const std::int64_t rest = denominator - remainder;  // distance up to the next multiple
  if (remainder > rest || (remainder == rest && (quotient & 1) != 0)) ++quotient;
  return quotient;
}

}  // namespace tikora
