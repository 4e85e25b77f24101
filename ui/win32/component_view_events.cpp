// The generic view: notifications into model events, colours, owner-drawn lists and the
// pictures a window paints itself; see component_view.h.
#include "ui/win32/component_view.h"

#include <commctrl.h>
#include <commdlg.h>
#include <windowsx.h>

#include <algorithm>
#include <optional>

#include "core/dib.h"
#include "ui/win32/component_view_parts.h"

namespace tikora {
namespace {

constexpr UINT kFirstControlId = 1000;
constexpr UINT_PTR kFirstTimerId = 100;
// The system's move command with the caption hit-test code: the system's own move loop then
// drags the window with the pointer, as if its caption had been grabbed.
constexpr WPARAM kMoveByCaption = SC_MOVE | HTCAPTION;

std::wstring windowText(HWND hwnd) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::optional<std::wstring> comboItemText(HWND combo, LRESULT index) {
  if (index < 0) return std::nullopt;
  const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length < 0) return std::nullopt;
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

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

void ComponentView::raise(std::wstring_view component, ComponentEvent event, const ComponentInput& input) {
  table_.raise(component, event, input);
  if (afterEvent) {
    afterEvent();
  } else {
    sync();
  }
}

bool ComponentView::handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_COMMAND: {
      HWND from = reinterpret_cast<HWND>(lParam);
      if (!from || !byHwnd_.count(from)) return false;
      if (!applying_) onCommand(from, HIWORD(wParam));
      result = 0;
      return true;
    }
    case WM_HSCROLL:
    case WM_VSCROLL: {
      HWND from = reinterpret_cast<HWND>(lParam);
      if (!from || !byHwnd_.count(from)) return false;
      if (!applying_) onScroll(from, wParam);
      result = 0;
      return true;
    }
    case WM_NOTIFY:
      return onNotify(*reinterpret_cast<const NMHDR*>(lParam), result);
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      return onControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), result);
    case WM_MEASUREITEM:
      if (!onMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) return false;
      result = TRUE;
      return true;
    case WM_DRAWITEM:
      if (!onDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return false;
      result = TRUE;
      return true;
    case WM_TIMER: {
      const auto& timers = table_.timers();
      if (wParam < kFirstTimerId || wParam - kFirstTimerId >= timers.size()) return false;
      table_.tick(timers[wParam - kFirstTimerId].name);
      if (afterEvent) afterEvent(); else sync();
      result = 0;
      return true;
    }
    case WM_ERASEBKGND: {
      // The window in its own background colour, which may change while it lives.
      const std::optional<Colour> background = table_.window().state.background;
      if (!background) return false;
      RECT area{};
      GetClientRect(window_, &area);
      FillRect(reinterpret_cast<HDC>(wParam), &area, brushFor(*background));
      result = 1;
      return true;
    }
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window_, &paint);
      paintPictures(window_, dc);
      EndPaint(window_, &paint);
      result = 0;
      return true;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_MOUSEMOVE:
    case WM_MOUSELEAVE:
      if (!onMouse(window_, message, wParam, lParam)) return false;
      result = 0;
      return true;
    case WM_SETCURSOR:
      if (!onSetCursor(reinterpret_cast<HWND>(wParam))) return false;
      result = TRUE;
      return true;
    case DM_GETDEFID: {
      // Enter (through IsDialogMessage) presses the focused button, else the default one.
      const auto pressable = [this](HWND hwnd) {
        const auto found = byHwnd_.find(hwnd);
        return found != byHwnd_.end() && table_.all()[found->second].kind == ComponentKind::Button &&
               IsWindowEnabled(hwnd) && IsWindowVisible(hwnd);
      };
      HWND pressed = GetFocus();
      if (!pressable(pressed)) {
        pressed = nullptr;
        for (std::size_t i = 0; i < controls_.size() && !pressed; ++i)
          if (table_.all()[i].state.isDefault && pressable(controls_[i].hwnd)) pressed = controls_[i].hwnd;
      }
      if (!pressed) return false;
      result = MAKELRESULT(GetDlgCtrlID(pressed), DC_HASDEFID);
      return true;
    }
    case WM_CLOSE:
      if (!table_.hasHandler(table_.window().name, ComponentEvent::Close)) return false;
      raise(table_.window().name, ComponentEvent::Close);
      result = 0;
      return true;
  }
  return false;
}

