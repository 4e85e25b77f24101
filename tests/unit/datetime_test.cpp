#include "core/datetime.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include <gtest/gtest.h>

namespace tikora {
namespace {

CivilTime civil(int year, int month, int day, int hour = 0, int minute = 0, int second = 0, int millisecond = 0,
                int weekday = 0) {
  return CivilTime{year, month, day, weekday, hour, minute, second, millisecond};
}

double serialOf(int year, int month, int day) {
  const auto date = DateTime::fromDate(year, month, day);
  EXPECT_TRUE(date.has_value()) << year << "-" << month << "-" << day;
  return date ? date->serial() : std::numeric_limits<double>::quiet_NaN();
}

CivilTime decode(double serial) {
  const auto value = DateTime::fromSerial(serial);
  EXPECT_TRUE(value.has_value()) << serial;
  return value ? value->civil() : CivilTime{};
}

TEST(CalendarTest, LeapYearsFollowTheGregorianRules) {
  EXPECT_FALSE(isLeapYear(1900));
  EXPECT_TRUE(isLeapYear(2000));
  EXPECT_TRUE(isLeapYear(2024));
  EXPECT_FALSE(isLeapYear(2023));
  EXPECT_FALSE(isLeapYear(2100));
  EXPECT_TRUE(isLeapYear(2400));
  EXPECT_EQ(daysInYear(1900), 365);
  EXPECT_EQ(daysInYear(2024), 366);
}

TEST(CalendarTest, DaysInMonth) {
  EXPECT_EQ(daysInMonth(1900, 2), 28);
  EXPECT_EQ(daysInMonth(2000, 2), 29);
  EXPECT_EQ(daysInMonth(2024, 2), 29);
  EXPECT_EQ(daysInMonth(2100, 2), 28);
  EXPECT_EQ(daysInMonth(2023, 1), 31);
  EXPECT_EQ(daysInMonth(2023, 4), 30);
  EXPECT_EQ(daysInMonth(2023, 12), 31);
  EXPECT_EQ(daysInMonth(2023, 0), 0);
  EXPECT_EQ(daysInMonth(2023, 13), 0);
}

TEST(CalendarTest, DayOfYearAndDayOfWeek) {
  EXPECT_EQ(dayOfYear(2023, 1, 1), 1);
  EXPECT_EQ(dayOfYear(2024, 2, 29), 60);
  EXPECT_EQ(dayOfYear(2023, 3, 1), 60);
  EXPECT_EQ(dayOfYear(2024, 12, 31), 366);
  EXPECT_EQ(dayOfYear(2023, 12, 31), 365);
  EXPECT_EQ(dayOfWeek(1899, 12, 30), 6);  // Saturday
  EXPECT_EQ(dayOfWeek(2011, 12, 8), 4);   // Thursday
  EXPECT_EQ(dayOfWeek(2000, 1, 1), 6);
  EXPECT_EQ(dayOfWeek(2024, 2, 29), 4);
  EXPECT_EQ(dayOfWeek(2100, 2, 28), 0);  // Sunday
  EXPECT_EQ(dayOfWeek(1, 1, 1), 1);      // Monday, proleptic Gregorian
}

TEST(CalendarTest, ValidDatesAndTimes) {
  EXPECT_TRUE(isValidDate(2024, 2, 29));
  EXPECT_FALSE(isValidDate(2023, 2, 29));
  EXPECT_FALSE(isValidDate(1900, 2, 29));
  EXPECT_FALSE(isValidDate(2023, 4, 31));
  EXPECT_FALSE(isValidDate(2023, 1, 0));
  EXPECT_FALSE(isValidDate(0, 1, 1));
  EXPECT_FALSE(isValidDate(10000, 1, 1));
  EXPECT_TRUE(isValidDate(1, 1, 1));
  EXPECT_TRUE(isValidDate(9999, 12, 31));
  EXPECT_TRUE(isValidTime(23, 59, 59, 999));
  EXPECT_FALSE(isValidTime(24, 0, 0, 0));
  EXPECT_FALSE(isValidTime(0, 60, 0, 0));
  EXPECT_FALSE(isValidTime(0, 0, 60, 0));
  EXPECT_FALSE(isValidTime(0, 0, 0, 1000));
  EXPECT_FALSE(isValidTime(-1, 0, 0, 0));
}

TEST(DateTimeTest, SerialsOfKnownDates) {
  EXPECT_EQ(DateTime().serial(), 0.0);
  EXPECT_EQ(serialOf(1899, 12, 30), 0.0);
  EXPECT_EQ(serialOf(1899, 12, 31), 1.0);
  EXPECT_EQ(serialOf(1900, 1, 1), 2.0);
  EXPECT_EQ(serialOf(1900, 3, 1), 61.0);  // 1900 has no 29 February
  EXPECT_EQ(serialOf(1970, 1, 1), 25569.0);
  EXPECT_EQ(serialOf(2000, 1, 1), 36526.0);
  EXPECT_EQ(serialOf(2000, 2, 29), 36585.0);
  EXPECT_EQ(serialOf(2000, 3, 1), 36586.0);
  EXPECT_EQ(serialOf(2011, 12, 8), 40885.0);
  EXPECT_EQ(serialOf(2024, 2, 29), 45351.0);
  EXPECT_EQ(serialOf(2024, 3, 1), 45352.0);
  EXPECT_EQ(serialOf(2100, 2, 28), 73109.0);
  EXPECT_EQ(serialOf(2100, 3, 1), 73110.0);
  EXPECT_EQ(serialOf(9999, 12, 31), 2958465.0);
  EXPECT_EQ(serialOf(1800, 1, 1), -36522.0);
  EXPECT_EQ(serialOf(1, 1, 1), -693593.0);
  EXPECT_EQ(DateTime::fromTime(15, 0, 0)->serial(), 0.625);
  EXPECT_EQ(DateTime::fromTime(6, 0, 0)->serial(), 0.25);
  EXPECT_EQ(DateTime::fromCivil(civil(2011, 12, 8, 15))->serial(), 40885.625);
}

TEST(DateTimeTest, DecodesKnownSerials) {
  EXPECT_EQ(decode(0.0), civil(1899, 12, 30, 0, 0, 0, 0, 6));
  EXPECT_EQ(decode(40885.625), civil(2011, 12, 8, 15, 0, 0, 0, 4));
  EXPECT_EQ(decode(36585.75), civil(2000, 2, 29, 18, 0, 0, 0, 2));
  EXPECT_EQ(decode(61.5), civil(1900, 3, 1, 12, 0, 0, 0, 4));
  EXPECT_EQ(decode(2958465.5), civil(9999, 12, 31, 12, 0, 0, 0, 5));
  EXPECT_EQ(decode(-693593.0), civil(1, 1, 1, 0, 0, 0, 0, 1));
}

TEST(DateTimeTest, InvalidFieldsGiveNothing) {
  EXPECT_FALSE(DateTime::fromDate(1900, 2, 29));
  EXPECT_FALSE(DateTime::fromDate(2100, 2, 29));
  EXPECT_TRUE(DateTime::fromDate(2000, 2, 29));
  EXPECT_FALSE(DateTime::fromDate(2023, 13, 1));
  EXPECT_FALSE(DateTime::fromDate(2023, 6, 0));
  EXPECT_FALSE(DateTime::fromDate(0, 12, 31));
  EXPECT_FALSE(DateTime::fromDate(10000, 1, 1));
  EXPECT_FALSE(DateTime::fromTime(24, 0, 0));
  EXPECT_FALSE(DateTime::fromTime(23, 60, 0));
  EXPECT_FALSE(DateTime::fromTime(23, 0, 60));
  EXPECT_FALSE(DateTime::fromTime(23, 0, 0, 1000));
  EXPECT_FALSE(DateTime::fromCivil(civil(2023, 2, 29, 12)));
  EXPECT_FALSE(DateTime::fromCivil(civil(2023, 2, 28, 12, 0, 0, -1)));
}

TEST(DateTimeTest, SerialsOutsideTheCalendarGiveNothing) {
  EXPECT_FALSE(DateTime::fromSerial(std::numeric_limits<double>::quiet_NaN()));
  EXPECT_FALSE(DateTime::fromSerial(std::numeric_limits<double>::infinity()));
  EXPECT_FALSE(DateTime::fromSerial(-std::numeric_limits<double>::infinity()));
  EXPECT_FALSE(DateTime::fromSerial(1e300));
  EXPECT_FALSE(DateTime::fromSerial(2958466.0));    // 1 January 10000
  EXPECT_FALSE(DateTime::fromSerial(-693594.0));    // 31 December 0000
  EXPECT_TRUE(DateTime::fromSerial(2958465.9999));  // 9999-12-31 23:59:51.360
  EXPECT_TRUE(DateTime::fromSerial(-693593.9999));  // 0001-01-01 23:59:51.360
  // A hair below 1 January 10000 reads as that midnight, which is out of range.
  EXPECT_FALSE(DateTime::fromSerial(2958465.999999999));
}

TEST(DateTimeTest, ValuesBeforeTheEpochKeepTheTimeAsAPositiveFraction) {
  EXPECT_EQ(decode(-1.25), civil(1899, 12, 29, 6, 0, 0, 0, 5));
  EXPECT_EQ(decode(-1.75), civil(1899, 12, 29, 18, 0, 0, 0, 5));
  EXPECT_EQ(decode(-2.5), civil(1899, 12, 28, 12, 0, 0, 0, 4));
  EXPECT_EQ(decode(-1.0), civil(1899, 12, 29, 0, 0, 0, 0, 5));
  // The integer part is the date, truncated toward zero: -0.25 is 30 December.
  EXPECT_EQ(decode(-0.25), civil(1899, 12, 30, 6, 0, 0, 0, 6));
  EXPECT_EQ(DateTime::fromCivil(civil(1899, 12, 29, 6))->serial(), -1.25);
  EXPECT_EQ(DateTime::fromCivil(civil(1899, 12, 29, 18))->serial(), -1.75);
  EXPECT_EQ(DateTime::fromCivil(civil(1800, 1, 1, 12))->serial(), -36522.5);
  EXPECT_EQ(DateTime::fromCivil(civil(1899, 12, 30, 6))->serial(), 0.25);
}

TEST(DateTimeTest, OrderAndDifferencesRunStraightAcrossTheEpoch) {
  const auto morning29 = *DateTime::fromSerial(-1.25);
  const auto evening29 = *DateTime::fromSerial(-1.75);
  const auto midnight30 = *DateTime::fromSerial(0.0);
  const auto morning30 = *DateTime::fromSerial(0.25);
  EXPECT_LT(morning29, evening29);
  EXPECT_LT(evening29, midnight30);
  EXPECT_LT(midnight30, morning30);
  EXPECT_EQ(*DateTime::fromSerial(-0.25), morning30);
  EXPECT_EQ(morning29.linearMilliseconds(), -18 * 3'600'000);
  EXPECT_EQ(evening29.linearMilliseconds(), -6 * 3'600'000);
  EXPECT_EQ(daysBetween(evening29, morning30), 0);  // 12 hours
  EXPECT_EQ(daysBetween(morning29, *DateTime::fromSerial(1.25)), 2);
  EXPECT_EQ(compareDates(morning29, evening29), std::strong_ordering::equal);
  EXPECT_EQ(compareDates(evening29, midnight30), std::strong_ordering::less);
}

TEST(DateTimeTest, DateComparisonsIgnoreTheTimeOfDay) {
  const auto earlyDec8 = *DateTime::fromSerial(40885.1);
  const auto lateDec8 = *DateTime::fromSerial(40885.9);
  const auto dec9 = *DateTime::fromSerial(40886.0);
  EXPECT_TRUE(sameDate(earlyDec8, lateDec8));
  EXPECT_FALSE(sameDate(lateDec8, dec9));
  EXPECT_EQ(compareDates(earlyDec8, lateDec8), std::strong_ordering::equal);
  EXPECT_EQ(compareDates(lateDec8, dec9), std::strong_ordering::less);
  EXPECT_EQ(compareDates(dec9, earlyDec8), std::strong_ordering::greater);
  EXPECT_LT(earlyDec8, lateDec8);
}

TEST(DateTimeTest, DaysBetweenIsTheTruncatedAbsoluteDifference) {
  const auto dec8at23 = *DateTime::fromCivil(civil(2011, 12, 8, 23));
  const auto dec9at01 = *DateTime::fromCivil(civil(2011, 12, 9, 1));
  const auto dec10at23 = *DateTime::fromCivil(civil(2011, 12, 10, 23));
  EXPECT_EQ(daysBetween(dec8at23, dec9at01), 0);
  EXPECT_EQ(daysBetween(dec9at01, dec8at23), 0);
  EXPECT_EQ(daysBetween(dec8at23, dec10at23), 2);
  EXPECT_EQ(daysBetween(dec10at23, dec9at01), 1);
  EXPECT_EQ(daysBetween(*DateTime::fromDate(2024, 1, 1), *DateTime::fromDate(2025, 1, 1)), 366);
}

TEST(DateTimeTest, PartsAndCombination) {
  const auto value = *DateTime::fromSerial(40885.625);
  EXPECT_EQ(value.datePart().serial(), 40885.0);
  EXPECT_EQ(value.timePart().serial(), 0.625);
  EXPECT_EQ(value.dateSerial(), 40885);
  EXPECT_EQ(value.millisecondOfDay(), 54'000'000);
  EXPECT_EQ(value.dayOfWeek(), 4);
  EXPECT_EQ(value.dayOfYear(), 342);
  const auto before = *DateTime::fromSerial(-1.25);
  EXPECT_EQ(before.datePart().serial(), -1.0);
  EXPECT_EQ(before.timePart().serial(), 0.25);
  EXPECT_EQ(before.dateSerial(), -1);

  const auto date = *DateTime::fromDate(2011, 12, 8);
  const auto time = *DateTime::fromTime(15, 0, 0);
  EXPECT_EQ(DateTime::combine(date, time).serial(), 40885.625);
  // A picker's date may carry a time and a picker's time a date: only the right part counts.
  EXPECT_EQ(DateTime::combine(*DateTime::fromSerial(40885.3), *DateTime::fromSerial(36526.625)).serial(), 40885.625);
  EXPECT_EQ(DateTime::combine(*DateTime::fromDate(1899, 12, 29), time).serial(), -1.625);
  EXPECT_EQ(*DateTime::fromSerial(-1.625), *DateTime::fromCivil(civil(1899, 12, 29, 15)));
}

TEST(DateTimeTest, DecodingRoundsToTheNearestMillisecond) {
  // 23:59:59.9999... reads as the next midnight, never as a time past 23:59:59.999.
  EXPECT_EQ(decode(40885.99999999999), civil(2011, 12, 9, 0, 0, 0, 0, 5));
  EXPECT_EQ(decode(-1.99999999999999), civil(1899, 12, 28, 0, 0, 0, 0, 4));
  // 2^-11 days is exactly 42187.5 ms and 3 * 2^-11 exactly 126562.5 ms: halves go to even.
  EXPECT_EQ(DateTime::fromSerial(std::ldexp(1.0, -11))->millisecondOfDay(), 42188);
  EXPECT_EQ(DateTime::fromSerial(std::ldexp(3.0, -11))->millisecondOfDay(), 126562);
}

TEST(DateTimeTest, MillisecondRoundingSeesThroughTheRoundedProduct) {
  // For these values serial * 86400000 in double lands exactly on a half millisecond, but the
  // exact product lies just above or below it; worked out with exact fractions.
  EXPECT_EQ(decode(40885.08784949653), civil(2011, 12, 8, 2, 6, 30, 197, 4));   // above, 196.5
  EXPECT_EQ(decode(40885.35822879051), civil(2011, 12, 8, 8, 35, 50, 967, 4));  // below, 967.5
  EXPECT_EQ(DateTime::fromSerial(45351.47867332755)->millisecondOfDay(), 41'357'376);
  EXPECT_EQ(DateTime::fromSerial(45351.13184405671)->millisecondOfDay(), 11'391'326);
}

TEST(DateTimeTest, CivilTimesRoundTripToTheMillisecond) {
  const std::vector<std::array<int, 4>> times = {
      {0, 0, 0, 0},      {0, 0, 0, 1},     {0, 0, 0, 999},   {6, 0, 0, 0},    {11, 59, 59, 999},
      {12, 0, 0, 0},     {12, 0, 0, 1},    {15, 0, 0, 0},    {13, 7, 9, 5},   {23, 59, 59, 999},
      {23, 59, 59, 998}, {7, 33, 21, 123}, {19, 4, 58, 501}, {2, 6, 30, 197},
  };
  int checked = 0;
  for (std::int64_t day = DateTime::kFirstDay; day <= DateTime::kLastDay; day += 997) {
    const CivilTime date = DateTime::fromSerial(static_cast<double>(day))->civil();
    for (const auto& t : times) {
      const CivilTime original = civil(date.year, date.month, date.day, t[0], t[1], t[2], t[3], date.dayOfWeek);
      const auto encoded = DateTime::fromCivil(original);
      ASSERT_TRUE(encoded) << day;
      ASSERT_EQ(encoded->civil(), original) << "day " << day << " at " << t[0] << ":" << t[1];
      const auto reread = DateTime::fromBytes(encoded->toBytes());
      ASSERT_TRUE(reread);
      ASSERT_EQ(reread->serial(), encoded->serial());
      ++checked;
    }
  }
  EXPECT_GT(checked, 40000);
}

TEST(DateTimeTest, ConsecutiveDaysDecodeToConsecutiveDates) {
  // Four centuries around the epoch, every day: 1 January 1800 to 31 December 2199.
  const std::int64_t first = -36522;
  const std::int64_t last = 109574;
  CivilTime previous = DateTime::fromSerial(static_cast<double>(first))->civil();
  EXPECT_EQ(previous, civil(1800, 1, 1, 0, 0, 0, 0, 3));
  for (std::int64_t day = first + 1; day <= last; ++day) {
    const CivilTime next = DateTime::fromSerial(static_cast<double>(day))->civil();
    const bool newMonth = previous.day == daysInMonth(previous.year, previous.month);
    const bool newYear = newMonth && previous.month == 12;
    ASSERT_EQ(next.year, previous.year + (newYear ? 1 : 0)) << day;
    ASSERT_EQ(next.month, newYear ? 1 : previous.month + (newMonth ? 1 : 0)) << day;
    ASSERT_EQ(next.day, newMonth ? 1 : previous.day + 1) << day;
    ASSERT_EQ(next.dayOfWeek, (previous.dayOfWeek + 1) % 7) << day;
    previous = next;
  }
  EXPECT_EQ(previous, civil(2199, 12, 31, 0, 0, 0, 0, 2));
}

TEST(DateTimeTest, EightBytesAreTheLittleEndianDouble) {
  using Bytes = std::array<std::uint8_t, 8>;
  EXPECT_EQ(DateTime::fromDate(2011, 12, 8)->toBytes(), (Bytes{0x00, 0x00, 0x00, 0x00, 0xA0, 0xF6, 0xE3, 0x40}));
  EXPECT_EQ(DateTime::fromTime(15, 0, 0)->toBytes(), (Bytes{0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xE4, 0x3F}));
  EXPECT_EQ(DateTime::fromCivil(civil(2011, 12, 8, 15))->toBytes(),
            (Bytes{0x00, 0x00, 0x00, 0x00, 0xB4, 0xF6, 0xE3, 0x40}));
  EXPECT_EQ(DateTime::fromCivil(civil(1899, 12, 29, 6))->toBytes(),
            (Bytes{0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF4, 0xBF}));
  EXPECT_EQ(DateTime().toBytes(), Bytes{});

  const Bytes stored{0x00, 0x00, 0x00, 0x00, 0xB4, 0xF6, 0xE3, 0x40};
  const auto read = DateTime::fromBytes(stored);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->serial(), 40885.625);
}

TEST(DateTimeTest, BytesOfTheWrongLengthOrValueGiveNothing) {
  const std::uint8_t nine[9] = {0, 0, 0, 0, 0xA0, 0xF6, 0xE3, 0x40, 0};
  EXPECT_FALSE(DateTime::fromBytes(std::span<const std::uint8_t>(nine, 7)));
  EXPECT_FALSE(DateTime::fromBytes(std::span<const std::uint8_t>(nine, 9)));
  EXPECT_FALSE(DateTime::fromBytes(std::span<const std::uint8_t>()));
  EXPECT_TRUE(DateTime::fromBytes(std::span<const std::uint8_t>(nine, 8)));
  const std::uint8_t nan[8] = {0, 0, 0, 0, 0, 0, 0xF8, 0x7F};
  const std::uint8_t infinity[8] = {0, 0, 0, 0, 0, 0, 0xF0, 0x7F};
  const std::uint8_t huge[8] = {0, 0, 0, 0, 0, 0, 0xF0, 0x4F};  // 2^256
  EXPECT_FALSE(DateTime::fromBytes(nan));
  EXPECT_FALSE(DateTime::fromBytes(infinity));
  EXPECT_FALSE(DateTime::fromBytes(huge));
}

}  // namespace
}  // namespace tikora
