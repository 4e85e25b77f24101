// Day and month names, AM/PM markers and formats from GetLocaleInfoEx, read at the first call
// and again after the system announced a change in the regional settings.
#include "platform/win32/win32_locale.h"

#include <windows.h>

#include <optional>

namespace tikora {

namespace {

std::optional<std::wstring> localeText(const wchar_t* localeName, LCTYPE type) {
  const int needed = GetLocaleInfoEx(localeName, type, nullptr, 0);
  if (needed <= 0) return std::nullopt;
  std::wstring text(static_cast<std::size_t>(needed), L'\0');
  const int written = GetLocaleInfoEx(localeName, type, text.data(), needed);
  if (written <= 0) return std::nullopt;
  text.resize(static_cast<std::size_t>(written) - 1);  // the count includes the closing NUL
  return text;
}

void readInto(std::wstring& target, const wchar_t* localeName, LCTYPE type) {
  // A value the system cannot give keeps the English default already in `target`; an empty
  // value (some locales have no AM/PM markers) is taken as it is.
  if (auto text = localeText(localeName, type)) target = std::move(*text);
}

// The system numbers its day names from Monday (SDAYNAME1) to Sunday (SDAYNAME7); ours run
// from Sunday (0) to Saturday (6).
constexpr LCTYPE kLongDayNames[7] = {LOCALE_SDAYNAME7, LOCALE_SDAYNAME1, LOCALE_SDAYNAME2, LOCALE_SDAYNAME3,
                                     LOCALE_SDAYNAME4, LOCALE_SDAYNAME5, LOCALE_SDAYNAME6};
constexpr LCTYPE kShortDayNames[7] = {LOCALE_SABBREVDAYNAME7, LOCALE_SABBREVDAYNAME1, LOCALE_SABBREVDAYNAME2,
                                      LOCALE_SABBREVDAYNAME3, LOCALE_SABBREVDAYNAME4, LOCALE_SABBREVDAYNAME5,
                                      LOCALE_SABBREVDAYNAME6};
constexpr LCTYPE kLongMonthNames[12] = {LOCALE_SMONTHNAME1,  LOCALE_SMONTHNAME2,  LOCALE_SMONTHNAME3,
                                        LOCALE_SMONTHNAME4,  LOCALE_SMONTHNAME5,  LOCALE_SMONTHNAME6,
                                        LOCALE_SMONTHNAME7,  LOCALE_SMONTHNAME8,  LOCALE_SMONTHNAME9,
                                        LOCALE_SMONTHNAME10, LOCALE_SMONTHNAME11, LOCALE_SMONTHNAME12};
constexpr LCTYPE kShortMonthNames[12] = {
    LOCALE_SABBREVMONTHNAME1, LOCALE_SABBREVMONTHNAME2,  LOCALE_SABBREVMONTHNAME3,  LOCALE_SABBREVMONTHNAME4,
    LOCALE_SABBREVMONTHNAME5, LOCALE_SABBREVMONTHNAME6,  LOCALE_SABBREVMONTHNAME7,  LOCALE_SABBREVMONTHNAME8,
    LOCALE_SABBREVMONTHNAME9, LOCALE_SABBREVMONTHNAME10, LOCALE_SABBREVMONTHNAME11, LOCALE_SABBREVMONTHNAME12};

}  // namespace

const LocaleNames& Win32Locale::names() const {
  if (!stale_) return names_;
  stale_ = false;
  const wchar_t* localeName = localeName_.empty() ? LOCALE_NAME_USER_DEFAULT : localeName_.c_str();
  LocaleNames& names = names_;
  names = englishLocaleNames();
  for (int day = 0; day < 7; ++day) {
    readInto(names.longDayNames[day], localeName, kLongDayNames[day]);
    readInto(names.shortDayNames[day], localeName, kShortDayNames[day]);
  }
  for (int month = 0; month < 12; ++month) {
    readInto(names.longMonthNames[month], localeName, kLongMonthNames[month]);
    readInto(names.shortMonthNames[month], localeName, kShortMonthNames[month]);
  }
  readInto(names.amMarker, localeName, LOCALE_S1159);
  readInto(names.pmMarker, localeName, LOCALE_S2359);
  readInto(names.shortDateFormat, localeName, LOCALE_SSHORTDATE);
  readInto(names.longTimeFormat, localeName, LOCALE_STIMEFORMAT);
  return names_;
}

}  // namespace tikora
