#include "core/date_parse.h"

#include <string>

#include <gtest/gtest.h>

#include "core/date_format.h"
#include "core/locale_format.h"

namespace tikora {
namespace {

LocaleNames germanNames() {
  LocaleNames names = englishLocaleNames();
  names.shortDateFormat = L"dd.MM.yyyy";
  names.longTimeFormat = L"HH:mm:ss";
  return names;
}

LocaleNames finnishNames() {
  LocaleNames names = englishLocaleNames();
  names.shortDateFormat = L"d.M.yyyy";
  names.longTimeFormat = L"H.mm.ss";
  names.amMarker = L"ap.";
  names.pmMarker = L"ip.";
  return names;
}

// The serial of a parse, or a marker that no parse gives.
double serial(const std::optional<DateTime>& value) { return value ? value->serial() : -1e9; }

TEST(DateLayoutTest, OrderAndSeparatorComeFromTheShortDatePicture) {
  EXPECT_EQ(dateLayoutOf(L"M/d/yyyy").order, DateOrder::MonthDayYear);
  EXPECT_EQ(dateLayoutOf(L"M/d/yyyy").separator, L'/');
  EXPECT_EQ(dateLayoutOf(L"dd.MM.yyyy").order, DateOrder::DayMonthYear);
  EXPECT_EQ(dateLayoutOf(L"dd.MM.yyyy").separator, L'.');
  EXPECT_EQ(dateLayoutOf(L"yyyy-MM-dd").order, DateOrder::YearMonthDay);
  EXPECT_EQ(dateLayoutOf(L"yyyy-MM-dd").separator, L'-');
  EXPECT_EQ(dateLayoutOf(L"d. M. yyyy").separator, L'.');
  EXPECT_EQ(dateLayoutOf(L"'Day' d/MM").order, DateOrder::DayMonthYear);
  EXPECT_EQ(dateLayoutOf(L"dMyyyy").separator, L'/');
  EXPECT_EQ(timeSeparatorOf(L"h:mm:ss tt"), L':');
  EXPECT_EQ(timeSeparatorOf(L"H.mm.ss"), L'.');
  EXPECT_EQ(timeSeparatorOf(L"tt h:mm:ss"), L':');
  EXPECT_EQ(timeSeparatorOf(L"HHmmss"), L':');
}

TEST(ParseDateTest, UnitedStatesDates) {
  const LocaleNames us = englishLocaleNames();
  EXPECT_EQ(serial(parseDate(L"12/8/2011", us, 2024)), 40885.0);
  EXPECT_EQ(serial(parseDate(L"12/08/2011", us, 2024)), 40885.0);
  EXPECT_EQ(serial(parseDate(L" 12 / 8 / 2011 ", us, 2024)), 40885.0);
  EXPECT_EQ(serial(parseDate(L"2/29/2024", us, 2024)), 45351.0);
  EXPECT_EQ(serial(parseDate(L"12/8", us, 2011)), 40885.0);  // the current year
  EXPECT_EQ(serial(parseDate(L"12/29/1899", us, 2024)), -1.0);
}

TEST(ParseDateTest, TwoDigitYearsFallWithinFiftyYearsBackAndFortyNineAhead) {
  const LocaleNames us = englishLocaleNames();
  EXPECT_EQ(serial(parseDate(L"12/8/11", us, 2024)), 40885.0);
  EXPECT_EQ(parseDate(L"1/1/73", us, 2024)->civil().year, 2073);
  EXPECT_EQ(parseDate(L"1/1/74", us, 2024)->civil().year, 1974);
  EXPECT_EQ(parseDate(L"1/1/0", us, 2024)->civil().year, 2000);
  EXPECT_EQ(parseDate(L"1/1/99", us, 2060)->civil().year, 2099);
  EXPECT_EQ(parseDate(L"1/1/9", us, 2060)->civil().year, 2109);
  EXPECT_EQ(parseDate(L"1/1/0011", us, 2024)->civil().year, 11);  // four digits: as written
}

TEST(ParseDateTest, DayFirstAndYearFirstDates) {
  const LocaleNames german = germanNames();
  EXPECT_EQ(serial(parseDate(L"08.12.2011", german, 2024)), 40885.0);
  EXPECT_EQ(serial(parseDate(L"8.12.2011.", german, 2024)), 40885.0);
  EXPECT_EQ(serial(parseDate(L"8. 12. 2011", german, 2024)), 40885.0);
  EXPECT_EQ(serial(parseDate(L"8.12", german, 2011)), 40885.0);
  EXPECT_EQ(serial(parseDate(L"08.12.2011", DateTextLayout{DateOrder::DayMonthYear, L'.'}, 2024)), 40885.0);
  EXPECT_EQ(serial(parseDate(L"2011-12-08", DateTextLayout{DateOrder::YearMonthDay, L'-'}, 2024)), 40885.0);
  EXPECT_EQ(serial(parseDate(L"11-12-08", DateTextLayout{DateOrder::YearMonthDay, L'-'}, 2024)), 40885.0);
}

TEST(ParseDateTest, TextsThatAreNoDateGiveNothing) {
  const LocaleNames us = englishLocaleNames();
  EXPECT_FALSE(parseDate(L"", us, 2024));
  EXPECT_FALSE(parseDate(L"   ", us, 2024));
  EXPECT_FALSE(parseDate(L"2/29/2023", us, 2024));
  EXPECT_FALSE(parseDate(L"13/8/2011", us, 2024));
  EXPECT_FALSE(parseDate(L"12/0/2011", us, 2024));
  EXPECT_FALSE(parseDate(L"12-8-2011", us, 2024));
  EXPECT_FALSE(parseDate(L"12/8/2011x", us, 2024));
  EXPECT_FALSE(parseDate(L"12/8/20111", us, 2024));
  EXPECT_FALSE(parseDate(L"12/", us, 2024));
  EXPECT_FALSE(parseDate(L"12", us, 2024));
  EXPECT_FALSE(parseDate(L"Dec 8, 2011", us, 2024));
  EXPECT_FALSE(parseDate(L"08.12.2011", us, 2024));  // another locale's separator
  EXPECT_FALSE(parseDate(L"-1/8/2011", us, 2024));
}

TEST(ParseTimeTest, HoursMinutesSecondsAndMarkers) {
  const LocaleNames us = englishLocaleNames();
  EXPECT_EQ(serial(parseTime(L"3:00:00 PM", us)), 0.625);
  EXPECT_EQ(serial(parseTime(L"3:00:00 pm", us)), 0.625);
  EXPECT_EQ(serial(parseTime(L"PM 3:00:00", us)), 0.625);
  EXPECT_EQ(serial(parseTime(L"3:00:00PM", us)), 0.625);
  EXPECT_EQ(serial(parseTime(L"15:00:00", us)), 0.625);
  EXPECT_EQ(serial(parseTime(L"15", us)), 0.625);
  EXPECT_EQ(serial(parseTime(L"12:00:00 AM", us)), 0.0);
  EXPECT_EQ(serial(parseTime(L"12:00:00 PM", us)), 0.5);
  EXPECT_EQ(serial(parseTime(L"6 AM", us)), 0.25);
  EXPECT_EQ(parseTime(L"14:05", us)->civil(), (CivilTime{1899, 12, 30, 6, 14, 5, 0, 0}));
  EXPECT_EQ(parseTime(L"15:30:45.250", us)->civil().millisecond, 250);
  EXPECT_EQ(parseTime(L" 9:05 ", us)->civil().minute, 5);
}

TEST(ParseTimeTest, LocaleSeparatorAndMarkers) {
  const LocaleNames finnish = finnishNames();
  EXPECT_EQ(serial(parseTime(L"15.00.00", finnish)), 0.625);
  EXPECT_EQ(serial(parseTime(L"15:00", finnish)), 0.625);  // ":" is always understood
  EXPECT_EQ(serial(parseTime(L"3.00 ip.", finnish)), 0.625);
  EXPECT_EQ(serial(parseTime(L"3.00 PM", finnish)), 0.625);
  LocaleNames korean = englishLocaleNames();
  korean.amMarker = L"\uC624\uC804";
  korean.pmMarker = L"\uC624\uD6C4";
  EXPECT_EQ(serial(parseTime(L"\uC624\uD6C4 3:00:00", korean)), 0.625);
  EXPECT_EQ(serial(parseTime(L"\uC624\uC804 12:00:00", korean)), 0.0);
}

TEST(ParseTimeTest, TextsThatAreNoTimeGiveNothing) {
  const LocaleNames us = englishLocaleNames();
  EXPECT_FALSE(parseTime(L"", us));
  EXPECT_FALSE(parseTime(L"PM", us));
  EXPECT_FALSE(parseTime(L"13:00 PM", us));
  EXPECT_FALSE(parseTime(L"0:30 AM", us));
  EXPECT_FALSE(parseTime(L"24:00", us));
  EXPECT_FALSE(parseTime(L"12:60", us));
  EXPECT_FALSE(parseTime(L"12:30:60", us));
  EXPECT_FALSE(parseTime(L":30", us));
  EXPECT_FALSE(parseTime(L"14:", us));
  EXPECT_FALSE(parseTime(L"14:05:", us));
  EXPECT_FALSE(parseTime(L"3:00:00 PM extra", us));
  EXPECT_FALSE(parseTime(L"3:00:00 PM PM", us));
  EXPECT_FALSE(parseTime(L"noon", us));
}

TEST(ParseDateTimeTest, DateThenTime) {
  const LocaleNames us = englishLocaleNames();
  EXPECT_EQ(serial(parseDateTime(L"12/8/2011 3:00:00 PM", us, 2024)), 40885.625);
  EXPECT_EQ(serial(parseDateTime(L"12/8/2011   15:00", us, 2024)), 40885.625);
  EXPECT_EQ(serial(parseDateTime(L"12/8/2011", us, 2024)), 40885.0);
  EXPECT_EQ(serial(parseDateTime(L"3:00:00 PM", us, 2024)), 0.625);  // a time alone
  EXPECT_EQ(serial(parseDateTime(L"12/29/1899 6:00:00 AM", us, 2024)), -1.25);
  EXPECT_FALSE(parseDateTime(L"12/8/2011 junk", us, 2024));
  EXPECT_FALSE(parseDateTime(L"12/8/2011 3:00:00 PM x", us, 2024));
  EXPECT_FALSE(parseDateTime(L"2/30/2011 3:00:00 PM", us, 2024));
  EXPECT_FALSE(parseDateTime(L"", us, 2024));
  const LocaleNames german = germanNames();
  EXPECT_EQ(serial(parseDateTime(L"08.12.2011 15:00:00", german, 2024)), 40885.625);
}

TEST(ParseDateTimeTest, LocaleTextsReadBackToTheSecond) {
  // What the planner shows and the countdown builds must read back to the same moment.
  LocaleNames iso = englishLocaleNames();
  iso.shortDateFormat = L"yyyy-MM-dd";
  iso.longTimeFormat = L"HH:mm:ss";
  LocaleNames shortYear = englishLocaleNames();
  shortYear.shortDateFormat = L"dd/MM/yy";
  auto readsBack = [](double value, const LocaleNames& names) {
    const DateTime moment = *DateTime::fromSerial(value);
    const std::wstring text = shortDateText(moment, names) + L" " + longTimeText(moment, names);
    const std::string shown(text.begin(), text.end());
    const auto back = parseDateTime(text, names, 2024);
    ASSERT_TRUE(back) << shown;
    EXPECT_EQ(back->linearMilliseconds() / 1000, moment.linearMilliseconds() / 1000) << shown;
    const auto date = parseDate(shortDateText(moment, names), names, 2024);
    ASSERT_TRUE(date) << shown;
    EXPECT_EQ(*date, moment.datePart()) << shown;
  };
  for (const LocaleNames& names : {englishLocaleNames(), germanNames(), finnishNames(), iso}) {
    for (double value :
         {40885.625, 45351.0, 45351.99998842592, 47000.5000115740741, 36526.0, -1.25, 61.041666666666667, 2958465.5}) {
      readsBack(value, names);
    }
  }
  // Two-digit years read back within the fifty years either side of the current year.
  for (double value : {40885.625, 45351.0, 47000.5000115740741, 27395.75}) {
    readsBack(value, shortYear);
  }
}

TEST(ParseTimeTest, HourAndMinuteTextReadsBackCutToTheMinute) {
  const LocaleNames us = englishLocaleNames();
  const CivilTime now{2024, 2, 29, 4, 14, 5, 59, 987};
  const auto cut = parseTime(formatDateTime(L"hh:mm", now, us), us);
  ASSERT_TRUE(cut);
  EXPECT_EQ(*cut, *DateTime::fromTime(14, 5, 0));
}

}  // namespace
}  // namespace tikora
