// Hand pictures and hand rules: the read window of a hand bitmap, painting with the hand colour,
// the style names, the hour and minute angles, which layers show, and the transparent colour.
#include <gtest/gtest.h>

#include "face/hand_angles.h"
#include "face/hand_picture.h"
#include "face/hand_style.h"
#include "face/hands.h"
#include "face/rotate.h"

namespace tikora {
namespace {

TEST(HandPictureTest, HandListReadsOnlyTheHandWindowRowByRow) {
  Bitmap bitmap(240, 240);
  bitmap.setPixel(130, 20, 0x0000FF);   // top right corner of the window
  bitmap.setPixel(110, 20, 0x000000);   // top left corner
  bitmap.setPixel(120, 140, 0xA0A0A0);  // bottom row
  bitmap.setPixel(109, 50, 0x000000);   // left of the window
  bitmap.setPixel(131, 50, 0x000000);   // right of it
  bitmap.setPixel(120, 19, 0x000000);   // above it
  bitmap.setPixel(120, 141, 0x000000);  // below it: a hand's tail is not drawn
  bitmap.setPixel(125, 60, 0xFEFFFF);   // near white is a hand pixel
  EXPECT_EQ(handListFromPicture(bitmap),
            (PixelList{{110, 20, 0x000000}, {130, 20, 0x0000FF}, {125, 60, 0xFEFFFF}, {120, 140, 0xA0A0A0}}));
}

TEST(HandPictureTest, PaintFillsBackgroundAndGivesBlackRecordsTheHandColour) {
  const PixelList hand{{120, 30, 0x000000}, {121, 30, 0x0000FF}, {122, 30, 0xA0A0A0},
                       {120, 31, 0x101010}, {500, 31, 0x000000}, {-1, 0, 0x0000FF}};
  const Colour handColour = 0x00123456, background = 0x02FEFFFF;
  const Bitmap picture = paintHandPicture(hand, handColour, background);
  ASSERT_EQ(picture.width(), 240);
  ASSERT_EQ(picture.height(), 240);
  EXPECT_EQ(picture.pixel(120, 30), 0x00123456u);
  EXPECT_EQ(picture.pixel(121, 30), 0x000000FFu);
  EXPECT_EQ(picture.pixel(122, 30), 0x00A0A0A0u);
  EXPECT_EQ(picture.pixel(120, 31), 0x00101010u);  // near black keeps its own colour
  Bitmap expected(240, 240, 0x00FEFFFF);
  for (const auto& [x, y, c] :
       PixelList{{120, 30, 0x123456}, {121, 30, 0x0000FF}, {122, 30, 0xA0A0A0}, {120, 31, 0x101010}})
    expected.setPixel(x, y, c);
  EXPECT_EQ(picture, expected);  // records outside the picture are left out

  // Painting again into the same picture starts from a clean background.
  Bitmap reused = picture;
  paintHandPicture(reused, PixelList{{0, 0, 0x000000}}, 0x00FF0000, 0x00336699);
  Bitmap expectedReused(240, 240, 0x00336699);
  expectedReused.setPixel(0, 0, 0x00FF0000);
  EXPECT_EQ(reused, expectedReused);
}

TEST(HandStyleTest, StoredValueCountsByItsLowByte) {
  EXPECT_EQ(handStyleFromStored(0), 0);
  EXPECT_EQ(handStyleFromStored(1), 1);
  EXPECT_EQ(handStyleFromStored(17), 17);
  EXPECT_EQ(handStyleFromStored(18), 0);
  EXPECT_EQ(handStyleFromStored(255), 0);
  EXPECT_EQ(handStyleFromStored(-1), 0);   // low byte 255
  EXPECT_EQ(handStyleFromStored(257), 1);  // low byte 1
  EXPECT_EQ(handStyleFromStored(0x7FFFFF07), 7);
  EXPECT_EQ(handStyleFromItemIndex(-1), 0);
  EXPECT_EQ(handStyleFromItemIndex(17), 17);
  EXPECT_EQ(handStyleFromItemIndex(18), 0);
  EXPECT_EQ(handStyleFromItemIndex(257), 0);
}

TEST(HandStyleTest, ResourceNames) {
  EXPECT_EQ(handResourceNames(0), (HandResourceNames{L"mala", L"srednia", L"duza"}));
  EXPECT_EQ(handResourceNames(7), (HandResourceNames{L"mala7", L"srednia7", L"duza7"}));
  EXPECT_EQ(handResourceNames(17), (HandResourceNames{L"mala17", L"srednia17", L"duza17"}));
  EXPECT_EQ(handResourceNames(18), (HandResourceNames{L"mala", L"srednia", L"duza"}));
  EXPECT_EQ(handResourceNames(handStyleFromStored(257)), (HandResourceNames{L"mala1", L"srednia1", L"duza1"}));
}

TEST(HandAnglesTest, HourHand) {
  EXPECT_EQ(hourHandAngle(0, 30), 15);    // m div 2 at midnight
  EXPECT_EQ(hourHandAngle(12, 30), 375);  // the same direction at noon
  EXPECT_EQ(hourHandAngle(0, 0), 0);
  EXPECT_EQ(hourHandAngle(12, 0), 360);
  EXPECT_EQ(hourHandAngle(9, 0), 270);
  EXPECT_EQ(hourHandAngle(9, 1), 270);  // 09:01:59 still 270, drawn at 269.8
  EXPECT_EQ(drawnAngle(hourHandAngle(9, 1)), 269.8);
  EXPECT_EQ(hourHandAngle(9, 2), 271);
  EXPECT_EQ(hourHandAngle(21, 0), 270);
  EXPECT_EQ(hourHandAngle(13, 0), 30);
  EXPECT_EQ(hourHandAngle(23, 59), 359);
  EXPECT_EQ(hourHandAngle(11, 59), 359);
}

TEST(HandAnglesTest, MinuteHandMovesADegreeEveryTenSeconds) {
  for (int s = 0; s <= 9; ++s) {
    EXPECT_EQ(minuteHandAngle(45, s), 270) << s;  // 12:45:00 to 12:45:09
    EXPECT_EQ(drawnAngle(minuteHandAngle(45, s)), 269.8);
  }
  EXPECT_EQ(minuteHandAngle(45, 10), 271);
  EXPECT_EQ(minuteHandAngle(0, 0), 0);
  EXPECT_EQ(minuteHandAngle(59, 59), 359);
}

TEST(HandLayersTest, VisibilityFollowsBothCheckBoxes) {
  EXPECT_EQ(handLayerVisibility(false, false), (HandLayerVisibility{true, true, true}));
  EXPECT_EQ(handLayerVisibility(true, false), (HandLayerVisibility{true, true, false}));
  EXPECT_EQ(handLayerVisibility(false, true), (HandLayerVisibility{false, false, false}));
  EXPECT_EQ(handLayerVisibility(true, true), (HandLayerVisibility{false, false, false}));
}

TEST(HandLayersTest, TransparentColourIsTheBottomLeftPixel) {
  Bitmap picture(240, 240, 0x00112233);
  picture.setPixel(0, 239, 0x00445566);
  picture.setPixel(0, 0, 0x00778899);
  EXPECT_EQ(handLayerTransparentColour(picture), 0x00445566u);
  EXPECT_EQ(handLayerTransparentColour(Bitmap()), std::nullopt);
  // A rendered hand has the background there, whatever the angle.
  const PixelList hand{{120, 40, 0x000000}, {120, 41, 0x000000}};
  for (double angle : {0.0, 45.0, 225.0, 270.0})
    EXPECT_EQ(handLayerTransparentColour(renderHand(hand, 0x000000, 0x02FEFFFF, angle)), 0x00FEFFFFu);
}

}  // namespace
}  // namespace tikora
