// The clock window's pictures at start, before the control panel loads the settings: the hand
// and frame styles read from the registry by themselves, and the frame, strip, stripe and hand
// pictures with the pixel lists made from them. The face (clock_face.h) takes them over.
#pragma once
#include <cstdint>
#include <string>

#include "face/face_layer.h"
#include "face/hands.h"
#include "platform/registry.h"
#include "platform/resources.h"

namespace tikora {

// The two styles the clock window reads itself, before the control panel loads the rest.
struct FaceStyles {
  std::int32_t handStyle = 0;   // `handStyle`
  std::int32_t frameStyle = 0;  // `frameStyle`
  friend bool operator==(const FaceStyles&, const FaceStyles&) = default;
};

// Reads `handStyle` and then `frameStyle` from HKCU "Tikora". A missing key leaves both 0; a missing
// or unreadable `handStyle` leaves both 0 and `frameStyle` is not read; a missing `frameStyle` leaves only
// it 0. Nothing is written or created.
FaceStyles readFaceStyles(Registry& registry);

// The frame picture for a stored `frameStyle`: "frame1" to "frame40" for 0 to 39 (the value taken
// as unsigned, so negative values fall outside), the built-in "frame1" for anything else.
std::wstring frameResourceName(std::int32_t frameStyle);

// The clock window's pictures at creation and the pixel lists made from them.
struct ClockStartPictures {
  FaceLayerState faceLayer;  // frame in the face layer, strip and stripe, with their lists
  HandLists hands;           // hour, minute and second hand lists
};

// Loads the frame, the strip ("strip"), the stripe ("stripe") and the three hand bitmaps of the
// styles and builds the pixel lists; the hand bitmaps are not kept. A frame that cannot be
// loaded falls back to "frame1"; any other picture that cannot be loaded is left empty (with an
// empty list), which shows as nothing rather than stopping the clock.
ClockStartPictures loadClockStartPictures(const FaceStyles& styles, const Resources& resources);

}  // namespace tikora
