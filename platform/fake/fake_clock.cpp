// Test clock; see fake_clock.h.
#include "platform/fake/fake_clock.h"

namespace tikora {
namespace {

using namespace std::chrono;

std::int64_t toMs(int year, int month, int day, int hour, int minute, int second, int ms) {
  // Month and day may be out of range: count from the first of the (normalised) month.
  const int monthIndex = year * 12 + (month - 1);
  const auto first =
      year_month_day{std::chrono::year{monthIndex / 12}, std::chrono::month{static_cast<unsigned>(monthIndex % 12 + 1)},
                     std::chrono::day{1}};
  const auto start = sys_days{first} + days{day - 1};
  const auto at = start + hours{hour} + minutes{minute} + seconds{second} + milliseconds{ms};
  return duration_cast<milliseconds>(at.time_since_epoch()).count();
}

}  // namespace

FakeClock::FakeClock() : localMs_(toMs(2000, 1, 1, 0, 0, 0, 0)) {}

LocalTime FakeClock::now() const {
  const sys_time<milliseconds> at{milliseconds{localMs_.load()}};
  const auto dayStart = floor<days>(at);
  const year_month_day date{dayStart};
  const hh_mm_ss<milliseconds> time{at - dayStart};
  LocalTime t;
  t.year = static_cast<int>(date.year());
  t.month = static_cast<int>(static_cast<unsigned>(date.month()));
  t.day = static_cast<int>(static_cast<unsigned>(date.day()));
  t.dayOfWeek = static_cast<int>(weekday{dayStart}.c_encoding());
  t.hour = static_cast<int>(time.hours().count());
  t.minute = static_cast<int>(time.minutes().count());
  t.second = static_cast<int>(time.seconds().count());
  t.millisecond = static_cast<int>(time.subseconds().count());
  return t;
}

void FakeClock::setLocalTime(int year, int month, int day, int hour, int minute, int second, int millisecond) {
  localMs_.store(toMs(year, month, day, hour, minute, second, millisecond));
}

void FakeClock::advance(std::chrono::milliseconds step) {
  localMs_.fetch_add(step.count());
  tick_.fetch_add(static_cast<std::uint32_t>(step.count()));
}

}  // namespace tikora
