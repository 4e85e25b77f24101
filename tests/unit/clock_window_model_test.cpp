// The clock window's model: layer order and the "In Front of Clock Hands" moves, which component
// a press lands on and whether it drags, the tray icon, the popup menu and the button strip.
#include "clock/clock_window_model.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/fake/fake_text_metrics.h"

namespace tikora {
namespace {

using C = ClockComponent;

std::vector<std::wstring> names(const std::vector<ClockComponent>& order) {
  std::vector<std::wstring> out;
  for (const auto c : order) out.emplace_back(componentName(c));
  return out;
}

const std::vector<std::wstring> kCreationOrder = {L"Image1", L"Label3", L"Label4", L"Label6",  L"Label5",  L"Label7",
                                                  L"cyfra1", L"cyfra2", L"cyfra3", L"cyfra4",  L"cyfra5",  L"cyfra6",
                                                  L"cyfra7", L"cyfra8", L"cyfra9", L"cyfra10", L"cyfra11", L"cyfra12",
                                                  L"Label1", L"Image2", L"Image3", L"Image6",  L"Image4",  L"Image5"};

TEST(ClockWindowModelTest, ComponentsAtCreation) {
  ClockWindowModel m;
  EXPECT_EQ(names(m.layerOrder()), kCreationOrder);

  for (const auto c : {C::Face, C::HourHand, C::MinuteHand, C::SecondHand})
    EXPECT_EQ(m.layer(c).bounds, (Rect{0, 0, 240, 240})) << static_cast<int>(c);
  EXPECT_EQ(m.layerKind(C::Face), LayerKind::Picture);
  EXPECT_EQ(m.layerKind(C::MinuteHand), LayerKind::TransparentPicture);
  EXPECT_EQ(m.layerKind(C::DigitalTime), LayerKind::Text);
  EXPECT_EQ(m.layerKind(C::Digit12), LayerKind::Text);
  EXPECT_EQ(m.layer(C::Strip).bounds, (Rect{188, 221, 51, 17}));
  EXPECT_EQ(m.layer(C::DecorativeStripe).bounds, (Rect{8, 258, 120, 6}));
  EXPECT_FALSE(m.layer(C::DecorativeStripe).visible);
  for (const auto c : {C::PowerOffTime, C::WorkTime, C::Countdown}) EXPECT_FALSE(m.layer(c).visible);
  for (const auto c : {C::DigitalTime, C::Weekday, C::Date, C::Digit1, C::HourHand}) EXPECT_TRUE(m.layer(c).visible);
  EXPECT_EQ(digitComponent(1), C::Digit1);
  EXPECT_EQ(digitComponent(12), C::Digit12);
}

TEST(ClockWindowModelTest, InFrontOfClockHandsMovesTheLabel) {
  ClockWindowModel m;
  m.setInFrontOfHands(C::Date, true);
  EXPECT_EQ(m.layerOrder().back(), C::Date) << "above the hands and the strip";

  m.setInFrontOfHands(C::Date, false);
  std::vector<std::wstring> expected = kCreationOrder;
  expected.erase(expected.begin() + 2);  // Label4 back right on the face
  expected.insert(expected.begin() + 1, L"Label4");
  EXPECT_EQ(names(m.layerOrder()), expected);

  // Unticking a label that was never in front puts it straight on the face, under the others.
  m.setInFrontOfHands(C::DigitalTime, false);
  EXPECT_EQ(names(m.layerOrder())[0], L"Image1");
  EXPECT_EQ(names(m.layerOrder())[1], L"Label1");
  EXPECT_EQ(names(m.layerOrder())[2], L"Label4");
  EXPECT_EQ(m.layerOrder().size(), 24u);
}

// The model with hooks that note which other window it asks for.
struct AskingClock {
  std::vector<std::wstring> asked;
  ClockWindowModel m{ClockWindowHooks{[this] { asked.push_back(L"control panel"); },
                                      [this] { asked.push_back(L"daily planner"); },
                                      [this](bool onTop) { asked.push_back(onTop ? L"today on top" : L"today"); }}};
  std::vector<std::wstring> take() { return std::exchange(asked, {}); }
};
using Asked = std::vector<std::wstring>;

class ClockPressTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Weekday label "Monday" at (40, 113): 6 characters of 5 pixels, 13 high at 8 points.
    m.setText(C::Weekday, L"Monday");
    m.setFont(C::Weekday, FontSpec{L"Arial", 8});
    m.setPosition(C::Weekday, 40, 113);
    m.autoSize(C::Weekday, metrics);
  }
  bool drags(Point p) const { return m.mouseDown(MouseButton::Left, p) == ClockActions{ClockAction::StartDrag}; }
  ClockWindowModel m;
  FakeTextMetrics metrics;
};

