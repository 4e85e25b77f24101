// The fast hand rendering against the literal one on the program's own hand bitmaps, all 18
// styles, in hand colours that are and are not the background. Skipped when the media have not
// been generated (the drawn stand-ins of the other hand tests still run).
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "face/hand_angles.h"
#include "face/hand_picture.h"
#include "face/hand_style.h"
#include "face/hands.h"
#include "hands_reference.h"

namespace tikora {
namespace {

std::optional<HandLists> mediaHands(int style) {
  const HandResourceNames names = handResourceNames(style);
  const auto narrow = [](const std::wstring& w) { return std::string(w.begin(), w.end()); };
  const auto hour = reference::mediaHand(narrow(names.hour));
  const auto minute = reference::mediaHand(narrow(names.minute));
  const auto second = reference::mediaHand(narrow(names.second));
  if (!hour || !minute || !second) return std::nullopt;
  return HandLists{handListFromPicture(*hour), handListFromPicture(*minute), handListFromPicture(*second)};
}

struct Colours {
  Colour hand;
  Colour background;
};

class HandMediaTest : public testing::TestWithParam<int> {};

TEST_P(HandMediaTest, FastRenderingEqualsTheLiteralOne) {
  const int style = GetParam();
  const auto lists = mediaHands(style);
  if (!lists) GTEST_SKIP() << "hand bitmaps of style " << style << " not generated";
  ASSERT_FALSE(lists->hour.empty());
  ASSERT_FALSE(lists->minute.empty());
  ASSERT_FALSE(lists->second.empty());

  // The default look, a dark face, and a hand colour equal to the background.
  const Colours colours[] = {{0x000000, 0x02FEFFFF}, {0x0000D7FF, 0x00402020}, {0x00336699, 0x00336699}};
  const Colours& c = colours[style % 3];

  SecondHandTable table;
  table.rebuild(lists->second, c.hand, c.background);
  Bitmap smoothed = reference::paint(lists->second, c.hand, c.background);
  reference::smooth(smoothed, 5);
  for (int j = 0; j < SecondHandTable::kEntries; j += style == 0 ? 1 : 7)
    EXPECT_EQ(table.entry(j), reference::rotate(smoothed, 6.0 * j, c.background))
        << "style " << style << " second " << j;
  EXPECT_EQ(table.entry(45), reference::rotate(smoothed, 269.8, c.background));

  struct Time {
    int h, m, s;
  };
  for (const Time& t :
       {Time{9, 0, 0}, Time{9, 1, 59}, Time{12, 45, 9}, Time{0, 30, 0}, Time{15, 7, 40}, Time{22, 58, 20}}) {
    EXPECT_EQ(renderHand(lists->hour, c.hand, c.background, hourHandAngle(t.h, t.m)),
              reference::renderHand(lists->hour, c.hand, c.background, hourHandAngle(t.h, t.m)))
        << "style " << style << " hour " << t.h << ":" << t.m;
    EXPECT_EQ(renderHand(lists->minute, c.hand, c.background, minuteHandAngle(t.m, t.s)),
              reference::renderHand(lists->minute, c.hand, c.background, minuteHandAngle(t.m, t.s)))
        << "style " << style << " minute " << t.m << ":" << t.s;
  }
}

INSTANTIATE_TEST_SUITE_P(AllStyles, HandMediaTest, testing::Range(0, kHandStyleCount));

TEST(HandRenderTest, DrawnStandInsRenderLikeTheLiteralCode) {
  // Always runs: wide and narrow stand-ins at every whole 7.5 degrees.
  const PixelList wide = handListFromPicture(reference::drawnHand(40, 10, 9));
  const PixelList narrow = handListFromPicture(reference::drawnHand(33, 1, 8));
  for (int k = 0; k < 48; ++k) {
    const double angle = 7.5 * k;
    EXPECT_EQ(renderHand(wide, 0x000000, 0x02FEFFFF, angle), reference::renderHand(wide, 0x000000, 0x02FEFFFF, angle))
        << angle;
    EXPECT_EQ(renderHand(narrow, 0x0000FF, 0x00101010, angle),
              reference::renderHand(narrow, 0x0000FF, 0x00101010, angle))
        << angle;
  }
}

}  // namespace
}  // namespace tikora
