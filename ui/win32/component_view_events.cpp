// The generic view: notifications, mouse and keyboard into model events, and control colours;
// see component_view.h.
#include "ui/win32/component_view.h"

#include <commctrl.h>
#include <commdlg.h>
#include <windowsx.h>

#include <algorithm>
#include <optional>

#include "ui/win32/component_view_parts.h"

namespace tikora {
namespace {

// The system's move command with the caption hit-test code: the system's own move loop then
// drags the window with the pointer, as if its caption had been grabbed.
constexpr WPARAM kMoveByCaption = SC_MOVE | HTCAPTION;

std::wstring windowText(HWND hwnd) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
  return text;
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
    case WM_NOTIFY: return onNotify(*reinterpret_cast<const NMHDR*>(lParam), result);
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
      if (afterEvent)
        afterEvent();
      else
        sync();
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
  SetCursor(pointerCursor(*shape));
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
        input.button = message == WM_RBUTTONDOWN   ? MouseButton::Right
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
      case WM_NCDESTROY: RemoveWindowSubclass(hwnd, &ComponentView::controlWatcher, 1); break;
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
    case WM_CTLCOLORLISTBOX: return SendMessageW(GetParent(hwnd), message, wParam, lParam);
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
    case WM_NCDESTROY: SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0); break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace tikora