void ComponentView::onCommand(HWND from, UINT code) {
  const std::size_t index = byHwnd_.at(from);
  const Component& c = table_.all()[index];
  ComponentInput input;
  switch (c.kind) {
    case ComponentKind::Button:
      if (code == BN_CLICKED) raise(c.name, ComponentEvent::Click);
      break;
    case ComponentKind::CheckBox:
      if (code != BN_CLICKED) break;
      input.checked = !c.state.checked;
      raise(c.name, ComponentEvent::Click, input);
      break;
    case ComponentKind::RadioButton:
      if (code != BN_CLICKED || c.state.checked) break;
      input.checked = true;
      raise(c.name, ComponentEvent::Click, input);
      break;
    case ComponentKind::Label:
    case ComponentKind::Link:
    case ComponentKind::Panel:
      if (code == STN_CLICKED) raise(c.name, ComponentEvent::Click);
      break;
    case ComponentKind::Edit:
    case ComponentKind::Memo:
      if (code != EN_CHANGE) break;
      input.text = windowText(from);
      raise(c.name, ComponentEvent::Change, input);
      break;
    case ComponentKind::ComboBox:
    case ComponentKind::PictureList:
      if (code != CBN_SELCHANGE) break;
      input.selected = static_cast<int>(SendMessageW(from, CB_GETCURSEL, 0, 0));
      raise(c.name, ComponentEvent::Change, input);
      break;
    case ComponentKind::EditableComboBox:
    case ComponentKind::FontList: {
      if (code == CBN_EDITCHANGE) {
        input.text = windowText(from);
        raise(c.name, c.kind == ComponentKind::FontList ? ComponentEvent::Change : ComponentEvent::Typed, input);
      } else if (code == CBN_SELCHANGE) {
        const LRESULT item = SendMessageW(from, CB_GETCURSEL, 0, 0);
        const std::optional<std::wstring> text = comboItemText(from, item);
        if (!text) break;
        input.selected = static_cast<int>(item);
        input.text = *text;
        raise(c.name, ComponentEvent::Change, input);
      }
      break;
    }
    case ComponentKind::ColourBox: {
      if (code != CBN_SELCHANGE) break;
      const LRESULT item = SendMessageW(from, CB_GETCURSEL, 0, 0);
      const LRESULT data = SendMessageW(from, CB_GETITEMDATA, static_cast<WPARAM>(item), 0);
      if (data == kCustomColourItem) {
        pickCustomColour(index);
      } else {
        input.colour = static_cast<Colour>(data);
        raise(c.name, ComponentEvent::Change, input);
      }
      break;
    }
    default: break;
  }
}

void ComponentView::pickCustomColour(std::size_t index) {
  const Component& c = table_.all()[index];
  CHOOSECOLORW choice{};
  choice.lStructSize = sizeof choice;
  choice.hwndOwner = window_;
  choice.rgbResult = c.state.selectedColour & 0x00FFFFFF;
  choice.lpCustColors = customColours_;
  choice.Flags = CC_FULLOPEN | CC_RGBINIT;
  if (ChooseColorW(&choice)) {
    ComponentInput input;
    input.colour = choice.rgbResult;
    raise(c.name, ComponentEvent::Change, input);
    return;
  }
  // Cancelled: the box shows the colour it had.
  applying_ = true;
  selectColour(controls_[index].hwnd, c.state.selectedColour);
  applying_ = false;
}

