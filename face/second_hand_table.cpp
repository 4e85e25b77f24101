#include "face/second_hand_table.h"

#include "face/hand_picture.h"
#include "face/smooth.h"

namespace tikora {

void SecondHandTable::startRebuild(const PixelList& secondHand, Colour handColour,
                                   Colour background) {
  paintHandPicture(hand_, secondHand, handColour, background);
  smoothPicture(hand_, kHandSmoothingWeight);
  fill_ = background & 0xFFFFFF;
  handBounds_ = boundsOfPixelsOtherThan(hand_, fill_);
  nextEntry_ = 0;
}

bool SecondHandTable::rebuildNextEntry() {
  if (!rebuilding()) return false;
  const std::size_t j = std::size_t(nextEntry_);
  rotatePicture(hand_, handBounds_, entries_[j], entryAngle(nextEntry_), fill_, kHandPivotX,
                kHandPivotY, &footprints_[j]);
  if (++nextEntry_ == kEntries) hand_ = Bitmap();  // the painted hand is not needed any more
  return rebuilding();
}

void SecondHandTable::rebuild(const PixelList& secondHand, Colour handColour, Colour background) {
  startRebuild(secondHand, handColour, background);
  while (rebuildNextEntry()) {
  }
}

const Bitmap& SecondHandTable::entry(int second) const {
  static const Bitmap kNone;
  if (second < 0 || second >= kEntries) return kNone;
  return entries_[std::size_t(second)];
}

}  // namespace tikora
