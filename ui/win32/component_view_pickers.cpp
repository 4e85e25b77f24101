// The generic view's pickers: date and time pickers, up-downs, scroll bars and the tabs of a
// page control; see component_view.h.
#include "ui/win32/component_view.h"

#include <commctrl.h>

#include <algorithm>
#include <optional>

#include "ui/win32/component_view_parts.h"

namespace tikora {
namespace {

SYSTEMTIME toSystemTime(const DateTime& value, bool timeOnly) {
  CivilTime civil = value.civil();
  if (timeOnly) {
    // A time of day shows on today's date; only its time is read back.
    SYSTEMTIME today{};
    GetLocalTime(&today);
    civil.year = today.wYear, civil.month = today.wMonth, civil.day = today.wDay;
  }
  SYSTEMTIME st{};
  st.wYear = static_cast<WORD>(std::clamp(civil.year, 1753, 9999));
  st.wMonth = static_cast<WORD>(std::clamp(civil.month, 1, 12));
  st.wDay = static_cast<WORD>(std::clamp(civil.day, 1, 31));
  st.wHour = static_cast<WORD>(civil.hour);
  st.wMinute = static_cast<WORD>(civil.minute);
  st.wSecond = static_cast<WORD>(civil.second);
  return st;
}

}  // namespace

void makePickerClass(ControlClass& made, const Component& c) {
  made.text.clear();
  switch (c.kind) {
    case ComponentKind::ScrollBar:
      made.className = L"SCROLLBAR";
      made.style = SBS_HORZ | kTabStop;
      break;
    case ComponentKind::UpDown:
      made.className = UPDOWN_CLASSW;
      made.style = UDS_ARROWKEYS | UDS_NOTHOUSANDS;
      break;
    case ComponentKind::DatePicker:
      made.className = DATETIMEPICK_CLASSW;
      made.style = DTS_SHORTDATEFORMAT | kTabStop;
      break;
    case ComponentKind::TimePicker:
      made.className = DATETIMEPICK_CLASSW;
      made.style = DTS_TIMEFORMAT | DTS_UPDOWN | kTabStop;
      break;
    case ComponentKind::Tabs:
      made.className = WC_TABCONTROLW;
      made.style = kTabStop;
      break;
    default: break;
  }
}

void ComponentView::setUpPicker(std::size_t index) {
  const Component& c = model_.all()[index];
  HWND hwnd = controls_[index].hwnd;
  if (c.kind == ComponentKind::Tabs) {
    for (std::size_t i = 0; i < c.state.items.size(); ++i) {
      std::wstring caption = c.state.items[i];
      TCITEMW item{};
      item.mask = TCIF_TEXT;
      item.pszText = caption.data();
      SendMessageW(hwnd, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
  }
  if (c.kind == ComponentKind::UpDown && !c.buddy.empty())
    SendMessageW(hwnd, UDM_SETBUDDY, reinterpret_cast<WPARAM>(control(c.buddy)), 0);
}

void ComponentView::applyPicker(std::size_t index, const ComponentState* before) {
  const Component& c = model_.all()[index];
  const ComponentState& s = c.state;
  HWND hwnd = controls_[index].hwnd;
  switch (c.kind) {
    case ComponentKind::ScrollBar:
      if (!before || before->minimum != s.minimum || before->maximum != s.maximum || before->position != s.position) {
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_RANGE | SIF_POS;
        info.nMin = s.minimum;
        info.nMax = s.maximum;
        info.nPos = s.position;
        SetScrollInfo(hwnd, SB_CTL, &info, TRUE);
      }
      break;
    case ComponentKind::UpDown:
      if (!before || before->minimum != s.minimum || before->maximum != s.maximum)
        SendMessageW(hwnd, UDM_SETRANGE32, static_cast<WPARAM>(s.minimum), s.maximum);
      if (!before || before->position != s.position) SendMessageW(hwnd, UDM_SETPOS32, 0, s.position);
      break;
    case ComponentKind::DatePicker:
    case ComponentKind::TimePicker:
      if (!before || before->text != s.text)
        SendMessageW(hwnd, DTM_SETFORMATW, 0, s.text.empty() ? 0 : reinterpret_cast<LPARAM>(s.text.c_str()));
      if (!before || before->value != s.value) {
        SYSTEMTIME st = toSystemTime(s.value, c.kind == ComponentKind::TimePicker);
        SendMessageW(hwnd, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st));
      }
      break;
    case ComponentKind::Tabs:
      if (!before || before->selected != s.selected)
        SendMessageW(hwnd, TCM_SETCURSEL, static_cast<WPARAM>(s.selected), 0);
      break;
    default: break;
  }
}

void ComponentView::onPickerScroll(std::size_t index, WPARAM request) {
  const Component& c = model_.all()[index];
  HWND bar = controls_[index].hwnd;
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

bool ComponentView::onPickerNotify(std::size_t index, const NMHDR& header) {
  const Component& c = model_.all()[index];
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
    default: return false;
  }
}

}  // namespace tikora
