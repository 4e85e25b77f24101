// The reminder popup: its layout and colours, the due test over the ticks of a minute, a
// reminder from its first tick to its close, the sound that never cuts off another, and the
// close that deletes the item shown even when the planner's list has another row selected.
#include "planner/reminder_popup_model.h"

#include <gtest/gtest.h>

#include "tests/unit/planner_fixture.h"

namespace tikora {
namespace {

using testing::item;

class ReminderPopupTest : public testing::PlannerBench {};

TEST_F(ReminderPopupTest, PartsWhereTheyBelongInTheClockColours) {
  const ComponentTable& table = popup.components();
  // Measured: bold 8 pt is 6 pixels a character and 13 high in the tests.
  const std::tuple<const wchar_t*, Rect, PointerShape> parts[] = {
      {L"TForm4", {0, 0, 492, 261}, PointerShape::Arrow},   {L"Image2", {0, 0, 492, 9}, PointerShape::Drag},
      {L"Image3", {0, 252, 492, 9}, PointerShape::Drag},    {L"Label5", {72, 49, 385, 60}, PointerShape::Arrow},
      {L"Label6", {16, 114, 441, 92}, PointerShape::Arrow}, {L"Image1", {379, 210, 75, 25}, PointerShape::Hand},
      {L"Label4", {402, 215, 30, 13}, PointerShape::Hand},
  };
  for (const auto& [name, bounds, pointer] : parts) {
    EXPECT_EQ(table[name].bounds, bounds) << name;
    EXPECT_EQ(table[name].pointer, pointer) << name;
  }
  EXPECT_EQ(table.window().options, std::uint32_t{kBorderless | kCentred});
  EXPECT_EQ(table[L"Image3"].picture, L"stripe");
  EXPECT_EQ(table.component(L"Image3").options, std::uint32_t{kStretch | kDragsWindow});

  settings.backgroundColour = 0x112233;
  settings.secondsColour = 0x445566;
  settings.handColour = 0x778899;
  settings.digitColour = 0xAABBCC;
  popup.refreshColours();
  EXPECT_EQ(table[L"TForm4"].background, Colour{0x112233});
  for (const auto name : {L"Label1", L"Label2", L"Label3", L"Label4"})
    EXPECT_EQ(table[name].textColour, Colour{0x445566});
  EXPECT_EQ(table[L"Label5"].textColour, Colour{0x778899});
  EXPECT_EQ(table[L"Label6"].textColour, Colour{0xAABBCC});
}

TEST_F(ReminderPopupTest, DueAtEveryTickOfItsMinuteOnItsDateOnly) {
  const std::pair<CivilTime, bool> ticks[] = {
      {{2024, 3, 14, 4, 14, 29, 59}, false}, {{2024, 3, 14, 4, 14, 30, 0}, true},  {{2024, 3, 14, 4, 14, 30, 59}, true},
      {{2024, 3, 14, 4, 14, 31, 0}, false},  {{2024, 3, 15, 5, 14, 30, 0}, false}, {{2024, 3, 14, 4, 2, 30, 0}, false},
  };
  for (const auto& [at, due] : ticks)
    EXPECT_EQ(plannerItemDue(item(L"", 14, 14, 30), sampleTick(at, englishLocaleNames())), due)
        << at.day << " " << at.hour << ":" << at.minute << ":" << at.second;
}

TEST_F(ReminderPopupTest, AReminderFromItsFirstTickToItsClose) {
  store({item(L"Call Anna", 14, 14, 30, true, L"About the trip"), item(L"Later", 15, 9, 0)});
  (void)planner.create();
  planner.open();
  tickAt(14, 14, 29, 59);
  EXPECT_FALSE(popup.showing());

  tickAt(14, 14, 30, 0);
  EXPECT_TRUE(popup.showing());
  for (const auto& [name, text] : {std::pair{L"Label1", L"Item num. 1"},
                                   {L"Label2", L"2:30:00 PM"},
                                   {L"Label3", L"3/14/2024"},
                                   {L"TForm4", L"Call Anna"},
                                   {L"Label5", L"Call Anna"},
                                   {L"Label6", L"About the trip"}})
    EXPECT_EQ(popupAt(name).text, text) << name;
  EXPECT_EQ(popupAt(L"Label2").bounds, (Rect{333, 15, 60, 13}));
  EXPECT_EQ(planner.selectedIndex(), 0);
  EXPECT_FALSE(planner.showing());
  EXPECT_EQ(hookCalls, std::vector<std::wstring>{L"untick always on top"});
  const SoundCall loop{SoundCallKind::PlayAsyncNoStop, L"powiadomienie", SoundRepeat::Looped, true};
  EXPECT_EQ(sound.calls(), std::vector<SoundCall>{loop});

  tickAt(14, 14, 30, 1);
  EXPECT_EQ(popupAt(L"TForm4").raised, 2) << "to the front at every tick of the minute";
  EXPECT_EQ(sound.calls(), std::vector<SoundCall>{loop}) << "the sound starts once";
  tickAt(14, 14, 31, 0);
  EXPECT_TRUE(popup.showing()) << "an unclosed popup stays";
  EXPECT_EQ(at(L"ListView1").rows[0].textColour, kPassedItemColour);

  hookCalls.clear();
  sound.clearCalls();
  popup.components().raise(L"Label4", ComponentEvent::Click);
  EXPECT_FALSE(popup.showing());
  EXPECT_EQ(hookCalls, std::vector<std::wstring>{L"clock on top"});
  EXPECT_EQ(sound.calls(), (std::vector<SoundCall>{{SoundCallKind::StopAll, L"", SoundRepeat::Once, false}}));
  EXPECT_FALSE(popup.reminderSoundFlag());
  EXPECT_EQ(reloaded(), std::vector<PlannerRecord>{item(L"Later", 15, 9, 0)});
  EXPECT_EQ(at(L"ListView1").rows.size(), 1u);
}

TEST_F(ReminderPopupTest, TheSoundInterruptsNoOtherAndIsNotStartedLater) {
  store({item(L"quiet", 14, 15, 0), item(L"loud", 14, 15, 0, true)});
  (void)planner.create();
  (void)sound.playAsyncOnce(L"dzwiek3");  // the full-hour chime
  tickAt(14, 15, 0, 0);
  EXPECT_EQ(popupAt(L"Label1").text, L"Item num. 2") << "the later of two due items stays on show";
  EXPECT_EQ(planner.selectedIndex(), 1);
  EXPECT_EQ(sound.playing(), L"dzwiek3");
  sound.finishPlaying();
  tickAt(14, 15, 0, 1);
  EXPECT_EQ(sound.playing(), std::nullopt);
}

TEST_F(ReminderPopupTest, ClosingDeletesTheItemShownNotTheRowSelected) {
  store({item(L"a", 14, 8, 0), item(L"due", 14, 15, 0), item(L"c", 16, 8, 0)});
  (void)planner.create();
  tickAt(14, 15, 0, 0);
  planner.open();
  planner.deleteItem(0);  // "a" deleted meanwhile
  planner.selectItem(1);  // "c" selected
  popup.closeIfShowing();
  EXPECT_EQ(reloaded(), std::vector<PlannerRecord>{item(L"c", 16, 8, 0)});

  // The item shown was deleted in the planner: closing deletes nothing else.
  store({item(L"due", 14, 15, 0), item(L"keep", 16, 8, 0)});
  (void)planner.create();
  tickAt(14, 15, 0, 0);
  planner.deleteItem(0);
  popup.components().raise(L"Image1", ComponentEvent::Click);
  EXPECT_EQ(reloaded(), std::vector<PlannerRecord>{item(L"keep", 16, 8, 0)});
}

// A tick that finds minutes skipped (the computer asleep, the program stalled) reminds the items
// whose minute fell in the gap, up to a day of it; a clock set back never reminds an item again.
TEST_F(ReminderPopupTest, SkippedMinutesAreRemindedAndAClockSetBackRepeatsNothing) {
  struct Tick {
    int day, hour, minute, second;
    int shown;            // reminders shown at this tick
    const wchar_t* last;  // the one left on show
  };
  struct Case {
    const char* what;
    std::vector<Tick> ticks;
  };
  const Case cases[] = {
      {"three hours asleep", {{14, 14, 0, 0, 0, L""}, {14, 17, 0, 5, 3, L"C"}, {14, 17, 0, 6, 0, L""}}},
      {"a stall through the minute", {{14, 14, 29, 59, 0, L""}, {14, 14, 31, 1, 1, L"A"}, {14, 14, 31, 2, 0, L""}}},
      {"asleep over midnight", {{14, 23, 0, 0, 0, L""}, {15, 9, 30, 0, 1, L"D"}}},
      {"more than a day on", {{14, 14, 0, 0, 0, L""}, {15, 15, 0, 0, 0, L""}}},
      {"the first tick, late", {{14, 17, 0, 0, 0, L""}}},
      {"set back",
       {{14, 14, 30, 0, 1, L"A"},
        {14, 14, 30, 30, 1, L"A"},
        {14, 14, 31, 0, 0, L""},
        {14, 14, 30, 10, 0, L""},
        {14, 14, 25, 0, 0, L""},
        {14, 14, 30, 0, 0, L""},
        {14, 15, 0, 0, 1, L"B"}}},
      {"set back, then a gap", {{14, 17, 0, 0, 0, L""}, {14, 14, 0, 0, 0, L""}, {14, 15, 1, 0, 2, L"B"}}},
  };
  for (const Case& c : cases) {
    store({item(L"A", 14, 14, 30), item(L"B", 14, 15, 0), item(L"C", 14, 16, 45), item(L"D", 15, 9, 0)});
    (void)planner.create();
    PlannerReminders reminders(planner, popup);
    for (const Tick& t : c.ticks) {
      const int raisedBefore = popupAt(L"TForm4").raised;
      popupAt(L"TForm4").text.clear();
      clock.setLocalTime(2024, 3, t.day, t.hour, t.minute, t.second);
      reminders.tick(sampleTick(clock.now(), locale.names()));
      EXPECT_EQ(popupAt(L"TForm4").raised - raisedBefore, t.shown) << c.what << " at " << t.hour << ":" << t.minute;
      EXPECT_EQ(popupAt(L"TForm4").text, t.last) << c.what << " at " << t.hour << ":" << t.minute;
    }
  }
}

}  // namespace
}  // namespace tikora
