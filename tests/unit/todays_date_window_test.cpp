// The today's date page: its layout and texts at creation, the day counts at the ends of common
// and leap years, which elements each colour setting reaches, showing and hiding, and the close
// button under the mouse.
#include "calendar/todays_date_window_model.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_locale.h"
#include "tests/unit/program_fixture.h"

namespace tikora {
namespace {

struct Page {
  Page(int year, int month, int day) {
    clock.setLocalTime(year, month, day, 23, 59, 59);
    for (Colour Settings::*field : {&Settings::backgroundColour, &Settings::secondsColour, &Settings::dateColour,
                                    &Settings::weekdayColour, &Settings::digitColour})
      settings.*field = 0x000001;
  }
  FakeClock clock;
  FakeLocale locale;
  Settings settings;
};

TEST(TodaysDateWindow, LayoutTextsAndColoursAtCreation) {
  Page page(2024, 3, 9);
  LocaleNames names = englishLocaleNames();
  names.longMonthNames[2] = L"März";
  names.longDayNames[6] = L"Samstag";
  page.locale.setNames(names);
  TodaysDateWindowModel model(page.clock, page.locale, page.settings, {1280, 1024});
  page.clock.setLocalTime(2024, 3, 10, 0, 0, 1);  // not shown yet: the texts of the start

  EXPECT_EQ(model.window().bounds, (Rect{475, 312, 330, 400}));
  EXPECT_FALSE(model.window().visible);
  EXPECT_EQ(model.components().component(L"TForm7").options, unsigned(kBorderless));
  struct Expected {
    const wchar_t* name;
    Rect bounds;
    int pixels;
    const wchar_t* text;
  };
  const Expected panels[] = {
      {L"Panel2", {0, 14, 330, 59}, 21, L"März 2024"},
      {L"Panel3", {0, 75, 330, 43}, 19, L"Samstag"},
      {L"Panel1", {0, 124, 330, 212}, 160, L"9"},
      {L"Panel4", {0, 338, 330, 22}, 11, L"69 day(s) have elapsed since the beginning of the year"},
      {L"Panel5", {0, 362, 330, 22}, 11, L"297 day(s) left to the end of the year"},
  };
  for (const Expected& e : panels) {
    const Component& panel = model.components().component(e.name);
    EXPECT_EQ(panel.options, unsigned(kCentred)) << e.name;
    EXPECT_EQ(panel.state.bounds, e.bounds) << e.name;
    EXPECT_EQ(panel.state.text, e.text) << e.name;
    EXPECT_EQ(panel.state.font, (FontSpec{L"Tahoma", 8, true, false, false, e.pixels})) << e.name;
  }
  for (const auto& [name, top] : {std::pair{L"Image1", 0}, std::pair{L"Image2", 391}}) {
    const Component& stripe = model.components().component(name);
    EXPECT_EQ(stripe.state.bounds, (Rect{0, top, 330, 9}));
    EXPECT_EQ(stripe.options, unsigned(kStretch | kDragsWindow));
    EXPECT_EQ(stripe.state.pointer, PointerShape::Drag);
  }
}

TEST(TodaysDateWindow, DayCountsAtTheEndsOfTheYear) {
  struct Case {
    int year, month, day;
    const wchar_t* passed;
    const wchar_t* left;
  };
  const Case cases[] = {{2023, 1, 1, L"1", L"364"},
                        {2024, 2, 29, L"60", L"306"},
                        {2024, 12, 31, L"366", L"0"},
                        {2023, 12, 31, L"365", L"0"}};
  for (const Case& c : cases) {
    const TodaysDateTexts texts =
        todaysDateTexts({c.year, c.month, c.day, dayOfWeek(c.year, c.month, c.day)}, englishLocaleNames());
    EXPECT_EQ(texts.daysPassed, std::wstring(c.passed) + L" day(s) have elapsed since the beginning of the year");
    EXPECT_EQ(texts.daysLeft, std::wstring(c.left) + L" day(s) left to the end of the year");
  }
}

// Each colour setting reaches its elements only, at creation and when it changes.
TEST(TodaysDateWindow, EachColourReachesItsElementsOnly) {
  struct Case {
    Colour Settings::*setting;
    std::set<std::wstring> backgrounds, texts;
  };
  const Case cases[] = {
      {&Settings::backgroundColour, {L"TForm7", L"Panel1", L"Panel4", L"Panel5"}, {}},
      {&Settings::secondsColour, {L"Panel2", L"Panel3"}, {}},
      {&Settings::dateColour, {}, {L"Panel2"}},
      {&Settings::weekdayColour, {}, {L"Panel3", L"Panel1"}},
      {&Settings::digitColour, {}, {L"Panel4", L"Panel5"}},
  };
  const auto coloured = [](const TodaysDateWindowModel& model, Colour colour) {
    std::pair<std::set<std::wstring>, std::set<std::wstring>> found;
    for (const Component& component : model.components().all()) {
      if (component.state.background == colour) found.first.insert(component.name);
      if (component.state.textColour == colour) found.second.insert(component.name);
    }
    return found;
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "case " << (&c - cases));
    Page page(2024, 3, 9);
    page.settings.*c.setting = 0xABCDEF;
    TodaysDateWindowModel model(page.clock, page.locale, page.settings, {1280, 1024});
    EXPECT_EQ(coloured(model, 0xABCDEF), std::pair(c.backgrounds, c.texts));
    EXPECT_TRUE(model.colourChanged(c.setting, 0xFFFFFF));
    EXPECT_EQ(coloured(model, 0xFFFFFF), std::pair(c.backgrounds, c.texts));
  }
  Page page(2024, 3, 9);
  TodaysDateWindowModel model(page.clock, page.locale, page.settings, {1280, 1024});
  EXPECT_FALSE(model.colourChanged(&Settings::handColour, 0xFFFFFF));
}

TEST(TodaysDateWindow, ShowingClosingAndTheCloseButton) {
  Page page(2024, 3, 9);
  TodaysDateWindowModel model(page.clock, page.locale, page.settings, {1280, 1024});
  ComponentTable& table = model.components();
  const ComponentState& close = table[L"Image3"];
  model.show();  // the tray icon
  EXPECT_TRUE(model.window().visible);
  EXPECT_FALSE(model.window().onTop);
  EXPECT_EQ(model.window().raised, 1);

  table.raise(L"Image3", ComponentEvent::MouseMove);
  EXPECT_EQ(close.bounds, (Rect{162, 0, 9, 9}));
  EXPECT_EQ(close.picture, L"red_close");
  table.raise(L"Image3", ComponentEvent::MouseLeave);
  EXPECT_EQ(close.bounds, (Rect{162, 1, 7, 7}));
  EXPECT_EQ(close.picture, L"black_close");

  table.raise(L"Image3", ComponentEvent::MouseMove);
  table.raise(L"Image3", ComponentEvent::Click);
  EXPECT_FALSE(model.window().visible);
  EXPECT_EQ(close.picture, L"black_close") << "shown again, the button is black";

  model.showOnTop();  // the "Today's Date" menu item
  EXPECT_TRUE(model.window().visible && model.window().onTop);
  EXPECT_EQ(model.window().raised, 2);
  table.raise(L"TForm7", ComponentEvent::Close);
  model.show();
  EXPECT_TRUE(model.window().visible && model.window().onTop) << "the tray leaves the style";
}

// In the whole program: the page shows the day it is shown on, and turns over at midnight
// while it is on screen, at the second tick that sees the new date.
class TodaysDateInProgramTest : public ::testing::Test, protected testing::FakeProgramServices {};

TEST_F(TodaysDateInProgramTest, ThePageShowsTheDayItIsShownOnAndTurnsOverAtMidnight) {
  clock.setLocalTime(2023, 12, 30, 12, 0, 0);
  ProgramModel program(services());
  program.createControlPanel(loadClockStartPictures(FaceStyles{}, resources));
  TodaysDateWindowModel& page = program.createTodaysDate();
  ComponentTable& panel = program.controlPanel()->components();
  const auto texts = [&] {
    std::vector<std::wstring> shown;
    for (const wchar_t* name : {L"Panel2", L"Panel3", L"Panel1", L"Panel4", L"Panel5"})
      shown.push_back(page.components()[name].text);
    return shown;
  };
  const auto tickAt = [&](int year, int month, int day, int hour, int minute, int second) {
    clock.setLocalTime(year, month, day, hour, minute, second);
    panel.tick(L"Timer2");
  };
  tickAt(2023, 12, 30, 12, 0, 1);
  tickAt(2023, 12, 31, 23, 59, 58);
  page.show();
  const std::vector<std::wstring> lastDay{L"December 2023", L"Sunday", L"31",
                                          L"365 day(s) have elapsed since the beginning of the year",
                                          L"0 day(s) left to the end of the year"};
  EXPECT_EQ(texts(), lastDay) << "shown the day after it was made";
  tickAt(2023, 12, 31, 23, 59, 59);
  EXPECT_EQ(texts(), lastDay);
  tickAt(2024, 1, 1, 0, 0, 0);
  EXPECT_EQ(texts(), (std::vector<std::wstring>{L"January 2024", L"Monday", L"1",
                                                L"1 day(s) have elapsed since the beginning of the year",
                                                L"365 day(s) left to the end of the year"}));
  page.hide();
  tickAt(2024, 1, 2, 9, 0, 0);
  page.showOnTop();
  EXPECT_EQ(texts().at(2), L"2");
}

}  // namespace
}  // namespace tikora
