// The planner in the whole program: an item added through the planner that the control panel
// opens, reminded by the panel's second tick, and gone once the reminder closes; and a reminder
// at a full hour whose sound gives way to the chime the same tick started first.
#include <gtest/gtest.h>

#include <memory>

#include "tests/unit/program_fixture.h"

namespace tikora {
namespace {

using E = ComponentEvent;

class ProgramPlannerTest : public ::testing::Test, protected testing::FakeProgramServices {
 protected:
  // The program as start-up makes it, on 14 March 2024 at `hour`:`minute`:35.
  void startAt(int hour, int minute) {
    clock.setLocalTime(2024, 3, 14, hour, minute, 35);
    program = startProgram();
  }
  ComponentTable& panel() { return program->controlPanel()->components(); }
  ComponentTable& planner() { return program->planner()->components(); }
  ComponentTable& popup() { return program->reminder()->components(); }
  // The panel's second tick at `hour`:`minute`:`second` of the same day.
  void tick(int hour, int minute, int second) {
    clock.setLocalTime(2024, 3, 14, hour, minute, second);
    panel().tick(L"Timer2");
  }
  // Through the planner window: an item for today at `hour`:`minute`, with sound.
  void addItem(int hour, int minute, std::wstring title, std::wstring description) {
    panel().raise(L"Button1", E::Click);  // "Open Daily Planner"
    ComponentInput input;
    input.value = *DateTime::fromTime(hour, minute, 0);
    planner().raise(L"DateTimePicker2", E::Change, input);
    input = {};
    input.text = std::move(title);
    planner().raise(L"Edit1", E::Change, input);
    input.text = std::move(description);
    planner().raise(L"Memo1", E::Change, input);
    input = {};
    input.checked = true;
    planner().raise(L"CheckBox1", E::Click, input);
    planner().raise(L"Button1", E::Click);
  }

  std::unique_ptr<ProgramModel> program;
};

const SoundCall kReminderLoop{SoundCallKind::PlayAsyncNoStop, L"powiadomienie", SoundRepeat::Looped, true};

TEST_F(ProgramPlannerTest, AnItemDueNextMinuteIsRemindedAtItsFirstTickAndGoneOnceClosed) {
  startAt(14, 29);
  ComponentInput ticked;
  ticked.checked = true;
  panel().raise(L"CheckBox21", E::Click, ticked);  // "Set Clock Window on Top"
  addItem(14, 30, L"Call Anna", L"About the trip");
  ASSERT_TRUE(registry.value(kPlannerKey, L"Lista0"));
  sound.clearCalls();

  tick(14, 29, 59);
  EXPECT_FALSE(program->reminder()->showing());
  EXPECT_TRUE(program->planner()->showing());
  EXPECT_TRUE(program->clockWindow().stayOnTop());

  tick(14, 30, 0);
  ASSERT_TRUE(program->reminder()->showing());
  for (const auto& [name, text] : {std::pair{L"Label1", L"Item num. 1"},
                                   {L"Label2", L"2:30:00 PM"},
                                   {L"Label3", L"3/14/2024"},
                                   {L"Label5", L"Call Anna"},
                                   {L"Label6", L"About the trip"}})
    EXPECT_EQ(popup()[name].text, text) << name;
  EXPECT_FALSE(program->planner()->showing());
  EXPECT_FALSE(panel()[L"CheckBox21"].checked);
  EXPECT_FALSE(program->settings().alwaysOnTop);
  EXPECT_EQ(sound.calls(), std::vector<SoundCall>{kReminderLoop});

  tick(14, 30, 1);
  tick(14, 30, 2);
  EXPECT_EQ(sound.calls(), std::vector<SoundCall>{kReminderLoop}) << "started once";
  EXPECT_FALSE(program->clockWindow().stayOnTop()) << "the unticked box rules the ticks";

  popup().raise(L"Label4", E::Click);  // "Close"
  EXPECT_FALSE(program->reminder()->showing());
  EXPECT_FALSE(registry.hasKey(kPlannerKey));
  EXPECT_TRUE(planner()[L"ListView1"].rows.empty());
  EXPECT_EQ(sound.calls().back().kind, SoundCallKind::StopAll);
  EXPECT_FALSE(sound.playing());
  EXPECT_TRUE(program->clockWindow().stayOnTop());

  tick(14, 30, 3);
  EXPECT_FALSE(program->reminder()->showing()) << "not shown again within its minute";
  EXPECT_FALSE(program->clockWindow().stayOnTop());
}

TEST_F(ProgramPlannerTest, AtAFullHourTheChimeOfTheSameTickKeepsTheReminderSilent) {
  startAt(14, 59);
  ComponentInput ticked;
  ticked.checked = true;
  panel().raise(L"RadioButton16", E::Click, ticked);  // the first chime, "dzwiek1"
  addItem(15, 0, L"Stand-up", L"");
  sound.clearCalls();

  tick(15, 0, 0);
  EXPECT_TRUE(program->reminder()->showing());
  const SoundCall chime{SoundCallKind::PlayAsyncOnce, L"dzwiek1", SoundRepeat::Once, true};
  const SoundCall refused{SoundCallKind::PlayAsyncNoStop, L"powiadomienie", SoundRepeat::Looped, false};
  EXPECT_EQ(sound.calls(), (std::vector<SoundCall>{chime, refused}));
  sound.finishPlaying();
  tick(15, 0, 1);
  EXPECT_EQ(sound.calls().size(), 2u) << "counted as started: no second try once the chime ends";
}

}  // namespace
}  // namespace tikora
