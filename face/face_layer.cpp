#include "face/face_layer.h"

#include <algorithm>
#include <utility>

#include "core/painter.h"

namespace tikora {
namespace {

constexpr int kDiskLeftTop = 19;
constexpr int kDiskRightBottom = 221;  // exclusive

void call(const std::function<void()>& hook) {
  if (hook) hook();
}

}  // namespace

FaceLayerState createFaceLayer(const Bitmap& frame, Bitmap strip, Bitmap stripe) {
  FaceLayerState state;
  loadFrame(state, frame);
  state.stripList = collectNonWhite(strip);
  state.stripeList = collectAll(stripe);
  state.strip = std::move(strip);
  state.stripe = std::move(stripe);
  return state;
}

void loadFrame(FaceLayerState& state, const Bitmap& frame) {
  state.face = Bitmap(kFaceSize, kFaceSize, kPureWhite);
  const int width = std::min(frame.width(), kFaceSize), height = std::min(frame.height(), kFaceSize);
  for (int y = 0; y < height; ++y) std::copy(frame.row(y), frame.row(y) + std::size_t(width) * 3, state.face.row(y));
  state.frameList = collectNonWhite(state.face);
}

void drawFaceDisk(Bitmap& face, Colour background) {
  Painter painter(face);
  painter.setPenAndBrush(background, background);
  painter.ellipse(kDiskLeftTop, kDiskLeftTop, kDiskRightBottom, kDiskRightBottom);
}

void applyFrameColour(FaceLayerState& state, int rule) {
  applyFrameColour(rule, FrameColourTargets{state.frameList, state.face, state.stripList, state.strip, state.stripeList,
                                            state.stripe});
}

void changeFrameColour(FaceLayerState& state, int rule, const FaceLayerHooks& hooks) {
  applyFrameColour(state, rule);
  call(hooks.copyStripe);
}

void rebuildFaceLayer(FaceLayerState& state, const Bitmap& frame, const FaceSettings& settings,
                      const FaceLayerHooks& hooks) {
  loadFrame(state, frame);
  drawFaceDisk(state.face, settings.background);
  changeFrameColour(state, settings.frameColourRule, hooks);
  redrawSecondsRing(state.face, settings, RingRedraw::FaceChange);
}

void changeBackground(FaceLayerState& state, const FaceSettings& settings, const FaceLayerHooks& hooks) {
  drawFaceDisk(state.face, settings.background);
  call(hooks.rebuildSecondHandTable);
  redrawSecondsRing(state.face, settings, RingRedraw::FaceChange);
  call(hooks.pumpMessages);
  call(hooks.setHandsRedraw);
}

void composeFaceAtStartUp(FaceLayerState& state, const FaceSettings& settings) {
  applyFrameColour(state, settings.frameColourRule);
  drawFaceDisk(state.face, settings.background);
  redrawSecondsRing(state.face, settings, RingRedraw::StartUp);
}

}  // namespace tikora
