// The system work time; see work_time.h.
#include "timeservices/work_time.h"

#include "core/date_format.h"

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

void WorkTime::CheckBox11Click() {
  ComponentTable& k = c_.panel;
  k[L"Label19"].text.clear();
  const bool shown = k[L"CheckBox11"].checked;
  k[L"Image5"].visible = k[L"Label19"].visible = shown;
  if (shown) {
    timer3_.start();
  } else {
    if (!c_.settings.showWorkTime) timer3_.stop();
  }
}

void WorkTime::CheckBox12Click() {
  setInformationLine(c_.clockWindow, c_.textMetrics, ClockComponent::Label6, L"");
  c_.clockWindow.setColour(ClockComponent::Label6, c_.settings.workTimeColour);
  if (c_.settings.showWorkTime) {
    timer3_.start();
    c_.clockWindow.setVisible(ClockComponent::Label6, true);
  } else {
    c_.clockWindow.setVisible(ClockComponent::Label6, false);
    if (!c_.panel[L"CheckBox11"].checked) timer3_.stop();
  }
}

void WorkTime::Timer3Timer() {
  const std::wstring text = workTimeText(c_.clock.tickCount());
  if (c_.panel[L"CheckBox11"].checked) showTimeOverPicture(c_.panel, c_.textMetrics, L"Label19", L"Image5", text);
  if (c_.settings.showWorkTime)
    setInformationLine(c_.clockWindow, c_.textMetrics, ClockComponent::Label6, L" " + text + L" ");
}

}  // namespace tikora
