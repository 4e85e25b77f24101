// The control panel's controls bound to the settings: showing a value, and taking the user's
// change into the record.
#include "ui/win32/control_panel_controls.h"

#include <commctrl.h>
#include <commdlg.h>
#include <uxtheme.h>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

#include "ui/win32/control_panel_owner_draw.h"

namespace tikora {
namespace {

SYSTEMTIME toSystemTime(const DateTime& value, bool timeOnly) {
  CivilTime civil = value.civil();
  if (timeOnly) {
    SYSTEMTIME today{};
    GetLocalTime(&today);
    civil.year = today.wYear, civil.month = today.wMonth, civil.day = today.wDay;
  }
  SYSTEMTIME st{};
  st.wYear = static_cast<WORD>(std::clamp(civil.year, 1753, 9999));
  st.wMonth = static_cast<WORD>(civil.month);
  st.wDay = static_cast<WORD>(civil.day);
  st.wHour = static_cast<WORD>(civil.hour);
  st.wMinute = static_cast<WORD>(civil.minute);
  st.wSecond = static_cast<WORD>(civil.second);
  return st;
}

std::wstring windowText(HWND hwnd) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
  return text;
}

// The text of a list's item; nothing for an item the list does not have.
std::optional<std::wstring> itemText(HWND combo, LRESULT index) {
  const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length < 0) return std::nullopt;
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

// The item of an editable list that a typed text names: the item written the same way, or, for a
// number, the item holding the same number ("7" names "07"); -1 when none does.
int typedItem(HWND combo, const std::wstring& typed) {
  if (typed.empty()) return -1;
  const LRESULT exact = SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                     reinterpret_cast<LPARAM>(typed.c_str()));
  if (exact != CB_ERR) return static_cast<int>(exact);
  auto number = [](const std::wstring& text) -> long {
    if (text.empty() || text.size() > 4) return -1;
    long n = 0;
    for (wchar_t c : text) {
      if (c < L'0' || c > L'9') return -1;
      n = n * 10 + (c - L'0');
    }
    return n;
  };
  const long wanted = number(typed);
  if (wanted < 0) return -1;
  const LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const std::optional<std::wstring> item = itemText(combo, i);
    if (item && number(*item) == wanted) return static_cast<int>(i);
  }
  return -1;
}

// Passes every mouse button press on a watched control to the controls' owner.
LRESULT CALLBACK mouseDownWatcher(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                  DWORD_PTR owner) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      reinterpret_cast<ControlPanelControls*>(owner)->mouseWentDown(hwnd);
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(hwnd, &mouseDownWatcher, 1);
      break;
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace

void ControlPanelControls::show(const Bound& bound) {
  const SettingValue value = valueOf(settings_, *bound.setting);
  HWND hwnd = bound.hwnd;
  switch (bound.setting->control) {
    case SettingControl::CheckBox:
    case SettingControl::RadioButton:
      SendMessageW(hwnd, BM_SETCHECK, std::get<bool>(value) ? BST_CHECKED : BST_UNCHECKED, 0);
      break;
    case SettingControl::ColorBox: {
      const auto colour = static_cast<LPARAM>(std::get<Colour>(value));
      LRESULT index = SendMessageW(hwnd, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), colour);
      if (index == CB_ERR) {
        // A colour of its own goes in just before the custom colour entry.
        const LRESULT count = SendMessageW(hwnd, CB_GETCOUNT, 0, 0);
        index = SendMessageW(hwnd, CB_INSERTSTRING, static_cast<WPARAM>(count - 1), colour);
      }
      SendMessageW(hwnd, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
      break;
    }
    case SettingControl::ListChoice:
      SendMessageW(hwnd, CB_SETCURSEL, static_cast<WPARAM>(std::get<std::int32_t>(value)), 0);
      break;
    case SettingControl::FontName: {
      const std::wstring& name = std::get<std::wstring>(value);
      const LRESULT index = SendMessageW(hwnd, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                         reinterpret_cast<LPARAM>(name.c_str()));
      SendMessageW(hwnd, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
      break;
    }
    case SettingControl::ScrollBar: SetScrollPos(hwnd, SB_CTL, std::get<std::int32_t>(value), TRUE); break;
    case SettingControl::DatePicker: {
      SYSTEMTIME st = toSystemTime(std::get<DateTime>(value), bound.setting->type == SettingType::Time);
      SendMessageW(hwnd, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st));
      break;
    }
    case SettingControl::Edit:
      // Setting the same text again would put the caret back to the start while the user types.
      if (windowText(hwnd) != std::get<std::wstring>(value)) SetWindowTextW(hwnd, std::get<std::wstring>(value).c_str());
      break;
    case SettingControl::UpDown: SendMessageW(hwnd, UDM_SETPOS32, 0, std::get<std::int32_t>(value)); break;
  }
}

void ControlPanelControls::refreshAll() {
  refreshing_ = true;
  for (const Bound& bound : controls_)
    if (bound.setting && bound.setting->control != SettingControl::UpDown) show(bound);
  // The up-down last: it writes its position into the edit.
  for (const Bound& bound : controls_)
    if (bound.setting && bound.setting->control == SettingControl::UpDown) show(bound);
  if (const Bound* edit = byHwnd(find(L"Edit1"))) show(*edit);
  refreshing_ = false;
}

