// The clock face at run time; see clock_face.h.
#include "clock/clock_face.h"

#include <algorithm>
#include <new>
#include <utility>

#include "clock/text_overlays.h"
#include "face/digits.h"
#include "face/hand_picture.h"
#include "face/hand_style.h"

namespace tikora {
namespace {

constexpr int kFrameStyleCount = 40;

PixelList handList(const Resources& resources, const std::wstring& name) {
  const auto picture = resources.loadBitmap(name);
  return picture ? handListFromPicture(*picture) : PixelList{};
}

}  // namespace

ClockFace::ClockFace(ClockWindowModel& window, const TextMetrics& metrics, const Resources& resources,
                     ClockStartPictures pictures, ClockFaceHooks hooks)
    : window_(window),
      metrics_(metrics),
      resources_(resources),
      hooks_(std::move(hooks)),
      layer_(std::move(pictures.faceLayer)) {
  hands_.setHandLists(std::move(pictures.hands));
  hands_.setHandColour(settings_.hands);
  hands_.setBackground(settings_.background);
}

FaceSwitches ClockFace::switches() const { return hooks_.switches ? hooks_.switches() : FaceSwitches{}; }

FaceSettings ClockFace::faceSettings() const {
  FaceSettings face;
  face.background = settings_.background;
  face.seconds = settings_.seconds;
  face.laser = settings_.laser;
  face.style = settings_.secondsStyle;
  face.secondsOff = switches().secondsOff;
  face.frameColourRule = settings_.frameColourRule;
  return face;
}

void ClockFace::pump() {
  if (hooks_.pumpMessages) hooks_.pumpMessages();
}

FaceLayerHooks ClockFace::layerHooks() {
  return {[this] { pump(); }, hooks_.copyStripe, [this] { rebuildSecondHandTable(); },
          [this] { hands_.setRedrawFlag(); }};
}

void ClockFace::rebuildSecondHandTable() {
  // One rotation at a time with the window messages handled before each, so the clock goes on
  // ticking (showing the entries rebuilt so far) while the table is made. A rebuild started
  // from a handler run by the pump finishes the table itself; this loop then finds nothing left.
  hands_.startSecondHandTableRebuild();
  for (;;) {
    pump();
    if (!hands_.rebuildNextSecondHandEntry()) break;
  }
  repaint_ = kAllLayers;
}

void ClockFace::composeAtStartUp(const ClockFaceSettings& settings) {
  settings_ = settings;
  hands_.setHandColour(settings_.hands);
  hands_.setBackground(settings_.background);

  composeFaceAtStartUp(layer_, faceSettings());
  window_.setColour(ClockComponent::Weekday, settings_.weekday);
  window_.setColour(ClockComponent::Date, settings_.date);
  for (int n = 1; n <= kDigitCount; ++n) window_.setColour(digitComponent(n), settings_.digits);
  applyDigitVisibility();
  applyHandVisibility();

  rebuildSecondHandTable();
  hands_.setRedrawFlag();
  repaint_ = kAllLayers;
}

void ClockFace::faceTick(const CivilTime& now, Point pointer) {
  const int second = std::clamp(now.second, 0, 59);
  currentSecond_ = second;

  const bool stripShown = window_.layer(ClockComponent::Strip).visible;
  window_.refreshStrip(pointer);
  if (window_.layer(ClockComponent::Strip).visible != stripShown) repaint_ |= layerBit(ClockComponent::Strip);

  if (hooks_.laserAvailability) hooks_.laserAvailability();
  const FaceSwitches laser = switches();
  if (!laser.laserOff && laserAvailable(settings_.secondsStyle, laser.secondsOff)) {
    drawLaserStep(layer_.face, faceSettings(), second);
    repaint_ |= layerBit(ClockComponent::Face);
  }

  try {
    const ClockHands::TickResult hands = hands_.faceTick(now.hour, now.minute, second);
    if (hands.secondHandChanged) repaint_ |= layerBit(ClockComponent::SecondHand);
    if (hands.hourAndMinuteRendered)
      repaint_ |= layerBit(ClockComponent::HourHand) | layerBit(ClockComponent::MinuteHand);
  } catch (const std::bad_alloc&) {
    // No memory for a hand picture this second: the previous picture stays, the clock goes on.
  }
}

bool ClockFace::changeFrameStyle(int index) {
  if (index < 0 || index >= kFrameStyleCount) return false;
  const auto frame = resources_.loadBitmap(L"frame" + std::to_wstring(index + 1));
  if (!frame) return false;
  rebuildFaceLayer(layer_, *frame, faceSettings(), layerHooks());
  repaint_ = kAllLayers;
  return true;
}

void ClockFace::changeFrameColour(int rule) {
  if (rule < 0 || rule >= kFrameColourRuleCount) return;
  settings_.frameColourRule = rule;
  tikora::changeFrameColour(layer_, rule, layerHooks());
  repaint_ = kAllLayers;
}

Colour ClockFace::changeBackground(Colour chosen) {
  settings_.background = avoidSeeThrough(chosen);
  hands_.setBackground(settings_.background);
  tikora::changeBackground(layer_, faceSettings(), layerHooks());
  repaint_ = kAllLayers;
  return settings_.background;
}

void ClockFace::changeHandStyle(int itemIndex) {
  const HandResourceNames names = handResourceNames(handStyleFromItemIndex(itemIndex));
  HandLists lists;
  lists.hour = handList(resources_, names.hour);
  lists.minute = handList(resources_, names.minute);
  lists.second = handList(resources_, names.second);
  hands_.setHandLists(std::move(lists));
  rebuildSecondHandTable();
  hands_.setRedrawFlag();
}

Colour ClockFace::changeHandColour(Colour chosen) {
  settings_.hands = avoidSeeThrough(chosen);
  hands_.setHandColour(settings_.hands);
  rebuildSecondHandTable();
  hands_.setRedrawFlag();
  return settings_.hands;
}

void ClockFace::applyHandVisibility() {
  const HandLayerVisibility shown = handLayerVisibility(settings_.secondHandOff, settings_.allHandsOff);
  window_.setVisible(ClockComponent::HourHand, shown.hour);
  window_.setVisible(ClockComponent::MinuteHand, shown.minute);
  window_.setVisible(ClockComponent::SecondHand, shown.second);
  repaint_ = kAllLayers;
}

void ClockFace::setSecondHandOff(bool off) {
  settings_.secondHandOff = off;
  applyHandVisibility();
}

void ClockFace::setAllHandsOff(bool off) {
  settings_.allHandsOff = off;
  applyHandVisibility();
}

void ClockFace::selectSecondsStyle(SecondsStyle style) {
  settings_.secondsStyle = style;
  tikora::selectSecondsStyle(layer_.face, faceSettings());
  repaint_ = kAllLayers;
}

Colour ClockFace::changeSecondsColour(Colour chosen) {
  settings_.seconds = avoidSeeThrough(chosen);
  redrawSecondsRing(layer_.face, faceSettings(), RingRedraw::FaceChange);
  repaint_ = kAllLayers;
  return settings_.seconds;
}

void ClockFace::secondsSwitchClicked() {
  const FaceSettings face = faceSettings();
  if (face.secondsOff)
    eraseSecondsRing(layer_.face, face.background);
  else
    redrawSecondsRing(layer_.face, face, RingRedraw::FaceChange);
  repaint_ = kAllLayers;
}

void ClockFace::laserSwitchClicked() {
  tikora::laserSwitchClicked(layer_.face, faceSettings(), currentSecond_);
  repaint_ = kAllLayers;
}

Colour ClockFace::changeLaserColour(Colour chosen) {
  settings_.laser = avoidSeeThrough(chosen);
  return settings_.laser;
}

Colour ClockFace::changeDigitColour(Colour chosen) {
  settings_.digits = avoidSeeThrough(chosen);
  for (int n = 1; n <= kDigitCount; ++n) window_.setColour(digitComponent(n), settings_.digits);
  repaint_ = kAllLayers;
  return settings_.digits;
}

void ClockFace::applyDigitVisibility() {
  const DigitSwitches switches{settings_.digitsOff, settings_.weekdayOff, settings_.dateOff};
  for (int n = 1; n <= kDigitCount; ++n) window_.setVisible(digitComponent(n), digitVisible(n, switches));
  repaint_ = kAllLayers;
}

void ClockFace::noteWeekdayAndDateOff(bool weekdayOff, bool dateOff) {
  settings_.weekdayOff = weekdayOff;
  settings_.dateOff = dateOff;
}

void ClockFace::setDigitsOff(bool off) {
  settings_.digitsOff = off;
  applyDigitVisibility();
}

const Bitmap* ClockFace::picture(ClockComponent component) const {
  const Bitmap* picture = nullptr;
  switch (component) {
    case ClockComponent::Face: picture = &layer_.face; break;
    case ClockComponent::HourHand: picture = &hands_.hourLayer(); break;
    case ClockComponent::MinuteHand: picture = &hands_.minuteLayer(); break;
    case ClockComponent::SecondHand: picture = &hands_.secondLayer(); break;
    case ClockComponent::Strip: picture = &layer_.strip; break;
    case ClockComponent::DecorativeStripe: picture = &layer_.stripe; break;
    default: return nullptr;
  }
  return picture->empty() ? nullptr : picture;
}

LayerSet ClockFace::takeRepaint() { return std::exchange(repaint_, 0); }

}  // namespace tikora
