// All time services wired together for the control panel: the full-hour notification, the
// power-off timer, the countdown, the work time, the spoken announcement and the second tick
// that drives them. The control panel owns one, forwards its controls' events to the handlers
// of the members and runs Timer2, Timer3 and Timer7 through their owners' handlers.
#pragma once
#include <functional>
#include <memory>
#include <string_view>

#include "timeservices/context.h"
#include "timeservices/countdown.h"
#include "timeservices/full_hour.h"
#include "timeservices/panel_timer.h"
#include "timeservices/power_off.h"
#include "timeservices/second_tick.h"
#include "timeservices/tick_time.h"
#include "timeservices/voice_announcement.h"
#include "timeservices/work_time.h"

namespace tikora {

struct TimeServicesSetup {
  // The control panel's effect timer Timer4, and the reset of the digit animation's phase step
  // and odd/even switch when an effect starts.
  PanelTimer* effectTimer = nullptr;
  std::function<void()> resetEffectPhase;
  SecondTickDuties duties;
  // Where announcements run; a thread per announcement when left empty.
  std::unique_ptr<AnnouncementLauncher> launcher;
  // The stored minute, hour and second; the program's own when left empty.
  TickTime* tickTime = nullptr;
};

class TimeServices {
 public:
  // `setup.effectTimer` must be given and outlive this object, as must everything `context`
  // refers to.
  TimeServices(const TimeServicesContext& context, TimeServicesSetup setup);
  TimeServices(const TimeServices&) = delete;
  TimeServices& operator=(const TimeServices&) = delete;

  // Runs the click action of the control behind a value the settings load has just changed, as
  // if the user had clicked it: "ra_to", "ra_lo", "ie_utv" (chosen), "ms_pfr", "chk_st",
  // "chk_ct". False for a value whose control has no action here.
  bool settingLoaded(std::wstring_view name);

 private:
  // Declared first: the announcer refers to it, and it waits for running announcements only
  // after everything else here is gone.
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
