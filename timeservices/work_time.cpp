// The system work time; see work_time.h.
#include "timeservices/work_time.h"

#include "clock/control_panel_names.h"
#include "core/date_parts.h"

namespace tikora {

std::wstring workTimeText(std::uint32_t ms) {
  constexpr std::uint32_t kDay = 86'400'000;
  constexpr std::uint32_t kHour = 3'600'000;
  constexpr std::uint32_t kMinute = 60'000;
  const std::uint32_t totalSeconds = ms / 1000;
  const int hours = static_cast<int>(totalSeconds % 86400 / 3600);
  const int minutes = static_cast<int>(totalSeconds % 3600 / 60);
  const int seconds = static_cast<int>(totalSeconds % 60);
  if (ms >= kDay)
    return std::to_wstring(ms / kDay) + L" " + twoDigits(hours) + L":" + twoDigits(minutes) + L":" + twoDigits(seconds);
  if (ms >= kHour) return twoDigits(hours) + L":" + twoDigits(minutes) + L":" + twoDigits(seconds);
  if (ms >= kMinute) return twoDigits(minutes) + L":" + twoDigits(seconds);
  return std::to_wstring(seconds);
}

void WorkTime::onCheckWorkTimeChanged() {
  ComponentTable& k = c_.panel;
  k[kWorkTimeLabel].text.clear();
  const bool shown = k[kCheckWorkTimeBox].checked;
  k[kWorkTimeDisplay].visible = k[kWorkTimeLabel].visible = shown;
  if (shown) {
    workTimeTimer_.start();
  } else {
    if (!c_.settings.showWorkTime) workTimeTimer_.stop();
  }
}

void WorkTime::onShowWorkTimeChanged() {
  setInformationLine(c_.clockWindow, c_.textMetrics, ClockComponent::WorkTime, L"");
  c_.clockWindow.setColour(ClockComponent::WorkTime, c_.settings.workTimeColour);
  if (c_.settings.showWorkTime) {
    workTimeTimer_.start();
    c_.clockWindow.setVisible(ClockComponent::WorkTime, true);
  } else {
    c_.clockWindow.setVisible(ClockComponent::WorkTime, false);
    if (!c_.panel[kCheckWorkTimeBox].checked) workTimeTimer_.stop();
  }
}

void WorkTime::onWorkTimeTick() {
  const std::wstring text = workTimeText(c_.clock.tickCount());
  if (c_.panel[kCheckWorkTimeBox].checked)
    showTimeOverPicture(c_.panel, c_.textMetrics, kWorkTimeLabel, kWorkTimeDisplay, text);
  if (c_.settings.showWorkTime)
    setInformationLine(c_.clockWindow, c_.textMetrics, ClockComponent::WorkTime, L" " + text + L" ");
}

}  // namespace tikora
