// All time services wired together for the control panel: the full-hour notification, the
// power-off timer, the countdown, the work time, the spoken announcement and the second tick
// that drives them. The control panel owns one, forwards its controls' events to the handlers
// of the members and runs the second, work time and blinking timers through their owners' handlers.
#pragma once
#include <functional>
#include <memory>
#include <string_view>

#include "core/component.h"
#include "timeservices/context.h"
#include "timeservices/countdown.h"
#include "timeservices/full_hour.h"
#include "timeservices/power_off.h"
#include "timeservices/second_tick.h"
#include "timeservices/tick_time.h"
#include "timeservices/voice_announcement.h"
#include "timeservices/work_time.h"

namespace tikora {

struct TimeServicesSetup {
  // The reset of the digit animation's phase step and odd/even switch when an effect starts,
  // and the animation's tick of the effect timer with the minute the second tick last stored (it steps in
  // minute 0 and stops the timer after it).
  std::function<void()> resetEffectPhase;
  std::function<void(int minute)> effectStep;
  SecondTickDuties duties;
  // Where announcements run; a thread per announcement when left empty.
  std::unique_ptr<AnnouncementLauncher> launcher;
  // The stored minute, hour and second; the program's own when left empty.
  TickTime* tickTime = nullptr;
};

class TimeServices {
 public:
  // Everything `context` refers to must outlive this object.
  TimeServices(const TimeServicesContext& context, TimeServicesSetup setup);
  TimeServices(const TimeServices&) = delete;
  TimeServices& operator=(const TimeServices&) = delete;

  // The control panel's effect timer: the digit animation's steps during minute 0.
  ModelTimer& effectTimer() { return effectTimer_; }
  // A tick of the effect timer: the effect's tick; without an effect, the first tick after minute 0 stops
  // the timer.
  void onEffectTick();

 private:
  const Clock& clock_;
  ModelTimer effectTimer_{1000, false};
  std::function<void(int minute)> effectStep_;
  // The announcer refers to it, and it waits for running announcements only after everything
  // declared below it is gone.
  std::unique_ptr<AnnouncementLauncher> launcher_;

 public:
  TickTime& tickTime;
  FullHour fullHour;
  PowerOffTimer powerOff;
  Countdown countdown;
  WorkTime workTime;
  VoiceAnnouncer voice;
  SecondTick secondTick;
};

}  // namespace tikora
