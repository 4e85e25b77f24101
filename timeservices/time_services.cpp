// The time services wired together; see time_services.h.
#include "timeservices/time_services.h"

#include <utility>

namespace tikora {
namespace {

std::unique_ptr<AnnouncementLauncher> launcherOrThreads(
    std::unique_ptr<AnnouncementLauncher> given) {
  if (given) return given;
  return std::make_unique<ThreadAnnouncementLauncher>();
}

}  // namespace

TimeServices::TimeServices(const TimeServicesContext& context, TimeServicesSetup setup)
    : launcher_(launcherOrThreads(std::move(setup.launcher))),
      tickTime(setup.tickTime ? *setup.tickTime : programTickTime()),
      fullHour(context.settings, context.sound, *setup.effectTimer,
               std::move(setup.resetEffectPhase)),
      powerOff(context),
      countdown(context),
      workTime(context),
      voice(context.sound, tickTime, *launcher_),
      secondTick(context, tickTime, fullHour, powerOff, voice, countdown, std::move(setup.duties)) {
}

bool TimeServices::settingLoaded(std::wstring_view name) {
  if (name == L"ra_to") {
    powerOff.RadioButton10Click();
  } else if (name == L"ra_lo") {
    powerOff.RadioButton11Click();
  } else if (name == L"ie_utv") {
    powerOff.RadioButton50Click();
  } else if (name == L"ms_pfr") {
    powerOff.CheckBox33Click();
  } else if (name == L"chk_st") {
    workTime.CheckBox12Click();
  } else if (name == L"chk_ct") {
    countdown.CheckBox14Click();
  } else {
    return false;
  }
  return true;
}

}  // namespace tikora
