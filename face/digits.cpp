#include "face/digits.h"

#include "face/ring.h"

namespace tikora {

std::wstring digitText(int n) { return L" " + std::to_wstring(n) + L" "; }

Point digitLabelTopLeft(int n, const TextSize& size) {
  const Point centre = digitPosition(n);
  return {centre.x - size.width / 2, centre.y - size.height / 2};
}

void placeDigits(DigitLabels& digits, const MeasureText& measure) {
  for (int n = 1; n <= kDigitCount; ++n) {
    DigitLabel& label = digits[n - 1];
    label.text = digitText(n);
    const Point topLeft = digitLabelTopLeft(n, measure(label.text));
    label.left = topLeft.x;
    label.top = topLeft.y;
  }
}

void placeDigits(DigitLabels& digits, const TextMetrics& metrics, const FontSpec& font) {
  placeDigits(digits, [&](std::wstring_view text) { return metrics.measure(text, font); });
}

bool digitVisible(int n, const DigitSwitches& switches) {
  if (switches.digitsOff) return false;
  if (n == 3 && !switches.dateOff) return false;
  if (n == 9 && !switches.weekdayOff) return false;
  return true;
}

void applyDigitVisibility(DigitLabels& digits, const DigitSwitches& switches) {
  for (int n = 1; n <= kDigitCount; ++n) digits[n - 1].visible = digitVisible(n, switches);
}

}  // namespace tikora
