// The second tick: what one tick samples, the date texts at the first tick and at midnight, the
// fixed order of its duties, the announcement's start second, and a whole simulated day of
// ticks with its exact chimes, announcements, warnings and power-off request.
#include "timeservices/second_tick.h"
#include "clock/settings_schema.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tests/unit/time_services_fixture.h"
#include "timeservices/panel_bindings.h"
#include "timeservices/time_services.h"

namespace tikora {
namespace {

using namespace std::chrono_literals;
using Words = std::vector<std::wstring>;

// Runs announcements on the calling thread and tells the test when one starts.
class RecordingLauncher final : public AnnouncementLauncher {
 public:
  bool launch(std::function<void(std::stop_token)> body) override {
    if (onLaunch) onLaunch();
    body(std::stop_token{});
    return true;
  }
  std::function<void()> onLaunch;
};

std::wstring stamp(const CivilTime& t) {
  return std::to_wstring(t.hour) + L":" + std::to_wstring(t.minute) + L":" + std::to_wstring(t.second);
}

class SecondTickTest : public testing::TimeServicesBench {
 protected:
  SecondTickTest() {
    auto recorder = std::make_unique<RecordingLauncher>();
    launcher = recorder.get();
    TimeServicesSetup setup;
    setup.resetEffectPhase = [this] { ++phaseResets; };
    setup.launcher = std::move(recorder);
    setup.tickTime = &tickTime;
    setup.duties.digitalTimeText = [this](const CivilTime& now, std::wstring& text) {
      note(L"digital text");
      text = keepLog ? stamp(now) : std::wstring();
    };
    setup.duties.dateChanged = [this](const DateTexts& today) {
      note(L"date " + today.day);
      dateChanges.push_back(today);
    };
    setup.duties.scheduledRssReading = [this] {
      note(L"rss");
      ++rssTicks;
    };
    setup.duties.showDigitalTime = [this](const std::wstring& text) { note(L"show " + text); };
    setup.duties.setClockOnTop = [this](bool onTop) { note(onTop ? L"on top" : L"not on top"); };
    setup.duties.remindPlannerItems = [this](const TickSample& sample) {
      note(L"planner " + sample.hhmm);
      ++plannerTicks;
    };
    services = std::make_unique<TimeServices>(context, std::move(setup));
  }

  void tickAt(int year, int month, int day, int hour, int minute, int second) {
    clock.setLocalTime(year, month, day, hour, minute, second);
    services->secondTick.onSecondTick();
  }

  void note(std::wstring entry) {
    if (keepLog) log.push_back(std::move(entry));
  }

