// The three hand layers of the clock face: the hour and minute hands rendered every ten seconds,
// the second hand copied each second from the table of pre-rotated pictures, and the rules for
// showing the layers and drawing them transparently over the face.
#pragma once
#include <optional>
#include <utility>

#include "core/bitmap.h"
#include "face/pixel_list.h"
#include "face/second_hand_table.h"

namespace tikora {

struct HandLists {
  PixelList hour;    // from the "mala" bitmap
  PixelList minute;  // from the "srednia" bitmap
  PixelList second;  // from the "duza" bitmap
};

// Renders one hand turned by `angleDegrees`: painted, rotated into `layer` (memory reused) and
// smoothed there in place. `painted` is scratch space for the painted picture.
void renderHand(Bitmap& layer, Bitmap& painted, const PixelList& hand, Colour handColour, Colour background,
                double angleDegrees);
Bitmap renderHand(const PixelList& hand, Colour handColour, Colour background, double angleDegrees);

// A hand layer is drawn leaving out every pixel of the colour of its bottom-left pixel (0, 239),
// which is always the background colour, so the smoothed edges stay. None for an empty picture.
std::optional<Colour> handLayerTransparentColour(const Bitmap& layerPicture);

struct HandLayerVisibility {
  bool hour = true;
  bool minute = true;
  bool second = true;
  friend bool operator==(const HandLayerVisibility&, const HandLayerVisibility&) = default;
};
// Which hand layers show for the "Second Hand OFF" and "All Hands OFF" check boxes.
HandLayerVisibility handLayerVisibility(bool secondHandOff, bool allHandsOff);

class ClockHands {
 public:
  // Hands and colours. Changing them only stores them: the caller rebuilds the second hand
  // table (an entry at a time, handling window messages in between) and then sets the redraw
  // flag, so the hour and minute hands follow at the next face tick.
  void setHandLists(HandLists lists) { lists_ = std::move(lists); }
  void setHandColour(Colour colour) { handColour_ = colour; }
  void setBackground(Colour colour) { background_ = colour; }
  const HandLists& handLists() const { return lists_; }
  Colour handColour() const { return handColour_; }
  Colour background() const { return background_; }

  // Rebuilds of the second hand table from the current second hand and colours.
  void startSecondHandTableRebuild();
  bool rebuildNextSecondHandEntry() { return table_.rebuildNextEntry(); }
  void rebuildSecondHandTable();
  const SecondHandTable& secondHandTable() const { return table_; }

  // Set at start and after a hand style, hand colour or background change.
  void setRedrawFlag() { redraw_ = true; }
  bool redrawFlag() const { return redraw_; }

  // One face tick at hour (0 to 23), minute and second: the second hand layer becomes a copy of
  // the table's entry for the second (an entry not built yet leaves the previous picture); at
  // seconds 0, 10, ..., 50 or with the redraw flag set, the hour and minute hands are rendered
  // and the flag is cleared.
  struct TickResult {
    bool secondHandChanged = false;
    bool hourAndMinuteRendered = false;
  };
  TickResult faceTick(int hour, int minute, int second);

  void renderHourHand(int hour, int minute);
  void renderMinuteHand(int minute, int second);

  const Bitmap& hourLayer() const { return hourLayer_; }
  const Bitmap& minuteLayer() const { return minuteLayer_; }
  const Bitmap& secondLayer() const { return secondLayer_; }

 private:
  HandLists lists_;
  Colour handColour_ = 0x000000;
  Colour background_ = kPureWhite;
  SecondHandTable table_;
  bool redraw_ = true;
  Bitmap hourLayer_;
  Bitmap minuteLayer_;
  Bitmap secondLayer_;
  std::optional<SecondHandTable::Ink> secondInk_;  // where the table's last copy put the hand
  Bitmap painted_;                                 // scratch picture of the hand being rendered
};

}  // namespace tikora
