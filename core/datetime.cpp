// Date-time values; see datetime.h for the conventions.
#include "core/datetime.h"

#include <bit>
#include <cmath>
#include <cstdlib>

namespace tikora {
namespace {

// Days since 1 January 1970 of a proleptic Gregorian date (Howard Hinnant's days_from_civil),
// and back.
std::int64_t daysFromCivil(std::int64_t year, int month, int day) {
  year -= month <= 2 ? 1 : 0;
  const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
  const auto yearOfEra = static_cast<std::int64_t>(year - era * 400);
  const std::int64_t dayOfYearFromMarch = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYearFromMarch;
  return era * 146097 + dayOfEra - 719468;
}

struct YearMonthDay {
  int year;
  int month;
  int day;
};

YearMonthDay civilFromDays(std::int64_t days) {
  days += 719468;
  const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const std::int64_t dayOfEra = days - era * 146097;
  const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int64_t dayOfYearFromMarch = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t monthFromMarch = (5 * dayOfYearFromMarch + 2) / 153;
  const auto day = static_cast<int>(dayOfYearFromMarch - (153 * monthFromMarch + 2) / 5 + 1);
  const auto month = static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
  const auto year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
  return {year, month, day};
}

// 30 December 1899 is day -25569 of the 1970 count.
constexpr std::int64_t kEpochFrom1970 = -25569;

std::int64_t serialOfDate(int year, int month, int day) { return daysFromCivil(year, month, day) - kEpochFrom1970; }

// 30 December 1899 was a Saturday.
int weekdayOfSerial(std::int64_t serial) { return static_cast<int>(((serial % 7) + 7 + 6) % 7); }

// serial * 86400000 rounded to the nearest integer (halves to even), decided on the exact
// product: fma gives the rounding error of the double product, so a product that lands on a
// half only through rounding is still sent the right way.
std::int64_t roundedMilliseconds(double serial) {
  constexpr double kScale = static_cast<double>(kMillisecondsPerDay);
  const double product = serial * kScale;
  const double error = std::fma(serial, kScale, -product);  // exact = product + error
  const double magnitude = std::fabs(product);
  const double magnitudeError = product < 0 ? -error : error;
  const double whole = std::floor(magnitude);
  const double fraction = magnitude - whole;  // exact for magnitude >= 0
  auto rounded = static_cast<std::int64_t>(whole);
  // |error| is below half a unit of the product's last place and the fraction is a multiple of
  // that unit, so the error only matters when the fraction is exactly one half.
  if (fraction > 0.5 || (fraction == 0.5 && (magnitudeError > 0 || (magnitudeError == 0 && (rounded & 1) != 0)))) {
    ++rounded;
  }
  return product < 0 ? -rounded : rounded;
}

// The serial of a date and a time of day, by the convention for dates before the epoch.
double serialOf(std::int64_t dateSerial, std::int32_t millisecondOfDay) {
  const double fraction = static_cast<double>(millisecondOfDay) / static_cast<double>(kMillisecondsPerDay);
  const auto date = static_cast<double>(dateSerial);
  return dateSerial >= 0 ? date + fraction : date - fraction;
}

}  // namespace

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInYear(int year) { return isLeapYear(year) ? 366 : 365; }

int daysInMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

bool isValidDate(int year, int month, int day) {
  return year >= 1 && year <= 9999 && day >= 1 && day <= daysInMonth(year, month);
}

bool isValidTime(int hour, int minute, int second, int millisecond) {
  return hour >= 0 && hour < 24 && minute >= 0 && minute < 60 && second >= 0 && second < 60 && millisecond >= 0 &&
         millisecond < 1000;
}

int dayOfWeek(int year, int month, int day) { return weekdayOfSerial(serialOfDate(year, month, day)); }

int dayOfYear(int year, int month, int day) {
  return static_cast<int>(serialOfDate(year, month, day) - serialOfDate(year, 1, 1)) + 1;
}

std::optional<DateTime> DateTime::fromSerial(double serial) {
  // The bound keeps the millisecond count far inside int64 before the exact range test.
  if (!std::isfinite(serial) || std::fabs(serial) > 3.0e6) return std::nullopt;
  const std::int64_t date = roundedMilliseconds(serial) / kMillisecondsPerDay;
  if (date < kFirstDay || date > kLastDay) return std::nullopt;
  return DateTime(serial);
}

std::optional<DateTime> DateTime::fromCivil(const CivilTime& civil) {
  if (!isValidDate(civil.year, civil.month, civil.day) ||
      !isValidTime(civil.hour, civil.minute, civil.second, civil.millisecond)) {
    return std::nullopt;
  }
  const auto millisecondOfDay =
      static_cast<std::int32_t>(((civil.hour * 60 + civil.minute) * 60 + civil.second) * 1000 + civil.millisecond);
  return DateTime(serialOf(serialOfDate(civil.year, civil.month, civil.day), millisecondOfDay));
}

std::optional<DateTime> DateTime::fromDate(int year, int month, int day) {
  if (!isValidDate(year, month, day)) return std::nullopt;
  return DateTime(static_cast<double>(serialOfDate(year, month, day)));
}

std::optional<DateTime> DateTime::fromTime(int hour, int minute, int second, int millisecond) {
  if (!isValidTime(hour, minute, second, millisecond)) return std::nullopt;
  return DateTime(serialOf(0, ((hour * 60 + minute) * 60 + second) * 1000 + millisecond));
}

std::optional<DateTime> DateTime::fromBytes(std::span<const std::uint8_t> bytes) {
  if (bytes.size() != 8) return std::nullopt;
  std::uint64_t bits = 0;
  for (int i = 7; i >= 0; --i) bits = (bits << 8) | bytes[static_cast<std::size_t>(i)];
  return fromSerial(std::bit_cast<double>(bits));
}

DateTime DateTime::combine(const DateTime& date, const DateTime& time) {
  return DateTime(serialOf(date.dateSerial(), time.millisecondOfDay()));
}

std::array<std::uint8_t, 8> DateTime::toBytes() const {
  auto bits = std::bit_cast<std::uint64_t>(serial_);
  std::array<std::uint8_t, 8> bytes{};
  for (auto& byte : bytes) {
    byte = static_cast<std::uint8_t>(bits & 0xFF);
    bits >>= 8;
  }
  return bytes;
}

std::int64_t DateTime::dateSerial() const {
  return roundedMilliseconds(serial_) / kMillisecondsPerDay;  // truncates toward zero
}

std::int32_t DateTime::millisecondOfDay() const {
  return static_cast<std::int32_t>(std::llabs(roundedMilliseconds(serial_)) % kMillisecondsPerDay);
}

std::int64_t DateTime::linearMilliseconds() const { return dateSerial() * kMillisecondsPerDay + millisecondOfDay(); }

CivilTime DateTime::civil() const {
  const std::int64_t date = dateSerial();
  const std::int32_t ms = millisecondOfDay();
  const YearMonthDay ymd = civilFromDays(date + kEpochFrom1970);
  CivilTime civil;
  civil.year = ymd.year;
  civil.month = ymd.month;
  civil.day = ymd.day;
  civil.dayOfWeek = weekdayOfSerial(date);
  civil.hour = ms / 3'600'000;
  civil.minute = ms / 60'000 % 60;
  civil.second = ms / 1000 % 60;
  civil.millisecond = ms % 1000;
  return civil;
}

int DateTime::dayOfWeek() const { return weekdayOfSerial(dateSerial()); }

int DateTime::dayOfYear() const {
  const CivilTime c = civil();
  return tikora::dayOfYear(c.year, c.month, c.day);
}

DateTime DateTime::datePart() const { return DateTime(serialOf(dateSerial(), 0)); }

DateTime DateTime::timePart() const { return DateTime(serialOf(0, millisecondOfDay())); }

std::strong_ordering compareDates(const DateTime& a, const DateTime& b) { return a.dateSerial() <=> b.dateSerial(); }

bool sameDate(const DateTime& a, const DateTime& b) { return a.dateSerial() == b.dateSerial(); }

std::int64_t daysBetween(const DateTime& a, const DateTime& b) {
  return std::llabs(a.linearMilliseconds() - b.linearMilliseconds()) / kMillisecondsPerDay;
}

}  // namespace tikora
