// Date-time values as the program stores them: a double counting days since 30 December 1899,
// with the time of day as the fraction (40885.625 is 8 December 2011, 15:00). The registry and
// the planner records keep these values as the 8 bytes of the little-endian IEEE-754 double.
//
// Values before 30 December 1899 follow the classic convention: the integer part, truncated
// toward zero, is the date, and the absolute value of the fraction is the time of day. So -1.25
// is 29 December 1899 06:00 and -1.75 is 29 December 1899 18:00. One consequence of that
// convention: -0.25 and 0.25 both mean 30 December 1899 06:00.
//
// A value is decoded by first rounding it to the nearest millisecond (exact halves to even), so
// a value a hair below midnight reads as midnight of the next day, never as 23:59:59.999..., and
// encoding and decoding a civil date-time always gives back the same millisecond.
//
// Dates are proleptic Gregorian, from 1 January 0001 to 31 December 9999.
#pragma once
#include <array>
#include <compare>
#include <cstdint>
#include <optional>
#include <span>

namespace tikora {

inline constexpr std::int64_t kMillisecondsPerDay = 86'400'000;

// A calendar date and clock time field by field, as the system clock reports it.
struct CivilTime {
  int year = 1970;
  int month = 1;        // 1..12
  int day = 1;          // 1..31
  int dayOfWeek = 4;    // 0 = Sunday .. 6 = Saturday
  int hour = 0;         // 0..23
  int minute = 0;       // 0..59
  int second = 0;       // 0..59
  int millisecond = 0;  // 0..999

  friend bool operator==(const CivilTime&, const CivilTime&) = default;
};

// Calendar helpers. Years are valid from 1 to 9999.
bool isLeapYear(int year);
int daysInYear(int year);
int daysInMonth(int year, int month);  // 0 for a month outside 1..12
bool isValidDate(int year, int month, int day);
bool isValidTime(int hour, int minute, int second, int millisecond);
int dayOfWeek(int year, int month, int day);  // 0 = Sunday; the date must be valid
int dayOfYear(int year, int month, int day);  // 1 January is 1; the date must be valid

class DateTime {
 public:
  static constexpr std::int64_t kFirstDay = -693593;  // 1 January 0001
  static constexpr std::int64_t kLastDay = 2958465;   // 31 December 9999

  // 0.0: 30 December 1899, midnight.
  constexpr DateTime() = default;

  // Every DateTime holds a finite value whose date lies between 1 January 0001 and
  // 31 December 9999; these give nothing for anything else.
  static std::optional<DateTime> fromSerial(double serial);
  static std::optional<DateTime> fromCivil(const CivilTime& civil);  // dayOfWeek is not read
  static std::optional<DateTime> fromDate(int year, int month, int day);
  // A time of day alone: the fraction, on 30 December 1899.
  static std::optional<DateTime> fromTime(int hour, int minute, int second, int millisecond = 0);
  // Exactly 8 bytes, little-endian IEEE-754; any other length gives nothing.
  static std::optional<DateTime> fromBytes(std::span<const std::uint8_t> bytes);
  // The date of `date` at the time of day of `time`, as a date picker and a time picker combine.
  static DateTime combine(const DateTime& date, const DateTime& time);

  double serial() const { return serial_; }
  std::array<std::uint8_t, 8> toBytes() const;

  CivilTime civil() const;          // dayOfWeek filled in
  std::int64_t dateSerial() const;  // whole days since 30 December 1899 of the date shown
  std::int32_t millisecondOfDay() const;
  int dayOfWeek() const;      // 0 = Sunday
  int dayOfYear() const;      // 1 January is 1
  DateTime datePart() const;  // midnight of the same date
  DateTime timePart() const;  // the time of day on 30 December 1899 (a fraction >= 0)
  // Milliseconds since 30 December 1899 00:00 on a straight time line (negative before it), so
  // that differences and order are right on both sides of the epoch.
  std::int64_t linearMilliseconds() const;

  // Order and equality in time, to the millisecond (-0.25 equals 0.25 by the convention above).
  friend bool operator==(const DateTime& a, const DateTime& b) {
    return a.linearMilliseconds() == b.linearMilliseconds();
  }
  friend std::strong_ordering operator<=>(const DateTime& a, const DateTime& b) {
    return a.linearMilliseconds() <=> b.linearMilliseconds();
  }

 private:
  explicit constexpr DateTime(double serial) : serial_(serial) {}
  double serial_ = 0.0;
};

// Calendar dates only, the time of day ignored.
std::strong_ordering compareDates(const DateTime& a, const DateTime& b);
bool sameDate(const DateTime& a, const DateTime& b);
// Whole days between two moments: the absolute difference, truncated (23:00 to 01:00 the next
// day is 0 days).
std::int64_t daysBetween(const DateTime& a, const DateTime& b);

}  // namespace tikora
