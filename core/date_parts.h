// The pieces both date-time text formats put together: numbers with leading zeros, names from
// the locale's tables, the weekday of a date. date_format (the program's own patterns) and
// locale_format (the user's Windows pictures) both build on these.
#pragma once
#include <cstddef>
#include <string>

#include "core/datetime.h"

namespace tikora {

// A number in decimal with at least `digits` digits, zeros in front ("%.*d").
std::wstring zeroPadded(long long number, int digits);
// The same appended to `out`.
void appendZeroPadded(std::wstring& out, long long number, int digits);

// A number in decimal with a leading "0" when it is 9 or less: 7 -> "07", 12 -> "12",
// 123 -> "123". Negative numbers have no leading zero.
std::wstring twoDigits(int number);

// Name `index` of a table (day or month names), or an empty text for an index outside it.
template <class Table>
const std::wstring& nameAt(const Table& table, int index) {
  static const std::wstring kNone;
  if (index < 0 || static_cast<std::size_t>(index) >= table.size()) return kNone;
  return table[static_cast<std::size_t>(index)];
}

// The day of the week of a valid date (0 = Sunday); for any other, the one `time` carries.
int weekdayOf(const CivilTime& time);

}  // namespace tikora
