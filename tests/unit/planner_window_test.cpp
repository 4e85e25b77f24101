// The planner window: its layout, a user's way through it (open, add, select, delete, OK), the
// row colours around now, and rows and deletes that work from the records whatever the
// regional formats did meanwhile.
#include "planner/planner_window_model.h"

#include <gtest/gtest.h>

#include "tests/unit/planner_fixture.h"

namespace tikora {
namespace {

using namespace testing;

class PlannerWindowTest : public testing::PlannerBench {};

TEST_F(PlannerWindowTest, EveryControlInsideItsGroupApartFromTheOthersWithItsCaptionWhole) {
  metrics.setExtraWidthPerCharacter(L"MS Sans Serif", 1);  // a face wider than the tests' usual
  PlannerWindowModel wide({registry, codePage, clock, locale, metrics, boxes});
  const ComponentTable& table = wide.components();
  for (const Component& c : table.all()) {
    if (c.kind == ComponentKind::Window) continue;
    Rect inside{0, 0, kPlannerClientWidth, kPlannerClientHeight};
    if (c.parent != L"TForm3") {
      const Rect group = table[c.parent].bounds;
      inside = Rect::fromEdges(group.left + 8, group.top + 16, group.right() - 8, group.bottom() - 8);
    }
    const Rect& b = c.state.bounds;
    EXPECT_TRUE(b.left >= inside.left && b.top >= inside.top && b.right() <= inside.right() &&
                b.bottom() <= inside.bottom())
        << c.name;
    for (const Component& other : table.all()) {
      if (&other != &c && other.parent == c.parent) {
        EXPECT_FALSE(b.intersects(other.state.bounds)) << c.name << " and " << other.name;
      }
    }
    if (c.kind != ComponentKind::TimePicker) {
      const int room = c.kind == ComponentKind::Label ? 0 : 16;
      EXPECT_GE(b.width, metrics.measure(c.state.text, *table[L"TForm3"].font).width + room) << c.name;
    }
  }
  EXPECT_EQ(table.window().options, std::uint32_t{kCentred});
  EXPECT_TRUE(table[L"Button1"].isDefault) << "Enter adds";
  EXPECT_EQ(table[L"DateTimePicker2"].text, L"HH:mm");
  EXPECT_EQ(table[L"Edit1"].textLimit, 96);
  EXPECT_EQ(table[L"Memo1"].textLimit, 255);
  EXPECT_EQ(table.component(L"ListView1").options, std::uint32_t{kGridLines});
  EXPECT_EQ(table[L"ListView1"].columns, (std::vector<ListColumn>{{L"Item", 40},
                                                                  {L"Date", 80},
                                                                  {L"Time", 70},
                                                                  {L"Title", 130},
                                                                  {L"Description  [ What to Do ]", 280},
                                                                  {L"Sound", 50}}));
  EXPECT_EQ(table[L"Label6"].textColour, Colour{0x808080});
  EXPECT_EQ(table[L"Label7"].textColour, Colour{0x0000FF});
  EXPECT_EQ(table[L"Label8"].textColour, Colour{0xFF0000});
}

TEST_F(PlannerWindowTest, OpenAddSelectDeleteAndClose) {
  (void)planner.create();
  EXPECT_FALSE(at(L"Button2").enabled);
  clock.setLocalTime(2024, 3, 14, 14, 29, 35);
  planner.open();
  const DateTime opened = *DateTime::fromCivil(clock.now());
  EXPECT_EQ(at(L"DateTimePicker1").value, opened);
  EXPECT_EQ(at(L"DateTimePicker2").value, *DateTime::fromTime(14, 29, 0)) << "seconds 0";
  EXPECT_TRUE(at(L"TForm3").visible);

  raise(L"DateTimePicker2", ComponentEvent::Change, picked(*DateTime::fromTime(14, 45, 0)));
  raise(L"Edit1", ComponentEvent::Change, typed(L"Dentist"));
  raise(L"Memo1", ComponentEvent::Change, typed(L"Bring the card\r\nCall first"));
  raise(L"CheckBox1", ComponentEvent::Click, ticked(true));
  raise(L"Button1", ComponentEvent::Click);
  EXPECT_EQ(
      at(L"ListView1").rows,
      (std::vector<ListRow>{
          {{L"1", L"3/14/2024", L"2:45:00 PM", L"Dentist", L"Bring the card Call first", L"Yes"}, kTodayItemColour}}));
  PlannerRecord dentist = item(L"Dentist", 14, 14, 45, true, L"Bring the card\r\nCall first");
  dentist.date = opened;
  EXPECT_EQ(reloaded(), std::vector<PlannerRecord>{dentist});

  raise(L"DateTimePicker1", ComponentEvent::Change, picked(*DateTime::fromDate(2024, 3, 15)));
  raise(L"CheckBox1", ComponentEvent::Click, ticked(false));
  raise(L"Button1", ComponentEvent::Click);
  EXPECT_EQ(at(L"ListView1").rows[1].textColour, kLaterDayItemColour);

  raise(L"ListView1", ComponentEvent::Change, rowSelected(0));
  EXPECT_TRUE(at(L"Button2").enabled);
  raise(L"ListView1", ComponentEvent::Click, rowSelected(-1));
  EXPECT_FALSE(at(L"Button2").enabled) << "a click that leaves nothing selected";
  raise(L"ListView1", ComponentEvent::Change, rowSelected(0));
  raise(L"Button2", ComponentEvent::Click);
  EXPECT_EQ(at(L"ListView1").rows,
            (std::vector<ListRow>{{{L"1", L"3/15/2024", L"2:45:00 PM", L"Dentist", L"Bring the card Call first", L"No"},
                                   kLaterDayItemColour}}));
  EXPECT_FALSE(at(L"Button2").enabled);
  EXPECT_EQ(reloaded(), planner.items().records());

  raise(L"Button3", ComponentEvent::Click);
  EXPECT_FALSE(planner.showing());
  planner.open();
  raise(L"TForm3", ComponentEvent::Close);
  EXPECT_FALSE(planner.showing());
  EXPECT_EQ(planner.items().count(), 1) << "closing only hides";
}

// An item the registry refuses stays in the list for this run, and the user is told: otherwise
// it would be gone at the next start without a word.
TEST_F(PlannerWindowTest, AnItemTheRegistryRefusesIsTold) {
  const std::wstring notSaved =
      L" This item could not be saved in the registry.\r"
      L"   It stays in the list while Tikora runs, and is\r"
      L"   saved with the next change that can be saved.\r"
      L"__________________________________________________";
  (void)planner.create();
  planner.open();
  raise(L"Edit1", ComponentEvent::Change, typed(L"Refused"));
  registry.failWritesOf(plannerValueName(0));
  raise(L"Button1", ComponentEvent::Click);
  ASSERT_EQ(boxes.texts(), std::vector<std::wstring>{notSaved});
  EXPECT_EQ(boxes.shown()[0].caption, L"Tikora");
  EXPECT_EQ(boxes.shown()[0].buttons, MessageBoxButtons::Ok);
  EXPECT_EQ(boxes.shown()[0].owner, L"TForm3") << "the planner owns it";
  EXPECT_EQ(at(L"ListView1").rows.size(), 1u);
  EXPECT_TRUE(reloaded().empty());

  // The next add that the registry takes saves both, and says nothing.
  registry.clearFaults();
  raise(L"Edit1", ComponentEvent::Change, typed(L"Taken"));
  raise(L"Button1", ComponentEvent::Click);
  EXPECT_EQ(boxes.shown().size(), 1u);
  EXPECT_EQ(reloaded().size(), 2u);
}

TEST_F(PlannerWindowTest, RowColoursAroundNow) {
  const DateTime now = *DateTime::fromCivil({2024, 3, 14, 4, 14, 30, 20});
  PlannerRecord pickedAtSix = item(L"", 14, 15, 0);
  pickedAtSix.date = *DateTime::fromSerial(45365.25);
  const std::pair<PlannerRecord, Colour> cases[] = {
      {item(L"20 s ago", 14, 14, 30), kPassedItemColour}, {item(L"", 14, 9, 0), kPassedItemColour},
      {item(L"", 14, 14, 31), kTodayItemColour},          {pickedAtSix, kTodayItemColour},
      {item(L"", 15, 0, 0), kLaterDayItemColour},         {item(L"", 13, 23, 59), kPassedItemColour},
  };
  for (const auto& [record, colour] : cases) EXPECT_EQ(plannerRowColour(record, now), colour);
}

TEST_F(PlannerWindowTest, RowsAndDeletesWorkFromTheRecordsWhateverTheRegionalFormats) {
  store({item(L"one", 14, 10, 0), item(L"two", 15, 11, 0)});
  (void)planner.create();
  const auto secondBytes = registry.value(kPlannerKey, L"Lista1");
  LocaleNames german = englishLocaleNames();
  german.shortDateFormat = L"dd.MM.yyyy";
  german.longTimeFormat = L"HH:mm:ss";
  locale.setNames(german);
  planner.selectItem(0);
  raise(L"Button2", ComponentEvent::Click);
  EXPECT_EQ(registry.value(kPlannerKey, L"Lista0"), secondBytes);
  EXPECT_EQ(at(L"ListView1").rows[0].cells,
            (std::vector<std::wstring>{L"1", L"15.03.2024", L"11:00:00", L"two", L"", L"No"}));
}

}  // namespace
}  // namespace tikora