void ControlPanelControls::showPage(std::size_t page) {
  for (std::size_t i = 0; i < sheets_.size(); ++i) ShowWindow(sheets_[i], i == page ? SW_SHOWNA : SW_HIDE);
  if (page < sheets_.size())
    RedrawWindow(sheets_[page], nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

HWND ControlPanelControls::find(std::wstring_view component) const {
  for (const Bound& bound : controls_)
    if (bound.component == component && !component.empty()) return bound.hwnd;
  return nullptr;
}

const ControlPanelControls::Bound* ControlPanelControls::byHwnd(HWND hwnd) const {
  if (!hwnd) return nullptr;
  for (const Bound& bound : controls_)
    if (bound.hwnd == hwnd) return &bound;
  return nullptr;
}

void ControlPanelControls::userChanged(const Bound& bound) {
  if (onChanged) onChanged(*bound.setting);
}

void ControlPanelControls::pickCustomColour(const Bound& bound) {
  CHOOSECOLORW choice{};
  choice.lStructSize = sizeof choice;
  choice.hwndOwner = s_.parent;
  choice.rgbResult = std::get<Colour>(valueOf(settings_, *bound.setting));
  choice.lpCustColors = customColours_;
  choice.Flags = CC_FULLOPEN | CC_RGBINIT;
  if (ChooseColorW(&choice)) setValue(settings_, *bound.setting, SettingValue{Colour{choice.rgbResult}});
  refreshing_ = true;
  show(bound);
  refreshing_ = false;
}

bool ControlPanelControls::command(WPARAM wParam, LPARAM lParam) {
  const Bound* bound = byHwnd(reinterpret_cast<HWND>(lParam));
  if (!bound || refreshing_) return bound != nullptr;
  const UINT code = HIWORD(wParam);
  if (!bound->setting) {
    if (code == BN_CLICKED && onClicked) onClicked(bound->component);
    return true;
  }
  const SettingSpec& described = *bound->setting;
  if (code == CBN_EDITCHANGE) {
    // A typed item counts as picked, so that a save keeps it; the typed text itself goes to the
    // box's own change action.
    if (described.control == SettingControl::ListChoice) {
      const int item = typedItem(bound->hwnd, windowText(bound->hwnd));
      if (item >= 0) setValue(settings_, described, SettingValue{static_cast<std::int32_t>(item)});
    }
    if (onTyped) onTyped(bound->component, windowText(bound->hwnd));
    return true;
  }
  switch (described.control) {
    case SettingControl::CheckBox:
      if (code != BN_CLICKED) return true;
      setValue(settings_, described, SettingValue{!std::get<bool>(valueOf(settings_, described))});
      show(*bound);
      break;
    case SettingControl::RadioButton:
      if (code != BN_CLICKED || std::get<bool>(valueOf(settings_, described))) return true;
      selectRadioButton(settings_, described.name);
      for (const Bound& other : controls_)
        if (other.setting && other.setting->radioGroup == described.radioGroup) show(other);
      break;
    case SettingControl::ColorBox: {
      if (code != CBN_SELCHANGE) return true;
      const LRESULT index = SendMessageW(bound->hwnd, CB_GETCURSEL, 0, 0);
      const LRESULT data = SendMessageW(bound->hwnd, CB_GETITEMDATA, static_cast<WPARAM>(index), 0);
      if (data == kCustomColourItem) {
        pickCustomColour(*bound);
      } else {
        setValue(settings_, described, SettingValue{static_cast<Colour>(data)});
      }
      break;
    }
    case SettingControl::ListChoice:
      if (code != CBN_SELCHANGE) return true;
      setValue(settings_, described,
               SettingValue{static_cast<std::int32_t>(SendMessageW(bound->hwnd, CB_GETCURSEL, 0, 0))});
      break;
    case SettingControl::FontName: {
      if (code != CBN_SELCHANGE) return true;
      std::optional<std::wstring> name = itemText(bound->hwnd, SendMessageW(bound->hwnd, CB_GETCURSEL, 0, 0));
      if (!name) return true;
      setValue(settings_, described, SettingValue{std::move(*name)});
      break;
    }
    case SettingControl::Edit: {
      if (code != EN_CHANGE) return true;
      setValue(settings_, described, SettingValue{windowText(bound->hwnd)});
      if (const Bound* arrows = byHwnd(bound->buddy)) {
        BOOL failed = FALSE;
        const auto position = static_cast<std::int32_t>(SendMessageW(arrows->hwnd, UDM_GETPOS32, 0,
                                                                     reinterpret_cast<LPARAM>(&failed)));
        if (!failed) {
          setValue(settings_, *arrows->setting, SettingValue{position});
          userChanged(*arrows);
        }
      }
      break;
    }
    default: return true;
  }
  userChanged(*bound);
  return true;
}

bool ControlPanelControls::scroll(HWND bar, WPARAM request) {
  const Bound* bound = byHwnd(bar);
  if (!bound || !bound->setting || bound->setting->control != SettingControl::ScrollBar) return false;
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
    case SB_THUMBPOSITION: position = HIWORD(request); break;
    case SB_LEFT: position = info.nMin; break;
    case SB_RIGHT: position = info.nMax; break;
    default: return true;
  }
  position = std::clamp(position, info.nMin, info.nMax);
  if (position == std::get<std::int32_t>(valueOf(settings_, *bound->setting))) return true;
  SetScrollPos(bar, SB_CTL, position, TRUE);
  setValue(settings_, *bound->setting, SettingValue{static_cast<std::int32_t>(position)});
  userChanged(*bound);
  return true;
}

bool ControlPanelControls::notify(const NMHDR& header) {
  const Bound* bound = byHwnd(header.hwndFrom);
  if (!bound || !bound->setting || refreshing_) return false;
  if (header.code == DTN_DATETIMECHANGE && bound->setting->control == SettingControl::DatePicker) {
    const auto& change = reinterpret_cast<const NMDATETIMECHANGE&>(header);
    if (change.dwFlags != GDT_VALID) return true;
    const SYSTEMTIME& st = change.st;
    const std::optional<DateTime> value =
        bound->setting->type == SettingType::Time ? DateTime::fromTime(st.wHour, st.wMinute, st.wSecond)
                                                  : DateTime::fromDate(st.wYear, st.wMonth, st.wDay);
    if (value && setValue(settings_, *bound->setting, SettingValue{*value})) userChanged(*bound);
    return true;
  }
  return false;
}

}  // namespace tikora

