// The countdown to a future date: the line for the same day, the day before, days ahead and a
// date gone by; the box capturing and locking the target; and a target text that does not read
// back in the user's date format.
#include "timeservices/countdown.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/unit/time_services_fixture.h"

namespace tikora {
namespace {

const std::wstring kWrongDateFormat =
    L"Wrong Date format !\r"
    L"  To fix the problem try to change\r"
    L"  Date format in Regional Settings \r"
    L"  example: 12/05/2022 or 12.05.2022\r"
    L"  After that close and open the program. \r"
    L"______________________________________";  // 38

class CountdownTest : public testing::TimeServicesBench {
 protected:
  void target(int year, int month, int day, int hour, int minute, int second) {
    settings.countdownDate = *DateTime::fromDate(year, month, day);
    settings.countdownTime = *DateTime::fromTime(hour, minute, second);
  }
  void tickBox(bool ticked) {
    settings.showCountdown = ticked;
    countdown.onShowCountdownChanged();
  }
  // The line at the given moment.
  std::wstring lineAt(int year, int month, int day, int hour, int minute, int second, int ms = 0) {
    clock.setLocalTime(year, month, day, hour, minute, second, ms);
    countdown.tick(clock.now());
    return label(ClockComponent::Countdown).text;
  }

  Countdown countdown{context};
};

TEST_F(CountdownTest, SameDayCountsDownToTheSecondThenPasses) {
  clock.setLocalTime(2024, 3, 9, 9, 0, 0);
  target(2024, 3, 9, 15, 0, 0);
  tickBox(true);
  EXPECT_EQ(lineAt(2024, 3, 9, 14, 50, 0), L" 00:10:00 ");
  EXPECT_EQ(label(ClockComponent::Countdown).bounds.left, 120 - 50 / 2);
  EXPECT_EQ(label(ClockComponent::Countdown).bounds.top, 138);
  EXPECT_EQ(lineAt(2024, 3, 9, 15, 0, 0), L" 00:00:00 ");
  EXPECT_EQ(lineAt(2024, 3, 9, 15, 0, 1), L" Future Date Passed ");
  EXPECT_EQ(label(ClockComponent::Countdown).bounds.left, 120 - 100 / 2);
}

TEST_F(CountdownTest, DayBeforeCountsTheHoursAcrossMidnight) {
  target(2024, 3, 10, 1, 0, 0);
  tickBox(true);
  EXPECT_EQ(lineAt(2024, 3, 9, 23, 0, 0), L" 02:00:00 ");
  EXPECT_EQ(lineAt(2024, 3, 10, 0, 30, 0), L" 00:30:00 ") << "the day itself";
  // Less than a whole day ahead although the clock time is earlier than the target's.
  target(2024, 3, 10, 22, 0, 0);
  tickBox(true);
  EXPECT_EQ(lineAt(2024, 3, 9, 23, 0, 0), L" 23:00:00 ");
}

TEST_F(CountdownTest, DaysAheadShowTheDaysAndTheTime) {
  target(2024, 3, 11, 14, 20, 5);
  tickBox(true);
  EXPECT_EQ(lineAt(2024, 3, 9, 14, 20, 5), L" 2  00:00:00 ");
  EXPECT_EQ(lineAt(2024, 3, 9, 14, 20, 5, 700), L" 2  00:00:00 ")
      << "the milliseconds of the tick do not take a day off";
  EXPECT_EQ(lineAt(2024, 3, 9, 15, 20, 5), L" 1  23:00:00 ") << "1 day 23 hours";

  target(2024, 3, 21, 15, 3, 9);
  tickBox(true);
  EXPECT_EQ(lineAt(2024, 3, 9, 10, 0, 0), L" 12  05:03:09 ");
  EXPECT_EQ(label(ClockComponent::Countdown).bounds.left, 120 - 70 / 2);
}

TEST_F(CountdownTest, DateGoneByHasPassed) {
  target(2024, 3, 8, 23, 59, 59);
  tickBox(true);
  EXPECT_EQ(lineAt(2024, 3, 9, 0, 0, 0), L" Future Date Passed ");
  target(2023, 12, 31, 12, 0, 0);
  tickBox(true);
  EXPECT_EQ(lineAt(2024, 3, 9, 0, 0, 0), L" Future Date Passed ");
}

TEST_F(CountdownTest, BoxCapturesTheTargetAndLocksThePickers) {
  settings.countdownColour = 0x00ABCDEF;
  window.setText(ClockComponent::Countdown, L"old");
  target(2024, 5, 1, 8, 30, 15);
  tickBox(true);
  EXPECT_EQ(label(ClockComponent::Countdown).text, L"");
  EXPECT_EQ(label(ClockComponent::Countdown).textColour, 0x00ABCDEFu);
  EXPECT_TRUE(label(ClockComponent::Countdown).visible);
  EXPECT_FALSE(panel[L"DateTimePicker1"].enabled);
  EXPECT_FALSE(panel[L"DateTimePicker2"].enabled);
  ASSERT_TRUE(countdown.target().has_value());
  EXPECT_EQ(*countdown.target(), *DateTime::fromCivil({2024, 5, 1, 0, 8, 30, 15, 0}));
  EXPECT_EQ(countdown.targetSecond(), 8 * 3600 + 30 * 60 + 15);

  tickBox(false);
  EXPECT_FALSE(label(ClockComponent::Countdown).visible);
  EXPECT_EQ(label(ClockComponent::Countdown).text, L"");
  EXPECT_TRUE(panel[L"DateTimePicker1"].enabled);
  EXPECT_TRUE(panel[L"DateTimePicker2"].enabled);
  EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(CountdownTest, DayFirstRegionalFormatReadsBack) {
  LocaleNames names = englishLocaleNames();
  names.shortDateFormat = L"dd.MM.yyyy";
  names.longTimeFormat = L"HH:mm:ss";
  locale.setNames(names);
  target(2024, 3, 12, 15, 0, 0);
  tickBox(true);
  EXPECT_TRUE(boxes.shown().empty());
  EXPECT_EQ(lineAt(2024, 3, 9, 15, 0, 0), L" 3  00:00:00 ");
}

TEST_F(CountdownTest, UnreadableTargetIsToldAndShowsPassedUntilReadAgain) {
  target(2024, 3, 9, 15, 0, 0);
  tickBox(true);
  EXPECT_EQ(lineAt(2024, 3, 9, 14, 0, 0), L" 01:00:00 ");

  LocaleNames monthNames = englishLocaleNames();
  monthNames.shortDateFormat = L"d MMMM yyyy";  // "9 March 2024" does not read back
  locale.setNames(monthNames);
  tickBox(false);
  tickBox(true);
  ASSERT_EQ(boxes.shown().size(), 1u);
  EXPECT_EQ(boxes.shown()[0],
            (MessageBoxRequest{L"Tikora", kWrongDateFormat, MessageBoxButtons::Ok, MessageBoxIcon::None, {}}));
  EXPECT_TRUE(settings.showCountdown) << "the box stays ticked";
  EXPECT_FALSE(panel[L"DateTimePicker1"].enabled);
  EXPECT_FALSE(panel[L"DateTimePicker2"].enabled);
  EXPECT_FALSE(countdown.targetReadable());
  EXPECT_EQ(lineAt(2024, 3, 9, 14, 0, 0), L" Future Date Passed ") << "the old target is not counted to";

  locale.setNames(englishLocaleNames());
  tickBox(false);
  tickBox(true);
  EXPECT_TRUE(countdown.targetReadable());
  EXPECT_EQ(lineAt(2024, 3, 9, 14, 0, 0), L" 01:00:00 ");
}

TEST(CountdownLine, PureFormOfEveryCase) {
  const DateTime day = *DateTime::fromDate(2024, 3, 9);
  const DateTime target = *DateTime::fromCivil({2024, 3, 9, 0, 12, 0, 0, 0});
  const CivilTime morning{2024, 3, 9, 6, 11, 59, 58, 0};
  EXPECT_EQ(countdownLine(morning, target, 12 * 3600, day), L" 00:00:02 ");
  const CivilTime noon{2024, 3, 9, 6, 12, 0, 1, 0};
  EXPECT_EQ(countdownLine(noon, target, 12 * 3600, day), L" Future Date Passed ");
  const CivilTime dayAfter{2024, 3, 10, 0, 1, 0, 0, 0};
  EXPECT_EQ(countdownLine(dayAfter, target, 12 * 3600, day), L" Future Date Passed ");
}

}  // namespace
}  // namespace tikora
