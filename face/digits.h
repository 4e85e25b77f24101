// The twelve digit labels of the face: their texts, their places centred on the digit ring and
// which of them show, given the digits, weekday and date "OFF" switches.
#pragma once
#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "core/painter.h"
#include "platform/text_metrics.h"

namespace tikora {

inline constexpr int kDigitCount = 12;

struct DigitLabel {
  std::wstring text;
  int left = 0;
  int top = 0;
  bool visible = true;
  friend bool operator==(const DigitLabel&, const DigitLabel&) = default;
};

// cyfra1 to cyfra12, at index 0 to 11.
using DigitLabels = std::array<DigitLabel, kDigitCount>;

// " 1 " to " 12 ": the number with a blank on each side.
std::wstring digitText(int n);

// Top-left corner of digit n's label of the given size, so that its centre is the digit's ring
// position: left = x - width div 2, top = y - height div 2.
Point digitLabelTopLeft(int n, const TextSize& size);

// How big a label showing the text is, in the digits' current font.
using MeasureText = std::function<TextSize(std::wstring_view)>;

// Sets each label's text and places it by digitLabelTopLeft with the size measured for the new
// text.
void placeDigits(DigitLabels& digits, const MeasureText& measure);
void placeDigits(DigitLabels& digits, const TextMetrics& metrics, const FontSpec& font);

// The "OFF" switches the digits' visibility depends on.
struct DigitSwitches {
  bool digitsOff = false;   // digits "OFF": hide all twelve
  bool weekdayOff = false;  // weekday "OFF": when not ticked the weekday stands where 9 would be
  bool dateOff = false;     // date "OFF": when not ticked the date stands where 3 would be
};

bool digitVisible(int n, const DigitSwitches& switches);
void applyDigitVisibility(DigitLabels& digits, const DigitSwitches& switches);

}  // namespace tikora
