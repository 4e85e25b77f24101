// The user's short date and long time pictures; the picture rules are in locale_format.h.
#include "core/locale_format.h"

#include <algorithm>
#include <cstddef>

#include "core/date_parts.h"

namespace tikora {
namespace {

int twelveHour(int hour) {
  const int h = hour % 12;
  return h == 0 ? 12 : h;
}

}  // namespace

std::wstring formatLocalePicture(std::wstring_view picture, const CivilTime& time, const LocaleNames& names) {
  std::wstring out;
  const int weekday = weekdayOf(time);
  const std::wstring& marker = time.hour >= 12 ? names.pmMarker : names.amMarker;
  std::size_t at = 0;
  while (at < picture.size()) {
    const wchar_t c = picture[at];
    if (c == L'\'' && at + 1 < picture.size() && picture[at + 1] == L'\'') {
      out += L'\'';  // a doubled quote outside quoted text
      at += 2;
      continue;
    }
    if (c == L'\'') {
      // Quoted text runs to the next lone quote; a doubled quote stands for one quote.
      ++at;
      while (at < picture.size()) {
        if (picture[at] == L'\'') {
          if (at + 1 < picture.size() && picture[at + 1] == L'\'') {
            out += L'\'';
            at += 2;
            continue;
          }
          ++at;
          break;
        }
        out += picture[at++];
      }
      continue;
    }
    std::size_t count = 1;
    while (at + count < picture.size() && picture[at + count] == c) ++count;
    const int two = static_cast<int>(std::min<std::size_t>(count, 2));
    switch (c) {
      case L'd':
        if (count <= 2)
          out += zeroPadded(time.day, two);
        else
          out += nameAt(count == 3 ? names.shortDayNames : names.longDayNames, weekday);
        break;
      case L'M':
        if (count <= 2)
          out += zeroPadded(time.month, two);
        else
          out += nameAt(count == 3 ? names.shortMonthNames : names.longMonthNames, time.month - 1);
        break;
      case L'y':
        if (count == 1)
          out += zeroPadded(time.year % 100, 1);
        else if (count == 2)
          out += zeroPadded(time.year % 100, 2);
        else
          out += zeroPadded(time.year, 4);
        break;
      case L'g': break;
      case L'h': out += zeroPadded(twelveHour(time.hour), two); break;
      case L'H': out += zeroPadded(time.hour, two); break;
      case L'm': out += zeroPadded(time.minute, two); break;
      case L's': out += zeroPadded(time.second, two); break;
      case L't':
        if (count == 1)
          out += marker.substr(0, 1);
        else
          out += marker;
        break;
      default: out.append(count, c); break;
    }
    at += count;
  }
  return out;
}

std::wstring shortDateText(const CivilTime& time, const LocaleNames& names) {
  return formatLocalePicture(names.shortDateFormat, time, names);
}

std::wstring longTimeText(const CivilTime& time, const LocaleNames& names) {
  return formatLocalePicture(names.longTimeFormat, time, names);
}

std::wstring shortDateText(const DateTime& time, const LocaleNames& names) {
  return shortDateText(time.civil(), names);
}

std::wstring longTimeText(const DateTime& time, const LocaleNames& names) { return longTimeText(time.civil(), names); }

}  // namespace tikora
