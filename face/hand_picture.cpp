#include "face/hand_picture.h"

#include <algorithm>

namespace tikora {

PixelList handListFromPicture(const Bitmap& handBitmap) {
  return collectNonWhite(handBitmap, kHandWindowLeft, kHandWindowTop, kHandWindowRight, kHandWindowBottom);
}

void paintHandPicture(Bitmap& picture, const PixelList& hand, Colour handColour, Colour background) {
  if (picture.width() != kHandPictureSize || picture.height() != kHandPictureSize)
    picture = Bitmap(kHandPictureSize, kHandPictureSize, background);
  else
    picture.fill(background);
  for (const PixelRecord& record : hand)
    picture.setPixel(record.x, record.y, record.colour == kHandColourMarker ? handColour : record.colour);
}

Rect paintedHandBounds(const PixelList& hand) {
  // Both edges inclusive while scanning.
  int left = kHandPictureSize, top = kHandPictureSize, right = -1, bottom = -1;
  for (const PixelRecord& record : hand) {
    if (record.x < 0 || record.y < 0 || record.x >= kHandPictureSize || record.y >= kHandPictureSize) continue;
    left = std::min(left, int(record.x));
    top = std::min(top, int(record.y));
    right = std::max(right, int(record.x));
    bottom = std::max(bottom, int(record.y));
  }
  if (right < left || bottom < top) return {};
  return Rect::fromEdges(left, top, right + 1, bottom + 1);
}

Bitmap paintHandPicture(const PixelList& hand, Colour handColour, Colour background) {
  Bitmap picture;
  paintHandPicture(picture, hand, handColour, background);
  return picture;
}

}  // namespace tikora
