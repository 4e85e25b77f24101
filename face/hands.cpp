#include "face/hands.h"

#include "face/hand_angles.h"
#include "face/hand_picture.h"
#include "face/rotate.h"
#include "face/smooth.h"

namespace tikora {

void renderHand(Bitmap& layer, Bitmap& painted, const PixelList& hand, Colour handColour, Colour background,
                double angleDegrees) {
  paintHandPicture(painted, hand, handColour, background);
  rotatePicture(painted, paintedHandBounds(hand), layer, angleDegrees, background & 0xFFFFFF, kHandPivotX, kHandPivotY);
  smoothPicture(layer, kHandSmoothingWeight);
}

Bitmap renderHand(const PixelList& hand, Colour handColour, Colour background, double angleDegrees) {
  Bitmap layer, painted;
  renderHand(layer, painted, hand, handColour, background, angleDegrees);
  return layer;
}

std::optional<Colour> handLayerTransparentColour(const Bitmap& layerPicture) {
  if (layerPicture.empty()) return std::nullopt;
  return layerPicture.pixel(0, layerPicture.height() - 1);
}

HandLayerVisibility handLayerVisibility(bool secondHandOff, bool allHandsOff) {
  return {!allHandsOff, !allHandsOff, !allHandsOff && !secondHandOff};
}

void ClockHands::startSecondHandTableRebuild() { table_.startRebuild(lists_.second, handColour_, background_); }

void ClockHands::rebuildSecondHandTable() { table_.rebuild(lists_.second, handColour_, background_); }

ClockHands::TickResult ClockHands::faceTick(int hour, int minute, int second) {
  TickResult result;
  if (const auto ink = table_.copyEntry(second, secondLayer_, secondInk_)) {
    secondInk_ = ink;
    result.secondHandChanged = true;
  }
  if (second % 10 == 0 || redraw_) {
    renderHourHand(hour, minute);
    renderMinuteHand(minute, second);
    redraw_ = false;
    result.hourAndMinuteRendered = true;
  }
  return result;
}

void ClockHands::renderHourHand(int hour, int minute) {
  renderHand(hourLayer_, painted_, lists_.hour, handColour_, background_, hourHandAngle(hour, minute));
}

void ClockHands::renderMinuteHand(int minute, int second) {
  renderHand(minuteLayer_, painted_, lists_.minute, handColour_, background_, minuteHandAngle(minute, second));
}

}  // namespace tikora