namespace tikora {

bool ControlPanelControls::upDownScrolled(HWND arrows) {
  const Bound* bound = byHwnd(arrows);
  if (!bound || !bound->setting || bound->setting->control != SettingControl::UpDown) return false;
  BOOL failed = FALSE;
  const auto position =
      static_cast<std::int32_t>(SendMessageW(arrows, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&failed)));
  if (!failed && setValue(settings_, *bound->setting, SettingValue{position})) userChanged(*bound);
  return true;
}

std::wstring_view ControlPanelControls::componentOf(HWND hwnd) const {
  const Bound* bound = byHwnd(hwnd);
  return bound ? bound->component : std::wstring_view{};
}

bool ControlPanelControls::checked(std::wstring_view component) const {
  HWND box = find(component);
  return box && SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void ControlPanelControls::setChecked(std::wstring_view component, bool checked) {
  if (HWND box = find(component); box && this->checked(component) != checked)
    SendMessageW(box, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void ControlPanelControls::setText(std::wstring_view component, const std::wstring& text) {
  HWND control = find(component);
  if (!control || windowText(control) == text) return;
  const bool wasRefreshing = refreshing_;
  refreshing_ = true;  // the program's own change, not the user's
  SetWindowTextW(control, text.c_str());
  refreshing_ = wasRefreshing;
}

void ControlPanelControls::setEnabled(std::wstring_view component, bool enabled) {
  if (HWND control = find(component); control && (IsWindowEnabled(control) != FALSE) != enabled)
    EnableWindow(control, enabled);
}

void ControlPanelControls::setVisible(std::wstring_view component, bool visible) {
  HWND control = find(component);
  if (!control || ((GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE) != 0) == visible) return;
  ShowWindow(control, visible ? SW_SHOWNA : SW_HIDE);
}

void ControlPanelControls::setSpan(std::wstring_view component, int left, int width) {
  HWND control = find(component);
  if (!control) return;
  RECT place{};
  GetWindowRect(control, &place);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&place), 2);
  if (place.left == left && place.right - place.left == width) return;
  SetWindowPos(control, nullptr, left, place.top, width, place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

std::pair<int, int> ControlPanelControls::span(std::wstring_view component) const {
  HWND control = find(component);
  if (!control) return {0, 0};
  RECT place{};
  GetWindowRect(control, &place);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&place), 2);
  return {place.left, place.right - place.left};
}

void ControlPanelControls::setTextColour(std::wstring_view component, COLORREF colour) {
  HWND control = find(component);
  if (!control) return;
  auto [at, added] = textColours_.try_emplace(control, colour);
  if (added) SetWindowTheme(control, L"", L"");
  if (!added && at->second == colour) return;
  at->second = colour;
  InvalidateRect(control, nullptr, TRUE);
}

std::optional<COLORREF> ControlPanelControls::textColourOf(HWND control) const {
  const auto at = textColours_.find(control);
  if (at == textColours_.end()) return std::nullopt;
  return at->second;
}

void ControlPanelControls::watchMouseDown(std::wstring_view component) {
  if (HWND control = find(component))
    SetWindowSubclass(control, &mouseDownWatcher, 1, reinterpret_cast<DWORD_PTR>(this));
}

void ControlPanelControls::mouseWentDown(HWND control) {
  if (const Bound* bound = byHwnd(control); bound && onMouseDown) onMouseDown(bound->component);
}

}  // namespace tikora
