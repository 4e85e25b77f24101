#include "core/date_format.h"
#include "core/date_parts.h"

#include <string>

#include <gtest/gtest.h>

namespace tikora {
namespace {

// Thursday 8 December 2011 at the given time.
CivilTime dec8(int hour, int minute, int second = 0, int millisecond = 0) {
  return CivilTime{2011, 12, 8, 4, hour, minute, second, millisecond};
}

class DateFormatTest : public ::testing::Test {
 protected:
  std::wstring format(std::wstring_view pattern, const CivilTime& time) const {
    return formatDateTime(pattern, time, names_);
  }
  LocaleNames names_ = englishLocaleNames();
};

TEST_F(DateFormatTest, HourMinuteAndSecondNumbers) {
  struct Case {
    CivilTime time;
    const wchar_t* hh;
    const wchar_t* h;
    const wchar_t* n;
    const wchar_t* nn;
    const wchar_t* ss;
    const wchar_t* hhmm;
  };
  const Case cases[] = {
      {dec8(0, 0, 0), L"00", L"0", L"0", L"00", L"00", L"0000"},
      {dec8(0, 5, 0), L"00", L"0", L"5", L"05", L"00", L"0005"},
      {dec8(9, 5, 3), L"09", L"9", L"5", L"05", L"03", L"0905"},
      {dec8(12, 0, 0), L"12", L"12", L"0", L"00", L"00", L"1200"},
      {dec8(13, 7, 9), L"13", L"13", L"7", L"07", L"09", L"1307"},
      {dec8(22, 5, 59), L"22", L"22", L"5", L"05", L"59", L"2205"},
      {dec8(23, 59, 0), L"23", L"23", L"59", L"59", L"00", L"2359"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.hhmm);
    EXPECT_EQ(format(L"hh", c.time), c.hh);
    EXPECT_EQ(format(L"h", c.time), c.h);
    EXPECT_EQ(format(L"n", c.time), c.n);
    EXPECT_EQ(format(L"nn", c.time), c.nn);
    EXPECT_EQ(format(L"ss", c.time), c.ss);
    EXPECT_EQ(format(L"hhmm", c.time), c.hhmm);
    EXPECT_EQ(format(L"hhnn", c.time), c.hhmm);
  }
}

TEST_F(DateFormatTest, TwentyFourHourClockTexts) {
  EXPECT_EQ(format(L"hh:mm", dec8(0, 0)), L"00:00");
  EXPECT_EQ(format(L"hh:mm", dec8(13, 7, 9)), L"13:07");
  EXPECT_EQ(format(L"hh:mm:ss", dec8(13, 7, 9)), L"13:07:09");
  EXPECT_EQ(format(L"hh:mm:ss", dec8(0, 5, 0)), L"00:05:00");
  // Upper-case letters are the same tokens: "HH" is "hh", still 24-hour without AM/PM.
  EXPECT_EQ(format(L"HH:mm:ss", dec8(0, 0, 0)), L"00:00:00");
  EXPECT_EQ(format(L"HH:mm:ss", dec8(13, 7, 9)), L"13:07:09");
  EXPECT_EQ(format(L"HH:mm:ss", dec8(22, 5, 0)), L"22:05:00");
  EXPECT_EQ(format(L"HH:MM:SS", dec8(9, 5, 3)), L"09:05:03");
}

TEST_F(DateFormatTest, TwelveHourClockTextsWithAmPm) {
  EXPECT_EQ(format(L"h:mm:ss AM/PM ", dec8(0, 0, 0)), L"12:00:00 AM ");
  EXPECT_EQ(format(L"h:mm:ss AM/PM ", dec8(0, 5, 0)), L"12:05:00 AM ");
  EXPECT_EQ(format(L"h:mm:ss AM/PM ", dec8(9, 5, 0)), L"9:05:00 AM ");
  EXPECT_EQ(format(L"h:mm:ss AM/PM ", dec8(11, 59, 59)), L"11:59:59 AM ");
  EXPECT_EQ(format(L"h:mm:ss AM/PM ", dec8(12, 0, 0)), L"12:00:00 PM ");
  EXPECT_EQ(format(L"h:mm:ss AM/PM ", dec8(13, 7, 9)), L"1:07:09 PM ");
  EXPECT_EQ(format(L"h:mm:ss AM/PM ", dec8(22, 5, 0)), L"10:05:00 PM ");
  EXPECT_EQ(format(L"h:mm AM/PM ", dec8(0, 0, 0)), L"12:00 AM ");
  EXPECT_EQ(format(L"h:mm AM/PM ", dec8(13, 7, 9)), L"1:07 PM ");
  EXPECT_EQ(format(L"h:mm AM/PM ", dec8(22, 5, 0)), L"10:05 PM ");
  EXPECT_EQ(format(L"hh:mm AM/PM", dec8(9, 5, 0)), L"09:05 AM");
}

TEST_F(DateFormatTest, CutTwelveHourTextsKeepTheHourAndMinute) {
  // The clock cuts "h:mm:ss AM/PM " after 5 characters for two-digit hours, 4 otherwise.
  EXPECT_EQ(format(L"h:mm:ss AM/PM ", dec8(0, 5, 0)).substr(0, 5), L"12:05");
  EXPECT_EQ(format(L"h:mm:ss AM/PM ", dec8(9, 5, 0)).substr(0, 4), L"9:05");
  EXPECT_EQ(format(L"h:mm:ss AM/PM ", dec8(22, 5, 0)).substr(0, 5), L"10:05");
  EXPECT_EQ(format(L"h:mm:ss AM/PM ", dec8(9, 5, 7)).substr(0, 7), L"9:05:07");
  EXPECT_EQ(format(L"h:mm:ss AM/PM ", dec8(12, 5, 7)).substr(0, 8), L"12:05:07");
}

TEST_F(DateFormatTest, AmPmTokenForms) {
  // "AM/PM" and "A/P" copy the letters as the pattern writes them; "ampm" is the locale's.
  EXPECT_EQ(format(L"am/pm", dec8(13, 0)), L"pm");
  EXPECT_EQ(format(L"Am/Pm", dec8(13, 0)), L"Pm");
  EXPECT_EQ(format(L"AM/PM", dec8(11, 0)), L"AM");
  EXPECT_EQ(format(L"a/p", dec8(13, 0)), L"p");
  EXPECT_EQ(format(L"A/P", dec8(1, 0)), L"A");
  EXPECT_EQ(format(L"h a/p", dec8(15, 0)), L"3 p");
  names_.amMarker = L"vorm.";
  names_.pmMarker = L"nachm.";
  EXPECT_EQ(format(L"h:nn ampm", dec8(15, 30)), L"3:30 nachm.");
  EXPECT_EQ(format(L"h:nn AMPM", dec8(0, 30)), L"12:30 vorm.");
  EXPECT_EQ(format(L"h:nn:ss AM/PM", dec8(15, 30)), L"3:30:00 PM");
}

TEST_F(DateFormatTest, TwelveHourOnlyWhereAnAmPmTokenGoverns) {
  EXPECT_EQ(format(L"hh", dec8(13, 0)), L"13");
  EXPECT_EQ(format(L"hh AM/PM", dec8(13, 0)), L"01 PM");
  // An AM/PM token earlier in the pattern holds for later hours too.
  EXPECT_EQ(format(L"AM/PM hh", dec8(13, 0)), L"PM 01");
  // The look-ahead stops at the next hour token: only the second hour is 12-hour.
  EXPECT_EQ(format(L"hh x hh AM/PM", dec8(13, 0)), L"13 x 01 PM");
  // A quoted "am/pm" is text, and a lone "a" is copied.
  EXPECT_EQ(format(L"hh 'am/pm'", dec8(13, 0)), L"13 am/pm");
  EXPECT_EQ(format(L"hh:nn a", dec8(13, 7)), L"13:07 a");
}

TEST_F(DateFormatTest, MAfterAnHourIsTheMinute) {
  EXPECT_EQ(format(L"mm", dec8(13, 7)), L"12");
  EXPECT_EQ(format(L"m", CivilTime{2011, 3, 8, 2, 13, 7, 0, 0}), L"3");
  EXPECT_EQ(format(L"hhmm", dec8(13, 7)), L"1307");
  EXPECT_EQ(format(L"h.m", dec8(13, 7)), L"13.7");
  EXPECT_EQ(format(L"mm:hh", dec8(13, 7)), L"12:13");        // month first, then hour
  EXPECT_EQ(format(L"hh dd mm", dec8(13, 7)), L"13 08 12");  // a day token in between
  EXPECT_EQ(format(L"hh:nn mm", dec8(13, 7)), L"13:07 12");  // after a minute it is the month
  EXPECT_EQ(format(L"hh 'x' mm", dec8(13, 7)), L"13 x 07");  // quoted text is no token
}

TEST_F(DateFormatTest, DateTextsOfTheClock) {
  EXPECT_EQ(format(L"dd.mm.yyyy", dec8(0, 0)), L"08.12.2011");
  EXPECT_EQ(format(L"mmmm d", dec8(0, 0)), L"December 8");
  EXPECT_EQ(format(L"mmm d", dec8(0, 0)), L"Dec 8");
  EXPECT_EQ(format(L"mmmm yyyy", dec8(0, 0)), L"December 2011");
  EXPECT_EQ(format(L"dddd", dec8(0, 0)), L"Thursday");
  EXPECT_EQ(format(L"ddd", dec8(0, 0)), L"Thu");
  EXPECT_EQ(format(L"d", dec8(0, 0)), L"8");

  const CivilTime leapDay{2024, 2, 29, 4, 23, 59, 59, 999};
  EXPECT_EQ(format(L"dd.mm.yyyy", leapDay), L"29.02.2024");
  EXPECT_EQ(format(L"mmmm d", leapDay), L"February 29");
  EXPECT_EQ(format(L"dddd", leapDay), L"Thursday");
  const CivilTime newYear{2000, 1, 1, 6, 0, 0, 0, 0};
  EXPECT_EQ(format(L"dd.mm.yyyy", newYear), L"01.01.2000");
  EXPECT_EQ(format(L"ddd mmm d", newYear), L"Sat Jan 1");
  EXPECT_EQ(format(L"dddd, d mmmm yyyy", CivilTime{2023, 5, 21, 0, 0, 0, 0, 0}), L"Sunday, 21 May 2023");
}

TEST_F(DateFormatTest, TheWeekdayFollowsTheDateNotTheGivenField) {
  CivilTime time = dec8(10, 0);
  time.dayOfWeek = 0;  // wrong on purpose: 8 December 2011 was a Thursday
  EXPECT_EQ(format(L"dddd", time), L"Thursday");
}

TEST_F(DateFormatTest, YearsDaysMonthsAndMilliseconds) {
  EXPECT_EQ(format(L"yy", dec8(0, 0)), L"11");
  EXPECT_EQ(format(L"y", dec8(0, 0)), L"11");
  EXPECT_EQ(format(L"yyy", dec8(0, 0)), L"2011");
  EXPECT_EQ(format(L"yyyy", CivilTime{99, 3, 4, 0, 0, 0, 0, 0}), L"0099");
  EXPECT_EQ(format(L"yy", CivilTime{2005, 3, 4, 0, 0, 0, 0, 0}), L"05");
  EXPECT_EQ(format(L"d/m", CivilTime{2005, 3, 4, 0, 0, 0, 0, 0}), L"4/3");
  EXPECT_EQ(format(L"dd/mm", CivilTime{2005, 3, 4, 0, 0, 0, 0, 0}), L"04/03");
  EXPECT_EQ(format(L"mmmmm", dec8(0, 0)), L"December");
  EXPECT_EQ(format(L"z", dec8(0, 0, 0, 5)), L"5");
  EXPECT_EQ(format(L"zz", dec8(0, 0, 0, 5)), L"05");
  EXPECT_EQ(format(L"zzz", dec8(0, 0, 0, 5)), L"005");
  EXPECT_EQ(format(L"zzz", dec8(0, 0, 0, 250)), L"250");
  EXPECT_EQ(format(L"hh:nn:ss.zzz", dec8(13, 7, 9, 42)), L"13:07:09.042");
  EXPECT_EQ(format(L"hhh:nnn:sss", dec8(3, 7, 9)), L"03:07:09");  // more than two count as two
  EXPECT_EQ(format(L"aaaa aaa", dec8(0, 0)), L"Thursday Thu");
}

TEST_F(DateFormatTest, QuotedTextAndOtherCharacters) {
  EXPECT_EQ(format(L"'Today is' dddd", dec8(0, 0)), L"Today is Thursday");
  EXPECT_EQ(format(L"\"h\"hh", dec8(13, 0)), L"h13");
  EXPECT_EQ(format(L"'dd' \"mm\"", dec8(13, 0)), L"dd mm");
  EXPECT_EQ(format(L"'it\"s' d", dec8(13, 0)), L"it\"s 8");
  EXPECT_EQ(format(L"''d", dec8(13, 0)), L"8");
  EXPECT_EQ(format(L"d 'open", dec8(13, 0)), L"8 open");  // an open quote runs to the end
  EXPECT_EQ(format(L"yyyy-mm-dd", dec8(13, 0)), L"2011-12-08");
  EXPECT_EQ(format(L"dd/mm/yyyy", dec8(13, 0)), L"08/12/2011");
  EXPECT_EQ(format(L"[d] x!", dec8(13, 0)), L"[8] x!");
  EXPECT_EQ(format(L"", dec8(13, 0)), L"");
}

TEST_F(DateFormatTest, NamesComeFromTheLocale) {
  names_.longDayNames[4] = L"czwartek";
  names_.shortDayNames[4] = L"czw.";
  names_.longMonthNames[11] = L"grudzie\u0144";
  names_.shortMonthNames[11] = L"gru";
  EXPECT_EQ(format(L"dddd, d mmmm yyyy", dec8(0, 0)), L"czwartek, 8 grudzie\u0144 2011");
  EXPECT_EQ(format(L"ddd mmm", dec8(0, 0)), L"czw. gru");
}

TEST_F(DateFormatTest, LocaleDateAndTimeTokens) {
  EXPECT_EQ(format(L"ddddd", dec8(13, 7, 9)), L"12/8/2011");
  EXPECT_EQ(format(L"tt", dec8(13, 7, 9)), L"1:07:09 PM");
  EXPECT_EQ(format(L"c", dec8(13, 7, 9)), L"12/8/2011 1:07:09 PM");
  EXPECT_EQ(format(L"c", dec8(0, 0, 0, 500)), L"12/8/2011");
  names_.shortDateFormat = L"dd.MM.yyyy";
  names_.longTimeFormat = L"HH:mm:ss";
  EXPECT_EQ(format(L"c", dec8(0, 0, 1)), L"08.12.2011 00:00:01");
}

TEST_F(DateFormatTest, DateTimeValuesAreDecodedFirst) {
  const auto value = *DateTime::fromSerial(40885.625);
  EXPECT_EQ(formatDateTime(L"dd.mm.yyyy hh:nn:ss.zzz", value, names_), L"08.12.2011 15:00:00.000");
  const auto beforeEpoch = *DateTime::fromSerial(-1.25);
  EXPECT_EQ(formatDateTime(L"dddd dd.mm.yyyy hh:nn", beforeEpoch, names_), L"Friday 29.12.1899 06:00");
}

TEST(TwoDigitsTest, LeadingZeroUpToNine) {
  EXPECT_EQ(twoDigits(0), L"00");
  EXPECT_EQ(twoDigits(5), L"05");
  EXPECT_EQ(twoDigits(9), L"09");
  EXPECT_EQ(twoDigits(10), L"10");
  EXPECT_EQ(twoDigits(59), L"59");
  EXPECT_EQ(twoDigits(123), L"123");
  EXPECT_EQ(twoDigits(-3), L"-3");
  EXPECT_EQ(zeroPadded(7, 4), L"0007");
  EXPECT_EQ(zeroPadded(-7, 3), L"-007");
  EXPECT_EQ(zeroPadded(12345, 2), L"12345");
}

}  // namespace
}  // namespace tikora
