// The generic view's pictures and stripes: painted by the window they lie on, scaled to the
// window's DPI, and hit-tested by it for the mouse; see component_view.h.
#include "ui/win32/component_view.h"

#include <windowsx.h>

#include <algorithm>
#include <optional>

#include "core/dib.h"
#include "platform/win32/win32_resources.h"
#include "ui/win32/component_view_parts.h"

namespace tikora {
namespace {

// The system's move command with the caption hit-test code: the system's own move loop then
// drags the window with the pointer, as if its caption had been grabbed.
constexpr WPARAM kMoveByCaption = SC_MOVE | HTCAPTION;

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

void makePictureButtonClass(ControlClass& made) {
  made.className = L"BUTTON";
  made.style = BS_OWNERDRAW | kTabStop;
}

bool isPictureButton(const Component& component, const ComponentTable& table) {
  return component.kind == ComponentKind::Picture && table.hasHandler(component.name, ComponentEvent::Click);
}

void ComponentView::applyPictureButton(std::size_t index, const ComponentState* before) {
  const ComponentState& s = model_.all()[index].state;
  HWND hwnd = controls_[index].hwnd;
  if (!before || before->bounds != s.bounds) placeControl(index);
  if (!before || before->text != s.text) SetWindowTextW(hwnd, s.text.c_str());
  if (!before || before->enabled != s.enabled) EnableWindow(hwnd, s.enabled);
  showControl(index, s.visible);
  InvalidateRect(hwnd, nullptr, FALSE);
}

bool ComponentView::drawPictureButton(const DRAWITEMSTRUCT& item) {
  // The window's background and pictures, painted through the button at its place on them.
  HWND surface = GetParent(item.hwndItem);
  POINT origin{0, 0};
  MapWindowPoints(item.hwndItem, surface, &origin, 1);
  POINT before{};
  SetViewportOrgEx(item.hDC, -origin.x, -origin.y, &before);
  SendMessageW(surface, WM_ERASEBKGND, reinterpret_cast<WPARAM>(item.hDC), 0);
  paintPictures(surface, item.hDC);
  SetViewportOrgEx(item.hDC, before.x, before.y, nullptr);
  // The keyboard's mark, only while the keyboard is in use.
  if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) DrawFocusRect(item.hDC, &item.rcItem);
  return true;
}

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
  const auto& all = model_.all();
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
  const auto& all = model_.all();
  for (auto it = all.rbegin(); it != all.rend(); ++it) {
    const Component& c = *it;
    if (c.kind != ComponentKind::Picture || !c.state.visible || parentOf(c) != surface) continue;
    const Rect at = placeOnParent(c);
    if (at.contains(Point{client.x, client.y})) return &c;
  }
  return nullptr;
}

bool ComponentView::onMouse(HWND surface, UINT message, WPARAM, LPARAM lParam) {
  const POINT client{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  const Component* picture = message == WM_MOUSELEAVE ? nullptr : pictureAt(surface, client);
  const std::wstring name = picture ? picture->name : std::wstring();
  if (message == WM_MOUSEMOVE || message == WM_MOUSELEAVE) {
    if (name != hovered_) {
      const std::wstring left = hovered_;
      hovered_ = name;
      if (!left.empty() && table_.contains(left)) raise(left, ComponentEvent::MouseLeave);
      if (!name.empty()) {
        TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE, surface, 0};
        TrackMouseEvent(&leave);
      }
    }
    if (!name.empty()) {
      ComponentInput input;
      input.point = Point{client.x, client.y};
      raise(name, ComponentEvent::MouseMove, input);
    }
    return picture != nullptr || message == WM_MOUSELEAVE;
  }
  if (!picture) return false;
  if (message == WM_LBUTTONDOWN) {
    if (picture->options & kDragsWindow) {
      ReleaseCapture();
      SendMessageW(window_, WM_SYSCOMMAND, kMoveByCaption, 0);
      return true;
    }
    raise(name, ComponentEvent::MouseDown);
    SetCapture(surface);
    return true;
  }
  // WM_LBUTTONUP: a click is a press and a release on the same picture.
  if (GetCapture() == surface) ReleaseCapture();
  raise(name, ComponentEvent::Click);
  return true;
}

}  // namespace tikora
