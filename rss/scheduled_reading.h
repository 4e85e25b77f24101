// Scheduled reading: the selected channel read again every 15 minutes, 30 minutes, 1, 2 or 4
// hours ("Play Selected RSS Channel Every"), as one duty of the second tick. One counter of
// seconds serves every interval and is not reset by choosing another, so after 2000 seconds on
// "1h", choosing "15min" reads at the next tick. With "OFF" chosen the counter stands still.
//
// The read is the "Read RSS Channel" button's own, and runs even while that button is disabled
// (the ticker of an earlier read still on screen); its failures show as a manual read's do. A
// read that falls due while another is still loading waits for that one to end and starts at
// the first tick after it, rather than a second fetch behind the first. A read that falls due
// while the message of an earlier one is on screen is skipped and the count starts again: one
// such box at a time, however long it waits for its OK.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "clock/control_panel_names.h"
#include "clock/settings.h"
#include "rss/feed_reader.h"

namespace tikora {

struct ReadingInterval {
  std::wstring_view option;  // the radio button
  bool Settings::*chosen;
  int seconds;
};
inline constexpr std::array<ReadingInterval, 5> kReadingIntervals{{
    {kRssEvery15MinutesButton, &Settings::rssEvery15Minutes, 900},
    {kRssEvery30MinutesButton, &Settings::rssEvery30Minutes, 1800},
    {kRssEveryHourButton, &Settings::rssEveryHour, 3600},
    {kRssEvery2HoursButton, &Settings::rssEvery2Hours, 7200},
    {kRssEvery4HoursButton, &Settings::rssEvery4Hours, 14400},
}};

class ScheduledReading {
 public:
  // `settings` holds the chosen option as the control panel's radio buttons show it.
  ScheduledReading(const Settings& settings, FeedReader& reader) : settings_(settings), reader_(reader) {}

  // The second tick's duty.
  void tick();
  // The chosen interval in seconds; none for "OFF".
  std::optional<int> interval() const;
  std::int32_t counter() const { return counter_; }

 private:
  const Settings& settings_;
  FeedReader& reader_;
  std::int32_t counter_ = 0;
};

}  // namespace tikora