TEST_F(ClockPressTest, HandLayersCoverTheWholeWindowAndDrag) {
  EXPECT_EQ(m.layer(C::Weekday).bounds, (Rect{40, 113, 30, 13}));
  EXPECT_EQ(m.componentAt({45, 115}), C::SecondHand);
  EXPECT_TRUE(drags({45, 115})) << "a press on a label under the hands still drags";
  EXPECT_TRUE(drags({0, 0}));
  EXPECT_TRUE(drags({239, 239}));
  EXPECT_EQ(m.componentAt({240, 10}), std::nullopt);
  EXPECT_TRUE(m.mouseDown(MouseButton::Right, {45, 115}).empty());
  EXPECT_TRUE(m.mouseDown(MouseButton::Middle, {45, 115}).empty());

  m.setVisible(C::SecondHand, false);  // "Second Hand OFF": the minute hand layer drags
  EXPECT_EQ(m.componentAt({45, 115}), C::MinuteHand);
  EXPECT_TRUE(drags({45, 115}));
}

TEST_F(ClockPressTest, AllHandsOffLetsLabelsTakeThePress) {
  for (const auto c : {C::HourHand, C::MinuteHand, C::SecondHand}) m.setVisible(c, false);

  EXPECT_EQ(m.componentAt({40, 113}), C::Weekday);
  EXPECT_EQ(m.componentAt({69, 125}), C::Weekday);
  EXPECT_FALSE(drags({40, 113})) << "labels have no mouse action";
  EXPECT_EQ(m.componentAt({70, 113}), C::Face) << "just right of the text";
  EXPECT_TRUE(drags({70, 113}));
  EXPECT_TRUE(drags({39, 113}));

  m.setVisible(C::Weekday, false);
  EXPECT_TRUE(drags({45, 115}));

  m.setVisible(C::Face, false);  // nothing shown there: the press goes nowhere
  EXPECT_EQ(m.componentAt({45, 115}), std::nullopt);
  EXPECT_TRUE(m.mouseDown(MouseButton::Left, {45, 115}).empty());
}

TEST_F(ClockPressTest, LabelInFrontOfTheHandsTakesThePressOverItsText) {
  m.setInFrontOfHands(C::Weekday, true);
  EXPECT_EQ(m.componentAt({45, 115}), C::Weekday);
  EXPECT_FALSE(drags({45, 115}));
  EXPECT_TRUE(drags({45, 130})) << "below the text the second hand layer is on top";

  // An empty label covers nothing.
  m.setText(C::Weekday, L"");
  m.autoSize(C::Weekday, metrics);
  EXPECT_EQ(m.componentAt({45, 115}), C::SecondHand);
}

TEST_F(ClockPressTest, StripIsTopmostWhileShownAndNeverDrags) {
  EXPECT_EQ(m.componentAt({190, 225}), C::SecondHand) << "hidden at start";
  m.setVisible(C::Strip, true);
  EXPECT_EQ(m.componentAt({190, 225}), C::Strip);
  EXPECT_EQ(m.componentAt({238, 237}), C::Strip);
  EXPECT_FALSE(drags({190, 225}));

  // A label brought in front lies over the strip too.
  m.setPosition(C::Weekday, 185, 222);
  m.setInFrontOfHands(C::Weekday, true);
  EXPECT_EQ(m.componentAt({190, 225}), C::Weekday);
}

TEST(ClockWindowModelTest, TrayCallbackHandlesLeftAndRightButtonDownAndTheKeyboardsEvents) {
  AskingClock clock;
  ClockWindowModel& m = clock.m;
  EXPECT_TRUE(m.trayMessage(0x0201).empty());
  EXPECT_EQ(clock.take(), Asked{L"today"});
  EXPECT_EQ(m.trayMessage(0x0204), (ClockActions{ClockAction::BringClockToFront, ClockAction::PopUpMenuAtPointer,
                                                 ClockAction::PostNullMessage}));
  for (const std::uint32_t other : {0x0200u, 0x0202u, 0x0203u, 0x0205u, 0x0206u, 0x0207u, 0x0400u})
    EXPECT_TRUE(m.trayMessage(other).empty()) << other;
  EXPECT_TRUE(clock.take().empty());
  // The keyboard's select and context menu open the menu at the icon; the context menu the
  // shell sends after a right click does not open it twice.
  const ClockActions atIcon{ClockAction::BringClockToFront, ClockAction::PopUpMenuAtIcon, ClockAction::PostNullMessage};
  EXPECT_TRUE(m.trayMessage(0x007B).empty()) << "after the right click above";
  EXPECT_EQ(m.trayMessage(0x007B), atIcon);
  EXPECT_EQ(m.trayMessage(0x0401), atIcon);
  m.trayMessage(0x0204);
  EXPECT_EQ(m.trayMessage(0x0401), atIcon);
  EXPECT_EQ(m.trayMessage(0x007B), atIcon) << "a key in between: the context menu is the keyboard's";

  const TrayIconRecord& tray = m.trayIcon();
  EXPECT_EQ(tray.id, 0u);
  EXPECT_EQ(tray.flags, 7u);
  EXPECT_EQ(tray.callbackMessage, 0x0401u);
  EXPECT_EQ(tray.tip, L"Tikora");
  EXPECT_EQ(tray.image, 0);
}

