// The system work time: its four text forms, the wrap of the 32-bit millisecond count, where
// the texts go, and when the work time timer runs.
#include "timeservices/work_time.h"

#include <gtest/gtest.h>

#include "tests/unit/time_services_fixture.h"

namespace tikora {
namespace {

constexpr std::uint32_t kSecond = 1000;
constexpr std::uint32_t kMinute = 60 * kSecond;
constexpr std::uint32_t kHour = 60 * kMinute;
constexpr std::uint32_t kDay = 24 * kHour;

TEST(WorkTimeText, FourRanges) {
  EXPECT_EQ(workTimeText(0), L"0");
  EXPECT_EQ(workTimeText(7 * kSecond + 999), L"7");
  EXPECT_EQ(workTimeText(59 * kSecond), L"59");
  EXPECT_EQ(workTimeText(kMinute - 1), L"59");
  EXPECT_EQ(workTimeText(kMinute), L"01:00");
  EXPECT_EQ(workTimeText(61 * kSecond), L"01:01");
  EXPECT_EQ(workTimeText(kHour - 1), L"59:59");
  EXPECT_EQ(workTimeText(kHour), L"01:00:00");
  EXPECT_EQ(workTimeText(23 * kHour + 59 * kMinute + 59 * kSecond), L"23:59:59");
  EXPECT_EQ(workTimeText(kDay), L"1 00:00:00");
  EXPECT_EQ(workTimeText(3 * kDay + 4 * kHour + 5 * kMinute + 6 * kSecond), L"3 04:05:06");
  EXPECT_EQ(workTimeText(0xFFFFFFFFu), L"49 17:02:47");
}

class WorkTimeTest : public testing::TimeServicesBench {
 protected:
  void checkTime(bool ticked) {
    panel[L"CheckBox11"].checked = ticked;
    workTime.onCheckWorkTimeChanged();
  }
  void showInClock(bool ticked) {
    settings.showWorkTime = ticked;
    workTime.onShowWorkTimeChanged();
  }
  WorkTime workTime{context};
};

TEST_F(WorkTimeTest, TimerRunsWhileEitherBoxIsTicked) {
  EXPECT_FALSE(workTime.workTimeTimer().enabled());
  EXPECT_EQ(workTime.workTimeTimer().interval(), 1000u);
  checkTime(true);
  EXPECT_TRUE(workTime.workTimeTimer().enabled());
  EXPECT_TRUE(panel[L"Label19"].visible);
  EXPECT_EQ(panel[L"Label19"].text, L"");
  showInClock(true);
  checkTime(false);
  EXPECT_TRUE(workTime.workTimeTimer().enabled()) << "still shown in the clock";
  EXPECT_FALSE(panel[L"Label19"].visible);
  showInClock(false);
  EXPECT_FALSE(workTime.workTimeTimer().enabled());
  showInClock(true);
  checkTime(true);
  showInClock(false);
  EXPECT_TRUE(workTime.workTimeTimer().enabled()) << "still checked in the panel";
  checkTime(false);
  EXPECT_FALSE(workTime.workTimeTimer().enabled());
}

TEST_F(WorkTimeTest, PanelLabelAndFaceLineFromTheTickCount) {
  panel[L"Image5"].bounds = Rect{300, 0, 90, 20};
  settings.workTimeColour = 0x00010203;
  checkTime(true);
  showInClock(true);
  EXPECT_TRUE(label(ClockComponent::WorkTime).visible);
  EXPECT_EQ(label(ClockComponent::WorkTime).textColour, 0x00010203u);

  clock.setTickCount(3 * kDay + 4 * kHour + 5 * kMinute + 6 * kSecond);
  workTime.onWorkTimeTick();
  EXPECT_EQ(panel[L"Label19"].text, L"3 04:05:06");
  EXPECT_EQ(panel[L"Label19"].bounds.left, 300 + (90 - 50) / 2);
  EXPECT_EQ(label(ClockComponent::WorkTime).text, L" 3 04:05:06 ");
  EXPECT_EQ(label(ClockComponent::WorkTime).bounds.left, 120 - 60 / 2);
  EXPECT_EQ(label(ClockComponent::WorkTime).bounds.top, 154);

  checkTime(false);
  clock.setTickCount(59 * kSecond);
  workTime.onWorkTimeTick();
  EXPECT_EQ(panel[L"Label19"].text, L"") << "the panel label is set only while checked";
  EXPECT_EQ(label(ClockComponent::WorkTime).text, L" 59 ");

  showInClock(false);
  EXPECT_FALSE(label(ClockComponent::WorkTime).visible);
  EXPECT_EQ(label(ClockComponent::WorkTime).text, L"");
}

TEST_F(WorkTimeTest, CountStartsAgainAfterTheWrap) {
  showInClock(true);
  clock.setTickCount(0xFFFFFFFFu - 500);
  workTime.onWorkTimeTick();
  EXPECT_EQ(label(ClockComponent::WorkTime).text, L" 49 17:02:46 ");
  clock.advance(std::chrono::milliseconds(1000));  // past 2^32 milliseconds
  workTime.onWorkTimeTick();
  EXPECT_EQ(label(ClockComponent::WorkTime).text, L" 0 ");
  clock.advance(std::chrono::milliseconds(61000));
  workTime.onWorkTimeTick();
  EXPECT_EQ(label(ClockComponent::WorkTime).text, L" 01:01 ");
}

}  // namespace
}  // namespace tikora
