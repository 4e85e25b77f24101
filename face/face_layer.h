// The face layer of the clock window: the frame picture, the face disk in the background colour
// and the seconds ring, together with the pictures the frame colour also applies to (button
// strip and decorative stripe) and the pixel lists of their original colours.
//
// These are the face-layer steps of the frame style change, the background colour change and the
// start-up composition. What they need from the windows around them (pumping messages, copying
// the stripe to other windows, the second hand table, the hands redraw flag) is reached through
// FaceLayerHooks, so the steps run and can be tested without any window.
#pragma once
#include <functional>

#include "core/bitmap.h"
#include "face/pixel_list.h"
#include "face/recolour.h"
#include "face/seconds_ring.h"

namespace tikora {

inline constexpr int kFaceSize = 240;

// The face settings the layer is drawn from: the seconds ring's colours, style and switch, and
// the frame colour rule ("Frame Color" item index).
struct FaceSettings : SecondsRingSettings {
  int frameColourRule = kDefaultFrameColourRule;
};

struct FaceLayerState {
  Bitmap face;           // 240 x 240: frame, face disk, seconds ring
  PixelList frameList;   // non-white pixels of the frame picture, original colours
  Bitmap strip;          // the two-button strip
  PixelList stripList;   // its non-white pixels
  Bitmap stripe;         // the decorative stripe
  PixelList stripeList;  // all its pixels, white included
};

struct FaceLayerHooks {
  std::function<void()> pumpMessages;            // process pending window messages once
  std::function<void()> copyStripe;              // give the other windows the recoloured stripe
  std::function<void()> rebuildSecondHandTable;  // background colour change
  std::function<void()> setHandsRedraw;          // hour and minute hands to render at the next tick
};

// The clock window's pictures at creation, with their pixel lists: the frame (drawn from the
// top-left corner into a white 240 x 240 face; smaller frames leave the rest see-through), the
// strip and the stripe.
FaceLayerState createFaceLayer(const Bitmap& frame, Bitmap strip, Bitmap stripe);

// Puts a new frame picture into the face layer and rebuilds the frame list from it.
void loadFrame(FaceLayerState& state, const Bitmap& frame);

// The face disk: an ellipse in the box (19, 19) to (221, 221), filled and outlined in the
// background colour.
void drawFaceDisk(Bitmap& face, Colour background);

// Rule onto the frame, strip and stripe pictures from their lists (no copying to other windows).
void applyFrameColour(FaceLayerState& state, int rule);

// "Frame Color" changed: apply the rule and copy the stripe. Face disk and ring are not touched.
void changeFrameColour(FaceLayerState& state, int rule, const FaceLayerHooks& hooks);

// Frame style change: new frame and frame list, face disk, frame colour (and stripe copy), then
// the seconds ring unless the seconds are off.
void rebuildFaceLayer(FaceLayerState& state, const Bitmap& frame, const FaceSettings& settings,
                      const FaceLayerHooks& hooks);

// Background colour change, after the caller has coloured the other windows and kept the colour
// for the hands: face disk, second hand table, seconds ring unless off, pump messages once, hands
// redraw flag.
void changeBackground(FaceLayerState& state, const FaceSettings& settings, const FaceLayerHooks& hooks);

// The face-layer part of the start-up composition: frame colour rule (no stripe copy: the other
// windows take their own copy when they are created), face disk, seconds ring unless off.
void composeFaceAtStartUp(FaceLayerState& state, const FaceSettings& settings);

}  // namespace tikora
