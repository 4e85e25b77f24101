// The ring of sixty seconds marks on the face layer, in one of twelve styles, and the laser
// effect that lights the position of the current second and repairs the ring behind it.
//
// Everything here draws on the face layer's picture with the colours and the second passed in;
// nothing reads the clock. Every step sets the pen and brush it needs, so no drawing state is
// carried from one call to the next.
#pragma once
#include <optional>
#include <span>
#include <string_view>

#include "core/bitmap.h"
#include "core/colour.h"

namespace tikora {

// The seconds style radio buttons "1" to "12", numbered as their captions.
enum class SecondsStyle : int {
  OutlinedDots = 1,               // dots outlined in the background colour, big dots at marks
  OutlinedDotsSolidMarks = 2,     // the same with solid big dots at marks
  SolidDots = 3,                  // solid dots, big dots at marks
  DotMarks = 4,                   // big dots at marks only
  OutlinedSquares = 5,            // squares outlined in the background colour, big at marks
  OutlinedSquaresSolidMarks = 6,  // the same with solid big squares at marks
  SolidSquares = 7,               // solid squares, big squares at marks
  SquareMarks = 8,                // big squares at marks only
  TicksAndPoints = 9,             // thick ticks at marks, small squares everywhere
  Ticks = 10,                     // thick ticks at marks only
  Triangles = 11,                 // big triangles at marks, small triangles everywhere
  TriangleMarks = 12,             // big triangles at marks only
};

struct SecondsStyleInfo {
  SecondsStyle style;
  std::wstring_view caption;  // the radio button's caption
};

// The twelve styles in caption order.
std::span<const SecondsStyleInfo> secondsStyleTable();
const SecondsStyleInfo& secondsStyleInfo(SecondsStyle style);
// The style with caption number n (1 to 12); nothing for any other number.
std::optional<SecondsStyle> secondsStyleFromNumber(int n);

// What the ring and the laser are drawn with.
struct SecondsRingSettings {
  Colour background = 0x000000;  // "Clock Background": erasing and outlines
  Colour seconds = 0x000000;     // "Seconds Color"
  Colour laser = 0x000000;       // "Laser Effect"
  SecondsStyle style = SecondsStyle::OutlinedDots;
  bool secondsOff = false;  // the seconds "OFF" switch
};

// The erase step: a background square of radius 5 at all sixty positions.
void eraseSecondsRing(Bitmap& face, Colour background);

// The ring in the settings' style over what the picture holds, without erasing first.
void drawSecondsRing(Bitmap& face, const SecondsRingSettings& settings);

// A style button's action: erase, then draw. Styles 1, 3, 4, 5 and 6 do nothing at all while
// the seconds are off; the others erase and then stop.
void selectSecondsStyle(Bitmap& face, const SecondsRingSettings& settings);

// Who redraws the ring in its current style, which decides whether the ring is erased first.
enum class RingRedraw {
  // Frame style change, background colour change, seconds colour change, seconds switched on:
  // styles 1, 3, 5 and 7 are drawn over the picture, the others through their button.
  FaceChange,
  // Start-up composition: styles 1, 2, 3, 5, 6 and 7 drawn over, the others through their button.
  StartUp,
};
// Nothing while the seconds are off.
void redrawSecondsRing(Bitmap& face, const SecondsRingSettings& settings, RingRedraw occasion);

// The laser can be switched on only with styles 1 to 8 and the seconds on.
bool laserAvailable(SecondsStyle style, bool secondsOff);

// One laser step for second s: the laser dot at the position of second s and the repair of the
// positions of seconds s - 1 to s - 3 behind it, per style. Styles 9 to 12 draw nothing.
void drawLaserStep(Bitmap& face, const SecondsRingSettings& settings, int second);

// The laser "OFF" switch's click action, either direction, with the current second: repaints
// the position under the laser (styles 1, 3, 5, 7) or the whole ring (2, 4, 6, 8). Draws
// nothing while the seconds are off, when there is no ring to repair.
void laserSwitchClicked(Bitmap& face, const SecondsRingSettings& settings, int currentSecond);

}  // namespace tikora
