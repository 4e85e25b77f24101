// The clock window's back buffer: the layers of the clock's model composed bottom to top into
// one 240 x 240 picture, which the window then copies to the screen in one piece.
//
// Pictures are copied as they are; hand layers leave out every pixel of the colour of their
// bottom-left pixel, so the face shows around the hands and their smoothed edges stay; labels
// are drawn with GDI in their font and colour on a transparent background. Pure white stays
// pure white, so the window's colour key makes it see-through.
#pragma once
#include <windows.h>

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
  // is made) the buffer is all white, that is all see-through. Returns where the buffer now
  // differs from what it held before, the part of the window to paint again.
  Rect compose(const ClockWindowModel& model, const LayerPictures& pictures);
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
  void fillWhite();
  FrameRows frame() const { return {bits_, kClockWindowSize, kClockWindowSize, stride_}; }
  void drawLabel(const ClockLayer& label);
  HFONT fontFor(const FontSpec& font);

  int dpi_;
  MemoryDc dc_;
  GdiObject<HBITMAP> buffer_;
  std::optional<SelectedObject> selected_;  // declared last: put back before the rest goes
  std::uint8_t* bits_ = nullptr;
  std::size_t stride_ = 0;
  std::vector<CachedFont> fonts_;
  std::vector<std::uint8_t> before_;  // the buffer as the last compose found it
};

}  // namespace tikora
