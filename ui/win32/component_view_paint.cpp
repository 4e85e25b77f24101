// The generic view: owner-drawn lists and the pictures a window paints itself, scaled to the
// window's DPI; see component_view.h.
#include "ui/win32/component_view.h"

#include <algorithm>
#include <optional>

#include "core/dib.h"
#include "platform/win32/win32_resources.h"
#include "ui/win32/component_view_parts.h"

namespace tikora {
namespace {

std::wstring pictureName(const std::wstring& picture) { return picture.substr(0, picture.find(L'#')); }

// How pictures are stretched to the window's DPI: pixel for pixel at 96 DPI and at whole
// multiples of it, which keeps the pixel art crisp; smoothed at the scalings in between.
void setScalingMode(HDC dc, int dpi) {
  if (dpi % kStandardDpi == 0) {
    SetStretchBltMode(dc, COLORONCOLOR);
  } else {
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
  }
}

// Draws a picture of the program's own at `target` of `dc`, stretched to its size.
void drawBitmap(HDC dc, const Bitmap& picture, const RECT& target, int sourceLeft, int sourceTop, int sourceWidth,
                int sourceHeight) {
  if (picture.empty()) return;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = picture.width();
  info.bmiHeader.biHeight = -picture.height();  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  // Rows of a top-down DIB are addressed from the bottom by StretchDIBits' source y.
  StretchDIBits(dc, target.left, target.top, target.right - target.left, target.bottom - target.top, sourceLeft,
                picture.height() - sourceTop - sourceHeight, sourceWidth, sourceHeight, picture.row(0), &info,
                DIB_RGB_COLORS, SRCCOPY);
}

}  // namespace

bool ComponentView::onMeasureItem(MEASUREITEMSTRUCT& item) {
  if (item.CtlType != ODT_COMBOBOX || item.CtlID < kFirstControlId) return false;
  const std::size_t index = item.CtlID - kFirstControlId;
  if (index >= table_.all().size()) return false;
  const Component& c = table_.all()[index];
  // A list of tall pictures keeps the usual height in its selection field.
  const int height = item.itemID == static_cast<UINT>(-1) ? kListFieldHeight : listItemHeight(c);
  item.itemHeight = static_cast<UINT>(scaleToDpi(height, dpi_));
  return true;
}

bool ComponentView::onDrawItem(const DRAWITEMSTRUCT& item) {
  const auto found = byHwnd_.find(item.hwndItem);
  if (found == byHwnd_.end()) return false;
  const Component& c = table_.all()[found->second];
  HDC dc = item.hDC;
  const RECT box = item.rcItem;
  const bool selected = item.itemState & ODS_SELECTED;
  if (c.kind == ComponentKind::PictureList) {
    // The item cleared with the list's brush, then its cell of the sample strip at its own
    // size, 32 pixels in and 2 down; no text and no highlight.
    FillRect(dc, &box, GetSysColorBrush(COLOR_WINDOW));
    if (item.itemID == static_cast<UINT>(-1)) return true;
    HBITMAP samples = resourceBitmap(pictureName(c.state.picture));
    const int count = static_cast<int>(c.state.items.size());
    if (!samples || count <= 0) return true;
    BITMAP info{};
    GetObjectW(samples, sizeof info, &info);
    const bool across = info.bmWidth >= info.bmHeight;
    const int cell = (across ? info.bmWidth : info.bmHeight) / count;
    const int depth = across ? info.bmHeight : info.bmWidth;
    const int index = static_cast<int>(item.itemID);
    MemoryDc memory(dc);
    SelectedObject chosen(memory, samples);
    const int w = across ? cell : depth, h = across ? depth : cell;
    setScalingMode(dc, dpi_);
    StretchBlt(dc, box.left + scaleToDpi(32, dpi_), box.top + scaleToDpi(2, dpi_), scaleToDpi(w, dpi_),
               scaleToDpi(h, dpi_), memory, across ? index * cell : 0, across ? 0 : index * cell, w, h, SRCCOPY);
    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &box);
    return true;
  }
  if (c.kind == ComponentKind::ComboBox) {
    // An item's text, or the prompt, greyed, in the field while nothing is chosen.
    const bool prompt = item.itemID == static_cast<UINT>(-1);
    const std::optional<std::wstring> text = prompt ? std::optional<std::wstring>(c.state.text)
                                                    : comboItemText(item.hwndItem, static_cast<LRESULT>(item.itemID));
    FillRect(dc, &box, GetSysColorBrush(selected && !prompt ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(prompt ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    RECT area{box.left + scaleToDpi(2, dpi_), box.top, box.right, box.bottom};
    if (text) DrawTextW(dc, text->c_str(), -1, &area, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &box);
    return true;
  }
  if (c.kind != ComponentKind::ColourBox) return false;
  FillRect(dc, &box, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  if (item.itemID == static_cast<UINT>(-1)) return true;
  const int inset = scaleToDpi(2, dpi_);
  RECT swatch{box.left + inset, box.top + inset, box.right - inset, box.bottom - inset};
  SetBkMode(dc, TRANSPARENT);
  // A disabled box (the seconds colours while the seconds are off) shows its name in grey.
  const bool disabled = item.itemState & ODS_DISABLED;
  SetTextColor(dc, GetSysColor(disabled ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  const auto data = static_cast<LPARAM>(item.itemData);
  if (data == kCustomColourItem) {
    RECT text = swatch;
    text.left += scaleToDpi(4, dpi_);
    DrawTextW(dc, L"Custom...", -1, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    return true;
  }
  swatch.right = swatch.left + scaleToDpi(28, dpi_);
  GdiObject<HBRUSH> brush(CreateSolidBrush(static_cast<COLORREF>(data) & 0x00FFFFFF));
  FillRect(dc, &swatch, brush);
  FrameRect(dc, &swatch, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  const wchar_t* name = L"Custom";
  for (const NamedColour& colour : kStandardColours)
    if (colour.colour == static_cast<COLORREF>(data)) name = colour.name;
  RECT text{swatch.right + scaleToDpi(6, dpi_), box.top, box.right, box.bottom};
  DrawTextW(dc, name, -1, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
  return true;
}

// ---- Pictures painted by their window ----

HBITMAP ComponentView::resourceBitmap(const std::wstring& name) {
  auto found = bitmaps_.find(name);
  if (found == bitmaps_.end()) {
    // Decoded when first painted, then kept as long as the window: the pictures a window shows
    // are few and small.
    const auto picture = Win32Resources(instance_).loadBitmap(name);
    found = bitmaps_.emplace(name, picture ? makeDibSection(*picture) : GdiObject<HBITMAP>()).first;
  }
  return found->second;
}

void ComponentView::paintPictures(HWND surface, HDC dc) {
  const auto& all = table_.all();
  for (const Component& c : all) {
    if (c.kind != ComponentKind::Picture || !c.state.visible || parentOf(c) != surface) continue;
    const std::wstring name = pictureName(c.state.picture);
    if (name.empty()) continue;
    const Rect at = placeOnParent(c);
    const Rect& bounds = c.state.bounds;
    const bool stretch = c.options & kStretch;
    // Stretched over the bounds, or at its own size (cut to the bounds) scaled to the DPI by
    // its edges, as the bounds are.
    const auto shown = [&](int width, int height) {
      if (stretch) return at;
      return Rect{at.left, at.top, scaleToDpi(bounds.left + width, dpi_) - scaleToDpi(bounds.left, dpi_),
                  scaleToDpi(bounds.top + height, dpi_) - scaleToDpi(bounds.top, dpi_)};
    };
    setScalingMode(dc, dpi_);
    if (const Bitmap* made = pictures_ ? pictures_(name) : nullptr) {
      const int w = stretch ? made->width() : std::min(made->width(), bounds.width);
      const int h = stretch ? made->height() : std::min(made->height(), bounds.height);
      const Rect target = shown(w, h);
      drawBitmap(dc, *made, RECT{target.left, target.top, target.right(), target.bottom()}, 0, 0, w, h);
      continue;
    }
    HBITMAP bitmap = resourceBitmap(name);
    if (!bitmap) continue;
    BITMAP info{};
    GetObjectW(bitmap, sizeof info, &info);
    MemoryDc memory(dc);
    SelectedObject chosen(memory, bitmap);
    const int w = stretch ? info.bmWidth : std::min<int>(info.bmWidth, bounds.width);
    const int h = stretch ? info.bmHeight : std::min<int>(info.bmHeight, bounds.height);
    const Rect target = shown(w, h);
    StretchBlt(dc, target.left, target.top, target.width, target.height, memory, 0, 0, w, h, SRCCOPY);
  }
}

const Component* ComponentView::pictureAt(HWND surface, POINT client) const {
  const auto& all = table_.all();
  for (auto it = all.rbegin(); it != all.rend(); ++it) {
    const Component& c = *it;
    if (c.kind != ComponentKind::Picture || !c.state.visible || parentOf(c) != surface) continue;
    const Rect at = placeOnParent(c);
    if (at.contains(Point{client.x, client.y})) return &c;
  }
  return nullptr;
}

}  // namespace tikora