// Whoever cannot see the face hears the time from the icon while the clock is hidden; the tip
// follows the minutes and gives the program's name back when the clock shows again.
TEST(ClockWindowModelTest, TheTrayTipSaysTheTimeWhileTheClockIsHidden) {
  ClockWindowModel m;
  const LocaleNames names = englishLocaleNames();
  CivilTime now{.year = 2024, .month = 3, .day = 14, .hour = 14, .minute = 5, .second = 59};
  m.setShowing(true);
  m.tellTimeInTrayTip(now, L"h:nn AM/PM", names);
  EXPECT_EQ(m.trayIcon().tip, L"Tikora");
  m.hideClockChosen(true);
  m.tellTimeInTrayTip(now, L"h:nn AM/PM", names);
  EXPECT_EQ(m.trayIcon().tip, L"2:05 PM");
  now.minute = 6, now.second = 0;
  m.tellTimeInTrayTip(now, L"hh:nn", names);
  EXPECT_EQ(m.trayIcon().tip, L"14:06");
  m.hideClockChosen(false);
  m.tellTimeInTrayTip(now, L"hh:nn", names);
  EXPECT_EQ(m.trayIcon().tip, L"Tikora");
}

TEST(ClockWindowModelTest, PopupMenuItemsInOrder) {
  AskingClock clock;
  ClockWindowModel& m = clock.m;
  const std::vector<MenuItemState> expected = {
      {ClockMenuItem::ControlPanel, L"ControlPanel1", L"Control Panel", 3, false, false},
      {ClockMenuItem::HideClock, L"HideClock1", L"Hide Clock", 5, false, false},
      {ClockMenuItem::DailyPlanner, L"DailyPlanner1", L"Daily Planner", 4, false, false},
      {ClockMenuItem::TodaysDate, L"odaysDate1", L"Today's Date", 7, false, false},
      {ClockMenuItem::Separator, L"N1", L"-", kNoImage, true, false},
      {ClockMenuItem::Exit, L"Exit1", L"Exit", 2, false, true},
  };
  EXPECT_EQ(m.menuItems(), expected);

  EXPECT_TRUE(m.menuItemClick(ClockMenuItem::ControlPanel, true).empty());
  EXPECT_TRUE(m.menuItemClick(ClockMenuItem::DailyPlanner, true).empty());
  EXPECT_TRUE(m.menuItemClick(ClockMenuItem::TodaysDate, true).empty());
  EXPECT_EQ(clock.take(), (Asked{L"control panel", L"daily planner", L"today on top"}));
  EXPECT_EQ(m.menuItemClick(ClockMenuItem::Exit, true), ClockActions{ClockAction::EndProgram});
  EXPECT_TRUE(m.menuItemClick(ClockMenuItem::Separator, true).empty());
  EXPECT_TRUE(clock.take().empty());
}

TEST(ClockWindowModelTest, HideClockFollowsTheWindowsRealState) {
  ClockWindowModel m;
  const auto item = [&] { return m.menuItems()[1]; };

  m.setShowing(true);
  EXPECT_EQ(m.hideClockChosen(true), ClockActions{ClockAction::UpdateTrayIcon});
  EXPECT_FALSE(m.window().visible);
  EXPECT_EQ(item().caption, L"Show Clock");
  EXPECT_EQ(item().image, 6);
  EXPECT_EQ(m.trayIcon().image, 1);

  EXPECT_EQ(m.menuItemClick(ClockMenuItem::HideClock, false), ClockActions{ClockAction::UpdateTrayIcon});
  EXPECT_TRUE(m.window().visible);
  EXPECT_EQ(item().caption, L"Hide Clock");
  EXPECT_EQ(item().image, 5);
  EXPECT_EQ(m.trayIcon().image, 0);

  // Something else hid the window while the item still says "Hide Clock": it shows it.
  m.setShowing(false);
  (void)m.hideClockChosen(false);
  EXPECT_TRUE(m.window().visible);
  EXPECT_EQ(item().caption, L"Hide Clock");
  // And after "Show Clock" with the window shown by something else, it hides it.
  (void)m.hideClockChosen(true);
  m.setShowing(true);
  (void)m.hideClockChosen(true);
  EXPECT_FALSE(m.window().visible);
  EXPECT_EQ(item().caption, L"Show Clock");
  EXPECT_EQ(m.trayIcon().image, 1);
}

