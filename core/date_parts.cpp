// The shared pieces of the date-time formats; see date_parts.h.
#include "core/date_parts.h"

#include <algorithm>

namespace tikora {

std::wstring zeroPadded(long long number, int digits) {
  const bool negative = number < 0;
  // Digits of the magnitude, built without overflow for the most negative value.
  std::wstring magnitude;
  unsigned long long rest =
      negative ? 0ULL - static_cast<unsigned long long>(number) : static_cast<unsigned long long>(number);
  do {
    magnitude += static_cast<wchar_t>(L'0' + rest % 10);
    rest /= 10;
  } while (rest != 0);
  while (magnitude.size() < static_cast<std::size_t>(std::max(digits, 0))) magnitude += L'0';
  if (negative) magnitude += L'-';
  std::reverse(magnitude.begin(), magnitude.end());
  return magnitude;
}

std::wstring twoDigits(int number) { return number >= 0 ? zeroPadded(number, 2) : zeroPadded(number, 1); }

int weekdayOf(const CivilTime& time) {
  return isValidDate(time.year, time.month, time.day) ? dayOfWeek(time.year, time.month, time.day) : time.dayOfWeek;
}

}  // namespace tikora
