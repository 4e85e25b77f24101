#include "face/strip.h"

#include <gtest/gtest.h>

namespace tikora {
namespace {

// Clock window at (100, 200), 240 x 240; strip at (188, 221) inside it, 17 high. On the screen
// the "Panel" button spans x 288 to 321, the gap is x 322, "C" spans x 323 to 338 (hint and
// click up to 337), rows y 421 to 438.
constexpr Rect kWindow{100, 200, 240, 240};
constexpr Rect kStrip{188, 221, 51, 17};

TEST(StripTest, ShownWhileThePointerIsOverTheWindowRectangle) {
  EXPECT_TRUE(updateStrip({100, 200}, kWindow, kStrip).visible);
  EXPECT_TRUE(updateStrip({340, 440}, kWindow, kStrip).visible);  // right and bottom edges included
  EXPECT_TRUE(updateStrip({150, 300}, kWindow, kStrip).visible);
  EXPECT_FALSE(updateStrip({99, 300}, kWindow, kStrip).visible);
  EXPECT_FALSE(updateStrip({341, 300}, kWindow, kStrip).visible);
  EXPECT_FALSE(updateStrip({150, 199}, kWindow, kStrip).visible);
  EXPECT_FALSE(updateStrip({150, 441}, kWindow, kStrip).visible);
  EXPECT_EQ(updateStrip({99, 300}, kWindow, kStrip).hint, std::nullopt);
}

TEST(StripTest, HintNamesTheButtonUnderThePointerAndKeepsItElsewhere) {
  EXPECT_EQ(updateStrip({288, 421}, kWindow, kStrip).hint, L"Clock Control Panel");
  EXPECT_EQ(updateStrip({321, 438}, kWindow, kStrip).hint, L"Clock Control Panel");
  EXPECT_EQ(updateStrip({323, 421}, kWindow, kStrip).hint, L"Close the Program");
  EXPECT_EQ(updateStrip({337, 430}, kWindow, kStrip).hint, L"Close the Program");
  for (Point keeps :
       {Point{322, 430}, Point{338, 430}, Point{287, 430}, Point{300, 420}, Point{300, 439}, Point{150, 300}}) {
    const StripUpdate update = updateStrip(keeps, kWindow, kStrip);
    EXPECT_TRUE(update.visible);
    EXPECT_EQ(update.hint, std::nullopt) << keeps.x << "," << keeps.y;
  }
}

TEST(StripTest, ClickOpensThePanelOrEndsTheProgramButNotInTheGap) {
  EXPECT_EQ(stripClick({288, 421}, kWindow, kStrip), StripClick::ShowControlPanel);
  EXPECT_EQ(stripClick({321, 437}, kWindow, kStrip), StripClick::ShowControlPanel);
  EXPECT_EQ(stripClick({322, 430}, kWindow, kStrip), StripClick::Nothing);  // column 34
  EXPECT_EQ(stripClick({323, 430}, kWindow, kStrip), StripClick::EndProgram);
  EXPECT_EQ(stripClick({337, 430}, kWindow, kStrip), StripClick::EndProgram);
  EXPECT_EQ(stripClick({338, 430}, kWindow, kStrip), StripClick::Nothing);
  EXPECT_EQ(stripClick({300, 420}, kWindow, kStrip), StripClick::Nothing);
  EXPECT_EQ(stripClick({300, 439}, kWindow, kStrip), StripClick::Nothing);
}

TEST(StripTest, FollowsTheWindowAcrossTheScreen) {
  constexpr Rect moved{-500, -30, 240, 240};  // on a monitor left of the primary one
  EXPECT_EQ(stripClick({-312, 191}, moved, kStrip), StripClick::ShowControlPanel);
  EXPECT_EQ(stripClick({-278, 191}, moved, kStrip), StripClick::Nothing);
  EXPECT_EQ(stripClick({-277, 191}, moved, kStrip), StripClick::EndProgram);
  EXPECT_EQ(updateStrip({-277, 191}, moved, kStrip).hint, L"Close the Program");
}

}  // namespace
}  // namespace tikora