void ComponentView::onScroll(HWND bar, WPARAM request) {
  const Component& c = table_.all()[byHwnd_.at(bar)];
  ComponentInput input;
  if (c.kind == ComponentKind::UpDown) {
    BOOL failed = FALSE;
    const auto position = static_cast<int>(SendMessageW(bar, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&failed)));
    if (failed || position == c.state.position) return;
    input.position = position;
    raise(c.name, ComponentEvent::Change, input);
    return;
  }
  if (c.kind != ComponentKind::ScrollBar) return;
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  GetScrollInfo(bar, SB_CTL, &info);
  int position = info.nPos;
  const int page = std::max(1, (info.nMax - info.nMin) / 10);
  switch (LOWORD(request)) {
    case SB_LINELEFT: position -= 1; break;
    case SB_LINERIGHT: position += 1; break;
    case SB_PAGELEFT: position -= page; break;
    case SB_PAGERIGHT: position += page; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: position = info.nTrackPos; break;
    case SB_LEFT: position = info.nMin; break;
    case SB_RIGHT: position = info.nMax; break;
    default: return;
  }
  position = std::clamp(position, info.nMin, info.nMax);
  if (position == c.state.position) return;
  input.position = position;
  raise(c.name, ComponentEvent::Change, input);
}

bool ComponentView::onNotify(const NMHDR& header, LRESULT& result) {
  const auto found = byHwnd_.find(header.hwndFrom);
  if (found == byHwnd_.end()) return false;
  const Component& c = table_.all()[found->second];
  result = 0;
  ComponentInput input;
  switch (c.kind) {
    case ComponentKind::DatePicker:
    case ComponentKind::TimePicker: {
      if (header.code != DTN_DATETIMECHANGE || applying_) return header.code == DTN_DATETIMECHANGE;
      const auto& change = reinterpret_cast<const NMDATETIMECHANGE&>(header);
      if (change.dwFlags != GDT_VALID) return true;
      const SYSTEMTIME& st = change.st;
      const std::optional<DateTime> value = c.kind == ComponentKind::TimePicker
                                                ? DateTime::fromTime(st.wHour, st.wMinute, st.wSecond)
                                                : DateTime::fromDate(st.wYear, st.wMonth, st.wDay);
      if (!value) return true;
      input.value = *value;
      raise(c.name, ComponentEvent::Change, input);
      return true;
    }
    case ComponentKind::Tabs:
      if (header.code != TCN_SELCHANGE) return false;
      input.selected = static_cast<int>(SendMessageW(header.hwndFrom, TCM_GETCURSEL, 0, 0));
      raise(c.name, ComponentEvent::Change, input);
      return true;
    case ComponentKind::ListView: {
      if (header.code == NM_CUSTOMDRAW) {
        // Each row in its own text colour.
        auto& draw = const_cast<NMLVCUSTOMDRAW&>(reinterpret_cast<const NMLVCUSTOMDRAW&>(header));
        if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) {
          result = CDRF_NOTIFYITEMDRAW;
        } else if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT) {
          const std::size_t row = draw.nmcd.dwItemSpec;
          if (row < c.state.rows.size() && c.state.rows[row].textColour)
            draw.clrText = *c.state.rows[row].textColour & 0x00FFFFFF;
          result = CDRF_DODEFAULT;
        }
        return true;
      }
      if (header.code == LVN_ITEMCHANGED && !applying_) {
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
        if (!(change.uChanged & LVIF_STATE) || !((change.uNewState ^ change.uOldState) & LVIS_SELECTED)) return true;
        const int selected = ListView_GetNextItem(header.hwndFrom, -1, LVNI_SELECTED);
        if (selected == c.state.selected) return true;
        input.selected = selected;
        raise(c.name, ComponentEvent::Change, input);
        return true;
      }
      return false;
    }
    default: return false;
  }
}

bool ComponentView::onControlColour(HDC dc, HWND from, LRESULT& result) {
  const auto found = byHwnd_.find(from);
  if (found == byHwnd_.end()) return false;
  const Component& c = table_.all()[found->second];
  const ComponentState& s = c.state;
  if (!s.textColour && !s.background && !(c.options & kTransparent)) return false;
  if (s.textColour) SetTextColor(dc, *s.textColour & 0x00FFFFFF);
  if (c.options & kTransparent) {
    SetBkMode(dc, TRANSPARENT);
    result = reinterpret_cast<LRESULT>(GetStockObject(HOLLOW_BRUSH));
  } else if (s.background) {
    SetBkColor(dc, *s.background & 0x00FFFFFF);
    result = reinterpret_cast<LRESULT>(brushFor(*s.background));
  } else {
    // Caption colours on the dialog face.
    SetBkMode(dc, TRANSPARENT);
    result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
  }
  return true;
}

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
    const std::optional<std::wstring> text =
        prompt ? std::optional<std::wstring>(c.state.text) : comboItemText(item.hwndItem, static_cast<LRESULT>(item.itemID));
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
  if (found == bitmaps_.end())
    found = bitmaps_
                .emplace(name, GdiObject<HBITMAP>(static_cast<HBITMAP>(
                                   LoadImageW(instance_, name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION))))
                .first;
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

