// The generic view: notifications, mouse and keyboard into model events, and control colours;
// see component_view.h.
#include "ui/win32/component_view.h"

#include <commctrl.h>
#include <windowsx.h>

#include <optional>

#include "ui/win32/component_view_parts.h"
#include "ui/win32/spoken_name.h"

namespace tikora {

void ComponentView::syncAfterChange() {
  if (syncAfterEvent)
    syncAfterEvent();
  else
    sync();
}

void ComponentView::raise(std::wstring_view component, ComponentEvent event, const ComponentInput& input) {
  table_.raise(component, event, input);
  syncAfterChange();
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
      syncAfterChange();
      result = 0;
      return true;
    }
    case WM_ERASEBKGND: {
      // The window in its own background colour, which may change while it lives.
      const std::optional<Colour> background = model_.window().state.background;
      if (!background) return false;
      RECT area{};
      GetClientRect(window_, &area);
      FillRect(reinterpret_cast<HDC>(wParam), &area,
               systemColours() ? GetSysColorBrush(COLOR_BTNFACE) : brushFor(*background));
      result = 1;
      return true;
    }
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE:
      // High contrast turned on or off: every control is painted again in its colours.
      if (message == WM_SETTINGCHANGE && wParam != SPI_SETHIGHCONTRAST) return false;
      readHighContrast();
      RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
      return false;
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
        if (found == byHwnd_.end()) return false;
        const Component& c = model_.all()[found->second];
        return (c.kind == ComponentKind::Button || c.kind == ComponentKind::Picture || isClickableLabel(c, model_)) &&
               IsWindowEnabled(hwnd) && IsWindowVisible(hwnd);
      };
      HWND pressed = GetFocus();
      if (!pressable(pressed)) {
        pressed = nullptr;
        for (std::size_t i = 0; i < controls_.size() && !pressed; ++i)
          if (model_.all()[i].state.isDefault && pressable(controls_[i].hwnd)) pressed = controls_[i].hwnd;
      }
      if (!pressed) return false;
      result = MAKELRESULT(GetDlgCtrlID(pressed), DC_HASDEFID);
      return true;
    }
    case WM_NEXTDLGCTL: {
      // A multi-line edit asks its window for the next control on Tab (it takes every key of its
      // own), as a dialog box does for it; without this the keyboard could not leave it.
      HWND next = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                 : GetNextDlgTabItem(window_, GetFocus(), static_cast<BOOL>(wParam != 0));
      if (next) {
        SetFocus(next);
        if (SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageW(next, EM_SETSEL, 0, -1);
      }
      result = 0;
      return true;
    }
    case WM_CLOSE:
      if (!table_.hasHandler(model_.window().name, ComponentEvent::Close)) return false;
      raise(model_.window().name, ComponentEvent::Close);
      result = 0;
      return true;
  }
  return false;
}

void ComponentView::onCommand(HWND from, UINT code) {
  const std::size_t index = byHwnd_.at(from);
  switch (groupOf(model_.all()[index].kind)) {
    case ControlGroup::Buttons: onButtonCommand(index, code); break;
    case ControlGroup::Lists: onListCommand(index, code); break;
    case ControlGroup::Pictures:
      if (code == BN_CLICKED) raise(model_.all()[index].name, ComponentEvent::Click);
      break;
    default: break;
  }
}

void ComponentView::onScroll(HWND bar, WPARAM request) {
  const std::size_t index = byHwnd_.at(bar);
  if (groupOf(model_.all()[index].kind) == ControlGroup::Pickers) onPickerScroll(index, request);
}

bool ComponentView::onNotify(const NMHDR& header, LRESULT& result) {
  const auto found = byHwnd_.find(header.hwndFrom);
  if (found == byHwnd_.end()) return false;
  const std::size_t index = found->second;
  result = 0;
  switch (groupOf(model_.all()[index].kind)) {
    case ControlGroup::Pickers: return onPickerNotify(index, header);
    case ControlGroup::ListView: return onListViewNotify(index, header, result);
    default: return false;
  }
}

