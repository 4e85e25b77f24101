// Dates and times in the user's own short date and long time formats. The regional settings give
// those formats as Windows pictures ("M/d/yyyy", "dd.MM.yyyy", "h:mm:ss tt", "HH:mm:ss"), whose
// letters mean something else than in the program's own patterns (date_format.h), so they are
// read here by the picture rules:
//   d, dd, ddd, dddd+   day, two-digit day, short day name, long day name
//   M, MM, MMM, MMMM+   month, two-digit month, short month name, long month name
//   y                   year without century, no leading zero; yy two digits; yyy+ full year
//   h, hh+              12-hour hour (0 and 12 show as 12); H, HH+ 24-hour hour
//   m, mm+  minute;  s, ss+  second
//   t                   first character of the AM/PM marker; tt+ the whole marker
//   g, gg               era: left out (no era name is kept)
//   '...'               literal text; '' is one quote, inside or outside quoted text
// Letters are case-sensitive; every other character is copied.
#pragma once
#include <string>
#include <string_view>

#include "core/datetime.h"
#include "core/locale_names.h"

namespace tikora {

std::wstring formatLocalePicture(std::wstring_view picture, const CivilTime& time, const LocaleNames& names);

// The date in the short date format and the time in the long time format of `names`.
std::wstring shortDateText(const CivilTime& time, const LocaleNames& names);
std::wstring longTimeText(const CivilTime& time, const LocaleNames& names);
std::wstring shortDateText(const DateTime& time, const LocaleNames& names);
std::wstring longTimeText(const DateTime& time, const LocaleNames& names);

}  // namespace tikora
