// The sixty second hand pictures, rotated ahead so that the face tick only copies one.
//
// A turned second hand covers a small part of its 240 x 240 picture; the rest is the background.
// Each entry keeps only the rectangle the hand may cover and the background colour, some twenty
// kilobytes instead of a whole picture, and the whole picture is put together when it is asked
// for. Copying an entry into a layer that last held another entry rewrites only the two
// rectangles.
#pragma once
#include <array>
#include <optional>

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

  // Entry `second` (0 to 59) as a whole picture; an empty picture before the first rebuild
  // reached it, or for a number outside 0 to 59.
  Bitmap entry(int second) const;

  // Where a picture copied from the table may differ from its background colour.
  struct Ink {
    Rect bounds;
    Colour fill = 0;
  };
  // Makes `layer` the picture of entry `second`, as entry() gives it. `layerInk` is what the
  // last copy into `layer` returned (none for a layer written otherwise): with it, only that
  // rectangle and the entry's own are rewritten. Returns the entry's ink, or none (leaving
  // `layer` as it is) when the entry is not made.
  std::optional<Ink> copyEntry(int second, Bitmap& layer, const std::optional<Ink>& layerInk) const;

 private:
  struct Entry {
    int width = 0;  // of the whole picture; 0 before the entry is made
    int height = 0;
    Ink ink;
    Bitmap inked;  // the pixels within ink.bounds
  };

  std::array<Entry, kEntries> entries_;
  Bitmap hand_;     // the painted and smoothed hand, held only while a rebuild runs
  Bitmap rotated_;  // each entry turned whole, before its rectangle is kept; as long as hand_
  // What the last rotation into rotated_ wrote, so that the next one rewrites only those parts.
  RotationFootprint footprint_;
  Rect handBounds_;
  Colour fill_ = kPureWhite;
  int nextEntry_ = kEntries;
};

}  // namespace tikora
