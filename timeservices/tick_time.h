// The current minute, hour and second as the second tick last sampled them: single bytes that
// only the tick writes and that the spoken announcement reads from its own thread. Atomic bytes,
// so the reading thread needs no lock and never sees a torn value.
#pragma once
#include <atomic>
#include <cstdint>

namespace tikora {

struct TickTime {
  std::atomic<std::uint8_t> minute{0};  // 0..59
  std::atomic<std::uint8_t> hour{0};    // 0..23
  std::atomic<std::uint8_t> second{0};  // 0..59
};

// The program's own instance, written by the control panel's second tick.
inline TickTime& programTickTime() {
  static TickTime time;
  return time;
}

}  // namespace tikora
