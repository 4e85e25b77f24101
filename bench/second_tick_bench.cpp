// Budget of the second tick (native build, optimised):
//   BM_SecondTickWithEveryDuty  one second tick with announcements every quarter hour, a chime,
//                               an armed power-off and a countdown: every duty's test of the
//                               time, and what falls due in the second               <= 10 us
// (A whole simulated day of 86,400 ticks is then under a second, as the unit test runs it.)
#include <benchmark/benchmark.h>

#include <chrono>

#include "clock/control_panel_layout.h"
#include "clock/control_panel_names.h"
#include "clock/settings.h"
#include "clock/settings_schema.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_locale.h"
#include "platform/fake/fake_message_box.h"
#include "platform/fake/fake_power.h"
#include "platform/fake/fake_sound.h"
#include "platform/fake/fake_text_metrics.h"
#include "timeservices/panel_bindings.h"
#include "timeservices/time_services.h"

namespace tikora {
namespace {

void BM_SecondTickWithEveryDuty(benchmark::State& state) {
  Settings settings;
  FakeTextMetrics metrics;
  ComponentTable panel{controlPanelComponents(metrics)};
  setFirstTimeServiceStates(panel);
  ClockWindowModel window;
  FakeClock clock;
  FakeLocale locale;
  FakeSound sound;
  FakePower power;
  FakeMessageBox boxes;
  TimeServicesContext context{settings, panel, window, metrics, clock, locale, sound, power, boxes};
  TimeServicesSetup setup;
  setup.launcher = std::make_unique<InlineAnnouncementLauncher>();
  TickTime tickTime;
  setup.tickTime = &tickTime;
  TimeServices services(context, std::move(setup));
  for (auto button : {&Settings::voiceEvery15Minutes, &Settings::hourSound3, &Settings::femaleVoice,
                      &Settings::powerOffHibernate, &Settings::warningSound2})
    selectRadioButton(settings, button);
  settings.powerOffWarningOn = true;
  settings.powerOffMinutesText = L"600";
  panel[kSetMinutesBox].checked = true;
  services.powerOff.onSetMinutesClicked();
  settings.countdownDate = *DateTime::fromDate(2024, 3, 10);
  settings.countdownTime = *DateTime::fromTime(18, 0, 0);
  settings.showCountdown = true;
  services.countdown.onShowCountdownChanged();
  clock.setLocalTime(2024, 3, 9, 12, 0, 0);
  for (auto _ : state) {
    services.secondTick.onSecondTick();
    clock.advance(std::chrono::seconds(1));
    if (sound.calls().size() > 10000) sound.clearCalls();
  }
}
BENCHMARK(BM_SecondTickWithEveryDuty)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tikora
