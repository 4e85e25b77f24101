// Composition of the clock's layers; see clock_compositor.h.
#include "ui/win32/clock_compositor.h"

#include <algorithm>
#include <cstring>

#include "core/bytes.h"
#include "core/frame.h"
#include "face/hands.h"
#include "platform/win32/gdi_font.h"

namespace tikora {
namespace {

constexpr int kSize = kClockWindowSize;
constexpr Rect kWindow{0, 0, kSize, kSize};
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
  before_.resize(stride_ * kSize);
  fillWhite(kWindow);
}

FrameRows ClockCompositor::frame(const Rect& area) const {
  return {rowAt(area.top) + std::size_t(area.left) * 3, area.width, area.height, stride_};
}

void ClockCompositor::fillWhite(const Rect& area) {
  for (int y = area.top; y < area.bottom(); ++y)
    fillBytes(rowAt(y) + std::size_t(area.left) * 3, 0xFF, std::size_t(area.width) * 3);
}

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

Rect ClockCompositor::coveredArea(const ClockWindowModel& model, ClockComponent component, const Bitmap* picture) {
  const ClockLayer& layer = model.layer(component);
  if (!layer.visible) return {};
  const Rect& bounds = layer.bounds;
  switch (model.layerKind(component)) {
    case LayerKind::Text: {
      if (layer.text.empty()) return {};
      HFONT font = fontFor(layer.font.value_or(FontSpec{}));
      if (!font) return {};
      SelectedObject selected(dc_, font);
      SIZE text{};
      GetTextExtentPoint32W(dc_, layer.text.c_str(), static_cast<int>(layer.text.size()), &text);
      // Italic and bold glyphs may reach past the text's advance on either side; half the line's
      // height around it holds any overhang a font has.
      const int room = text.cy / 2 + 2;
      return intersect(kWindow, {bounds.left - room, bounds.top - room, std::max(bounds.width, int(text.cx)) + 2 * room,
                                 std::max(bounds.height, int(text.cy)) + 2 * room});
    }
    case LayerKind::Picture:
      if (!picture) return {};
      return intersect(kWindow, {bounds.left, bounds.top, std::min(bounds.width, picture->width()),
                                 std::min(bounds.height, picture->height())});
    case LayerKind::TransparentPicture: {
      if (!picture) return {};
      const auto leftOut = handLayerTransparentColour(*picture);
      if (!leftOut) return {};
      const Rect hand = opaqueArea(*picture, *leftOut);
      return intersect(intersect(kWindow, bounds),
                       {bounds.left + hand.left, bounds.top + hand.top, hand.width, hand.height});
    }
  }
  return {};
}

void ClockCompositor::composeArea(const ClockWindowModel& model, const LayerPictures& pictures, const Rect& area) {
  fillWhite(area);
  const FrameRows part = frame(area);
  // Labels draw through GDI, which keeps to the area; pictures are copied into it.
  IntersectClipRect(dc_, area.left, area.top, area.right(), area.bottom());
  for (const ClockComponent component : model.layerOrder()) {
    if (!composed_[std::size_t(component)].covered.intersects(area)) continue;
    const ClockLayer& layer = model.layer(component);
    const Rect at{layer.bounds.left - area.left, layer.bounds.top - area.top, layer.bounds.width, layer.bounds.height};
    switch (model.layerKind(component)) {
      case LayerKind::Text: drawLabel(layer); break;
      case LayerKind::Picture:
        if (const Bitmap* picture = pictures(component)) {
          GdiFlush();
          copyPicture(part, *picture, at);
        }
        break;
      case LayerKind::TransparentPicture:
        if (const Bitmap* picture = pictures(component)) {
          GdiFlush();
          if (const auto leftOut = handLayerTransparentColour(*picture))
            copyPictureLeavingOut(part, *picture, at, *leftOut);
        }
        break;
    }
  }
  SelectClipRgn(dc_, nullptr);
  GdiFlush();
}

Rect ClockCompositor::compose(const ClockWindowModel& model, const LayerPictures& pictures, LayerSet changedPictures) {
  if (!valid()) return {};
  // GDI may still be drawing text into the buffer; the pixel copies below must come after it.
  GdiFlush();
  // A new layer order, or the first compose, composes everything.
  const bool everything = composedOrder_.empty() || composedOrder_ != model.layerOrder();
  if (everything) composedOrder_ = model.layerOrder();
  Rect area = everything ? kWindow : Rect{};
  for (int i = 0; i < kClockComponentCount; ++i) {
    const auto component = static_cast<ClockComponent>(i);
    const ClockLayer& layer = model.layer(component);
    Composed& was = composed_[std::size_t(i)];
    if (!everything && !(changedPictures & layerBit(component)) && was.state == layer) continue;
    const Rect now = coveredArea(model, component, pictures(component));
    area = unite(area, unite(was.covered, now));
    was.state = layer;  // assigned over the copy already there: no allocation in a quiet second
    was.covered = now;
  }
  area = intersect(area, kWindow);
  if (area.empty()) return {};

  const std::size_t offset = std::size_t(area.top) * stride_ + std::size_t(area.left) * 3;
  for (int y = 0; y < area.height; ++y)
    copyBytes(before_.data() + offset + std::size_t(y) * stride_, bits_ + offset + std::size_t(y) * stride_,
              std::size_t(area.width) * 3);
  composeArea(model, pictures, area);
  const Rect changed = changedArea(before_.data() + offset, bits_ + offset, area.width, area.height, stride_);
  if (changed.empty()) return {};
  return {changed.left + area.left, changed.top + area.top, changed.width, changed.height};
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