bool ComponentView::onSetCursor(HWND over) {
  std::optional<PointerShape> shape;
  if (over == window_ || (over && GetParent(over) == window_ && !byHwnd_.count(over))) {
    POINT pointer{};
    GetCursorPos(&pointer);
    ScreenToClient(window_, &pointer);
    if (const Component* picture = pictureAt(window_, pointer)) shape = picture->state.pointer;
  } else if (const auto found = byHwnd_.find(over); found != byHwnd_.end()) {
    shape = table_.all()[found->second].state.pointer;
  }
  if (!shape || *shape == PointerShape::Arrow) return false;
  SetCursor(LoadCursorW(nullptr, *shape == PointerShape::Hand ? IDC_HAND : IDC_SIZEALL));
  return true;
}

// ---- Watchers ----

LRESULT CALLBACK ComponentView::controlWatcher(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                               DWORD_PTR self) {
  auto& view = *reinterpret_cast<ComponentView*>(self);
  const auto found = view.byHwnd_.find(hwnd);
  if (found != view.byHwnd_.end()) {
    const std::wstring name = view.table_.all()[found->second].name;
    switch (message) {
      case WM_LBUTTONDOWN:
      case WM_RBUTTONDOWN:
      case WM_MBUTTONDOWN:
      case WM_LBUTTONDBLCLK: {
        ComponentInput input;
        input.button = message == WM_RBUTTONDOWN ? MouseButton::Right
                       : message == WM_MBUTTONDOWN ? MouseButton::Middle
                                                   : MouseButton::Left;
        view.raise(name, ComponentEvent::MouseDown, input);
        break;
      }
      case WM_MOUSEMOVE:
        if (view.hovered_ != name) {
          view.hovered_ = name;
          TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE, hwnd, 0};
          TrackMouseEvent(&leave);
        }
        {
          ComponentInput input;
          input.point = Point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
          view.raise(name, ComponentEvent::MouseMove, input);
        }
        break;
      case WM_MOUSELEAVE:
        if (view.hovered_ == name) view.hovered_.clear();
        view.raise(name, ComponentEvent::MouseLeave);
        break;
      case WM_SETCURSOR:
        if (view.onSetCursor(hwnd)) return TRUE;
        break;
      case WM_NCDESTROY:
        RemoveWindowSubclass(hwnd, &ComponentView::controlWatcher, 1);
        break;
    }
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK ComponentView::sheetProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* view = reinterpret_cast<ComponentView*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      return SendMessageW(GetParent(hwnd), message, wParam, lParam);
    case WM_PAINT:
      if (view) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd, &paint);
        view->paintPictures(hwnd, dc);
        EndPaint(hwnd, &paint);
        return 0;
      }
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_MOUSEMOVE:
    case WM_MOUSELEAVE:
      if (view && view->onMouse(hwnd, message, wParam, lParam)) return 0;
      break;
    case WM_ERASEBKGND:
      // A scrolled area in its own background colour.
      if (view) {
        const auto found = view->byHwnd_.find(hwnd);
        if (found != view->byHwnd_.end()) {
          const ComponentState& state = view->table_.all()[found->second].state;
          if (state.background) {
            RECT area{};
            GetClientRect(hwnd, &area);
            FillRect(reinterpret_cast<HDC>(wParam), &area, view->brushFor(*state.background));
            return 1;
          }
        }
      }
      break;
    case WM_SETCURSOR:
      if (view && view->onSetCursor(reinterpret_cast<HWND>(wParam))) return TRUE;
      break;
    case WM_NCDESTROY:
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace tikora
