// The seeded random source; see random.h.
#include "core/random.h"

namespace tikora {

int SeededRandom::uniform(int low, int high) {
  if (high <= low) return low;
  const std::uint64_t span = std::uint64_t(std::int64_t(high) - low) + 1;
  if (span > 0xFFFFFFFFull) return int(std::int64_t(low) + engine_());
  // Words at or above the largest multiple of the span would favour the small remainders.
  const std::uint64_t limit = (std::uint64_t(1) << 32) / span * span;
  std::uint64_t word = engine_();
  while (word >= limit) word = engine_();
  return int(std::int64_t(low) + std::int64_t(word % span));
}

}  // namespace tikora
