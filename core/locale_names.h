// The names and formats that dates and times are written with: day and month names, the AM/PM
// markers and the short date and long time formats of the user's regional settings.
#pragma once
#include <array>
#include <string>

namespace tikora {

struct LocaleNames {
  std::array<std::wstring, 7> longDayNames;      // 0 = Sunday .. 6 = Saturday
  std::array<std::wstring, 7> shortDayNames;     // 0 = Sunday .. 6 = Saturday
  std::array<std::wstring, 12> longMonthNames;   // 0 = January .. 11 = December
  std::array<std::wstring, 12> shortMonthNames;  // 0 = January .. 11 = December
  std::wstring amMarker;
  std::wstring pmMarker;
  // Windows picture strings as the regional settings give them ("M/d/yyyy", "h:mm:ss tt").
  std::wstring shortDateFormat;
  std::wstring longTimeFormat;

  friend bool operator==(const LocaleNames&, const LocaleNames&) = default;
};

// United States English, the names a fresh system shows and what tests format with.
inline LocaleNames englishLocaleNames() {
  return LocaleNames{
      {L"Sunday", L"Monday", L"Tuesday", L"Wednesday", L"Thursday", L"Friday", L"Saturday"},
      {L"Sun", L"Mon", L"Tue", L"Wed", L"Thu", L"Fri", L"Sat"},
      {L"January", L"February", L"March", L"April", L"May", L"June", L"July", L"August", L"September", L"October",
       L"November", L"December"},
      {L"Jan", L"Feb", L"Mar", L"Apr", L"May", L"Jun", L"Jul", L"Aug", L"Sep", L"Oct", L"Nov", L"Dec"},
      L"AM",
      L"PM",
      L"M/d/yyyy",
      L"h:mm:ss tt",
  };
}

}  // namespace tikora
