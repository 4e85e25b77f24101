// The second tick (the control panel's second timer, every 1000 ms, from start to end): samples the
// clock once and runs every time-of-day duty in a fixed order:
//
//    1  digital time text                     9  power-off countdown by minutes
//    2  sample: hhmm, minute, hour, second,  10  power-off countdown to an exact time
//       hhnn, today's date texts             11  exact-time power-off action
//    3  date texts, at a date change only    12  minutes power-off action
//    4  scheduled RSS reading                13  blinking of the power-off options
//    5  digital time on the face             14  spoken time announcement
//    6  full-hour chime                      15  countdown to the future date
//    7  stay on top                          16  planner reminders
//    8  full-hour visual effect start
//
// The duties of other subsystems (the face's texts, RSS reading, the clock window's style, the
// planner) are slots the control panel fills; an empty slot is skipped. Everything is read afresh
// at each tick, so a change in the control panel takes effect at the next one.
#pragma once
#include <functional>
#include <string>

#include "core/component.h"
#include "core/date_format.h"
#include "core/datetime.h"
#include "core/locale_names.h"
#include "timeservices/context.h"
#include "timeservices/countdown.h"
#include "timeservices/full_hour.h"
#include "timeservices/power_off.h"
#include "timeservices/tick_time.h"
#include "timeservices/voice_announcement.h"

namespace tikora {

// What one tick samples from the clock. The other four forms of today's date are made only
// when `day` shows the date has changed (SecondTick::storedDates).
struct TickSample {
  CivilTime time;
  std::wstring hhmm;  // "hhmm": four digits, for the planner
  int minute = 0;
  int hour = 0;
  int second = 0;
  int hhnn = 0;      // "hhnn" read as a number: hour * 100 + minute
  std::wstring day;  // "dd.mm.yyyy"
};

TickSample sampleTick(const CivilTime& now, const LocaleNames& names);
// The same into `sample`, whose texts keep their buffers from second to second.
void sampleTickInto(TickSample& sample, const CivilTime& now, const LocaleNames& names);

struct SecondTickDuties {
  // 1: the digital time text for the sampled time, written over `text` (which keeps its buffer
  // from second to second).
  std::function<void(const CivilTime& now, std::wstring& text)> digitalTimeText;
  // 3: the weekday and date labels from the new date texts (only when the date changed).
  std::function<void(const DateTexts& today)> dateChanged;
  // 4: the scheduled reading of the selected RSS channel.
  std::function<void()> scheduledRssReading;
  // 5: the digital time on the face (hidden or shown with the text of step 1).
  std::function<void(const std::wstring& text)> showDigitalTime;
  // 7: the clock window's stay-on-top style ("Set Clock Window on Top").
  std::function<void(bool onTop)> setClockOnTop;
  // 16: planner items due at the sampled time.
  std::function<void(const TickSample& sample)> remindPlannerItems;
};

class SecondTick {
 public:
  SecondTick(const TimeServicesContext& context, TickTime& tickTime, FullHour& fullHour, PowerOffTimer& powerOff,
             VoiceAnnouncer& voice, Countdown& countdown, SecondTickDuties duties = {});
  SecondTick(const SecondTick&) = delete;
  SecondTick& operator=(const SecondTick&) = delete;

  // One tick; called by the second timer once a second.
  void onSecondTick();

  ModelTimer& secondTimer() { return secondTimer_; }
  SecondTickDuties& duties() { return duties_; }
  // The date texts of the last date change (all empty before the first tick).
  const DateTexts& storedDates() const { return storedDates_; }
  const TickSample& lastSample() const { return sample_; }

 private:
  TimeServicesContext c_;  // a copy: it only holds references
  TickTime& tickTime_;
  FullHour& fullHour_;
  PowerOffTimer& powerOff_;
  VoiceAnnouncer& voice_;
  Countdown& countdown_;
  SecondTickDuties duties_;
  ModelTimer secondTimer_{1000, true};
  DateTexts storedDates_;
  TickSample sample_;
  std::wstring digitalTime_;  // the digital time of the last tick, its buffer kept
};

}  // namespace tikora
