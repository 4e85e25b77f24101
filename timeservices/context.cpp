// Shared helpers of the time services; see context.h.
#include "timeservices/context.h"

#include <cstdlib>
#include <utility>

#include "clock/program_identity.h"
#include "core/date_parts.h"

namespace tikora {

void setInformationLine(ClockWindowModel& window, const TextMetrics& metrics, ClockComponent label, std::wstring text) {
  window.setText(label, std::move(text));
  window.autoSize(label, metrics);
  const Rect& bounds = window.layer(label).bounds;
  window.setPosition(label, kClockWindowSize / 2 - bounds.width / 2, bounds.top);
}

int centredOver(int pictureLeft, int pictureWidth, int labelWidth) {
  return pictureLeft + std::abs(pictureWidth - labelWidth) / 2;
}

void showTimeOverPicture(ComponentTable& panel, const TextMetrics& metrics, std::wstring_view label,
                         std::wstring_view picture, std::wstring text) {
  ComponentState& shown = panel[label];
  const Rect under = panel[picture].bounds;
  const int width = metrics.measure(text, shown.font.value_or(FontSpec{L"Arial", 8})).width;
  shown.text = std::move(text);
  shown.bounds.left = centredOver(under.left, under.width, width);
  shown.bounds.width = width + 1;  // a pixel to spare, so the last glyph is never clipped
}

std::wstring hoursMinutesSeconds(std::int64_t seconds) {
  if (seconds < 0) seconds = 0;
  const std::int64_t hours = seconds / 3600;
  const int minutes = static_cast<int>(seconds % 3600 / 60);
  const int secs = static_cast<int>(seconds % 60);
  std::wstring text = hours <= 9 ? zeroPadded(hours, 2) : std::to_wstring(hours);
  text += L':';
  text += twoDigits(minutes);
  text += L':';
  text += twoDigits(secs);
  return text;
}

std::optional<std::int32_t> readWholeNumber(std::wstring_view text) {
  std::size_t at = 0;
  bool negative = false;
  if (at < text.size() && (text[at] == L'+' || text[at] == L'-')) {
    negative = text[at] == L'-';
    ++at;
  }
  if (at == text.size()) return std::nullopt;
  std::int64_t value = 0;
  for (; at < text.size(); ++at) {
    const wchar_t c = text[at];
    if (c < L'0' || c > L'9') return std::nullopt;
    value = value * 10 + (c - L'0');
    if (value > 2147483648LL) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > 2147483647LL) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

void showPlainMessage(const TimeServicesContext& context, std::wstring text) {
  MessageBoxRequest request;
  request.caption = std::wstring(kApplicationTitle);
  request.text = std::move(text);
  request.buttons = MessageBoxButtons::Ok;
  request.icon = MessageBoxIcon::None;
  request.owner = std::wstring(context.messageBoxOwner);
  context.messageBoxes.show(request);
}

}  // namespace tikora
