// The second tick; see second_tick.h.
#include "timeservices/second_tick.h"

#include <utility>

#include "core/date_format.h"

namespace tikora {

TickSample sampleTick(const CivilTime& now, const LocaleNames& names) {
  TickSample s;
  sampleTickInto(s, now, names);
  return s;
}

void sampleTickInto(TickSample& s, const CivilTime& now, const LocaleNames& names) {
  s.time = now;
  formatDateTimeInto(s.hhmm, L"hhmm", now, names);
  s.minute = now.minute;
  s.hour = now.hour;
  s.second = now.second;
  // "hhnn" is "hhmm" read as a number: the minutes follow the hour.
  s.hhnn = readWholeNumber(s.hhmm).value_or(now.hour * 100 + now.minute);
  formatDateTimeInto(s.day, L"dd.mm.yyyy", now, names);
}

SecondTick::SecondTick(const TimeServicesContext& context, TickTime& tickTime, FullHour& fullHour,
                       PowerOffTimer& powerOff, VoiceAnnouncer& voice, Countdown& countdown, SecondTickDuties duties)
    : c_(context),
      tickTime_(tickTime),
      fullHour_(fullHour),
      powerOff_(powerOff),
      voice_(voice),
      countdown_(countdown),
      duties_(std::move(duties)) {}

void SecondTick::onSecondTick() {
  const Settings& s = c_.settings;
  const CivilTime now = c_.clock.now();

  // 1
  if (duties_.digitalTimeText) duties_.digitalTimeText(now, digitalTime_);

  // 2
  const LocaleNames& names = c_.locale.names();
  sampleTickInto(sample_, now, names);
  tickTime_.minute.store(static_cast<std::uint8_t>(sample_.minute));
  tickTime_.hour.store(static_cast<std::uint8_t>(sample_.hour));
  tickTime_.second.store(static_cast<std::uint8_t>(sample_.second));

  // 3
  if (sample_.day != storedDates_.day) {
    storedDates_ = dateTextsOf(now, names);
    if (duties_.dateChanged) duties_.dateChanged(storedDates_);
  }

  // 4
  if (duties_.scheduledRssReading) duties_.scheduledRssReading();

  // 5
  if (duties_.showDigitalTime) duties_.showDigitalTime(digitalTime_);

  // 6
  fullHour_.chime(sample_.minute, sample_.second);

  // 7
  if (duties_.setClockOnTop) duties_.setClockOnTop(s.alwaysOnTop);

  // 8
  fullHour_.startVisualEffect(sample_.minute);

  // 9 to 13
  powerOff_.tick(now, sample_.hhnn);

  // 14
  if (announcementDue(s, sample_.minute, sample_.second)) voice_.start(s);

  // 15
  if (s.showCountdown) countdown_.tick(now);

  // 16
  if (duties_.remindPlannerItems) duties_.remindPlannerItems(sample_);
}

}  // namespace tikora
