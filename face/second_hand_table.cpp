#include "face/second_hand_table.h"

#include <algorithm>
#include <cstring>

#include "core/bytes.h"
#include "face/hand_picture.h"
#include "face/smooth.h"

namespace tikora {
namespace {

// Copies `area` (which lies inside `from`) of `from` to the same size at `to`'s (left, top).
void copyArea(const Bitmap& from, const Rect& area, Bitmap& to, int left, int top) {
  for (int y = 0; y < area.height; ++y)
    copyBytes(to.row(top + y) + std::size_t(left) * 3, from.row(area.top + y) + std::size_t(area.left) * 3,
              std::size_t(area.width) * 3);
}

void fillArea(Bitmap& picture, const Rect& area, Colour colour) {
  if (area.empty()) return;
  const std::uint8_t pixel[3] = {blueOf(colour), greenOf(colour), redOf(colour)};
  std::uint8_t* first = picture.row(area.top) + std::size_t(area.left) * 3;
  for (int x = 0; x < area.width; ++x) std::memcpy(first + std::size_t(x) * 3, pixel, 3);
  for (int y = 1; y < area.height; ++y)
    copyBytes(picture.row(area.top + y) + std::size_t(area.left) * 3, first, std::size_t(area.width) * 3);
}

bool within(const Rect& area, const Bitmap& picture) {
  return area.left >= 0 && area.top >= 0 && area.right() <= picture.width() && area.bottom() <= picture.height();
}

// The rectangle of every row's columns a rotation computed: outside of it, it wrote the fill.
Rect footprintBounds(const RotationFootprint& footprint) {
  int left = 0, top = 0, right = -1, bottom = -1;  // edges inclusive while scanning
  for (std::size_t y = 0; y < footprint.rows.size(); ++y) {
    const ColumnSpan& span = footprint.rows[y];
    if (span.last < span.first) continue;
    if (right < 0) {
      left = span.first;
      right = span.last;
      top = int(y);
    }
    left = std::min(left, span.first);
    right = std::max(right, span.last);
    bottom = int(y);
  }
  if (right < 0) return {};
  return Rect::fromEdges(left, top, right + 1, bottom + 1);
}

}  // namespace

void SecondHandTable::startRebuild(const PixelList& secondHand, Colour handColour, Colour background) {
  paintHandPicture(hand_, secondHand, handColour, background);
  smoothPicture(hand_, kHandSmoothingWeight);
  fill_ = background & 0xFFFFFF;
  handBounds_ = boundsOfPixelsOtherThan(hand_, fill_);
  nextEntry_ = 0;
}

bool SecondHandTable::rebuildNextEntry() {
  if (!rebuilding()) return false;
  rotatePicture(hand_, handBounds_, rotated_, entryAngle(nextEntry_), fill_, kHandPivotX, kHandPivotY, &footprint_);
  Entry& made = entries_[std::size_t(nextEntry_)];
  made.width = rotated_.width();
  made.height = rotated_.height();
  made.ink = {footprintBounds(footprint_), fill_};
  made.inked = Bitmap(made.ink.bounds.width, made.ink.bounds.height);
  copyArea(rotated_, made.ink.bounds, made.inked, 0, 0);
  if (++nextEntry_ == kEntries) {
    // The painted and turned hands are not needed any more.
    hand_ = Bitmap();
    rotated_ = Bitmap();
    footprint_ = RotationFootprint();
  }
  return rebuilding();
}

void SecondHandTable::rebuild(const PixelList& secondHand, Colour handColour, Colour background) {
  startRebuild(secondHand, handColour, background);
  while (rebuildNextEntry()) {
  }
}

Bitmap SecondHandTable::entry(int second) const {
  Bitmap picture;
  copyEntry(second, picture, std::nullopt);
  return picture;
}

std::optional<SecondHandTable::Ink> SecondHandTable::copyEntry(int second, Bitmap& layer,
                                                               const std::optional<Ink>& layerInk) const {
  if (second < 0 || second >= kEntries) return std::nullopt;
  const Entry& from = entries_[std::size_t(second)];
  if (from.width <= 0 || from.height <= 0) return std::nullopt;
  if (layer.width() != from.width || layer.height() != from.height) {
    layer = Bitmap(from.width, from.height, from.ink.fill);
  } else if (layerInk && layerInk->fill == from.ink.fill && within(layerInk->bounds, layer)) {
    fillArea(layer, layerInk->bounds, from.ink.fill);
  } else {
    layer.fill(from.ink.fill);
  }
  copyArea(from.inked, Rect{0, 0, from.ink.bounds.width, from.ink.bounds.height}, layer, from.ink.bounds.left,
           from.ink.bounds.top);
  return from.ink;
}

}  // namespace tikora
