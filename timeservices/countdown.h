// The countdown to a future date and time, shown as an information line on the clock face
// (Label7). Ticking "Show Countdown Time in the Clock  [ days  h:min:sec ]" captures the target
// from the two pickers (written in the user's short date and long time formats and read back,
// as the user would read them) and locks the pickers; every second tick then writes the time
// left: " hh:mm:ss " on the day itself or the day before, " D  hh:mm:ss " further ahead, and
// " Future Date Passed " once the target has gone by.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/datetime.h"
#include "timeservices/context.h"

namespace tikora {

inline constexpr std::wstring_view kFutureDatePassed = L" Future Date Passed ";

// "Wrong Date format !" and its advice, lines joined by "\r", ending in 38 underscores.
std::wstring wrongDateFormatMessage();

// The line for the current time `now` (whole seconds are used), a target date-time `target`,
// the target's second of the day `targetSecond` and the date picker's date `pickerDate`.
std::wstring countdownLine(const CivilTime& now, const DateTime& target, std::int32_t targetSecond,
                           const DateTime& pickerDate);

class Countdown {
 public:
  explicit Countdown(const TimeServicesContext& context) : c_(context) {}

  // The box (settings showCountdown) was clicked or loaded ticked.
  void onShowCountdownChanged();
  // The second tick's countdown step, only while the box is ticked.
  void tick(const CivilTime& now);

  // The target captured last; nothing before the first capture.
  const std::optional<DateTime>& target() const { return target_; }
  std::int32_t targetSecond() const { return targetSecond_; }
  // False after a target text that did not read back, until the next good capture.
  bool targetReadable() const { return readable_; }

 private:
  void capture();

  TimeServicesContext c_;  // a copy: it only holds references
  std::optional<DateTime> target_;
  std::int32_t targetSecond_ = 0;
  bool readable_ = false;
};

}  // namespace tikora
