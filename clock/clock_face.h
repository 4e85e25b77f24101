// The clock face while the program runs: the face layer with its frame, the button strip and the
// decorative stripe with their pixel lists, the hands with the second hand table and the current
// second. The control panel owns it; the clock window shows its
// pictures in the layers of its ClockWindowModel.
//
// It puts the face together at start, runs the once-a-second face tick, and carries out the
// face settings' change handlers. Nothing here reads the clock or the pointer: the tick gets
// the time and the pointer's screen position passed in. Where a step has to let the rest of the
// program breathe (between the sixty rotations of the second hand table) or reach other windows
// (the recoloured stripe), it calls the hooks it was given.
#pragma once
#include <functional>
#include <string>
#include <string_view>

#include "clock/clock_start_pictures.h"
#include "clock/clock_window_model.h"
#include "core/bitmap.h"
#include "core/colour.h"
#include "core/datetime.h"
#include "face/face_layer.h"
#include "face/hands.h"
#include "face/seconds_ring.h"
#include "platform/resources.h"
#include "platform/text_metrics.h"

namespace tikora {

// The face settings, as the control panel's controls hold them. The defaults are those of a
// first run.
struct ClockFaceSettings {
  Colour background = 0x000000;                            // backgroundColour "Clock Background"
  Colour seconds = 0xFF00FF;                               // secondsColour "Seconds Color": fuchsia
  Colour digits = 0x0000FF;                                // digitColour "Digit Font Color": red
  Colour weekday = 0x00FFFF;                               // weekdayColour "Day Color": yellow
  Colour date = 0x00FFFF;                                  // dateColour "Date Color": yellow
  Colour hands = 0x000080;                                 // handColour "Clock Hands Color": maroon
  Colour laser = 0xFFFF00;                                 // laserColour "Laser Effect": aqua
  SecondsStyle secondsStyle = SecondsStyle::OutlinedDots;  // the seconds style buttons
  int frameColourRule = kDefaultFrameColourRule;           // frameColourRule "Frame Color"
  bool digitsOff = false;                                  // digitsOff
  bool weekdayOff = true;                                  // weekdayOff: the weekday is not shown, digit 9 is
  bool dateOff = true;                                     // dateOff: the date is not shown, digit 3 is
  bool secondHandOff = false;                              // secondHandOff
  bool allHandsOff = false;                                // allHandsOff
};

// The seconds and the laser "OFF" switches. They are the control panel's check boxes: the face
// keeps no state of its own for them and asks for them at each use, so what it draws, what the
// panel shows and what a save stores cannot differ.
struct FaceSwitches {
  bool secondsOff = false;  // secondsOff
  bool laserOff = true;     // laserOff
};

struct ClockFaceHooks {
  // Handles the window messages waiting now, once; called before each of the sixty rotations of
  // a second hand table rebuild and once after a background change.
  std::function<void()> pumpMessages;
  // Gives the other windows their copy of the recoloured stripe.
  std::function<void()> copyStripe;
  // The two switches as they stand now; left empty, as at a first run.
  std::function<FaceSwitches()> switches;
  // The face tick's laser availability, before the laser step: the laser "OFF" switch is made
  // available for the current seconds style, or ticked (with its click action) and disabled.
  std::function<void()> laserAvailability;
};

class ClockFace {
 public:
  // `window`, `metrics` and `resources` must outlive the face.
  ClockFace(ClockWindowModel& window, const TextMetrics& metrics, const Resources& resources,
            ClockStartPictures pictures, ClockFaceHooks hooks = {});

  // ---- Start ----
  // The face at start, after the settings are loaded: frame colour, face disk, seconds ring,
  // weekday and date colours, digit colours, visibility, font and places, hand layer
  // visibility, the second hand table; the hands redraw flag is set, so the first tick renders
  // all three hands.
  void composeAtStartUp(const ClockFaceSettings& settings);

  // ---- Face tick ----
  // Once a second with the local time and the pointer's screen position: the button strip
  // shows or hides, the laser is made available or not and, while its switch is not ticked,
  // takes its step, the second hand
  // layer becomes the table's picture for the second, and at seconds 0, 10, ..., 50 or after a
  // change the hour and minute hands are rendered.
  void faceTick(const CivilTime& now, Point pointer);

  // ---- Change handlers ----
  // Frame style list item 0 to 39: the frame "frame1" to "frame40" with face disk, frame colour
  // and seconds ring. Any other index, or a frame that cannot be loaded, changes nothing and
  // gives false.
  bool changeFrameStyle(int index);
  // Frame colour rule 0 to 18 onto frame, strip and stripe, then the stripe to the other windows.
  // Another index changes no picture.
  void changeFrameColour(int rule);
  // Each colour chooser returns the colour it keeps: pure white becomes near white.
  // Background: face disk, second hand table, seconds ring, hands at the next tick. The other
  // windows take the chosen colour from the caller before this runs.
  Colour changeBackground(Colour chosen);
  // Hand style list item 0 to 17 (anything else is style 0): new hand lists, second hand table,
  // hands at the next tick.
  void changeHandStyle(int itemIndex);
  Colour changeHandColour(Colour chosen);
  void setSecondHandOff(bool off);
  void setAllHandsOff(bool off);
  // A seconds style button: erase, then draw the ring in the new style.
  void selectSecondsStyle(SecondsStyle style);
  Colour changeSecondsColour(Colour chosen);
  // The seconds "OFF" switch clicked: erases the ring, or draws it again in its style.
  void secondsSwitchClicked();
  // The laser "OFF" switch clicked, by the user or by the laser availability: repairs the ring
  // under the laser.
  void laserSwitchClicked();
  // Only kept: the next laser step uses it.
  Colour changeLaserColour(Colour chosen);
  // The digits' colour and "OFF" switch.
  Colour changeDigitColour(Colour chosen);
  void setDigitsOff(bool off);
  // The weekday and date "OFF" switches, as the weekday and date labels just applied them to
  // digits 9 and 3; the digits' own switch keeps to them.
  void noteWeekdayAndDateOff(bool weekdayOff, bool dateOff);

  // ---- State ----
  const ClockFaceSettings& settings() const { return settings_; }
  const FaceLayerState& faceLayer() const { return layer_; }
  const ClockHands& hands() const { return hands_; }
  int currentSecond() const { return currentSecond_; }

  // The picture a layer of the clock window shows (face, hands, strip, stripe); null for labels
  // and for a picture not made yet.
  const Bitmap* picture(ClockComponent component) const;

  // The layers whose pictures changed since the last call (every layer after a change of the
  // face's settings); none when nothing did.
  LayerSet takeRepaint();

 private:
  FaceSwitches switches() const;
  FaceSettings faceSettings() const;
  void rebuildSecondHandTable();
  void applyDigitVisibility();
  void applyHandVisibility();
  void pump();
  FaceLayerHooks layerHooks();

  ClockWindowModel& window_;
  const TextMetrics& metrics_;
  const Resources& resources_;
  ClockFaceHooks hooks_;
  ClockFaceSettings settings_;
  FaceLayerState layer_;
  ClockHands hands_;
  int currentSecond_ = 0;
  LayerSet repaint_ = kAllLayers;
};

}  // namespace tikora
