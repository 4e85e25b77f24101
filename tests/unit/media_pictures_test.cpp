// Checks the generated bitmap resources against what the clock relies on: the hand pictures'
// tip rows and widths inside the window the clock reads, the frames' sizes and see-through
// white, the button strip's see-through gap, and the sizes of every picture list.
//
// The media folder comes from TIKORA_MEDIA_DIR; the pictures are read with a small BMP reader
// of our own so that the test needs nothing but the files.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#ifndef TIKORA_MEDIA_DIR
#error "TIKORA_MEDIA_DIR must name the folder of the generated media"
#endif

namespace {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
  bool isWhite() const { return r == 255 && g == 255 && b == 255; }
};

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<Rgb> pixels;  // row by row from the top
  Rgb at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

std::uint32_t readLe(const std::vector<std::uint8_t>& data, std::size_t at, int bytes) {
  std::uint32_t value = 0;
  for (int i = bytes - 1; i >= 0; --i) value = (value << 8) | data[at + i];
  return value;
}

std::vector<std::uint8_t> readAll(std::ifstream& file) {
  file.seekg(0, std::ios::end);
  const auto size = static_cast<std::size_t>(file.tellg());
  file.seekg(0, std::ios::beg);
  std::vector<std::uint8_t> data(size);
  file.read(reinterpret_cast<char*>(data.data()), static_cast<std::streamsize>(size));
  return data;
}

// Reads an uncompressed 24-bit BMP (bottom-up or top-down). Anything else is reported as an error
// text, so a broken file fails the test with a reason instead of crashing it.
std::optional<Picture> readBmp(const std::string& path, std::string& error) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    error = "cannot open " + path;
    return std::nullopt;
  }
  std::vector<std::uint8_t> data = readAll(file);
  if (data.size() < 54 || data[0] != 'B' || data[1] != 'M') {
    error = path + " is not a BMP file";
    return std::nullopt;
  }
  const auto offset = readLe(data, 10, 4);
  const auto headerSize = readLe(data, 14, 4);
  const auto width = static_cast<std::int32_t>(readLe(data, 18, 4));
  const auto rawHeight = static_cast<std::int32_t>(readLe(data, 22, 4));
  const auto bitsPerPixel = readLe(data, 28, 2);
  const auto compression = readLe(data, 30, 4);
  if (headerSize != 40 || bitsPerPixel != 24 || compression != 0 || width <= 0 || rawHeight == 0) {
    error = path + ": not a 24-bit BITMAPINFOHEADER picture";
    return std::nullopt;
  }
  const bool bottomUp = rawHeight > 0;
  const int height = bottomUp ? rawHeight : -rawHeight;
  const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
  if (offset + stride * height > data.size()) {
    error = path + ": pixel data is cut short";
    return std::nullopt;
  }
  Picture picture{width, height, {}};
  picture.pixels.resize(static_cast<std::size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    const int fileRow = bottomUp ? height - 1 - y : y;
    const std::size_t row = offset + stride * fileRow;
    for (int x = 0; x < width; ++x) {
      const std::size_t p = row + 3 * static_cast<std::size_t>(x);
      picture.pixels[static_cast<std::size_t>(y) * width + x] = {data[p + 2], data[p + 1], data[p]};
    }
  }
  return picture;
}

Picture load(const std::string& name) {
  std::string error;
  auto picture = readBmp(std::string(TIKORA_MEDIA_DIR) + "/" + name + ".bmp", error);
  if (!picture) {
    ADD_FAILURE() << error;
    return {};
  }
  return *picture;
}

// Hand styles: tip rows of the hour, minute and second hand, and the widest row of the three.
struct HandStyle {
  int hourTip, minuteTip, secondTip, widest;
};
constexpr std::array<HandStyle, 18> kHandStyles{{
    {59, 47, 33, 11},
    {63, 47, 33, 21},
    {63, 47, 33, 9},
    {56, 44, 33, 19},
    {59, 47, 33, 11},
    {60, 48, 33, 11},
    {59, 48, 33, 21},
    {59, 48, 32, 19},
    {59, 46, 37, 19},
    {59, 47, 33, 21},
    {59, 48, 33, 17},
    {59, 47, 33, 21},
    {61, 50, 33, 19},
    {59, 47, 33, 19},
    {59, 48, 32, 17},
    {59, 46, 32, 21},
    {61, 47, 32, 21},
    {66, 47, 39, 13},
}};

constexpr int kReadLeft = 110, kReadRight = 130, kReadTop = 20, kReadBottom = 140;

struct HandMeasure {
  int tipRow = -1;
  int widest = 0;
};

HandMeasure measureHand(const Picture& hand) {
  HandMeasure m;
  for (int y = kReadTop; y <= kReadBottom; ++y) {
    int left = -1, right = -1;
    for (int x = kReadLeft; x <= kReadRight; ++x) {
      if (hand.at(x, y).isWhite()) continue;
      if (left < 0) left = x;
      right = x;
    }
    if (left < 0) continue;
    if (m.tipRow < 0) m.tipRow = y;
    m.widest = std::max(m.widest, right - left + 1);
  }
  return m;
}

