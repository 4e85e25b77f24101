// The shared pieces of the date-time formats; see date_parts.h.
#include "core/date_parts.h"

#include <algorithm>

namespace tikora {

std::wstring zeroPadded(long long number, int digits) {
  std::wstring text;
  appendZeroPadded(text, number, digits);
  return text;
}

void appendZeroPadded(std::wstring& out, long long number, int digits) {
  const bool negative = number < 0;
  // Digits of the magnitude, last first, built without overflow for the most negative value.
  wchar_t reversed[20];
  int count = 0;
  unsigned long long rest =
      negative ? 0ULL - static_cast<unsigned long long>(number) : static_cast<unsigned long long>(number);
  do {
    reversed[count++] = static_cast<wchar_t>(L'0' + rest % 10);
    rest /= 10;
  } while (rest != 0);
  if (negative) out += L'-';
  for (int pad = std::max(digits, 0) - count; pad > 0; --pad) out += L'0';
  while (count > 0) out += reversed[--count];
}

std::wstring twoDigits(int number) { return number >= 0 ? zeroPadded(number, 2) : zeroPadded(number, 1); }

int weekdayOf(const CivilTime& time) {
  return isValidDate(time.year, time.month, time.day) ? dayOfWeek(time.year, time.month, time.day) : time.dayOfWeek;
}

}  // namespace tikora
