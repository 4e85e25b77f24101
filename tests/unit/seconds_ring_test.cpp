#include "face/seconds_ring.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/unit/picture_art.h"

namespace tikora {
namespace {

using testing::pictureArt;
using testing::rows;

constexpr Colour kOld = 0x00808080;         // what the face held before: 'o'
constexpr Colour kBackground = 0x00203040;  // 'b'
constexpr Colour kSeconds = 0x0000C0FF;     // 's'

SecondsRingSettings settingsFor(SecondsStyle style, bool secondsOff = false) {
  SecondsRingSettings settings;
  settings.background = kBackground;
  settings.seconds = kSeconds;
  settings.laser = 0x000000FF;
  settings.style = style;
  settings.secondsOff = secondsOff;
  return settings;
}

std::string art(const Bitmap& face, int left, int top) {
  return pictureArt(face, left, top, 10, 10, {{'o', kOld}, {'b', kBackground}, {'s', kSeconds}});
}
// The erase square of ring position 0, a mark at (27, 120), and of position 1 at (28, 110).
std::string markArt(const Bitmap& face) { return art(face, 22, 115); }
std::string plainArt(const Bitmap& face) { return art(face, 23, 105); }

const std::string kAllBackground = rows({"bbbbbbbbbb", "bbbbbbbbbb", "bbbbbbbbbb", "bbbbbbbbbb", "bbbbbbbbbb",
                                         "bbbbbbbbbb", "bbbbbbbbbb", "bbbbbbbbbb", "bbbbbbbbbb", "bbbbbbbbbb"});
const std::string kSolidBigDot = rows({"bbbbbbbbbb", "bbbssssbbb", "bbssssssbb", "bssssssssb", "bssssssssb",
                                       "bssssssssb", "bssssssssb", "bbssssssbb", "bbbssssbbb", "bbbbbbbbbb"});
const std::string kSolidBigSquare = rows({"bbbbbbbbbb", "bssssssssb", "bssssssssb", "bssssssssb", "bssssssssb",
                                          "bssssssssb", "bssssssssb", "bssssssssb", "bssssssssb", "bbbbbbbbbb"});
const std::string kOutlinedDot = rows({"bbbbbbbbbb", "bbbbbbbbbb", "bbbbbbbbbb", "bbbbbbbbbb", "bbbbssbbbb",
                                       "bbbbssbbbb", "bbbbbbbbbb", "bbbbbbbbbb", "bbbbbbbbbb", "bbbbbbbbbb"});
const std::string kTick = rows({"bbbbbbbbbb", "bbbbbbbbbb", "bbbbbbbbbb", "bbbbbbbbbb", "bbbbssssss", "bbbbssssss",
                                "bbbbssssss", "bbbbbbbbbb", "bbbbbbbbbb", "bbbbbbbbbb"});
const std::string kBigTriangle = rows({"bbbbbbbbbb", "bbbbbsbbbb", "bbbbbssbbb", "bbbbbsssbb", "bbbbbssssb",
                                       "bbbbbsssss", "bbbbbssssb", "bbbbbsssbb", "bbbbbssbbb", "bbbbbsbbbb"});

struct StyleCase {
  SecondsStyle style;
  std::string mark;
  std::string plain;
};

const StyleCase kCases[] = {
    {SecondsStyle::OutlinedDots,
     rows({"bbbbbbbbbb", "bbbbbbbbbb", "bbbssssbbb", "bbssbbssbb", "bbsbssbsbb", "bbsbssbsbb", "bbssbbssbb",
           "bbbssssbbb", "bbbbbbbbbb", "bbbbbbbbbb"}),
     kOutlinedDot},
    {SecondsStyle::OutlinedDotsSolidMarks, kSolidBigDot, kOutlinedDot},
    {SecondsStyle::SolidDots, kSolidBigDot,
     rows({"bbbbbbbbbb", "bbbbbbbbbb", "bbbbbbbbbb", "bbbbssbbbb", "bbbssssbbb", "bbbssssbbb", "bbbbssbbbb",
           "bbbbbbbbbb", "bbbbbbbbbb", "bbbbbbbbbb"})},
    {SecondsStyle::DotMarks, kSolidBigDot, kAllBackground},
    {SecondsStyle::OutlinedSquares,
     rows({"bbbbbbbbbb", "bbbbbbbbbb", "bbssssssbb", "bbsbbbbsbb", "bbsbssbsbb", "bbsbssbsbb", "bbsbbbbsbb",
           "bbssssssbb", "bbbbbbbbbb", "bbbbbbbbbb"}),
     kOutlinedDot},
    {SecondsStyle::OutlinedSquaresSolidMarks, kSolidBigSquare, kOutlinedDot},
    {SecondsStyle::SolidSquares, kSolidBigSquare,
     rows({"bbbbbbbbbb", "bbbbbbbbbb", "bbbbbbbbbb", "bbbssssbbb", "bbbssssbbb", "bbbssssbbb", "bbbssssbbb",
           "bbbbbbbbbb", "bbbbbbbbbb", "bbbbbbbbbb"})},
    {SecondsStyle::SquareMarks, kSolidBigSquare, kAllBackground},
    {SecondsStyle::TicksAndPoints, kTick,
     rows({"bbbbbbbbbb", "bbbbbbbbbb", "bbbbbbbbbb", "bbbbbbbbbb", "bbbbssbbbb", "bbbbssbbbb", "bbbbbbbbbb",
           "bbbbbbbbbb", "bbbbbbbbbb", "bbbbbbbbbb"})},
    {SecondsStyle::Ticks, kTick, kAllBackground},
    {SecondsStyle::Triangles, kBigTriangle,
     rows({"bbbbbbbbbb", "bbbbbbbbbb", "bbbbbbbbbb", "bbbbbsbbbb", "bbbbbssbbb", "bbbbbssbbb", "bbbbssbbbb",
           "bbbbsbbbbb", "bbbbbbbbbb", "bbbbbbbbbb"})},
    {SecondsStyle::TriangleMarks, kBigTriangle, kAllBackground},
};

TEST(SecondsRingTest, EachStyleAtAMarkAndAtAPlainPosition) {
  for (const StyleCase& c : kCases) {
    Bitmap face(240, 240, kOld);
    selectSecondsStyle(face, settingsFor(c.style));
    const int n = static_cast<int>(c.style);
    EXPECT_EQ(markArt(face), c.mark) << "style " << n;
    EXPECT_EQ(plainArt(face), c.plain) << "style " << n;
    // Nothing is drawn away from the ring.
    EXPECT_EQ(face.pixel(120, 120), kOld) << "style " << n;
    EXPECT_EQ(face.pixel(21, 120), kOld) << "style " << n;
    EXPECT_EQ(face.pixel(32, 120), kOld) << "style " << n;
  }
}

TEST(SecondsRingTest, EraseStepCoversAllSixtyPositions) {
  Bitmap face(240, 240, kOld);
  eraseSecondsRing(face, kBackground);
  EXPECT_EQ(markArt(face), kAllBackground);
  EXPECT_EQ(plainArt(face), kAllBackground);
  // Position 45 at (120, 213): its square runs from (115, 208) to (124, 217).
  EXPECT_EQ(face.pixel(115, 208), kBackground);
  EXPECT_EQ(face.pixel(124, 217), kBackground);
  EXPECT_EQ(face.pixel(125, 217), kOld);
  EXPECT_EQ(face.pixel(120, 218), kOld);
}

TEST(SecondsRingTest, StyleButtonsWithTheSecondsOff) {
  for (int n = 1; n <= 12; ++n) {
    Bitmap face(240, 240, kOld);
    selectSecondsStyle(face, settingsFor(*secondsStyleFromNumber(n), true));
    const bool untouched = n == 1 || n == 3 || n == 4 || n == 5 || n == 6;
    if (untouched) {
      EXPECT_EQ(face, Bitmap(240, 240, kOld)) << "style " << n;
    } else {
      Bitmap erased(240, 240, kOld);
      eraseSecondsRing(erased, kBackground);
      EXPECT_EQ(face, erased) << "style " << n;
    }
  }
}

TEST(SecondsRingTest, RedrawsSkipTheEraseStepForSomeStyles) {
  const auto erasedAround = [](SecondsStyle style, RingRedraw occasion) {
    Bitmap face(240, 240, kOld);
    redrawSecondsRing(face, settingsFor(style), occasion);
    return face.pixel(22, 115) == kBackground;  // a corner of an erase square, never drawn on
  };
  for (int n = 1; n <= 12; ++n) {
    const SecondsStyle style = *secondsStyleFromNumber(n);
    const bool drawnOverOnChange = n == 1 || n == 3 || n == 5 || n == 7;
    const bool drawnOverAtStart = drawnOverOnChange || n == 2 || n == 6;
    EXPECT_EQ(erasedAround(style, RingRedraw::FaceChange), !drawnOverOnChange) << "style " << n;
    EXPECT_EQ(erasedAround(style, RingRedraw::StartUp), !drawnOverAtStart) << "style " << n;
  }
  // Drawn over: the marks are the same, the old picture shows around them.
  Bitmap face(240, 240, kOld);
  redrawSecondsRing(face, settingsFor(SecondsStyle::SolidDots), RingRedraw::FaceChange);
  EXPECT_EQ(markArt(face), rows({"oooooooooo", "ooossssooo", "oossssssoo", "osssssssso", "osssssssso", "osssssssso",
                                 "osssssssso", "oossssssoo", "ooossssooo", "oooooooooo"}));
  // Nothing at all while the seconds are off.
  for (RingRedraw occasion : {RingRedraw::FaceChange, RingRedraw::StartUp}) {
    Bitmap off(240, 240, kOld);
    redrawSecondsRing(off, settingsFor(SecondsStyle::Ticks, true), occasion);
    EXPECT_EQ(off, Bitmap(240, 240, kOld));
  }
}

TEST(SecondsRingTest, StyleTableNamesTheCaptions) {
  const auto table = secondsStyleTable();
  ASSERT_EQ(table.size(), 12u);
  for (int n = 1; n <= 12; ++n) {
    EXPECT_EQ(static_cast<int>(table[n - 1].style), n);
    EXPECT_EQ(table[n - 1].caption, std::to_wstring(n));
    EXPECT_EQ(&secondsStyleInfo(table[n - 1].style), &table[n - 1]);
  }
  EXPECT_FALSE(secondsStyleFromNumber(0).has_value());
  EXPECT_FALSE(secondsStyleFromNumber(13).has_value());
}

}  // namespace
}  // namespace tikora
