// Date-time texts from format patterns ("hh:mm", "dddd", "mmmm d", "h:mm:ss AM/PM "), in the
// classic desktop date-time pattern language below, with names from the user's locale.
//
// Tokens (letters are case-insensitive; a run of the same character is one token):
//   d, dd         day of the month, at least 1 / 2 digits
//   ddd, dddd     short / long day name
//   ddddd or more the locale's short date (LocaleNames::shortDateFormat, a Windows picture)
//   m, mm         month, at least 1 / 2 digits; but minutes when the last letter token before
//                 it was an hour token ("hh:mm", "hhmm", "h:mm:ss")
//   mmm, mmmm+    short / long month name
//   yy (or y)     year in two digits; yyy or more: year in at least four digits
//   h, hh         hour, 1 / 2 digits (three or more count as two). 24-hour unless an AM/PM
//                 token follows before the next hour token, or one came earlier in the pattern:
//                 then 12-hour, with 0 and 12 both shown as 12. So "HH" is "hh".
//   n, nn         minute; s, ss second; z, zz, zzz millisecond (at least 1 / 2 / 3 digits)
//   AM/PM         "AM" or "PM" in the letter case written in the pattern ("am/pm" gives "am")
//   A/P           "A" or "P", likewise in the pattern's case
//   AMPM          the locale's AM or PM marker
//   AAA, AAAA     short / long day name
//   t, tt         the locale's long time (LocaleNames::longTimeFormat, a Windows picture)
//   c             short date, then a blank and the long time unless the time is 00:00:00
//   '...', "..."  literal text (an unterminated quote runs to the end of the pattern)
// Every other character, including ":", "/", "." and blanks, is copied as it stands, and so is
// any other letter (the era letters g and e have no meaning here). Hours use "AM" before noon and
// "PM" from noon on.
#pragma once
#include <string>
#include <string_view>

#include "core/datetime.h"
#include "core/locale_names.h"

namespace tikora {

std::wstring formatDateTime(std::wstring_view pattern, const CivilTime& time, const LocaleNames& names);
std::wstring formatDateTime(std::wstring_view pattern, const DateTime& time, const LocaleNames& names);
// The same into `out` (what it held goes): the texts formatted every second keep their buffer.
void formatDateTimeInto(std::wstring& out, std::wstring_view pattern, const CivilTime& time, const LocaleNames& names);

// Today's date in the five forms the clock shows: the date itself, which also marks the date
// last shown, the two weekday names and the two month-and-day texts.
struct DateTexts {
  std::wstring day;            // "dd.mm.yyyy"
  std::wstring longWeekday;    // "dddd"
  std::wstring shortWeekday;   // "ddd"
  std::wstring longMonthDay;   // "mmmm d"
  std::wstring shortMonthDay;  // "mmm d"

  friend bool operator==(const DateTexts&, const DateTexts&) = default;
};

DateTexts dateTextsOf(const CivilTime& today, const LocaleNames& names);

}  // namespace tikora
