// The time services wired together; see time_services.h.
#include "timeservices/time_services.h"

#include <utility>

namespace tikora {
namespace {

std::unique_ptr<AnnouncementLauncher> launcherOrThreads(std::unique_ptr<AnnouncementLauncher> given) {
  if (given) return given;
  return std::make_unique<ThreadAnnouncementLauncher>();
}

}  // namespace

TimeServices::TimeServices(const TimeServicesContext& context, TimeServicesSetup setup)
    : clock_(context.clock),
      effectStep_(std::move(setup.effectStep)),
      launcher_(launcherOrThreads(std::move(setup.launcher))),
      tickTime(setup.tickTime ? *setup.tickTime : programTickTime()),
      fullHour(context.settings, context.sound, effectTimer_, std::move(setup.resetEffectPhase)),
      powerOff(context),
      countdown(context),
      workTime(context),
      voice(context.sound, tickTime, *launcher_),
      secondTick(context, tickTime, fullHour, powerOff, voice, countdown, std::move(setup.duties)) {}

void TimeServices::onEffectTick() {
  if (effectStep_) return effectStep_(tickTime.minute);
  // The effect runs through minute 0 of the hour and ends at the first tick after it.
  if (clock_.now().minute != 0) effectTimer_.stop();
}

}  // namespace tikora
