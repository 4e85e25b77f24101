// Composition of the clock's layers; see clock_compositor.h.
#include "ui/win32/clock_compositor.h"

#include <algorithm>
#include <cstring>

#include "core/frame.h"
#include "face/hands.h"
#include "platform/win32/gdi_font.h"

namespace tikora {
namespace {

constexpr int kSize = kClockWindowSize;
// Labels are few and share one font; a handful of entries covers a font change in between.
constexpr std::size_t kFontCacheSize = 4;

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

HFONT ClockCompositor::fontFor(const FontSpec& font) {
  const auto found =
      std::find_if(fonts_.begin(), fonts_.end(), [&](const CachedFont& cached) { return cached.font == font; });
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

Rect ClockCompositor::compose(const ClockWindowModel& model, const LayerPictures& pictures) {
  if (!valid()) return {};
  // GDI may still be drawing text into the buffer; the pixel copies below must come after it.
  GdiFlush();
  before_.assign(bits_, bits_ + stride_ * kSize);
  fillWhite();
  for (const ClockComponent component : model.layerOrder()) {
    const ClockLayer& layer = model.layer(component);
    if (!layer.visible) continue;
    switch (model.layerKind(component)) {
      case LayerKind::Text: drawLabel(layer); break;
      case LayerKind::Picture:
        if (const Bitmap* picture = pictures(component)) {
          GdiFlush();
          copyPicture(frame(), *picture, layer.bounds);
        }
        break;
      case LayerKind::TransparentPicture:
        if (const Bitmap* picture = pictures(component)) {
          GdiFlush();
          if (const auto leftOut = handLayerTransparentColour(*picture))
            copyPictureLeavingOut(frame(), *picture, layer.bounds, *leftOut);
        }
        break;
    }
  }
  GdiFlush();
  return changedArea(before_.data(), bits_, kSize, kSize, stride_);
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
