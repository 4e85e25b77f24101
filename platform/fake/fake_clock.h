// A clock for tests: the local time and the tick count stand still until the test sets or
// advances them. Advancing moves both; setting the local time leaves the tick count alone, as
// changing the system time does on Windows.
#pragma once
#include <atomic>
#include <chrono>
#include <cstdint>

#include "platform/clock.h"

namespace tikora {

class FakeClock : public Clock {
 public:
  // Starts at Saturday 1 January 2000, 00:00:00.000, with a tick count of 0.
  FakeClock();

  LocalTime now() const override;
  std::uint32_t tickCount() const override { return tick_.load(); }

  // The day of the week follows from the date. Out-of-range fields roll over (25:00 is 01:00
  // of the next day).
  void setLocalTime(int year, int month, int day, int hour, int minute, int second, int millisecond = 0);
  void setTickCount(std::uint32_t ticks) { tick_.store(ticks); }
  // Moves the local time and the tick count forward (the tick count wraps at 2^32).
  void advance(std::chrono::milliseconds step);

 private:
  // Local time as milliseconds since 1 January 1970 00:00, read as if it were UTC.
  std::atomic<std::int64_t> localMs_;
  std::atomic<std::uint32_t> tick_{0};
};

}  // namespace tikora
