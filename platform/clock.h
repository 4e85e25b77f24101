// The time of day and the milliseconds since Windows started. The core never reads the system
// time itself: everything that needs "now" asks a Clock, so tests can run a whole day in a blink.
#pragma once
#include <cstdint>

namespace tikora {

// The local wall-clock time, field by field as the system gives it.
struct LocalTime {
  int year = 1970;
  int month = 1;      // 1..12
  int day = 1;        // 1..31
  int dayOfWeek = 4;  // 0 = Sunday .. 6 = Saturday
  int hour = 0;       // 0..23
  int minute = 0;
  int second = 0;
  int millisecond = 0;

  friend bool operator==(const LocalTime&, const LocalTime&) = default;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalTime now() const = 0;
  // Milliseconds since the system started, as a 32-bit count that wraps after about 49.7 days.
  virtual std::uint32_t tickCount() const = 0;
};

}  // namespace tikora
