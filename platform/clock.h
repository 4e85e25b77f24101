// The time of day and the milliseconds since Windows started. The core never reads the system
// time itself: everything that needs "now" asks a Clock, so tests can run a whole day in a blink.
#pragma once
#include <cstdint>

#include "core/datetime.h"

namespace tikora {

// The local wall-clock time, field by field as the system gives it.
using LocalTime = CivilTime;

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalTime now() const = 0;
  // Milliseconds since the system started, as a 32-bit count that wraps after about 49.7 days.
  virtual std::uint32_t tickCount() const = 0;
};

}  // namespace tikora