std::string suffix(int style) { return style == 0 ? "" : std::to_string(style); }

TEST(HandPictures, MatchTheHandStyleTable) {
  for (int style = 0; style < 18; ++style) {
    SCOPED_TRACE("style " + std::to_string(style));
    const auto hour = load("mala" + suffix(style));
    const auto minute = load("srednia" + suffix(style));
    const auto second = load("duza" + suffix(style));
    ASSERT_FALSE(hour.pixels.empty() || minute.pixels.empty() || second.pixels.empty());
    const auto h = measureHand(hour), m = measureHand(minute), s = measureHand(second);
    EXPECT_EQ(h.tipRow, kHandStyles[style].hourTip);
    EXPECT_EQ(m.tipRow, kHandStyles[style].minuteTip);
    EXPECT_EQ(s.tipRow, kHandStyles[style].secondTip);
    EXPECT_EQ(std::max({h.widest, m.widest, s.widest}), kHandStyles[style].widest);
  }
}

TEST(HandPictures, AreSymmetricPinnedAtThePivotAndUseOnlyHandColours) {
  const auto allowed = [](Rgb c) {
    if (c.isWhite() || c == Rgb{255, 0, 0}) return true;
    const bool grey = c.r == c.g && c.g == c.b;
    return grey && (c.r == 0 || c.r == 16 || c.r == 32 || c.r == 48 || c.r == 160);
  };
  for (int style = 0; style < 18; ++style) {
    for (const char* base : {"mala", "srednia", "duza"}) {
      const std::string name = base + suffix(style);
      SCOPED_TRACE(name);
      const auto hand = load(name);
      ASSERT_EQ(hand.width, 240);
      ASSERT_EQ(hand.height, 240);
      EXPECT_FALSE(hand.at(120, 120).isWhite()) << "the pivot must belong to the hand";
      int offColour = 0, asymmetric = 0, outside = 0;
      for (int y = 0; y < 240; ++y) {
        for (int x = 0; x < 240; ++x) {
          const Rgb c = hand.at(x, y);
          if (!allowed(c)) ++offColour;
          if (x >= 1 && x < 120 && !(c == hand.at(240 - x, y))) ++asymmetric;
          const bool inWindow = x >= kReadLeft && x <= kReadRight && y >= kReadTop && y <= kReadBottom;
          if (!inWindow && !c.isWhite()) ++outside;
        }
      }
      EXPECT_EQ(offColour, 0) << "pixels in colours the clock does not expect (no anti-aliasing)";
      EXPECT_EQ(asymmetric, 0) << "pixels not mirrored about x = 120";
      EXPECT_EQ(outside, 0) << "pixels outside the read window would never be shown";
    }
  }
}

// Frames 27, 28, 29, 36, 37, 39 are 238 x 237; frames 31, 32, 35 are 238 x 236; the rest 240 x 240.
int expectedFrameHeight(int n) {
  if (n == 27 || n == 28 || n == 29 || n == 36 || n == 37 || n == 39) return 237;
  if (n == 31 || n == 32 || n == 35) return 236;
  return 240;
}
int expectedFrameWidth(int n) { return expectedFrameHeight(n) == 240 ? 240 : 238; }

TEST(FramePictures, HaveTheirSizesWhiteCornersAndWhiteCentre) {
  for (int n = 1; n <= 40; ++n) {
    SCOPED_TRACE("frame" + std::to_string(n));
    const auto frame = load("frame" + std::to_string(n));
    ASSERT_EQ(frame.width, expectedFrameWidth(n));
    ASSERT_EQ(frame.height, expectedFrameHeight(n));
    const int w = frame.width, h = frame.height;
    EXPECT_TRUE(frame.at(0, 0).isWhite());
    EXPECT_TRUE(frame.at(w - 1, 0).isWhite());
    EXPECT_TRUE(frame.at(0, h - 1).isWhite());
    EXPECT_TRUE(frame.at(w - 1, h - 1).isWhite());
    EXPECT_TRUE(frame.at(120, 120).isWhite());
    // Nothing is cut off: the outermost rows and columns are all see-through.
    int edgeMetal = 0;
    for (int x = 0; x < w; ++x) edgeMetal += !frame.at(x, 0).isWhite() + !frame.at(x, h - 1).isWhite();
    for (int y = 0; y < h; ++y) edgeMetal += !frame.at(0, y).isWhite() + !frame.at(w - 1, y).isWhite();
    EXPECT_EQ(edgeMetal, 0);
  }
}

TEST(FramePictures, RingIsClosedJustOutsideTheFaceDiskAndKeepsRecolourSafeTones) {
  for (int n = 1; n <= 40; ++n) {
    SCOPED_TRACE("frame" + std::to_string(n));
    const auto frame = load("frame" + std::to_string(n));
    ASSERT_FALSE(frame.pixels.empty());
    // The face disk covers radius ~101; the ring must show all round just outside it.
    for (int deg = 0; deg < 360; deg += 3) {
      const double a = deg * 3.14159265358979 / 180.0;
      const int x = static_cast<int>(std::lround(120 + 104 * std::sin(a)));
      const int y = static_cast<int>(std::lround(120 - 104 * std::cos(a)));
      if (frame.at(x, y).isWhite()) ADD_FAILURE() << "gap in the ring at " << deg << " degrees";
    }
    // Red 128 and up, blue below 64: the bit rules then never carry out of a channel and
    // no tone comes near the see-through white.
    int unsafe = 0;
    for (const auto& c : frame.pixels)
      if (!c.isWhite() && (c.r < 128 || c.b > 63)) ++unsafe;
    EXPECT_EQ(unsafe, 0);
  }
}

