#include "face/seconds_ring.h"

#include <array>

#include "core/painter.h"
#include "face/ring.h"

namespace tikora {
namespace {

constexpr std::array<SecondsStyleInfo, 12> kStyles{{
    {SecondsStyle::OutlinedDots, L"1"},
    {SecondsStyle::OutlinedDotsSolidMarks, L"2"},
    {SecondsStyle::SolidDots, L"3"},
    {SecondsStyle::DotMarks, L"4"},
    {SecondsStyle::OutlinedSquares, L"5"},
    {SecondsStyle::OutlinedSquaresSolidMarks, L"6"},
    {SecondsStyle::SolidSquares, L"7"},
    {SecondsStyle::SquareMarks, L"8"},
    {SecondsStyle::TicksAndPoints, L"9"},
    {SecondsStyle::Ticks, L"10"},
    {SecondsStyle::Triangles, L"11"},
    {SecondsStyle::TriangleMarks, L"12"},
}};

constexpr int kPositions = 60;
constexpr int kEraseRadius = 5;
constexpr int kSmallRadius = 2;
constexpr int kMarkRadius = 4;
constexpr int kSecondZeroRepairRadius = 3;
constexpr int kTickPenWidth = 3;

void circle(Painter& painter, Point p, int r) { painter.ellipse(p.x - r, p.y - r, p.x + r, p.y + r); }
void square(Painter& painter, Point p, int r) { painter.rectangle(p.x - r, p.y - r, p.x + r, p.y + r); }

int number(SecondsStyle style) { return static_cast<int>(style); }

bool isOneOf(SecondsStyle style, std::initializer_list<int> numbers) {
  for (int n : numbers)
    if (number(style) == n) return true;
  return false;
}

// Thick tick of styles 9 and 10: from radius 93 in to radius 90 at the position's angle.
void tick(Painter& painter, int i) {
  painter.setPenWidth(kTickPenWidth);
  painter.moveTo(ringPosition(93, 6.0 * i));
  painter.lineTo(ringPosition(90, 6.0 * i));
  painter.setPenWidth(1);
}

// Triangles of styles 11 and 12, pointing at the centre.
void bigTriangle(Painter& painter, int i) {
  const std::array<Point, 3> corners{ringPosition(93, 6.0 * (i - 0.4)), ringPosition(89, 6.0 * i),
                                     ringPosition(93, 6.0 * (i + 0.4))};
  painter.polygon(corners);
}
void smallTriangle(Painter& painter, int i) {
  const std::array<Point, 3> corners{ringPosition(93, 6.0 * (i - 0.2)), ringPosition(91, 6.0 * i),
                                     ringPosition(93, 6.0 * (i + 0.2))};
  painter.polygon(corners);
}

}  // namespace

std::span<const SecondsStyleInfo> secondsStyleTable() { return kStyles; }

const SecondsStyleInfo& secondsStyleInfo(SecondsStyle style) {
  const int n = number(style);
  return kStyles[n >= 1 && n <= 12 ? n - 1 : 0];
}

std::optional<SecondsStyle> secondsStyleFromNumber(int n) {
  if (n < 1 || n > 12) return std::nullopt;
  return static_cast<SecondsStyle>(n);
}

void eraseSecondsRing(Bitmap& face, Colour background) {
  Painter painter(face);
  painter.setPenAndBrush(background, background);
  for (int i = 0; i < kPositions; ++i) square(painter, secondsRingPosition(i), kEraseRadius);
}

void drawSecondsRing(Bitmap& face, const SecondsRingSettings& settings) {
  Painter painter(face);
  const Colour seconds = settings.seconds, background = settings.background;
  // Most styles use one pen and brush for the whole ring.
  switch (settings.style) {
    case SecondsStyle::OutlinedDots:
    case SecondsStyle::OutlinedSquares: painter.setPenAndBrush(background, seconds); break;
    default: painter.setPenAndBrush(seconds, seconds); break;
  }
  for (int i = 0; i < kPositions; ++i) {
    const Point p = secondsRingPosition(i);
    const bool mark = isSecondsMark(i);
    switch (settings.style) {
      case SecondsStyle::OutlinedDots:
      case SecondsStyle::SolidDots:
        if (mark) circle(painter, p, kMarkRadius);
        circle(painter, p, kSmallRadius);
        break;
      case SecondsStyle::OutlinedSquares:
      case SecondsStyle::SolidSquares:
        if (mark) square(painter, p, kMarkRadius);
        square(painter, p, kSmallRadius);
        break;
      case SecondsStyle::OutlinedDotsSolidMarks:
        painter.setPenAndBrush(background, seconds);
        circle(painter, p, kSmallRadius);
        if (mark) {
          painter.setPenAndBrush(seconds, seconds);
          circle(painter, p, kMarkRadius);
        }
        break;
      case SecondsStyle::OutlinedSquaresSolidMarks:
        painter.setPenAndBrush(background, seconds);
        square(painter, p, kSmallRadius);
        if (mark) {
          painter.setPenAndBrush(seconds, seconds);
          square(painter, p, kMarkRadius);
        }
        break;
      case SecondsStyle::DotMarks:
        if (mark) circle(painter, p, kMarkRadius);
        break;
      case SecondsStyle::SquareMarks:
        if (mark) square(painter, p, kMarkRadius);
        break;
      case SecondsStyle::TicksAndPoints:
        if (mark) tick(painter, i);
        square(painter, p, 1);
        break;
      case SecondsStyle::Ticks:
        if (mark) tick(painter, i);
        break;
      case SecondsStyle::Triangles:
        if (mark) bigTriangle(painter, i);
        smallTriangle(painter, i);
        break;
      case SecondsStyle::TriangleMarks:
        if (mark) bigTriangle(painter, i);
        break;
    }
  }
}

void selectSecondsStyle(Bitmap& face, const SecondsRingSettings& settings) {
  if (settings.secondsOff && isOneOf(settings.style, {1, 3, 4, 5, 6})) return;
  eraseSecondsRing(face, settings.background);
  if (settings.secondsOff) return;
  drawSecondsRing(face, settings);
}

void redrawSecondsRing(Bitmap& face, const SecondsRingSettings& settings, RingRedraw occasion) {
  if (settings.secondsOff) return;
  const bool drawnOver = occasion == RingRedraw::StartUp ? isOneOf(settings.style, {1, 2, 3, 5, 6, 7})
                                                         : isOneOf(settings.style, {1, 3, 5, 7});
  if (drawnOver)
    drawSecondsRing(face, settings);
  else
    selectSecondsStyle(face, settings);
}

bool laserAvailable(SecondsStyle style, bool secondsOff) { return !secondsOff && number(style) <= 8; }

void drawLaserStep(Bitmap& face, const SecondsRingSettings& settings, int second) {
  const SecondsStyle style = settings.style;
  if (number(style) > 8) return;
  const Colour seconds = settings.seconds, background = settings.background;
  // Position of second s - k. The angle is used as it stands, also below 0 for s < k: with the
  // face's K the position of second -1 is a pixel away from that of second 59, which is why
  // second 0 repairs the dot behind it with a bigger circle.
  const auto behind = [&](int k) { return secondPosition(second - k); };
  const auto markBehind = [&](int k) { return (second - k) % 5 == 0; };

  Painter painter(face);
  // 1. The laser dot, always a circle.
  painter.setPenAndBrush(isOneOf(style, {3, 4, 7}) ? settings.laser : background, settings.laser);
  circle(painter, behind(0), kSmallRadius);
  // 2. Repair colours.
  painter.setBrush(seconds);
  if (isOneOf(style, {3, 7})) painter.setPenColour(seconds);
  if (isOneOf(style, {1, 5})) painter.setPenColour(background);
  // 3. Repair the trail.
  switch (style) {
    case SecondsStyle::SolidDots:
      if (second == 0) circle(painter, behind(1), kSecondZeroRepairRadius);
      circle(painter, behind(1), kSmallRadius);
      circle(painter, behind(2), kSmallRadius);
      break;
    case SecondsStyle::OutlinedDots:
    case SecondsStyle::OutlinedDotsSolidMarks:
    case SecondsStyle::OutlinedSquaresSolidMarks:
      if (second == 0) circle(painter, behind(1), kSecondZeroRepairRadius);
      for (int k = 1; k <= 2; ++k) {
        // Solid marks keep a seconds-coloured outline.
        if (style != SecondsStyle::OutlinedDots && markBehind(k)) painter.setPenColour(seconds);
        circle(painter, behind(k), kSmallRadius);
        painter.setPenColour(background);
      }
      break;
    case SecondsStyle::OutlinedSquares:
    case SecondsStyle::SolidSquares:
      if (second == 0) circle(painter, behind(1), kSecondZeroRepairRadius);
      for (int k = 1; k <= 3; ++k) square(painter, behind(k), kSmallRadius);
      break;
    case SecondsStyle::DotMarks:
    case SecondsStyle::SquareMarks:
      painter.setPenAndBrush(background, background);
      if (second == 0) circle(painter, behind(1), kMarkRadius);
      for (int k = 1; k <= 3; ++k) circle(painter, behind(k), kSmallRadius);
      painter.setPenAndBrush(seconds, seconds);
      if (markBehind(3)) circle(painter, behind(3), kSmallRadius);
      break;
    default: break;
  }
}

void laserSwitchClicked(Bitmap& face, const SecondsRingSettings& settings, int currentSecond) {
  if (settings.secondsOff) return;
  const Point p = secondPosition(currentSecond);
  Painter painter(face);
  switch (settings.style) {
    case SecondsStyle::OutlinedDots:
      painter.setPenAndBrush(settings.background, settings.seconds);
      circle(painter, p, kSmallRadius);
      break;
    case SecondsStyle::SolidDots:
      painter.setPenAndBrush(settings.seconds, settings.seconds);
      circle(painter, p, kSmallRadius);
      break;
    case SecondsStyle::OutlinedSquares:
      painter.setPenAndBrush(settings.background, settings.seconds);
      square(painter, p, kSmallRadius);
      break;
    case SecondsStyle::SolidSquares:
      painter.setPenAndBrush(settings.seconds, settings.seconds);
      square(painter, p, kSmallRadius);
      break;
    case SecondsStyle::OutlinedDotsSolidMarks:
    case SecondsStyle::DotMarks:
    case SecondsStyle::OutlinedSquaresSolidMarks:
    case SecondsStyle::SquareMarks: selectSecondsStyle(face, settings); break;
    default: break;
  }
}

}  // namespace tikora
