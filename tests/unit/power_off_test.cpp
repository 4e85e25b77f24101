// The power-off timer: the group's handlers, the countdowns by minutes and to an exact time,
// the warning sounds of the last minute, the exact requests to the system, the face line and
// the blinking captions with the "Force Shutdown" blinker.
#include "timeservices/power_off.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clock/settings_schema.h"
#include "tests/unit/time_services_fixture.h"

namespace tikora {
namespace {

const std::wstring kHibernationWarning =
    L"Your system does not support Hibernation.\n\r"
    L"__________________________________________________";  // 50

CivilTime at(int hour, int minute, int second) {
  CivilTime t;
  t.year = 2024;
  t.month = 3;
  t.day = 9;
  t.hour = hour;
  t.minute = minute;
  t.second = second;
  return t;
}

class PowerOffTest : public testing::TimeServicesBench {
 protected:
  void tick(const CivilTime& t) { timer.tick(t, t.hour * 100 + t.minute); }
  void tick(int hour, int minute, int second) { tick(at(hour, minute, second)); }

  void armMinutes(const wchar_t* minutes) {
    settings.powerOffMinutesText = minutes;
    panel[L"CheckBox9"].checked = true;
    timer.onSetMinutesClicked();
  }
  void armExactTime(const wchar_t* hour, const wchar_t* minute) {
    panel[L"ComboBox3"].text = hour;
    panel[L"ComboBox4"].text = minute;
    panel[L"CheckBox10"].checked = true;
    timer.onSetExactTimeClicked();
  }
  void showInClock() {
    panel[L"CheckBox13"].checked = true;
    timer.onShowPowerOffTimeChanged();
  }
  std::size_t exits() const { return power.count(PowerCallKind::ExitWindows); }

