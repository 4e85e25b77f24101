// Scheduled reading; see scheduled_reading.h.
#include "rss/scheduled_reading.h"

#include <limits>

namespace tikora {

std::optional<int> ScheduledReading::interval() const {
  for (const ReadingInterval& option : kReadingIntervals)
    if (settings_.*option.chosen) return option.seconds;
  return std::nullopt;
}

void ScheduledReading::tick() {
  const std::optional<int> seconds = interval();
  if (!seconds) return;
  if (counter_ < std::numeric_limits<std::int32_t>::max()) ++counter_;
  if (counter_ < *seconds) return;
  if (reader_.loading()) return;  // due, and waiting for the read under way
  counter_ = 0;
  (void)reader_.Read();
}

}  // namespace tikora
