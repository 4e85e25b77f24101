// What the time services work on: the live settings, the control panel's components, the
// clock window's labels, and the platform services. One context is handed to every service, so
// they all read the same controls at the moment they need them (nothing is cached).
//
// Also the few text helpers the services share: the information lines of the clock window, a
// label centred over a panel picture, remaining times and whole numbers typed into boxes.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "clock/clock_window_model.h"
#include "clock/settings.h"
#include "core/component.h"
#include "platform/clock.h"
#include "platform/locale.h"
#include "platform/message_box.h"
#include "platform/power.h"
#include "platform/sound.h"
#include "platform/text_metrics.h"

namespace tikora {

inline constexpr Colour kCaptionBlack = 0x000000;
inline constexpr Colour kCaptionRed = 0x0000FF;

struct TimeServicesContext {
  Settings& settings;
  // The control panel's components: the services read and change the controls of their groups
  // ("CheckBox9", "Label16", ...) there.
  ComponentTable& panel;
  ClockWindowModel& clockWindow;
  const TextMetrics& textMetrics;
  const Clock& clock;
  const Locale& locale;
  Sound& sound;
  Power& power;
  MessageBoxService& messageBoxes;
  // The window that owns the boxes, by name (the control panel); none when empty.
  std::wstring_view messageBoxOwner = {};
};

// Sets the text of an information line of the clock window (Label5, Label6, Label7), sizes the
// label to it and centres it on the window: left = 240 / 2 - width / 2. The top is kept.
void setInformationLine(ClockWindowModel& window, const TextMetrics& metrics, ClockComponent label, std::wstring text);

// The left of a label centred over a picture: picture left + |picture width - label width| / 2.
int centredOver(int pictureLeft, int pictureWidth, int labelWidth);

// Sets a panel label that shows a time over its display picture: the text, and the label
// centred over the picture by its measured width.
void showTimeOverPicture(ComponentTable& panel, const TextMetrics& metrics, std::wstring_view label,
                         std::wstring_view picture, std::wstring text);

// Seconds as hours, minutes and seconds, each with at least two digits, joined by ":"
// (3723 -> "01:02:03"; 100 hours -> "100:00:00"). A negative count is taken as 0.
std::wstring hoursMinutesSeconds(std::int64_t seconds);

// A box's text read as a whole number: an optional sign and decimal digits, nothing else, within
// the 32-bit range. Nothing for an empty text, blanks, letters or a number out of range.
std::optional<std::int32_t> readWholeNumber(std::wstring_view text);

// A plain message box of the program: the application title as caption, one OK button.
void showPlainMessage(const TimeServicesContext& context, std::wstring text);

}  // namespace tikora