  TickTime tickTime;
  bool keepLog = true;
  RecordingLauncher* launcher = nullptr;
  int phaseResets = 0;
  std::vector<std::wstring> log;
  std::vector<DateTexts> dateChanges;
  long rssTicks = 0;
  long plannerTicks = 0;
  std::unique_ptr<TimeServices> services;
};

TEST_F(SecondTickTest, SamplesTheTimeOnceForEveryDuty) {
  tickAt(2024, 3, 9, 7, 5, 9);
  const TickSample& s = services->secondTick.lastSample();
  EXPECT_EQ(s.hhmm, L"0705");
  EXPECT_EQ(s.hhnn, 705);
  EXPECT_EQ(s.hour, 7);
  EXPECT_EQ(s.minute, 5);
  EXPECT_EQ(s.second, 9);
  EXPECT_EQ(tickTime.hour.load(), 7);
  EXPECT_EQ(tickTime.minute.load(), 5);
  EXPECT_EQ(tickTime.second.load(), 9);
  EXPECT_TRUE(services->secondTick.secondTimer().enabled());
  EXPECT_EQ(services->secondTick.secondTimer().interval(), 1000u);
}

TEST_F(SecondTickTest, DateTextsAtTheFirstTickAndAtMidnightOnly) {
  EXPECT_EQ(services->secondTick.storedDates(), DateTexts{});
  tickAt(2024, 3, 9, 23, 59, 58);
  tickAt(2024, 3, 9, 23, 59, 59);
  ASSERT_EQ(dateChanges.size(), 1u);
  EXPECT_EQ(dateChanges[0], (DateTexts{L"09.03.2024", L"Saturday", L"Sat", L"March 9", L"Mar 9"}));
  tickAt(2024, 3, 10, 0, 0, 0);
  tickAt(2024, 3, 10, 0, 0, 1);
  ASSERT_EQ(dateChanges.size(), 2u);
  EXPECT_EQ(dateChanges[1], (DateTexts{L"10.03.2024", L"Sunday", L"Sun", L"March 10", L"Mar 10"}));
  EXPECT_EQ(services->secondTick.storedDates(), dateChanges[1]);
}

TEST_F(SecondTickTest, DutiesRunInTheirFixedOrder) {
  // Minute 0 of an hour with a chime, an effect, an exact-time log off and a countdown.
  settings.alwaysOnTop = true;
  settings.powerOffLogOff = true;
  panel[L"ComboBox3"].text = L"00";
  panel[L"ComboBox4"].text = L"00";
  panel[L"CheckBox10"].checked = true;
  services->powerOff.onSetExactTimeClicked();
  settings.countdownDate = *DateTime::fromDate(2024, 3, 10);
  settings.countdownTime = *DateTime::fromTime(6, 0, 0);
  settings.showCountdown = true;
  services->countdown.onShowCountdownChanged();

  std::vector<std::wstring> seen;  // what the hooks find done when they run
  auto snapshot = [&](const std::wstring& at) {
    seen.push_back(at + L": sounds " + std::to_wstring(sound.calls().size()) + L", effect " +
                   (services->effectTimer().enabled() ? L"on" : L"off") + L", power " +
                   std::to_wstring(power.calls().size()) + L", countdown '" + label(ClockComponent::Countdown).text +
                   L"'");
  };
  services->secondTick.duties().setClockOnTop = [&](bool onTop) {
    log.push_back(onTop ? L"on top" : L"not on top");
    snapshot(L"7");
  };
  services->secondTick.duties().remindPlannerItems = [&](const TickSample& sample) {
    log.push_back(L"planner " + sample.hhmm);
    snapshot(L"16");
  };
  services->secondTick.duties().showDigitalTime = [&](const std::wstring& text) {
    log.push_back(L"show " + text);
    snapshot(L"5");
  };

  tickAt(2024, 3, 10, 0, 0, 0);
  EXPECT_EQ(log, (std::vector<std::wstring>{L"digital text", L"date 10.03.2024", L"rss", L"show 0:0:0", L"on top",
                                            L"planner 0000"}));
  EXPECT_EQ(seen, (std::vector<std::wstring>{L"5: sounds 0, effect off, power 0, countdown ''",
                                             L"7: sounds 1, effect off, power 0, countdown ''",
                                             L"16: sounds 1, effect on, power 2, countdown ' 06:00:00 '"}));
  EXPECT_EQ(sound.startedNames(), (std::vector<std::wstring>{L"dzwiek1"}));
  EXPECT_EQ(phaseResets, 1);
  EXPECT_EQ(power.exitWindowsFlags(), (std::vector<std::uint32_t>{4}));
}

TEST_F(SecondTickTest, AnnouncementComesAfterThePowerOffStepsAndBeforeTheCountdown) {
  settings.hourSoundOff = true;  // no chime: the voice starts at second 0
  settings.hourSound1 = false;
  settings.powerOffShutdown = true;
  settings.powerOffMinutesText = L"0";
  panel[L"CheckBox9"].checked = true;
  services->powerOff.onSetMinutesClicked();
  settings.countdownDate = *DateTime::fromDate(2024, 3, 10);
  settings.countdownTime = *DateTime::fromTime(6, 0, 0);
  settings.showCountdown = true;
  services->countdown.onShowCountdownChanged();
  std::wstring atLaunch;
  launcher->onLaunch = [&] {
    atLaunch = L"power " + std::to_wstring(power.calls().size()) + L", countdown '" +
               label(ClockComponent::Countdown).text + L"'";
  };
  tickAt(2024, 3, 10, 0, 0, 0);
  EXPECT_EQ(atLaunch, L"power 2, countdown ''");
  EXPECT_EQ(label(ClockComponent::Countdown).text, L" 06:00:00 ");
}

TEST_F(SecondTickTest, AnnouncementStartsAtSecondZeroWithoutAChimeElseAtFour) {
  selectRadioButton(settings, &Settings::voiceEvery1Minute);  // every minute
  std::vector<std::wstring> starts;
  launcher->onLaunch = [&] { starts.push_back(stamp(clock.now())); };
  for (int i = 0; i < 120; ++i) tickAt(2024, 3, 9, 10, i / 60, i % 60);
  EXPECT_EQ(starts, (std::vector<std::wstring>{L"10:0:4", L"10:1:4"}));

  starts.clear();
  selectRadioButton(settings, &Settings::hourSoundOff);
  for (int i = 0; i < 120; ++i) tickAt(2024, 3, 9, 11, i / 60, i % 60);
  EXPECT_EQ(starts, (std::vector<std::wstring>{L"11:0:0", L"11:1:0"}));
}

TEST_F(SecondTickTest, ControlsAreReadAfreshAtEveryTick) {
  tickAt(2024, 3, 9, 10, 0, 1);
  settings.alwaysOnTop = true;
  tickAt(2024, 3, 9, 10, 0, 2);
  window.setText(ClockComponent::Countdown, L"kept");
  tickAt(2024, 3, 9, 10, 0, 3);
  std::vector<std::wstring> onTop;
  for (const auto& entry : log)
    if (entry.find(L"on top") != std::wstring::npos) onTop.push_back(entry);
  EXPECT_EQ(onTop, (std::vector<std::wstring>{L"not on top", L"on top", L"on top"}));
  EXPECT_EQ(label(ClockComponent::Countdown).text, L"kept") << "no countdown while unticked";
}

TEST_F(SecondTickTest, PanelControlsRunTheServicesHandlers) {
  bindTimeServices(panel, *services);
  settings.powerOffShutdown = true;
  EXPECT_TRUE(panel.dispatch(L"RadioButton10", ComponentEvent::Click));
  EXPECT_TRUE(panel[L"CheckBox33"].visible);
  selectRadioButton(settings, &Settings::powerOffHibernate);
  EXPECT_TRUE(panel.dispatch(L"RadioButton50", ComponentEvent::Click));
  EXPECT_FALSE(panel[L"CheckBox33"].visible);
  settings.showWorkTime = true;
  EXPECT_TRUE(panel.dispatch(L"CheckBox12", ComponentEvent::Click));
  EXPECT_TRUE(services->workTime.workTimeTimer().enabled());
  EXPECT_TRUE(label(ClockComponent::WorkTime).visible);
  settings.showCountdown = true;
  EXPECT_TRUE(panel.dispatch(L"CheckBox14", ComponentEvent::Click));
  EXPECT_TRUE(services->countdown.targetReadable()) << "the stored target is captured anew";
  EXPECT_FALSE(panel[L"DateTimePicker1"].enabled);
  EXPECT_FALSE(panel.dispatch(L"RadioButton18", ComponentEvent::Click)) << "a sound option has no click action";
  EXPECT_FALSE(panel.dispatch(L"CheckBox31", ComponentEvent::Click));

  // The panel's timers run through the services.
  std::vector<std::wstring> timers;
  for (const auto& entry : panel.timers()) timers.push_back(entry.name);
  EXPECT_EQ(timers, (std::vector<std::wstring>{L"Timer2", L"Timer3", L"Timer4", L"Timer7"}));
  clock.setLocalTime(2024, 3, 9, 10, 1, 0);
  services->effectTimer().start();
  EXPECT_TRUE(panel.tick(L"Timer4"));
  EXPECT_FALSE(services->effectTimer().enabled()) << "the effect ends after minute 0";
}

// Splits the spoken words into phrases, each starting with "it's".
std::vector<Words> phrases(const std::vector<SoundCall>& calls, const std::wstring& its) {
  std::vector<Words> out;
  for (const auto& call : calls) {
    if (call.kind != SoundCallKind::PlaySync) continue;
    if (call.name == its) out.emplace_back();
    if (!out.empty()) out.back().push_back(call.name);
  }
  return out;
}

TEST_F(SecondTickTest, SimulatedDayFiresExactlyTheExpectedDuties) {
  selectRadioButton(settings, &Settings::voiceEvery15Minutes);  // every 15 minutes
  selectRadioButton(settings, &Settings::hourSound3);           // chime "3"
  selectRadioButton(settings, &Settings::femaleVoice);          // female voice
  selectRadioButton(settings, &Settings::powerOffHibernate);    // hibernate after 600 minutes
  selectRadioButton(settings, &Settings::warningSound2);
  settings.powerOffWarningOn = true;
  settings.powerOffMinutesText = L"600";
  panel[L"CheckBox9"].checked = true;
  services->powerOff.onSetMinutesClicked();
  settings.countdownDate = *DateTime::fromDate(2024, 3, 10);
  settings.countdownTime = *DateTime::fromTime(18, 0, 0);
  settings.showCountdown = true;
  services->countdown.onShowCountdownChanged();

  clock.setLocalTime(2024, 3, 9, 12, 0, 0);
  keepLog = false;  // only the counts matter here
  std::vector<std::wstring> hibernatedAt;
  int effectStarts = 0;
  for (int tick = 0; tick < 86'400; ++tick) {
    const std::size_t powerCalls = power.calls().size();
    services->secondTick.onSecondTick();
    if (power.calls().size() != powerCalls) hibernatedAt.push_back(stamp(clock.now()));
    // The effect stops itself at its first step outside minute 0.
    if (services->effectTimer().enabled()) {
      services->onEffectTick();
      if (!services->effectTimer().enabled()) ++effectStarts;
    }
    clock.advance(1s);
  }

  const std::vector<std::wstring> async = asyncSounds();
  EXPECT_EQ(std::count(async.begin(), async.end(), L"dzwiek3"), 24);
  EXPECT_EQ(std::count(async.begin(), async.end(), L"shutdown1"), 19) << "every third second of the last minute";
  EXPECT_EQ(async.size(), 43u);
  EXPECT_EQ(services->effectTimer().starts(), 24u);
  EXPECT_EQ(effectStarts, 24);
  EXPECT_EQ(phaseResets, 24);

  const auto spoken = phrases(sound.calls(), L"its_f");
  ASSERT_EQ(spoken.size(), 96u);
  EXPECT_EQ(services->voice.launched(), 96u);
  EXPECT_EQ(spoken[0], (Words{L"its_f", L"ang_12_f", L"pm_f"}));                         // 12:00
  EXPECT_EQ(spoken[7], (Words{L"its_f", L"ang_15_f", L"to_f", L"ang_2_f", L"pm_f"}));    // 13:45
  EXPECT_EQ(spoken[48], (Words{L"its_f", L"ang_12_f", L"am_f"}));                        // 00:00
  EXPECT_EQ(spoken[95], (Words{L"its_f", L"ang_15_f", L"to_f", L"ang_12_f", L"am_f"}));  // 11:45
  EXPECT_EQ(tickTime.hour.load(), 11);
  EXPECT_EQ(tickTime.minute.load(), 59);

  EXPECT_EQ(hibernatedAt, (std::vector<std::wstring>{L"21:59:59"}));
  EXPECT_EQ(power.calls(),
            (std::vector<PowerCall>{{PowerCallKind::HibernateAllowed, 0, 0}, {PowerCallKind::Hibernate, 0, 0}}));
  EXPECT_FALSE(panel[L"CheckBox9"].checked);

  EXPECT_EQ(dateChanges.size(), 2u);
  EXPECT_EQ(rssTicks, 86'400);
  EXPECT_EQ(plannerTicks, 86'400);
  EXPECT_EQ(label(ClockComponent::Countdown).text, L" 06:00:01 ");
}

}  // namespace
}  // namespace tikora
