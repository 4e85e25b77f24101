// The sixty second hand pictures, rotated ahead so that the face tick only copies one.
#pragma once
#include <array>

#include "core/bitmap.h"
#include "face/pixel_list.h"
#include "face/rotate.h"

namespace tikora {

class SecondHandTable {
 public:
  static constexpr int kEntries = 60;
  // Entry j shows the second hand turned by 6 * j degrees (entry 45, 270 degrees, is drawn at
  // 269.8 like every rotation by 270).
  static double entryAngle(int entry) { return 6.0 * entry; }

  // Paints the second hand in `handColour` on `background`, smooths it, and begins rewriting the
  // entries from entry 0. Entries not yet rewritten keep their previous pictures, so the clock
  // can go on showing the table while it is rebuilt an entry at a time. Starting again during a
  // rebuild begins anew with the new hand and colours.
  void startRebuild(const PixelList& secondHand, Colour handColour, Colour background);
  // Rotates the next entry into place; returns whether entries remain. Does nothing (and returns
  // false) when no rebuild is running.
  bool rebuildNextEntry();
  bool rebuilding() const { return nextEntry_ < kEntries; }
  int nextEntry() const { return nextEntry_; }
  // A whole rebuild in one go.
  void rebuild(const PixelList& secondHand, Colour handColour, Colour background);

  // Entry `second` (0 to 59); an empty picture before the first rebuild reached it, or for a
  // number outside 0 to 59.
  const Bitmap& entry(int second) const;

 private:
  std::array<Bitmap, kEntries> entries_;
  // What each entry's last rotation wrote, so that a rebuild rewrites only those parts.
  std::array<RotationFootprint, kEntries> footprints_;
  Bitmap hand_;  // the painted and smoothed hand, held only while a rebuild runs
  Rect handBounds_;
  Colour fill_ = kPureWhite;
  int nextEntry_ = kEntries;
};

}  // namespace tikora
