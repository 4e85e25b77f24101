// Composition of the clock's layers; see clock_compositor.h.
#include "ui/win32/clock_compositor.h"

#include <algorithm>
#include <cstring>

#include "face/hands.h"
#include "platform/win32/gdi_font.h"

namespace tikora {
namespace {

constexpr int kSize = kClockWindowSize;
// Labels are few and share one font; a handful of entries covers a font change in between.
constexpr std::size_t kFontCacheSize = 4;

// The part of a picture placed at `bounds` that lies inside the buffer, in picture coordinates.
struct Span {
  int pictureLeft = 0, pictureTop = 0, left = 0, top = 0, width = 0, height = 0;
};
Span clipped(const Bitmap& picture, const Rect& bounds) {
  Span span;
  const int right = std::min({bounds.left + bounds.width, bounds.left + picture.width(), kSize});
  const int bottom = std::min({bounds.top + bounds.height, bounds.top + picture.height(), kSize});
  span.left = std::max(bounds.left, 0);
  span.top = std::max(bounds.top, 0);
  span.pictureLeft = span.left - bounds.left;
  span.pictureTop = span.top - bounds.top;
  span.width = std::max(right - span.left, 0);
  span.height = std::max(bottom - span.top, 0);
  return span;
}

}  // namespace

ClockCompositor::ClockCompositor(int dpi) : dpi_(dpi) {
  if (!dc_.valid()) return;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = kSize;
  info.bmiHeader.biHeight = -kSize;  // top-down, like the core's pictures
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  buffer_.reset(CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!buffer_.valid() || !bits) return;
  selected_.emplace(dc_, buffer_.get());
  if (!selected_->valid()) return;
  bits_ = static_cast<std::uint8_t*>(bits);
  stride_ = (std::size_t(kSize) * 3 + 3) & ~std::size_t(3);
  fillWhite();
}

void ClockCompositor::fillWhite() { std::memset(bits_, 0xFF, stride_ * kSize); }

void ClockCompositor::copyPicture(const Bitmap& picture, const Rect& bounds) {
  const Span s = clipped(picture, bounds);
  for (int y = 0; y < s.height; ++y) {
    const std::uint8_t* from = picture.row(s.pictureTop + y) + std::size_t(s.pictureLeft) * 3;
    std::memcpy(rowAt(s.top + y) + std::size_t(s.left) * 3, from, std::size_t(s.width) * 3);
  }
}

void ClockCompositor::copyLeavingOut(const Bitmap& picture, const Rect& bounds, Colour leftOut) {
  const Span s = clipped(picture, bounds);
  const std::uint8_t blue = blueOf(leftOut), green = greenOf(leftOut), red = redOf(leftOut);
  for (int y = 0; y < s.height; ++y) {
    const std::uint8_t* from = picture.row(s.pictureTop + y) + std::size_t(s.pictureLeft) * 3;
    std::uint8_t* to = rowAt(s.top + y) + std::size_t(s.left) * 3;
    for (int x = 0; x < s.width; ++x, from += 3, to += 3) {
      if (from[0] == blue && from[1] == green && from[2] == red) continue;
      to[0] = from[0];
      to[1] = from[1];
      to[2] = from[2];
    }
  }
}

HFONT ClockCompositor::fontFor(const FontSpec& font) {
  const auto found = std::find_if(fonts_.begin(), fonts_.end(),
                                  [&](const CachedFont& cached) { return cached.font == font; });
  if (found != fonts_.end()) return found->handle;
  if (fonts_.size() >= kFontCacheSize) fonts_.erase(fonts_.begin());
  fonts_.push_back({font, createFont(font, dpi_)});
  return fonts_.back().handle;
}

void ClockCompositor::drawLabel(const ClockLayer& label) {
  if (label.text.empty()) return;
  HFONT font = fontFor(label.font.value_or(FontSpec{}));
  if (!font) return;
  SelectedObject selected(dc_, font);
  SetBkMode(dc_, TRANSPARENT);
  // Colours above 0xFFFFFF (near white is 0x02FEFFFF) would be read as palette references.
  SetTextColor(dc_, label.textColour.value_or(0) & 0x00FFFFFF);
  SetTextAlign(dc_, TA_LEFT | TA_TOP | TA_NOUPDATECP);
  TextOutW(dc_, label.bounds.left, label.bounds.top, label.text.c_str(), static_cast<int>(label.text.size()));
}

void ClockCompositor::compose(const ClockWindowModel& model, const LayerPictures& pictures) {
  if (!valid()) return;
  // GDI may still be drawing text into the buffer; the pixel copies below must come after it.
  GdiFlush();
  fillWhite();
  for (const ClockComponent component : model.layerOrder()) {
    const ClockLayer& layer = model.layer(component);
    if (!layer.visible) continue;
    switch (model.layerKind(component)) {
      case LayerKind::Text:
        drawLabel(layer);
        break;
      case LayerKind::Picture:
        if (const Bitmap* picture = pictures(component)) {
          GdiFlush();
          copyPicture(*picture, layer.bounds);
        }
        break;
      case LayerKind::TransparentPicture:
        if (const Bitmap* picture = pictures(component)) {
          GdiFlush();
          if (const auto leftOut = handLayerTransparentColour(*picture))
            copyLeavingOut(*picture, layer.bounds, *leftOut);
        }
        break;
    }
  }
  GdiFlush();
}

void ClockCompositor::present(HDC target) const {
  if (valid()) BitBlt(target, 0, 0, kSize, kSize, dc_, 0, 0, SRCCOPY);
}

Colour ClockCompositor::pixel(int x, int y) const {
  if (!valid() || x < 0 || y < 0 || x >= kSize || y >= kSize) return kPureWhite;
  const std::uint8_t* p = rowAt(y) + std::size_t(x) * 3;
  return rgb(p[2], p[1], p[0]);
}

}  // namespace tikora
