#include "face/hand_picture.h"

#include <algorithm>

namespace tikora {

PixelList handListFromPicture(const Bitmap& handBitmap) {
  return collectNonWhite(handBitmap, kHandWindowLeft, kHandWindowTop, kHandWindowRight,
                         kHandWindowBottom);
}

void paintHandPicture(Bitmap& picture, const PixelList& hand, Colour handColour, Colour background) {
  if (picture.width() != kHandPictureSize || picture.height() != kHandPictureSize)
    picture = Bitmap(kHandPictureSize, kHandPictureSize, background);
  else
    picture.fill(background);
  for (const PixelRecord& record : hand)
    picture.setPixel(record.x, record.y,
                     record.colour == kHandColourMarker ? handColour : record.colour);
}

PixelBounds paintedHandBounds(const PixelList& hand) {
  PixelBounds bounds{kHandPictureSize, kHandPictureSize, -1, -1};
  for (const PixelRecord& record : hand) {
    if (record.x < 0 || record.y < 0 || record.x >= kHandPictureSize ||
        record.y >= kHandPictureSize)
      continue;
    bounds.left = std::min(bounds.left, int(record.x));
    bounds.top = std::min(bounds.top, int(record.y));
    bounds.right = std::max(bounds.right, int(record.x));
    bounds.bottom = std::max(bounds.bottom, int(record.y));
  }
  return bounds.empty() ? PixelBounds{} : bounds;
}

Bitmap paintHandPicture(const PixelList& hand, Colour handColour, Colour background) {
  Bitmap picture;
  paintHandPicture(picture, hand, handColour, background);
  return picture;
}

}  // namespace tikora
