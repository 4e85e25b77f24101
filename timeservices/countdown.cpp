// The countdown to a future date; see countdown.h.
#include "timeservices/countdown.h"

#include <utility>

#include "clock/control_panel_names.h"
#include "core/date_parse.h"
#include "core/locale_format.h"

namespace tikora {

std::wstring wrongDateFormatMessage() {
  return L"Wrong Date format !"
         L"\r  To fix the problem try to change"
         L"\r  Date format in Regional Settings "
         L"\r  example: 12/05/2022 or 12.05.2022"
         L"\r  After that close and open the program. "
         L"\r" +
         std::wstring(38, L'_');
}

std::wstring countdownLine(const CivilTime& now, const DateTime& target, std::int32_t targetSecond,
                           const DateTime& pickerDate) {
  const std::int32_t u = now.hour * 3600 + now.minute * 60 + now.second;
  const std::int64_t t = targetSecond;
  const auto today = DateTime::fromDate(now.year, now.month, now.day);
  if (!today) return std::wstring(kFutureDatePassed);
  const auto order = compareDates(pickerDate, *today);
  if (order == std::strong_ordering::equal) {
    if (t < u) return std::wstring(kFutureDatePassed);
    return L" " + hoursMinutesSeconds(t - u) + L" ";
  }
  if (order == std::strong_ordering::less) return std::wstring(kFutureDatePassed);

  // Whole days between the target and now, now taken to the whole second as the tick sampled it.
  CivilTime wholeSecond = now;
  wholeSecond.millisecond = 0;
  const auto nowValue = DateTime::fromCivil(wholeSecond);
  if (!nowValue) return std::wstring(kFutureDatePassed);
  const std::int64_t days = daysBetween(target, *nowValue);
  if (days == 0) return L" " + hoursMinutesSeconds(t - u + 86400) + L" ";
  const std::int64_t left = t >= u ? t - u : t - u + 86400;
  return L" " + std::to_wstring(days) + L"  " + hoursMinutesSeconds(left) + L" ";
}

void Countdown::capture() {
  const Settings& s = c_.settings;
  const LocaleNames& names = c_.locale.names();
  // The target as the pickers show it, read back the way the user's regional settings read it.
  const std::wstring text = shortDateText(s.countdownDate, names) + L" " + longTimeText(s.countdownTime, names);
  const auto parsed = parseDateTime(text, names, c_.clock.now().year);
  if (!parsed) {
    readable_ = false;  // the previous target stays, but the line says the date has passed
    showPlainMessage(c_, wrongDateFormatMessage());
    return;
  }
  target_ = *parsed;
  const CivilTime time = s.countdownTime.civil();
  targetSecond_ = time.hour * 3600 + time.minute * 60 + time.second;
  readable_ = true;
}

void Countdown::onShowCountdownChanged() {
  ComponentTable& k = c_.panel;
  setInformationLine(c_.clockWindow, c_.textMetrics, ClockComponent::Countdown, L"");
  c_.clockWindow.setColour(ClockComponent::Countdown, c_.settings.countdownColour);
  if (!c_.settings.showCountdown) {
    c_.clockWindow.setVisible(ClockComponent::Countdown, false);
    k[kCountdownDatePicker].enabled = true;
    k[kCountdownTimePicker].enabled = true;
    return;
  }
  c_.clockWindow.setVisible(ClockComponent::Countdown, true);
  capture();
  k[kCountdownDatePicker].enabled = false;
  k[kCountdownTimePicker].enabled = false;
}

void Countdown::tick(const CivilTime& now) {
  std::wstring line = readable_ && target_ ? countdownLine(now, *target_, targetSecond_, c_.settings.countdownDate)
                                           : std::wstring(kFutureDatePassed);
  setInformationLine(c_.clockWindow, c_.textMetrics, ClockComponent::Countdown, std::move(line));
}

}  // namespace tikora
