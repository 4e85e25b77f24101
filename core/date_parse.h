// Reading date and time texts back: the planner rebuilds its items from the texts of its list,
// and the countdown target is taken from a short date and a long time written one after the
// other. Only numeric dates are read (a short date format with month names does not read back);
// the order of day, month and year and the date separator come from the short date picture.
//
// Dates: two or three numbers with the date separator between them, blanks allowed around each
// part and one separator allowed after the last ("8.12.2011", "12/8/2011", "2011-12-08",
// "8. 12. 2011."). Without a year the current year is taken. A year of one or two digits is
// placed in the hundred years from 50 years before the current year: with the current year 2024,
// "11" is 2011, "73" is 2073 and "74" is 1974.
//
// Times: hour, then optionally minute, second and millisecond ("15", "15:30", "3:30:45 PM",
// "15:30:45.250"), with the locale's time separator or ":" between the parts. The AM/PM marker
// (the locale's or "AM"/"PM", any letter case) may stand before or after the numbers; with one
// the hour must be 1 to 12 (12 AM is midnight, 12 PM noon).
//
// The whole text must be read (blanks at the ends are allowed); anything left over, an
// impossible date or time, or a missing part gives nothing.
#pragma once
#include <optional>
#include <string_view>

#include "core/datetime.h"
#include "core/locale_names.h"

namespace tikora {

enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

struct DateTextLayout {
  DateOrder order = DateOrder::MonthDayYear;
  wchar_t separator = L'/';
};

// Order: by the first of the letters d, M, y outside quotes. Separator: the first character of
// the picture that is not a picture letter, a blank or a quote ("/" if there is none).
DateTextLayout dateLayoutOf(std::wstring_view shortDatePicture);
// The first character of the picture that is not a picture letter, a blank or a quote (":" if
// there is none).
wchar_t timeSeparatorOf(std::wstring_view longTimePicture);

std::optional<DateTime> parseDate(std::wstring_view text, const DateTextLayout& layout, int currentYear);
std::optional<DateTime> parseDate(std::wstring_view text, const LocaleNames& names, int currentYear);
// The time of day on 30 December 1899.
std::optional<DateTime> parseTime(std::wstring_view text, const LocaleNames& names);
// A date, then optionally blanks and a time; a text that is a time alone gives that time on
// 30 December 1899.
std::optional<DateTime> parseDateTime(std::wstring_view text, const LocaleNames& names, int currentYear);

}  // namespace tikora