  PowerOffTimer timer{context};
};

// ---- Handlers ----

TEST_F(PowerOffTest, SetMinutesArmsAndDisarmsTheGroup) {
  armMinutes(L"5");
  EXPECT_TRUE(panel[L"Label16"].visible);
  EXPECT_FALSE(panel[L"Edit1"].enabled);
  EXPECT_FALSE(panel[L"UpDown1"].enabled);
  EXPECT_FALSE(panel[L"ComboBox3"].enabled);
  EXPECT_FALSE(panel[L"ComboBox4"].enabled);
  EXPECT_FALSE(panel[L"CheckBox10"].enabled) << "only one countdown at a time";
  EXPECT_TRUE(panel[L"CheckBox9"].enabled);
  EXPECT_TRUE(panel[L"CheckBox13"].visible);
  EXPECT_TRUE(panel[L"CheckBox17"].visible);
  EXPECT_TRUE(panel[L"CheckBox31"].visible);
  EXPECT_TRUE(panel[L"RadioButton59"].visible);

  showInClock();
  settings.powerOffTimeInFront = true;
  window.setInFrontOfHands(ClockComponent::PowerOffTime, true);
  tick(10, 0, 0);
  tick(10, 0, 1);
  EXPECT_EQ(timer.counter(), 2);
  EXPECT_EQ(label(ClockComponent::PowerOffTime).text, L" 00:04:58 ");

  panel[L"CheckBox9"].checked = false;
  timer.onSetMinutesClicked();
  EXPECT_EQ(timer.counter(), 0);
  EXPECT_FALSE(panel[L"Label16"].visible);
  EXPECT_TRUE(panel[L"Edit1"].enabled && panel[L"UpDown1"].enabled && panel[L"ComboBox3"].enabled &&
              panel[L"ComboBox4"].enabled && panel[L"CheckBox10"].enabled);
  EXPECT_FALSE(panel[L"CheckBox13"].visible || panel[L"CheckBox17"].visible || panel[L"CheckBox31"].visible ||
               panel[L"RadioButton59"].visible);
  EXPECT_FALSE(panel[L"CheckBox13"].checked) << "\"Show in Clock\" is unticked";
  EXPECT_FALSE(label(ClockComponent::PowerOffTime).visible);
  EXPECT_EQ(label(ClockComponent::PowerOffTime).text, L"");
  EXPECT_FALSE(settings.powerOffTimeInFront) << "\"In Front of Clock Hands\" is unticked";
  EXPECT_EQ(window.layerOrder()[0], ClockComponent::Face);
  EXPECT_EQ(window.layerOrder()[1], ClockComponent::PowerOffTime) << "the line lies on the face again";
}

TEST_F(PowerOffTest, SetExactTimeKeepsTheCounterAndTheTimeBoxes) {
  armMinutes(L"5");
  tick(10, 0, 0);
  panel[L"CheckBox9"].checked = false;
  timer.onSetMinutesClicked();
  tick(10, 0, 1);  // not counting now
  armExactTime(L"11", L"30");
  EXPECT_TRUE(panel[L"Label16"].visible);
  EXPECT_FALSE(panel[L"Edit1"].enabled);
  EXPECT_FALSE(panel[L"UpDown1"].enabled);
  EXPECT_TRUE(panel[L"ComboBox3"].enabled);
  EXPECT_TRUE(panel[L"ComboBox4"].enabled);
  EXPECT_FALSE(panel[L"CheckBox9"].enabled);
  EXPECT_TRUE(panel[L"CheckBox13"].visible && panel[L"CheckBox17"].visible && panel[L"CheckBox31"].visible &&
              panel[L"RadioButton59"].visible);
  panel[L"CheckBox10"].checked = false;
  timer.onSetExactTimeClicked();
  EXPECT_TRUE(panel[L"CheckBox9"].enabled && panel[L"Edit1"].enabled && panel[L"ComboBox3"].enabled);
  EXPECT_FALSE(panel[L"Label16"].visible);
}

TEST_F(PowerOffTest, ActionChoiceShowsForceShutdownOnlyForShutdown) {
  timer.onActionChosen(true);
  EXPECT_TRUE(panel[L"CheckBox33"].visible);
  timer.onActionChosen(false);
  EXPECT_FALSE(panel[L"CheckBox33"].visible);
  timer.onActionChosen(true);
  timer.onActionChosen(false);
  EXPECT_FALSE(panel[L"CheckBox33"].visible);

  panel[L"CheckBox33"].textColour = kCaptionRed;
  settings.forceShutdown = true;
  timer.onForceShutdownChanged();
  EXPECT_EQ(panel[L"CheckBox33"].textColour, kCaptionRed);
  settings.forceShutdown = false;
  timer.onForceShutdownChanged();
  EXPECT_EQ(panel[L"CheckBox33"].textColour, kCaptionBlack);
}

TEST_F(PowerOffTest, MinutesBoxAcceptsWholeNumbersOnly) {
  // A number below 0 would power off at the next tick: it counts as no whole number.
  for (const wchar_t* bad : {L"abc", L"", L"12a", L" 5", L"99999999999", L"-5", L"-1"}) {
    boxes.clear();
    settings.powerOffMinutesText = bad;
    timer.onMinutesEdited();
    EXPECT_EQ(settings.powerOffMinutesText, L"1440") << bad;
    ASSERT_EQ(boxes.shown().size(), 1u) << bad;
    EXPECT_EQ(
        boxes.shown()[0],
        (MessageBoxRequest{
            L"Tikora", L"Set Only Digits from Range 0 to 1440", MessageBoxButtons::Ok, MessageBoxIcon::None, {}}));
  }
  boxes.clear();
  for (const wchar_t* typed : {L"0", L"2000", L"+7", L"-0"}) {
    settings.powerOffMinutesText = typed;
    timer.onMinutesEdited();
    EXPECT_EQ(settings.powerOffMinutesText, typed) << "a number out of range typed by hand stays";
  }
  EXPECT_TRUE(boxes.shown().empty());

  settings.powerOffMinutes = 17;
  timer.onMinutesArrowsClicked();
  EXPECT_EQ(settings.powerOffMinutesText, L"17");
}

TEST_F(PowerOffTest, TimeBoxesFallBackToDoubleZeroSilently) {
  panel[L"ComboBox3"].text = L"x7";
  panel[L"ComboBox4"].text = L"";
  timer.onHourEdited();
  timer.onMinuteEdited();
  EXPECT_EQ(panel[L"ComboBox3"].text, L"00");
  EXPECT_EQ(panel[L"ComboBox4"].text, L"00");
  panel[L"ComboBox3"].text = L"7";
  timer.onHourEdited();
  EXPECT_EQ(panel[L"ComboBox3"].text, L"7");
  EXPECT_TRUE(boxes.shown().empty());
  EXPECT_EQ(exactTimeItemText(7, 24), L"07");
  EXPECT_EQ(exactTimeItemText(-1, 24), L"");
}

TEST_F(PowerOffTest, ShowInClockEmptiesColoursAndShowsTheLine) {
  settings.powerOffTimeColour = 0x00123456;
  window.setText(ClockComponent::PowerOffTime, L" old ");
  showInClock();
  EXPECT_EQ(label(ClockComponent::PowerOffTime).text, L"");
  EXPECT_EQ(label(ClockComponent::PowerOffTime).textColour, 0x00123456u);
  EXPECT_TRUE(label(ClockComponent::PowerOffTime).visible);
  panel[L"CheckBox13"].checked = false;
  timer.onShowPowerOffTimeChanged();
  EXPECT_FALSE(label(ClockComponent::PowerOffTime).visible);
}

// ---- Countdown by minutes ----

TEST_F(PowerOffTest, ThreeMinutesWarnEveryThirdSecondOfTheLastMinuteThenShutDown) {
  settings.powerOffShutdown = true;
  settings.forceShutdown = true;
  settings.powerOffWarningOn = true;
  selectRadioButton(settings, &Settings::warningSound2);
  panel[L"Image3"].bounds = Rect{20, 0, 80, 20};
  armMinutes(L"3");

  std::vector<int> warnedAt;  // C before the tick
  int firstExit = -1;
  for (int c = 0; c < 180; ++c) {
    const std::size_t sounds = asyncSounds().size();
    tick(CivilTime{2024, 3, 9, 6, 10, c / 60, c % 60});
    if (asyncSounds().size() > sounds) warnedAt.push_back(c);
    if (firstExit < 0 && exits() > 0) firstExit = c;
    if (c == 0) {
      EXPECT_EQ(panel[L"Label16"].text, L"00:02:59");
      EXPECT_EQ(panel[L"Label16"].bounds.left, 20 + (80 - 40) / 2) << "8 characters of 5 pixels";
    }
  }
  std::vector<int> expected;
  for (int c = 123; c <= 177; c += 3) expected.push_back(c);
  EXPECT_EQ(warnedAt, expected);
  for (const auto& name : asyncSounds()) EXPECT_EQ(name, L"shutdown1");
  EXPECT_EQ(firstExit, 179) << "the tick that brings the counter to 180";
  EXPECT_EQ(panel[L"Label16"].text, L"00:00:00");
  EXPECT_EQ(power.calls(), (std::vector<PowerCall>{{PowerCallKind::EnableShutdownPrivilege, 0, 0},
                                                   {PowerCallKind::ExitWindows, 12, 0}}));

  tick(6, 13, 0);
  EXPECT_EQ(power.exitWindowsFlags(), (std::vector<std::uint32_t>{12, 12})) << "asked again while still armed";
  EXPECT_EQ(panel[L"Label16"].text, L"00:00:00");
}

TEST_F(PowerOffTest, ZeroMinutesWarnAndHibernateAtTheFirstTick) {
  settings.powerOffHibernate = true;
  settings.powerOffWarningOn = true;
  armMinutes(L"0");
  tick(8, 0, 0);
  EXPECT_EQ(asyncSounds(), (std::vector<std::wstring>{L"shutdown"}));
  EXPECT_EQ(power.calls(),
            (std::vector<PowerCall>{{PowerCallKind::HibernateAllowed, 0, 0}, {PowerCallKind::Hibernate, 0, 0}}));
  EXPECT_FALSE(panel[L"CheckBox9"].checked) << "hibernation disarms";
  EXPECT_EQ(timer.counter(), 0);
  EXPECT_FALSE(panel[L"Label16"].visible);
  tick(8, 0, 1);
  EXPECT_EQ(power.count(PowerCallKind::Hibernate), 1u);
}

TEST_F(PowerOffTest, HibernationRefusedIsToldAfterDisarming) {
  power.setHibernateAllowed(false);
  settings.powerOffHibernate = true;
  armMinutes(L"0");
  tick(8, 0, 0);
  EXPECT_FALSE(panel[L"CheckBox9"].checked);
  EXPECT_EQ(power.count(PowerCallKind::Hibernate), 0u);
  ASSERT_EQ(boxes.shown().size(), 1u);
  EXPECT_EQ(boxes.shown()[0],
            (MessageBoxRequest{L"Warning", kHibernationWarning, MessageBoxButtons::Ok, MessageBoxIcon::Warning, {}}));
}

TEST_F(PowerOffTest, NoActionChosenCountsToZeroAndDoesNothing) {
  armMinutes(L"0");
  tick(8, 0, 0);
  tick(8, 0, 1);
  EXPECT_TRUE(power.calls().empty());
  EXPECT_EQ(panel[L"Label16"].text, L"00:00:00");
}

TEST_F(PowerOffTest, UnreadableMinutesNeitherCountNorAct) {
  settings.powerOffLogOff = true;
  armMinutes(L"0");
  for (const wchar_t* stored : {L"soon", L"-5"}) {
    settings.powerOffMinutesText = stored;  // as loaded, before its change handler ran
    tick(8, 0, 0);
    EXPECT_EQ(timer.counter(), 0) << stored;
    EXPECT_TRUE(power.calls().empty()) << stored;
  }
}

// ---- Countdown to an exact time ----

TEST_F(PowerOffTest, ExactTimeAcrossMidnightLogsOffDuringItsWholeMinute) {
  settings.powerOffLogOff = true;
  settings.forceShutdown = true;  // forcing does not change a log off
  settings.powerOffWarningOn = true;
  selectRadioButton(settings, &Settings::warningSound3);
  armExactTime(L"00", L"01");
  clock.setLocalTime(2024, 3, 9, 23, 58, 0);
  tick(clock.now());
  EXPECT_EQ(panel[L"Label16"].text, L"00:03:00");

  std::vector<std::wstring> exitTimes;
  std::vector<std::wstring> warnTimes;
  for (int i = 1; i <= 270; ++i) {
    clock.advance(std::chrono::seconds(1));
    const CivilTime now = clock.now();
    const std::size_t exitsBefore = exits();
    const std::size_t soundsBefore = asyncSounds().size();
    tick(now);
    const std::wstring stamp = hoursMinutesSeconds(now.hour * 3600 + now.minute * 60 + now.second);
    if (exits() > exitsBefore) exitTimes.push_back(stamp);
    if (asyncSounds().size() > soundsBefore) warnTimes.push_back(stamp);
    if (now.hour == 0 && now.minute == 1 && now.second == 0) {
      EXPECT_EQ(panel[L"Label16"].text, L"00:00:00");
    }
    if (now.hour == 0 && now.minute == 1 && now.second == 1) {
      EXPECT_EQ(panel[L"Label16"].text, L"23:59:59") << "after the target: the same time tomorrow";
    }
  }
  ASSERT_EQ(exitTimes.size(), 60u);
  EXPECT_EQ(exitTimes.front(), L"00:01:00");
  EXPECT_EQ(exitTimes.back(), L"00:01:59");
  for (auto flags : power.exitWindowsFlags()) EXPECT_EQ(flags, 4u);
  EXPECT_EQ(power.count(PowerCallKind::EnableShutdownPrivilege), 60u);
  ASSERT_EQ(warnTimes.size(), 20u) << "R = 57, 54, ... 0";
  EXPECT_EQ(warnTimes.front(), L"00:00:03");
  EXPECT_EQ(warnTimes.back(), L"00:01:00");
  for (const auto& name : asyncSounds()) EXPECT_EQ(name, L"shutdown2");
  EXPECT_TRUE(panel[L"CheckBox10"].checked) << "log off stays armed";
}

TEST_F(PowerOffTest, ExactTimeEarlierThanNowCountsToTomorrow) {
  armExactTime(L"09", L"00");
  tick(10, 0, 0);
  EXPECT_EQ(panel[L"Label16"].text, L"23:00:00");
  armExactTime(L"7", L"5");  // typed by hand, one digit each
  tick(7, 4, 30);
  EXPECT_EQ(panel[L"Label16"].text, L"00:00:30");
}

TEST_F(PowerOffTest, ExactTimeWithHibernationDisarmsAndHibernatesOnce) {
  settings.powerOffHibernate = true;
  armExactTime(L"7", L"5");
  tick(7, 5, 0);
  tick(7, 5, 1);
  EXPECT_EQ(power.count(PowerCallKind::Hibernate), 1u);
  EXPECT_FALSE(panel[L"CheckBox10"].checked);
  EXPECT_TRUE(panel[L"CheckBox9"].enabled);
}

TEST_F(PowerOffTest, ExactTimeIsHourAndMinuteNotTheTwoTextsJoined) {
  // "12" and "5" is five past twelve, not 125 read as 01:25.
  settings.powerOffShutdown = true;
  armExactTime(L"12", L"5");
  tick(1, 25, 0);
  tick(12, 50, 0);
  EXPECT_EQ(exits(), 0u);
  tick(12, 5, 0);
  EXPECT_EQ(power.exitWindowsFlags(), (std::vector<std::uint32_t>{8}));
}

TEST_F(PowerOffTest, ExactShutdownFlagsWithAndWithoutForce) {
  settings.powerOffShutdown = true;
  armExactTime(L"12", L"30");
  tick(12, 29, 59);
  EXPECT_EQ(exits(), 0u);
  tick(12, 30, 0);
  settings.forceShutdown = true;
  tick(12, 30, 1);
  EXPECT_EQ(power.exitWindowsFlags(), (std::vector<std::uint32_t>{8, 12}));
  tick(12, 31, 0);
  EXPECT_EQ(exits(), 2u);
}

// ---- Face line ----

TEST_F(PowerOffTest, FaceLineAlternatesWithTheActionInTheLastMinute) {
  settings.powerOffShutdown = true;
  armMinutes(L"1");
  showInClock();
  tick(10, 0, 0);  // R = 59, even second
  EXPECT_EQ(label(ClockComponent::PowerOffTime).text, L" 00:00:59 ");
  tick(10, 0, 1);
  EXPECT_EQ(label(ClockComponent::PowerOffTime).text, L" SHUTDOWN ");
  EXPECT_EQ(label(ClockComponent::PowerOffTime).bounds.left, 120 - 50 / 2);
  EXPECT_EQ(label(ClockComponent::PowerOffTime).bounds.top, 170);
  tick(10, 0, 2);
  EXPECT_EQ(label(ClockComponent::PowerOffTime).text, L" 00:00:57 ");

  selectRadioButton(settings, &Settings::powerOffLogOff);
  tick(10, 0, 3);
  EXPECT_EQ(label(ClockComponent::PowerOffTime).text, L" LOG OFF ");
  EXPECT_EQ(label(ClockComponent::PowerOffTime).bounds.left, 120 - 45 / 2);
  selectRadioButton(settings, &Settings::powerOffHibernate);
  tick(10, 0, 5);
  EXPECT_EQ(label(ClockComponent::PowerOffTime).text, L" HIBERNATION ");
}

TEST_F(PowerOffTest, FaceLineShowsOnlyTheTimeBeforeTheLastMinute) {
  settings.powerOffShutdown = true;
  armMinutes(L"2");
  showInClock();
  tick(10, 0, 1);
  EXPECT_EQ(label(ClockComponent::PowerOffTime).text, L" 00:01:59 ");
  tick(10, 0, 2);
  EXPECT_EQ(label(ClockComponent::PowerOffTime).text, L" 00:01:58 ");
}

TEST_F(PowerOffTest, FaceLineWithoutActionKeepsTheTimeOnOddSeconds) {
  armMinutes(L"1");
  showInClock();
  tick(10, 0, 0);
  tick(10, 0, 1);
  EXPECT_EQ(label(ClockComponent::PowerOffTime).text, L" 00:00:59 ");
}

// ---- Blinking ----

TEST_F(PowerOffTest, ForcedShutdownBlinksShutdownOnEvenAndForceOnOddSeconds) {
  settings.powerOffShutdown = true;
  settings.forceShutdown = true;
  armMinutes(L"10");
  tick(10, 0, 0);
  EXPECT_EQ(panel[L"RadioButton10"].textColour, kCaptionRed);
  EXPECT_FALSE(timer.blinkTimer().enabled());
  EXPECT_EQ(panel[L"RadioButton11"].textColour, kCaptionBlack);
  EXPECT_EQ(panel[L"RadioButton50"].textColour, kCaptionBlack);

  tick(10, 0, 1);
  EXPECT_EQ(panel[L"RadioButton10"].textColour, kCaptionBlack);
  EXPECT_EQ(panel[L"CheckBox33"].textColour, kCaptionBlack);
  EXPECT_TRUE(timer.blinkTimer().enabled());
  EXPECT_EQ(timer.blinkTimer().interval(), 200u);
  EXPECT_EQ(timer.blinkCounter(), 0);
  std::vector<Colour> flicker;
  for (int i = 0; i < 5; ++i) {
    timer.onBlinkTick();
    flicker.push_back(panel[L"CheckBox33"].textColour.value_or(0xFFFFFFFF));
  }
  EXPECT_EQ(flicker, (std::vector<Colour>{kCaptionRed, kCaptionBlack, kCaptionRed, kCaptionBlack, kCaptionRed}));

  tick(10, 0, 2);
  EXPECT_FALSE(timer.blinkTimer().enabled());
  EXPECT_EQ(panel[L"RadioButton10"].textColour, kCaptionRed);
  tick(10, 0, 3);
  EXPECT_EQ(timer.blinkCounter(), 0) << "each odd second starts the flicker afresh";
  EXPECT_EQ(timer.blinkTimer().starts(), 2u);

  panel[L"CheckBox9"].checked = false;
  timer.onSetMinutesClicked();
  tick(10, 0, 4);
  EXPECT_EQ(panel[L"RadioButton10"].textColour, kCaptionBlack);
  EXPECT_FALSE(timer.blinkTimer().enabled());
}

TEST_F(PowerOffTest, HibernationAndLogOffBlinkRedOnEvenSecondsWhileArmed) {
  settings.powerOffHibernate = true;
  tick(10, 0, 0);
  EXPECT_EQ(panel[L"RadioButton50"].textColour, kCaptionBlack) << "not armed";
  armMinutes(L"10");
  tick(10, 0, 0);
  EXPECT_EQ(panel[L"RadioButton50"].textColour, kCaptionRed);
  tick(10, 0, 1);
  EXPECT_EQ(panel[L"RadioButton50"].textColour, kCaptionBlack);
  selectRadioButton(settings, &Settings::powerOffLogOff);
  tick(10, 0, 2);
  EXPECT_EQ(panel[L"RadioButton11"].textColour, kCaptionRed);
  EXPECT_EQ(panel[L"RadioButton50"].textColour, kCaptionBlack);
  EXPECT_FALSE(timer.blinkTimer().enabled());
}

TEST_F(PowerOffTest, BlinkCounterIsOneByte) {
  for (int i = 0; i < 256; ++i) timer.onBlinkTick();
  EXPECT_EQ(timer.blinkCounter(), 0);
  EXPECT_EQ(panel[L"CheckBox33"].textColour, kCaptionBlack) << "the 256th value taken was 255";
}

}  // namespace
}  // namespace tikora
