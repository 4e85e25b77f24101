// The clock window's back buffer: the layers of the clock's model composed bottom to top into
// one 240 x 240 picture, which the window then copies to the screen in one piece.
//
// Pictures are copied as they are; hand layers leave out every pixel of the colour of their
// bottom-left pixel, so the face shows around the hands and their smoothed edges stay; labels
// are drawn with GDI in their font and colour on a transparent background. Pure white stays
// pure white, so the window's colour key makes it see-through.
//
// Only the part that can have changed is composed again: the area each changed layer covered
// before and covers now (a hand layer covers the box of its hand, a label the box of its text
// with room for the glyphs' overhang). A second of the clock at rest composes the second hand's
// two boxes and the labels that reach into them, not the whole window.
#pragma once
#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "clock/clock_window_model.h"
#include "core/bitmap.h"
#include "core/frame.h"
#include "platform/win32/gdi.h"

namespace tikora {

// The picture a layer shows, or null for labels and pictures not made yet.
using LayerPictures = std::function<const Bitmap*(ClockComponent)>;

class ClockCompositor {
 public:
  // Labels are drawn at this resolution, which must be the one they were measured at.
  explicit ClockCompositor(int dpi);
  ClockCompositor(const ClockCompositor&) = delete;
  ClockCompositor& operator=(const ClockCompositor&) = delete;

  // Whether the back buffer could be made.
  bool valid() const { return bits_ != nullptr; }

  // Composes every shown layer of `model` in its layer order. Without pictures (before the face
  // is made) the buffer is all white, that is all see-through. `changedPictures` names the layers
  // whose pictures may differ from those last composed; the others are taken to be the same
  // pictures, so only layers whose state or picture changed are composed again. Returns where
  // the buffer now differs from what it held before, the part of the window to paint again.
  Rect compose(const ClockWindowModel& model, const LayerPictures& pictures, LayerSet changedPictures = kAllLayers);
  // Copies the buffer to `target` at (0, 0).
  void present(HDC target) const;

  // The buffer's pixel at (x, y), 0x00BBGGRR.
  Colour pixel(int x, int y) const;

 private:
  struct CachedFont {
    FontSpec font;
    GdiObject<HFONT> handle;
  };

  std::uint8_t* rowAt(int y) const { return bits_ + std::size_t(y) * stride_; }
  // What a layer was last composed from, and the area it covered.
  struct Composed {
    ClockLayer state;
    Rect covered;
  };

  void fillWhite(const Rect& area);
  // The buffer's pixels inside `area`, as a frame of its own.
  FrameRows frame(const Rect& area) const;
  // The area a shown layer covers in the window; empty for a hidden one or one with nothing to show.
  Rect coveredArea(const ClockWindowModel& model, ClockComponent component, const Bitmap* picture);
  void composeArea(const ClockWindowModel& model, const LayerPictures& pictures, const Rect& area);
  void drawLabel(const ClockLayer& label);
  HFONT fontFor(const FontSpec& font);

  int dpi_;
  MemoryDc dc_;
  GdiObject<HBITMAP> buffer_;
  std::optional<SelectedObject> selected_;  // declared last: put back before the rest goes
  std::uint8_t* bits_ = nullptr;
  std::size_t stride_ = 0;
  std::vector<CachedFont> fonts_;
  std::vector<std::uint8_t> before_;  // the buffer as the last compose found it, where it composed
  std::array<Composed, kClockComponentCount> composed_{};
  std::vector<ClockComponent> composedOrder_;  // empty before the first compose
};

}  // namespace tikora