TEST(ClockWindowModelTest, StripShowsWhilePointerIsOverTheWindowWithButtonHints) {
  ClockWindowModel m;
  m.setWindowPosition(1000, 500);
  const int sx = 1000 + 188, sy = 500 + 221;

  m.refreshStrip({sx, sy});
  EXPECT_TRUE(m.layer(C::Strip).visible);
  EXPECT_EQ(m.stripHint(), L"Clock Control Panel");
  m.refreshStrip({sx + 34, sy + 17});
  EXPECT_EQ(m.stripHint(), L"Clock Control Panel") << "the gap keeps the last hint";
  m.refreshStrip({sx + 35, sy + 17});
  EXPECT_EQ(m.stripHint(), L"Close the Program");
  m.refreshStrip({1010, 510});
  EXPECT_TRUE(m.layer(C::Strip).visible);
  EXPECT_EQ(m.stripHint(), L"Close the Program");
  m.refreshStrip({999, 510});
  EXPECT_FALSE(m.layer(C::Strip).visible);
  m.refreshStrip({1240, 740});
  EXPECT_TRUE(m.layer(C::Strip).visible) << "the right and bottom edges count as inside";
  m.refreshStrip({1241, 740});
  EXPECT_FALSE(m.layer(C::Strip).visible);
}

TEST(ClockWindowModelTest, StripClickByColumn) {
  AskingClock clock;
  ClockWindowModel& m = clock.m;
  m.setWindowPosition(300, 200);
  m.refreshStrip({300 + 190, 200 + 225});
  const auto clickAt = [&](int column, int row) {
    const Point client{188 + column, 221 + row};
    return m.click(client, {300 + client.x, 200 + client.y});
  };
  EXPECT_TRUE(clickAt(0, 0).empty());
  EXPECT_TRUE(clickAt(33, 16).empty());
  EXPECT_EQ(clock.take(), (Asked{L"control panel", L"control panel"}));
  EXPECT_TRUE(clickAt(34, 5).empty()) << "the white column between the buttons";
  EXPECT_EQ(clickAt(35, 5), ClockActions{ClockAction::EndProgram});
  EXPECT_EQ(clickAt(49, 5), ClockActions{ClockAction::EndProgram});
  EXPECT_TRUE(clickAt(50, 5).empty());
  EXPECT_TRUE(m.click({100, 100}, {400, 300}).empty()) << "a click on the face does nothing";
  EXPECT_TRUE(clock.take().empty());

  m.setWindowPosition(0, 0);  // moved by a drag: the buttons go with it
  EXPECT_TRUE(m.click({188, 221}, {188, 221}).empty());
  EXPECT_EQ(clock.take(), Asked{L"control panel"});
}

// The keyboard's buttons over the strip cover exactly the columns a click takes, press as a
// click does, and show the strip while the keyboard is on them.
TEST(ClockWindowModelTest, StripButtonsForTheKeyboardActAsTheirColumns) {
  AskingClock clock;
  ClockWindowModel& m = clock.m;
  const Rect strip = m.layer(C::Strip).bounds;
  for (const StripClick button : {StripClick::ShowControlPanel, StripClick::EndProgram}) {
    const Rect at = stripButtonBounds(button, strip);
    EXPECT_EQ(at.top, strip.top);
    EXPECT_EQ(at.height, strip.height);
    for (int x = at.left - 1; x <= at.right(); ++x) {
      const bool inside = x >= at.left && x < at.right();
      EXPECT_EQ(stripClick({x, strip.top + 1}, m.windowRect(), strip) == button, inside) << x;
    }
  }
  EXPECT_TRUE(m.pressStripButton(StripClick::ShowControlPanel).empty());
  EXPECT_EQ(clock.take(), Asked{L"control panel"});
  EXPECT_EQ(m.pressStripButton(StripClick::EndProgram), ClockActions{ClockAction::EndProgram});

  const Point away{-500, -500};
  m.setKeyboardOnStrip(away, true);
  EXPECT_TRUE(m.layer(C::Strip).visible);
  m.refreshStrip(away);
  EXPECT_TRUE(m.layer(C::Strip).visible) << "the face tick keeps it";
  m.setKeyboardOnStrip(away, false);
  EXPECT_FALSE(m.layer(C::Strip).visible);
}

}  // namespace
}  // namespace tikora
