#include "face/face_layer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tikora {
namespace {

constexpr Colour kGold = 0x0037AFD4;
constexpr Colour kInnerGold = 0x00206090;  // a frame pixel inside the face disk's box
constexpr Colour kBackground = 0x00203040;
constexpr Colour kSeconds = 0x0000C0FF;

// A 238 x 237 frame: a gold band on row 5 and column 3, one frame pixel at (20, 120) inside
// the face disk, white elsewhere.
Bitmap smallFrame() {
  Bitmap frame(238, 237, kPureWhite);
  for (int x = 0; x < 238; ++x) frame.setPixel(x, 5, kGold);
  for (int y = 0; y < 237; ++y) frame.setPixel(3, y, kGold);
  frame.setPixel(20, 120, kInnerGold);
  return frame;
}

Bitmap stripPicture() {
  Bitmap strip(51, 17, kGold);
  for (int y = 0; y < 17; ++y) strip.setPixel(34, y, kPureWhite);
  return strip;
}

FaceSettings settings(int rule = 0, bool secondsOff = false) {
  FaceSettings s;
  s.background = kBackground;
  s.seconds = kSeconds;
  s.laser = 0x000000FF;
  s.style = SecondsStyle::SolidDots;
  s.secondsOff = secondsOff;
  s.frameColourRule = rule;
  return s;
}

struct HookLog {
  std::vector<std::string> calls;
  FaceLayerHooks hooks() {
    return {[this] { calls.push_back("pump"); }, [this] { calls.push_back("copyStripe"); },
            [this] { calls.push_back("secondHandTable"); }, [this] { calls.push_back("handsRedraw"); }};
  }
};

TEST(FaceLayerTest, CreationKeepsPicturesAndListsOfOriginalColours) {
  const FaceLayerState state = createFaceLayer(smallFrame(), stripPicture(), Bitmap(120, 6, kPureWhite));
  ASSERT_EQ(state.face.width(), 240);
  ASSERT_EQ(state.face.height(), 240);
  EXPECT_EQ(state.face.pixel(237, 5), kGold);
  EXPECT_EQ(state.face.pixel(238, 5), kPureWhite);  // beyond a smaller frame: see-through
  EXPECT_EQ(state.face.pixel(3, 236), kGold);
  EXPECT_EQ(state.face.pixel(3, 237), kPureWhite);
  EXPECT_EQ(state.frameList.size(), 238u + 236u + 1u);
  EXPECT_EQ(state.frameList.front(), (PixelRecord{3, 0, kGold}));
  EXPECT_EQ(state.stripList.size(), 50u * 17u);
  EXPECT_EQ(state.stripeList.size(), 720u);
}

TEST(FaceLayerTest, FaceDiskFillsItsBoxInTheBackgroundColour) {
  Bitmap face(240, 240, kPureWhite);
  drawFaceDisk(face, kBackground);
  EXPECT_EQ(face.pixel(120, 120), kBackground);
  EXPECT_EQ(face.pixel(19, 120), kBackground);
  EXPECT_EQ(face.pixel(220, 119), kBackground);
  EXPECT_EQ(face.pixel(18, 120), kPureWhite);
  EXPECT_EQ(face.pixel(221, 120), kPureWhite);
  EXPECT_EQ(face.pixel(120, 19), kBackground);
  EXPECT_EQ(face.pixel(120, 18), kPureWhite);
  EXPECT_EQ(face.pixel(19, 19), kPureWhite);
}

TEST(FaceLayerTest, FrameStyleChangeDrawsDiskThenFrameColourThenRing) {
  FaceLayerState state = createFaceLayer(Bitmap(240, 240, kPureWhite), stripPicture(), Bitmap(120, 6, kGold));
  HookLog log;
  rebuildFaceLayer(state, smallFrame(), settings(3), log.hooks());
  EXPECT_EQ(log.calls, (std::vector<std::string>{"copyStripe"}));
  EXPECT_EQ(state.frameList.size(), 238u + 236u + 1u);
  EXPECT_EQ(state.face.pixel(100, 5), 0x0000AF00u);   // rule 3 keeps green
  EXPECT_EQ(state.face.pixel(20, 120), 0x00006000u);  // the frame is coloured over the disk
  EXPECT_EQ(state.face.pixel(120, 120), kBackground);
  EXPECT_EQ(state.face.pixel(27, 120), kSeconds);  // the ring's first mark
  EXPECT_EQ(state.face.pixel(239, 239), kPureWhite);
  EXPECT_EQ(state.strip.pixel(0, 0), 0x0000AF00u);
  EXPECT_EQ(state.strip.pixel(34, 8), kPureWhite);
  EXPECT_EQ(state.stripe.pixel(119, 5), 0x0000AF00u);
}

TEST(FaceLayerTest, SecondsOffLeavesFrameAndEmptyDisk) {
  FaceLayerState state = createFaceLayer(Bitmap(240, 240, kPureWhite), stripPicture(), Bitmap(120, 6, kGold));
  rebuildFaceLayer(state, smallFrame(), settings(0, true), {});
  Bitmap expected(240, 240, kPureWhite);
  for (int x = 0; x < 238; ++x) expected.setPixel(x, 5, 0x0000AFD4);
  for (int y = 0; y < 237; ++y) expected.setPixel(3, y, 0x0000AFD4);
  drawFaceDisk(expected, kBackground);
  expected.setPixel(20, 120, 0x00006090);
  EXPECT_EQ(state.face, expected);
}

TEST(FaceLayerTest, StartUpColoursTheFrameBeforeTheDisk) {
  FaceLayerState state = createFaceLayer(smallFrame(), stripPicture(), Bitmap(120, 6, kGold));
  composeFaceAtStartUp(state, settings(0));
  EXPECT_EQ(state.face.pixel(100, 5), 0x0000AFD4u);
  EXPECT_EQ(state.face.pixel(20, 120), kBackground);  // the disk covers the frame pixel
  EXPECT_EQ(state.face.pixel(27, 120), kSeconds);
  EXPECT_EQ(state.strip.pixel(50, 16), 0x0000AFD4u);
  EXPECT_EQ(state.stripe.pixel(0, 0), 0x0000AFD4u);
}

TEST(FaceLayerTest, FrameColourChangeTouchesOnlyFramePicturesAndCopiesTheStripe) {
  FaceLayerState state = createFaceLayer(smallFrame(), stripPicture(), Bitmap(120, 6, kGold));
  composeFaceAtStartUp(state, settings(0));
  const Bitmap before = state.face;
  HookLog log;
  changeFrameColour(state, 9, log.hooks());
  EXPECT_EQ(log.calls, (std::vector<std::string>{"copyStripe"}));
  EXPECT_EQ(state.face.pixel(100, 5), 0x000000B7u);
  EXPECT_EQ(state.stripe.pixel(0, 0), 0x000000B7u);
  for (int y = 19; y < 221; ++y)
    for (int x = 19; x < 221; ++x)
      if (x != 20 || y != 120) {
        ASSERT_EQ(state.face.pixel(x, y), before.pixel(x, y)) << x << "," << y;
      }
  // A later frame style change keeps the chosen rule.
  rebuildFaceLayer(state, smallFrame(), settings(9), {});
  EXPECT_EQ(state.face.pixel(100, 5), 0x000000B7u);
}

TEST(FaceLayerTest, BackgroundChangeRedrawsDiskAndRingThenAsksForHands) {
  FaceLayerState state = createFaceLayer(smallFrame(), stripPicture(), Bitmap(120, 6, kGold));
  composeFaceAtStartUp(state, settings(0));
  FaceSettings changed = settings(0);
  changed.background = 0x00FFEEDD;
  changed.style = SecondsStyle::OutlinedDots;
  HookLog log;
  changeBackground(state, changed, log.hooks());
  EXPECT_EQ(log.calls, (std::vector<std::string>{"secondHandTable", "pump", "handsRedraw"}));
  EXPECT_EQ(state.face.pixel(120, 120), 0x00FFEEDDu);
  // Style 1 over the old solid dots: the outline of each small dot is the new background.
  EXPECT_EQ(state.face.pixel(26, 110), 0x00FFEEDDu);  // outline of ring position 1's dot
  EXPECT_EQ(state.face.pixel(27, 110), kSeconds);
  EXPECT_EQ(state.face.pixel(100, 5), 0x0000AFD4u);  // the frame keeps its colour
}

}  // namespace
}  // namespace tikora
