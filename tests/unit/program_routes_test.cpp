// The clock window's ways into the other windows, as the program wires them: the popup menu, the
// strip's panel button and the tray icon's left button open the control panel, the planner at
// the current minute and today's page (on top only from the menu); and the window the boxes of
// the panel's controls name as their owner.
#include <gtest/gtest.h>

#include <memory>

#include "tests/unit/program_fixture.h"

namespace tikora {
namespace {

class ProgramRoutesTest : public ::testing::Test, protected testing::FakeProgramServices {
 protected:
  ProgramRoutesTest() {
    shell.screen = {1280, 1024};
    clock.setLocalTime(2024, 3, 14, 9, 41, 27);
    program = startProgram();
  }
  ClockWindowModel& clockWindow() { return program->clockWindow(); }
  const ComponentState& window(const ComponentTable& table, std::wstring_view name) { return table[name]; }
  const ComponentState& panel() { return window(program->controlPanel()->components(), kControlPanelName); }
  const ComponentState& planner() { return window(program->planner()->components(), kPlannerWindowName); }
  const ComponentState& today() { return window(program->todaysDate()->components(), kTodaysDateWindowName); }

  std::unique_ptr<ProgramModel> program;
};

TEST_F(ProgramRoutesTest, TheMenuOpensThePanelThePlannerAndTodaysPageOnTop) {
  ASSERT_FALSE(panel().visible);
  ASSERT_FALSE(planner().visible);
  ASSERT_FALSE(today().visible);

  EXPECT_TRUE(clockWindow().menuItemClick(ClockMenuItem::ControlPanel, true).empty());
  EXPECT_TRUE(panel().visible);
  EXPECT_EQ(panel().raised, 1);

  EXPECT_TRUE(clockWindow().menuItemClick(ClockMenuItem::DailyPlanner, true).empty());
  EXPECT_TRUE(planner().visible);
  const ComponentTable& items = program->planner()->components();
  EXPECT_EQ(items[kItemDatePicker].value, DateTime::fromCivil({2024, 3, 14, 4, 9, 41, 27, 0}));
  EXPECT_EQ(items[kItemTimePicker].value, DateTime::fromTime(9, 41, 0)) << "cut to the whole minute";

  EXPECT_TRUE(clockWindow().menuItemClick(ClockMenuItem::TodaysDate, true).empty());
  EXPECT_TRUE(today().visible);
  EXPECT_TRUE(today().onTop);
}

TEST_F(ProgramRoutesTest, TheTrayIconShowsTodaysPageAsItStandsAndTheStripOpensThePanel) {
  EXPECT_TRUE(clockWindow().trayMessage(kTrayLeftButtonDown).empty());
  EXPECT_TRUE(today().visible);
  EXPECT_FALSE(today().onTop) << "its stay-on-top style untouched";

  // The pointer over the window shows the strip; its first button opens the panel.
  const Point strip = kStripPosition;
  const Rect at = clockWindow().windowRect();
  const Point pointer{at.left + strip.x, at.top + strip.y};
  clockWindow().refreshStrip(pointer);
  EXPECT_TRUE(clockWindow().click(strip, pointer).empty());
  EXPECT_TRUE(panel().visible);
}

// A box names the window it belongs to; the Win32 service finds that window's handle.
TEST_F(ProgramRoutesTest, ThePanelsBoxesNameThePanelAsTheirOwner) {
  ComponentTable& panel = program->controlPanel()->components();
  ComponentInput typed;
  typed.text = L"ten";
  panel.raise(L"Edit1", ComponentEvent::Change, typed);  // the power-off minutes
  panel.raise(L"Button3", ComponentEvent::Click);        // a channel added without an address
  ASSERT_EQ(boxes.shown().size(), 2u);
  for (const MessageBoxRequest& box : boxes.shown()) EXPECT_EQ(box.owner, L"TForm2") << box.text;
}

}  // namespace
}  // namespace tikora