TEST(SmallPictures, BlankCanvasIsAllWhite) {
  const auto plotno = load("plotno");
  ASSERT_EQ(plotno.width, 240);
  ASSERT_EQ(plotno.height, 240);
  EXPECT_TRUE(std::all_of(plotno.pixels.begin(), plotno.pixels.end(), [](Rgb c) { return c.isWhite(); }));
}

TEST(SmallPictures, StripHasASeeThroughGapOnlyInColumn34) {
  const auto strip = load("strip");
  ASSERT_EQ(strip.width, 51);
  ASSERT_EQ(strip.height, 17);
  for (int y = 0; y < 17; ++y) {
    for (int x = 0; x < 51; ++x) {
      const bool white = strip.at(x, y).isWhite();
      if (white != (x == 34)) ADD_FAILURE() << (white ? "hole at " : "column 34 not white at ") << x << "," << y;
    }
  }
}

TEST(SmallPictures, CloseGlyphsAreTheSameShapeInBlackAndRed) {
  const auto black = load("black_close");
  const auto red = load("red_close");
  ASSERT_EQ(black.width, 7);
  ASSERT_EQ(black.height, 7);
  ASSERT_EQ(red.width, 7);
  ASSERT_EQ(red.height, 7);
  int inked = 0;
  for (std::size_t i = 0; i < black.pixels.size(); ++i) {
    const bool b = !black.pixels[i].isWhite();
    EXPECT_EQ(b, !red.pixels[i].isWhite());
    if (b) {
      EXPECT_EQ(black.pixels[i], (Rgb{0, 0, 0}));
      EXPECT_EQ(red.pixels[i], (Rgb{255, 0, 0}));
      ++inked;
    }
  }
  EXPECT_GT(inked, 7);
}

TEST(SmallPictures, PictureListsAndDecorationsHaveTheirSizes) {
  struct Size {
    const char* name;
    int width, height;
  };
  for (const auto& s : {Size{"stripe", 120, 6}, Size{"clock_images", 128, 16}, Size{"frame_samples", 1216, 16},
                        Size{"hand_samples", 720, 40}, Size{"banner", 729, 34}, Size{"screen_mini", 33, 27},
                        Size{"screen_marker", 9, 9}}) {
    SCOPED_TRACE(s.name);
    const auto picture = load(s.name);
    EXPECT_EQ(picture.width, s.width);
    EXPECT_EQ(picture.height, s.height);
  }
  // The stripe is recoloured pixel by pixel, white ones included: it must carry no white.
  const auto stripe = load("stripe");
  EXPECT_TRUE(std::none_of(stripe.pixels.begin(), stripe.pixels.end(), [](Rgb c) { return c.isWhite(); }));
}

TEST(SmallPictures, ClockImageListUsesMagentaOnlyAsBackground) {
  const auto images = load("clock_images");
  ASSERT_EQ(images.width, 128);
  for (int i = 0; i < 8; ++i) {
    SCOPED_TRACE("image " + std::to_string(i));
    int drawn = 0;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) drawn += !(images.at(16 * i + x, y) == Rgb{255, 0, 255});
    EXPECT_GT(drawn, 40) << "image is (nearly) empty";
    for (const auto& [x, y] : {std::pair{0, 0}, std::pair{15, 0}, std::pair{0, 15}, std::pair{15, 15}})
      EXPECT_EQ(images.at(16 * i + x, y), (Rgb{255, 0, 255})) << "corner " << x << "," << y;
  }
}

TEST(ApplicationIcon, HoldsTheFiveSizes) {
  std::ifstream file(std::string(TIKORA_MEDIA_DIR) + "/MAINICON.ico", std::ios::binary);
  ASSERT_TRUE(file) << "MAINICON.ico missing";
  std::vector<std::uint8_t> data = readAll(file);
  ASSERT_GE(data.size(), 6u);
  EXPECT_EQ(readLe(data, 0, 2), 0u);
  EXPECT_EQ(readLe(data, 2, 2), 1u);
  const auto count = readLe(data, 4, 2);
  ASSERT_EQ(count, 5u);
  std::set<int> sizes;
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::size_t entry = 6 + 16 * i;
    const int size = data[entry] == 0 ? 256 : data[entry];
    sizes.insert(size);
    EXPECT_EQ(readLe(data, entry + 6, 2), 32u) << "size " << size << " is not 32-bit";
    EXPECT_LE(readLe(data, entry + 12, 4) + readLe(data, entry + 8, 4), data.size());
  }
  EXPECT_EQ(sizes, (std::set<int>{16, 24, 32, 48, 256}));
}

}  // namespace
