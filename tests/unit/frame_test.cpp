#include "core/frame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tikora {
namespace {

// Two 8 x 6 pictures with rows padded to 28 bytes (the padding differs and must not count).
struct Frames {
  static constexpr int kWidth = 8, kHeight = 6;
  static constexpr std::size_t kStride = 28;
  std::vector<std::uint8_t> before = std::vector<std::uint8_t>(kStride * kHeight, 0x40);
  std::vector<std::uint8_t> after = before;
  void change(int x, int y, int channel) { ++after[std::size_t(y) * kStride + std::size_t(x) * 3 + channel]; }
  Rect area() const { return changedArea(before.data(), after.data(), kWidth, kHeight, kStride); }
};

TEST(ChangedAreaTest, HoldsEveryChangedPixelAndNoMore) {
  struct Pixel {
    int x, y, channel;
  };
  const struct {
    const char* what;
    std::vector<Pixel> changed;
    Rect expected;
  } cases[] = {
      {"nothing", {}, Rect{}},
      {"one pixel's blue", {{3, 2, 0}}, Rect{3, 2, 1, 1}},
      {"one pixel's red", {{3, 2, 2}}, Rect{3, 2, 1, 1}},
      {"the corners", {{0, 0, 1}, {7, 5, 1}}, Rect{0, 0, 8, 6}},
      {"a diagonal", {{1, 4, 0}, {5, 1, 2}, {3, 3, 1}}, Rect{1, 1, 5, 4}},
      {"a later row reaching further left and right", {{4, 1, 0}, {2, 3, 0}, {6, 3, 0}}, Rect{2, 1, 5, 3}},
  };
  for (const auto& c : cases) {
    Frames frames;
    for (const Pixel& p : c.changed) frames.change(p.x, p.y, p.channel);
    frames.after[Frames::kStride - 1] = 0x99;  // padding at the end of row 0
    EXPECT_EQ(frames.area(), c.expected) << c.what;
  }
  EXPECT_EQ(changedArea(nullptr, nullptr, 0, 0, 0), Rect{});
}

TEST(OpaqueAreaTest, HoldsEveryPixelNotOfTheLeftOutColourAndNoMore) {
  constexpr Colour kKey = 0x00102030;
  struct Pixel {
    int x, y;
    Colour colour;
  };
  const struct {
    const char* what;
    std::vector<Pixel> shown;
    Rect expected;
  } cases[] = {
      {"nothing", {}, Rect{}},
      {"one channel off the key", {{3, 2, 0x00102031}}, Rect{3, 2, 1, 1}},
      {"the corners", {{0, 0, 0}, {7, 5, 0}}, Rect{0, 0, 8, 6}},
      {"a gap of empty rows", {{2, 0, 0}, {2, 5, 0}}, Rect{2, 0, 1, 6}},
      {"a whole row of another colour",
       {{0, 4, 0}, {1, 4, 0}, {2, 4, 0}, {3, 4, 0}, {4, 4, 0}, {5, 4, 0}, {6, 4, 0}, {7, 4, 0}},
       Rect{0, 4, 8, 1}},
      {"a later row inside the known columns", {{1, 1, 0}, {6, 1, 0}, {4, 4, 0}}, Rect{1, 1, 6, 4}},
      {"a later row reaching further left and right", {{4, 1, 0}, {2, 3, 0}, {6, 3, 0}}, Rect{2, 1, 5, 3}},
  };
  for (const auto& c : cases) {
    Bitmap picture(8, 6, kKey);
    for (const Pixel& p : c.shown) picture.setPixel(p.x, p.y, p.colour);
    EXPECT_EQ(opaqueArea(picture, kKey), c.expected) << c.what;
  }
  EXPECT_EQ(opaqueArea(Bitmap(), kKey), Rect{});
  // Rows wider than the runs of eight pixels it passes over at once.
  Bitmap wide(43, 3, kKey);
  wide.setPixel(21, 0, 0);
  wide.setPixel(9, 2, 0);
  wide.setPixel(37, 2, 0);
  EXPECT_EQ(opaqueArea(wide, kKey), Rect::fromEdges(9, 0, 38, 3));
}

// A 6 x 4 frame of grey with rows padded to 20 bytes, and a 3 x 2 picture of three colours.
class FrameCopyTest : public ::testing::Test {
 protected:
  static constexpr Colour kGrey = 0x00404040, kRed = 0x000000FF, kGreen = 0x0000FF00, kKey = 0x00FFFF00;
  FrameCopyTest() : bytes(20 * 4, 0x40), picture(3, 2, kRed) {
    picture.setPixel(1, 0, kKey);
    picture.setPixel(2, 1, kGreen);
  }
  FrameRows frame() { return {bytes.data(), 6, 4, 20}; }
  Colour at(int x, int y) const {
    const std::uint8_t* p = bytes.data() + std::size_t(y) * 20 + std::size_t(x) * 3;
    return rgb(p[2], p[1], p[0]);
  }
  std::vector<std::string> rows() const {
    std::vector<std::string> out;
    for (int y = 0; y < 4; ++y) {
      std::string row;
      for (int x = 0; x < 6; ++x) {
        const Colour c = at(x, y);
        row += c == kGrey ? '.' : c == kRed ? 'R' : c == kGreen ? 'G' : c == kKey ? 'K' : '?';
      }
      out.push_back(row);
    }
    return out;
  }
  std::vector<std::uint8_t> bytes;
  Bitmap picture;
};

TEST_F(FrameCopyTest, CopiesClippedToTheBoundsAndTheFrame) {
  const struct {
    const char* what;
    Rect bounds;
    std::vector<std::string> expected;
  } cases[] = {
      {"inside", Rect{1, 1, 3, 2}, {"......", ".RKR..", ".RRG..", "......"}},
      {"bounds narrower than the picture", Rect{1, 1, 2, 1}, {"......", ".RK...", "......", "......"}},
      {"bounds wider than the picture", Rect{0, 0, 5, 4}, {"RKR...", "RRG...", "......", "......"}},
      {"over the right and bottom edges", Rect{4, 3, 3, 2}, {"......", "......", "......", "....RK"}},
      {"over the left and top edges", Rect{-1, -1, 3, 2}, {"RG....", "......", "......", "......"}},
      {"outside", Rect{6, 0, 3, 2}, {"......", "......", "......", "......"}},
  };
  for (const auto& c : cases) {
    std::fill(bytes.begin(), bytes.end(), std::uint8_t(0x40));
    copyPicture(frame(), picture, c.bounds);
    EXPECT_EQ(rows(), c.expected) << c.what;
  }
}

TEST_F(FrameCopyTest, LeavingOutAColourShowsTheFrameThroughIt) {
  copyPictureLeavingOut(frame(), picture, Rect{2, 1, 3, 2}, kKey);
  EXPECT_EQ(rows(), (std::vector<std::string>{"......", "..R.R.", "..RRG.", "......"}));
  copyPictureLeavingOut(frame(), picture, Rect{-1, 2, 3, 2}, kRed);
  EXPECT_EQ(rows(), (std::vector<std::string>{"......", "..R.R.", "K.RRG.", ".G...."}));
}

// Long runs of the left-out colour are passed over whole: what lies between them, and a run
// cut short by the picture's end, still comes through pixel by pixel.
TEST(FrameLeavingOutTest, EveryPixelOfAWideRowOtherThanTheLeftOutColourComesThrough) {
  constexpr Colour kKey = 0x00102030, kInk = 0x00F0E0D0, kBack = 0x00555555;
  Bitmap picture(29, 1, kKey);
  const std::vector<int> inked = {0, 7, 8, 15, 16, 23, 24, 27, 28};
  for (const int x : inked) picture.setPixel(x, 0, kInk);
  picture.setPixel(12, 0, 0x00102031);  // one step from the key is not the key
  Bitmap target(31, 1, kBack);
  copyPictureLeavingOut({target.row(0), 31, 1, target.stride()}, picture, Rect{1, 0, 29, 1}, kKey);
  for (int x = 0; x < 31; ++x) {
    Colour expected = kBack;
    if (x >= 1 && x <= 29) {
      const Colour source = picture.pixel(x - 1, 0);
      if (source != kKey) expected = source;
    }
    EXPECT_EQ(target.pixel(x, 0), expected) << x;
  }
}

}  // namespace
}  // namespace tikora