bool ComponentView::onControlColour(HDC dc, HWND from, LRESULT& result) {
  const auto found = byHwnd_.find(from);
  if (found == byHwnd_.end()) return false;
  const Component& c = model_.all()[found->second];
  const ComponentState& s = c.state;
  if (!s.textColour && !s.background && !(c.options & kTransparent)) return false;
  if (systemColours()) {
    // The system's colours; a label over a picture stays see-through.
    if (!(c.options & kTransparent)) return false;
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    SetBkMode(dc, TRANSPARENT);
    result = reinterpret_cast<LRESULT>(GetStockObject(HOLLOW_BRUSH));
    return true;
  }
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

bool ComponentView::onSetCursor(HWND over) {
  std::optional<PointerShape> shape;
  if (over == window_ || (over && GetParent(over) == window_ && !byHwnd_.count(over))) {
    POINT pointer{};
    GetCursorPos(&pointer);
    ScreenToClient(window_, &pointer);
    if (const Component* picture = pictureAt(window_, pointer)) shape = picture->state.pointer;
  } else if (const auto found = byHwnd_.find(over); found != byHwnd_.end()) {
    shape = model_.all()[found->second].state.pointer;
  }
  if (!shape || *shape == PointerShape::Arrow) return false;
  SetCursor(pointerCursor(*shape));
  return true;
}

void ComponentView::drawFocusMark(HWND label, const Component& component) {
  // A dotted frame in the label's own colour: unlike the system's inverting focus rectangle it
  // looks the same however often it is drawn over a see-through label.
  const COLORREF colour = component.state.textColour && !systemColours() ? *component.state.textColour & 0x00FFFFFF
                                                                         : GetSysColor(COLOR_BTNTEXT);
  const LOGBRUSH ink{BS_SOLID, colour, 0};
  GdiObject<HPEN> pen(ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &ink, 0, nullptr));
  RECT area{};
  GetClientRect(label, &area);
  HDC dc = GetDC(label);
  {
    SelectedObject drawn(dc, pen);
    SelectedObject hollow(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, area.left, area.top, area.right, area.bottom);
  }
  ReleaseDC(label, dc);
}

// ---- Watchers ----

LRESULT CALLBACK ComponentView::controlWatcher(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                               DWORD_PTR self) {
  auto& view = *reinterpret_cast<ComponentView*>(self);
  const auto found = view.byHwnd_.find(hwnd);
  if (found != view.byHwnd_.end()) {
    const Component& component = view.model_.all()[found->second];
    const std::wstring name = component.name;
    // A label the keyboard can reach tells the model of the focus and shows where it is.
    if (isClickableLabel(component, view.model_)) {
      switch (message) {
        case WM_SETFOCUS:
        case WM_KILLFOCUS: {
          // The window's pictures under the label are painted again, then the label with or
          // without its mark.
          HWND surface = GetParent(hwnd);
          RECT area{};
          GetWindowRect(hwnd, &area);
          MapWindowPoints(nullptr, surface, reinterpret_cast<POINT*>(&area), 2);
          RedrawWindow(surface, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
          const ComponentEvent event = message == WM_SETFOCUS ? ComponentEvent::Focus : ComponentEvent::FocusLost;
          if (view.table_.hasHandler(name, event)) view.raise(name, event);
          break;
        }
        case WM_PAINT: {
          const LRESULT painted = DefSubclassProc(hwnd, message, wParam, lParam);
          if (GetFocus() == hwnd && !(SendMessageW(hwnd, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS))
            view.drawFocusMark(hwnd, component);
          return painted;
        }
      }
    }
    // Watched for its name or its picture alone, a control keeps the mouse to itself.
    if (!view.watchesMouse(component) && message != WM_NCHITTEST && message != WM_GETOBJECT && message != WM_NCDESTROY)
      return DefSubclassProc(hwnd, message, wParam, lParam);
    switch (message) {
      case WM_NCHITTEST:
        if (component.kind == ComponentKind::Picture) return HTTRANSPARENT;
        break;
      case WM_GETOBJECT:
        if (const LRESULT named = answerWithSpokenName(hwnd, wParam, lParam, component.spokenName)) return named;
        break;
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
    case WM_CTLCOLORLISTBOX:
    case WM_NEXTDLGCTL: return SendMessageW(GetParent(hwnd), message, wParam, lParam);
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
          const ComponentState& state = view->model_.all()[found->second].state;
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
