// The in-place smoothing filter: hand-computed pixels, halves to even, and the fast filter
// against the literal one on pictures with flat areas, edges and every weight the code treats
// apart.
#include <gtest/gtest.h>

#include <vector>

#include "face/smooth.h"
#include "hands_reference.h"

namespace tikora {
namespace {

Colour grey(int level) { return rgb(std::uint8_t(level), std::uint8_t(level), std::uint8_t(level)); }

Bitmap greyPicture(const std::vector<std::vector<int>>& levels) {
  Bitmap picture(int(levels[0].size()), int(levels.size()));
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) picture.setPixel(x, y, grey(levels[y][x]));
  return picture;
}

// Weight 5 on
//     0 100   0
//     0   0 200
// (sums over total; left and upper neighbours already smoothed):
//  (0,0): 100*0 + 5*(100 + 0)            = 500 / 110   = 4.545  -> 5
//  (1,0): 100*100 + 5*(5 + 0 + 0)        = 10025 / 115 = 87.17  -> 87
//  (2,0): 100*0 + 5*(87 + 200)           = 1435 / 110  = 13.045 -> 13 (14 with the unsmoothed 100)
//  (0,1): 100*0 + 5*(0 + 5)              = 25 / 110    = 0.227  -> 0
//  (1,1): 100*0 + 5*(0 + 200 + 87)       = 1435 / 115  = 12.478 -> 12 (13 with the unsmoothed 100)
//  (2,1): 100*200 + 5*(12 + 13)          = 20125 / 110 = 182.95 -> 183 (182 unsmoothed)
TEST(SmoothTest, ReadsLeftAndUpperNeighboursAlreadySmoothed) {
  Bitmap picture = greyPicture({{0, 100, 0}, {0, 0, 200}});
  smoothPicture(picture, 5);
  EXPECT_EQ(picture, greyPicture({{5, 87, 13}, {0, 12, 183}}));
}

// 2 x 2, only (1, 0) coloured, red 11, green 33, blue 0. At (0, 0): red 5 * 11 / 110 = 0.5 -> 0,
// green 5 * 33 / 110 = 1.5 -> 2 (halves to the even neighbour), blue 0.
// (1, 0): red (1100 + 5 * 0) / 110 = 10, green (3300 + 5 * 2) / 110 = 30.09 -> 30.
// (0, 1): red 0, green 5 * 2 / 110 = 0.09 -> 0.
// (1, 1): red 5 * 10 / 110 = 0.45 -> 0, green 5 * 30 / 110 = 1.36 -> 1.
TEST(SmoothTest, HalvesGoToTheEvenNeighbourPerChannel) {
  Bitmap picture(2, 2, 0x000000);
  picture.setPixel(1, 0, rgb(11, 33, 0));
  smoothPicture(picture, 5);
  EXPECT_EQ(picture.pixel(0, 0), rgb(0, 2, 0));
  EXPECT_EQ(picture.pixel(1, 0), rgb(10, 30, 0));
  EXPECT_EQ(picture.pixel(0, 1), rgb(0, 0, 0));
  EXPECT_EQ(picture.pixel(1, 1), rgb(0, 1, 0));
}

TEST(SmoothTest, FlatPicturesAndNonPositiveWeightsStayAsTheyAre) {
  Bitmap flat(240, 240, 0x00336699);
  smoothPicture(flat, 5);
  EXPECT_EQ(flat, Bitmap(240, 240, 0x00336699));

  const Bitmap patchy = reference::patchyPicture(30, 20, 5, 0x00336699);
  Bitmap picture = patchy;
  smoothPicture(picture, 0);
  EXPECT_EQ(picture, patchy);
  smoothPicture(picture, -5);
  EXPECT_EQ(picture, patchy);
  Bitmap empty;
  smoothPicture(empty, 5);
  EXPECT_TRUE(empty.empty());
}

TEST(SmoothTest, FastFilterEqualsTheLiteralOne) {
  struct Case {
    int width, height;
  };
  const Case sizes[] = {{240, 240}, {1, 1}, {1, 7}, {7, 1}, {2, 2}, {3, 5}, {17, 13}, {64, 3}};
  for (int weight : {5, 1, 3, 7, 20, 100, 1000}) {
    unsigned seed = 1;
    for (const Case& c : sizes) {
      const Bitmap original = reference::patchyPicture(c.width, c.height, seed++, 0x00FEFFFF);
      Bitmap fast = original, literal = original;
      smoothPicture(fast, weight);
      reference::smooth(literal, weight);
      EXPECT_EQ(fast, literal) << c.width << "x" << c.height << " weight " << weight;
    }
  }
}

// A lone dark pixel in a flat field spreads right and down through the in-place reads; the fast
// filter must follow the spread to its end and also handle content touching every edge.
TEST(SmoothTest, FastFilterFollowsSpreadAndEdges) {
  Bitmap picture(60, 40, 0x00FFFFFF);
  picture.setPixel(10, 10, 0x000000);
  picture.setPixel(59, 0, 0x000000);
  picture.setPixel(0, 39, 0x0000FF);
  picture.setPixel(59, 39, 0x00FF00);
  picture.setPixel(0, 0, 0x00A0A0A0);
  for (int x = 20; x < 60; ++x) picture.setPixel(x, 25, 0x000000);  // runs to the right edge
  Bitmap literal = picture;
  smoothPicture(picture, 5);
  reference::smooth(literal, 5);
  EXPECT_EQ(picture, literal);
  EXPECT_NE(picture.pixel(11, 10), 0x00FFFFFFu);  // the spread is real
}

}  // namespace
}  // namespace tikora
