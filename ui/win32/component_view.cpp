// The generic view: making the controls and copying states onto them; see component_view.h.
#include "ui/win32/component_view.h"

#include <commctrl.h>
#include <uxtheme.h>

#include <algorithm>
#include <climits>
#include <utility>

#include "platform/win32/gdi_font.h"
#include "ui/win32/component_view_parts.h"
#include "ui/win32/web_browser_host.h"

namespace tikora {
namespace {

constexpr int kDropDownHeight = 200;  // a list's drop-down part, at 96 DPI
constexpr wchar_t kSheetClass[] = L"TTabSheet";

std::wstring windowText(HWND hwnd) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
  return text;
}

// The DPI of a window where the system can tell it per window, else of the screen.
int windowDpi(HWND hwnd) {
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  if (getDpiForWindow) {
    const UINT dpi = getDpiForWindow(hwnd);
    if (dpi > 0) return static_cast<int>(dpi);
  }
  return screenDpi();
}

// The window frame around a client area at `dpi`, where the system can tell it per DPI.
void frameForClient(RECT& frame, DWORD style, DWORD exStyle, int dpi) {
  using AdjustForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  static const auto adjustForDpi = reinterpret_cast<AdjustForDpiFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi")));
  if (adjustForDpi && adjustForDpi(&frame, style, FALSE, exStyle, static_cast<UINT>(dpi))) return;
  AdjustWindowRectEx(&frame, style, FALSE, exStyle);
}

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

bool isPainted(ComponentKind kind) { return kind == ComponentKind::Picture; }

bool hasNoControl(ComponentKind kind) {
  return kind == ComponentKind::Window || kind == ComponentKind::Layer || kind == ComponentKind::MenuItem ||
         isPainted(kind);
}

std::wstring fontKey(const FontSpec& font) {
  return font.faceName + L"|" + std::to_wstring(font.points) + L"|" + std::to_wstring(font.pixels) + L"|" +
         (font.bold ? L"b" : L"") + (font.italic ? L"i" : L"") + (font.underline ? L"u" : L"");
}

}  // namespace

ComponentView::ComponentView(HINSTANCE instance, HWND window, ComponentTable& table, PictureSource pictures)
    : instance_(instance), window_(window), table_(table), pictures_(std::move(pictures)) {}

ComponentView::~ComponentView() {
  table_.showNow = nullptr;
  for (std::size_t i = 0; i < timersApplied_.size(); ++i) KillTimer(window_, kFirstTimerId + i);
  // The controls go with the window; the fonts and brushes they use must outlive them, so the
  // controls are destroyed here first.
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it)
    if (it->hwnd && IsWindow(it->hwnd)) DestroyWindow(it->hwnd);
  for (auto& [name, list] : imageLists_)
    if (list) ImageList_Destroy(list);
}

HWND ComponentView::control(std::wstring_view component) const {
  const auto& all = table_.all();
  for (std::size_t i = 0; i < all.size() && i < controls_.size(); ++i)
    if (all[i].name == component) return controls_[i].hwnd;
  return nullptr;
}

std::wstring_view ComponentView::componentOf(HWND control) const {
  const auto found = byHwnd_.find(control);
  if (found == byHwnd_.end()) return {};
  return table_.all()[found->second].name;
}

// Pages and scrolled areas are windows of their own; everything else lies on the window.
static bool isContainer(ComponentKind kind) { return kind == ComponentKind::Page || kind == ComponentKind::ScrollBox; }

HWND ComponentView::parentOf(const Component& component) const {
  if (component.parent.empty() || !table_.contains(component.parent)) return window_;
  const Component& parent = table_.component(component.parent);
  if (isContainer(parent.kind)) return control(parent.name);
  return window_;
}

Rect ComponentView::placeOnParent(const Component& component) const {
  Rect at = scaleToDpi(component.state.bounds, dpi_);
  if (!component.parent.empty() && table_.contains(component.parent)) {
    const Component& parent = table_.component(component.parent);
    if (isContainer(parent.kind)) {
      const Rect origin = scaleToDpi(parent.state.bounds, dpi_);
      at.left -= origin.left;
      at.top -= origin.top;
      // A scrolled area shows its components moved by its scroll position.
      if (parent.kind == ComponentKind::ScrollBox) at.left -= scaleToDpi(parent.state.position, dpi_);
    }
  }
  return at;
}

// A component on a scrolled area has a control on screen only while it lies within the area's
// width, and its control is brought up to date only then: a long strip of labels costs only the
// few in sight, at a read as at each scroll step, and no control is ever placed beyond the
// 16-bit reach of window coordinates.
const Component* ComponentView::scrolledAreaOf(const Component& component) const {
  if (component.parent.empty() || !table_.contains(component.parent)) return nullptr;
  const Component& parent = table_.component(component.parent);
  return parent.kind == ComponentKind::ScrollBox ? &parent : nullptr;
}

bool ComponentView::withinScrolledArea(const Component& component, const Rect& placed) const {
  const Component* area = scrolledAreaOf(component);
  return !area || (placed.right() > 0 && placed.left < scaleToDpi(area->state.bounds, dpi_).width);
}

void ComponentView::showControl(std::size_t index, bool shown) {
  Control& control = controls_[index];
  if (control.shown == shown) return;
  ShowWindow(control.hwnd, shown ? SW_SHOWNA : SW_HIDE);
  control.shown = shown;
}

// A scrolled area's position or size changed: its components in sight move to their places, in
// one batch; those that went out of sight are hidden, those that came into sight are brought up
// to date, and the others are not touched.
void ComponentView::placeScrolledComponents(const Component& area) {
  const auto& all = table_.all();
  HDWP batch = BeginDeferWindowPos(8);
  for (std::size_t i = 0; i < all.size(); ++i) {
    const Component& c = all[i];
    Control& control = controls_[i];
    if (c.parent != area.name || !control.hwnd) continue;
    const Rect at = placeOnParent(c);
    const bool shown = c.state.visible && withinScrolledArea(c, at);
    if (!shown && !control.shown) continue;
    if (shown && !control.shown && !(applied_[i] && *applied_[i] == c.state)) {
      apply(i, !applied_[i]);  // placed and shown there
      continue;
    }
    const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (shown ? SWP_SHOWWINDOW : SWP_HIDEWINDOW);
    if (batch) batch = DeferWindowPos(batch, control.hwnd, nullptr, at.left, at.top, at.width, at.height, flags);
    if (!batch) SetWindowPos(control.hwnd, nullptr, at.left, at.top, at.width, at.height, flags);
    control.shown = shown;
  }
  if (batch) EndDeferWindowPos(batch);
}

void ComponentView::create() {
  dpi_ = windowDpi(window_);
  table_.showNow = [this] {
    if (afterEvent)
      afterEvent();
    else
      sync();
  };
  registerSheetClass(instance_, &ComponentView::sheetProcedure);
  const auto& all = table_.all();
  controls_.assign(all.size(), Control{});
  applied_.clear();
  applied_.resize(all.size());
  controlsMade_ = false;
  // A window that is hidden at start makes its controls when it is first shown.
  if (table_.window().state.visible) makeControls();
  tellDpi();
  sync();
}

void ComponentView::makeControls() {
  controlsMade_ = true;
  const auto& all = table_.all();
  for (std::size_t i = 0; i < all.size(); ++i) createControl(i);
  // Group boxes lie under the controls they hold, so that those are never clipped by them, and
  // a page control under its pages; markers and labels that lie over another control go on top.
  for (std::size_t i = all.size(); i-- > 0;)
    if ((all[i].kind == ComponentKind::GroupBox || all[i].kind == ComponentKind::Tabs) && controls_[i].hwnd)
      SetWindowPos(controls_[i].hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  for (std::size_t i = 0; i < all.size(); ++i)
    if ((all[i].options & kOverPrevious) && controls_[i].hwnd)
      SetWindowPos(controls_[i].hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void ComponentView::tellDpi() {
  const std::wstring& window = table_.window().name;
  if (!table_.hasHandler(window, ComponentEvent::DpiChange)) return;
  ComponentInput input;
  input.dpi = dpi_;
  table_.raise(window, ComponentEvent::DpiChange, input, EventSource::Program);
}

// A label of one line, left-aligned, that does not wrap: its model sizes it to its text as
// measured at 96 DPI.
static bool isOneLineLabel(const Component& c) {
  return c.kind == ComponentKind::Label && !(c.options & (kWordWrap | kCentred | kAlignRight)) &&
         c.state.text.find_first_of(L"\r\n") == std::wstring::npos;
}

Rect ComponentView::controlArea(std::size_t index) {
  const Component& c = table_.all()[index];
  Rect at = placeOnParent(c);
  // A list's window takes in its dropped-down part.
  if (controls_[index].dropsDown) at.height = std::max(at.height, scaleToDpi(kDropDownHeight, dpi_));
  // Glyph widths do not scale exactly with the DPI: at another DPI a label sized to its text
  // at 96 may need a pixel or two more, and grows to its text rather than lose its last word.
  if (dpi_ != kStandardDpi && isOneLineLabel(c) && !c.state.text.empty()) {
    MemoryDc dc;
    SelectedObject font(dc, fontFor(c));
    RECT text{0, 0, 0, 0};
    DrawTextW(dc, c.state.text.c_str(), static_cast<int>(c.state.text.size()), &text,
              DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    at.width = std::max<int>(at.width, text.right - text.left);
  }
  return at;
}

void ComponentView::placeControl(std::size_t index) {
  const Rect at = controlArea(index);
  SetWindowPos(controls_[index].hwnd, nullptr, at.left, at.top, at.width, at.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void ComponentView::createControl(std::size_t index) {
  const Component& c = table_.all()[index];
  if (hasNoControl(c.kind)) return;
  if (c.kind == ComponentKind::WebBrowser) return createBrowser(index);
  const ControlClass made = controlClassOf(c, table_, index);
  controls_[index].dropsDown = made.dropsDown;
  const Rect at = controlArea(index);
  HWND parent = parentOf(c);
  HWND hwnd = CreateWindowExW(made.exStyle, made.className, made.text.c_str(), WS_CHILD | WS_CLIPSIBLINGS | made.style,
                              at.left, at.top, at.width, at.height, parent,
                              reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kFirstControlId + index)), instance_,
                              isContainer(c.kind) ? this : nullptr);
  if (!hwnd) return;
  controls_[index].hwnd = hwnd;
  byHwnd_[hwnd] = index;
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(fontFor(c)), FALSE);
  setUpControl(hwnd, c, table_);
  if (c.kind == ComponentKind::UpDown && !c.buddy.empty())
    SendMessageW(hwnd, UDM_SETBUDDY, reinterpret_cast<WPARAM>(control(c.buddy)), 0);
  // Mouse events the model listens to come through a watcher on the control.
  if (table_.hasHandler(c.name, ComponentEvent::MouseDown) || table_.hasHandler(c.name, ComponentEvent::MouseMove) ||
      table_.hasHandler(c.name, ComponentEvent::MouseLeave) || c.kind == ComponentKind::Link)
    SetWindowSubclass(hwnd, &ComponentView::controlWatcher, 1, reinterpret_cast<DWORD_PTR>(this));
  // A caption colour shows on check boxes and radio buttons only in the classic look.
  if (c.state.textColour && (c.kind == ComponentKind::CheckBox || c.kind == ComponentKind::RadioButton)) {
    SetWindowTheme(hwnd, L"", L"");
    controls_[index].unthemed = true;
  }
}

HFONT ComponentView::fontFor(const Component& component) {
  FontSpec font = component.state.font.value_or(table_.window().state.font.value_or(FontSpec{L"Arial", 8}));
  auto key = std::pair{fontKey(font), dpi_};
  auto found = fonts_.find(key);
  if (found == fonts_.end()) found = fonts_.emplace(key, createFont(font, dpi_)).first;
  return found->second;
}

HBRUSH ComponentView::brushFor(Colour colour) {
  auto found = brushes_.find(colour);
  if (found == brushes_.end())
    found = brushes_.emplace(colour, GdiObject<HBRUSH>(CreateSolidBrush(colour & 0x00FFFFFF))).first;
  return found->second;
}

void ComponentView::sync() {
  const auto& all = table_.all();
  if (applied_.size() != all.size()) return;
  applying_ = true;
  if (!controlsMade_ && table_.window().state.visible) {
    // The controls take their states before the window shows them.
    makeControls();
    for (std::size_t i = 0; i < all.size(); ++i)
      if (all[i].kind != ComponentKind::Window) apply(i, true);
  }
  for (std::size_t i = 0; i < all.size(); ++i)
    // Until its controls are made, a hidden window follows only its own state.
    if (controlsMade_ || all[i].kind == ComponentKind::Window) apply(i, !applied_[i]);
  applying_ = false;
  followTimers();
}

void ComponentView::setDpi(int dpi) {
  if (dpi <= 0 || dpi == dpi_) return;
  dpi_ = dpi;
  applying_ = true;
  const auto& all = table_.all();
  for (std::size_t i = 0; i < all.size(); ++i) {
    const Component& c = all[i];
    HWND hwnd = controls_[i].hwnd;
    if (!hwnd) continue;
    // The font first: a page control's tabs, and so its pages' area, follow it.
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(fontFor(c)), FALSE);
    placeControl(i);
    if (c.kind == ComponentKind::ColourBox || c.kind == ComponentKind::PictureList) {
      SendMessageW(hwnd, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), scaleToDpi(kListFieldHeight, dpi_));
      SendMessageW(hwnd, CB_SETITEMHEIGHT, 0, scaleToDpi(listItemHeight(c), dpi_));
    } else if (c.kind == ComponentKind::ListView) {
      for (std::size_t col = 0; col < c.state.columns.size(); ++col)
        ListView_SetColumnWidth(hwnd, static_cast<int>(col), scaleToDpi(c.state.columns[col].width, dpi_));
      if (!c.state.picture.empty()) ListView_SetImageList(hwnd, imageListFor(c.state.picture), LVSIL_SMALL);
    }
  }
  // The fonts and pictures made for the resolution left behind go.
  std::erase_if(fonts_, [this](const auto& font) { return font.first.second != dpi_; });
  std::erase_if(imageLists_, [this](const auto& list) {
    if (list.first.second == dpi_) return false;
    if (list.second) ImageList_Destroy(list.second);
    return true;
  });
  applying_ = false;
  // A model that lays itself out by the screen hears of it, and shows what it made of it.
  tellDpi();
  if (afterEvent)
    afterEvent();
  else
    sync();
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void ComponentView::apply(std::size_t index, bool force) {
  const Component& c = table_.all()[index];
  const ComponentState* before = force ? nullptr : applied_[index].get();
  if (before && *before == c.state) return;
  if (c.kind == ComponentKind::Window) {
    applyWindow(c, before);
  } else if (isPainted(c.kind)) {
    // A picture is painted by what it lies on: its old and new places are painted again.
    HWND surface = parentOf(c);
    for (const ComponentState* state : {before, &c.state}) {
      if (!state) continue;
      Component placed = c;
      placed.state.bounds = state->bounds;
      const Rect at = placeOnParent(placed);
      const RECT area{at.left, at.top, at.right(), at.bottom()};
      InvalidateRect(surface, &area, TRUE);
    }
  } else if (HWND hwnd = controls_[index].hwnd) {
    Control& control = controls_[index];
    const ComponentState& s = c.state;
    const bool onScrolledArea = scrolledAreaOf(c) != nullptr;
    const bool shown = s.visible && withinScrolledArea(c, placeOnParent(c));
    // Out of sight it waits: the state it is given is applied when it comes into sight.
    if (onScrolledArea && !shown && !control.shown) return;
    const bool moved =
        !before || before->bounds != s.bounds ||
        (dpi_ != kStandardDpi && isOneLineLabel(c) && (before->text != s.text || before->font != s.font));
    // On a scrolled area a control is placed when it comes into sight, not before.
    if (onScrolledArea ? shown && (moved || !control.shown) : moved) placeControl(index);
    if (before && before->font != s.font) {
      SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(fontFor(c)), TRUE);
      // The parent paints what a transparent label leaves.
      if (c.options & kTransparent) {
        RECT area{};
        GetWindowRect(hwnd, &area);
        MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&area), 2);
        InvalidateRect(GetParent(hwnd), &area, TRUE);
      }
    }
    if (!before || before->enabled != s.enabled) {
      // A control that goes disabled under the keyboard hands it on to the next one (a Delete
      // button with nothing left to delete), and takes it back when it is enabled again (a list
      // disabled while the face rebuilds after an arrow key), unless the user went elsewhere.
      const auto ownsFocus = [hwnd] {
        HWND focus = GetFocus();
        return focus && (focus == hwnd || IsChild(hwnd, focus));
      };
      if (!s.enabled && ownsFocus()) {
        control.refocus = true;
        HWND next = GetNextDlgTabItem(window_, hwnd, FALSE);
        control.handedTo = next && next != hwnd ? next : nullptr;
        if (control.handedTo) SetFocus(control.handedTo);
      }
      EnableWindow(hwnd, s.enabled);
      if (s.enabled && std::exchange(control.refocus, false)) {
        HWND focus = GetFocus();
        if ((!focus || ownsFocus() || focus == control.handedTo) && GetActiveWindow() == GetAncestor(hwnd, GA_ROOT))
          SetFocus(hwnd);
        control.handedTo = nullptr;
      }
    }
    if (!before || before->textColour != s.textColour || before->background != s.background) {
      if (s.textColour && !control.unthemed &&
          (c.kind == ComponentKind::CheckBox || c.kind == ComponentKind::RadioButton)) {
        SetWindowTheme(hwnd, L"", L"");
        control.unthemed = true;
      }
      InvalidateRect(hwnd, nullptr, TRUE);
    }
    switch (c.kind) {
      case ComponentKind::CheckBox:
      case ComponentKind::RadioButton:
        if (!before || before->checked != s.checked)
          SendMessageW(hwnd, BM_SETCHECK, s.checked ? BST_CHECKED : BST_UNCHECKED, 0);
        [[fallthrough]];
      case ComponentKind::Label:
      case ComponentKind::Link:
      case ComponentKind::Button:
      case ComponentKind::GroupBox:
      case ComponentKind::Panel:
      case ComponentKind::Edit:
      case ComponentKind::Memo:
        // Setting the same text again would put an edit's caret back to the start.
        if ((!before || before->text != s.text) && windowText(hwnd) != s.text) SetWindowTextW(hwnd, s.text.c_str());
        if ((c.kind == ComponentKind::Edit || c.kind == ComponentKind::Memo) &&
            (!before || before->textLimit != s.textLimit))
          SendMessageW(hwnd, EM_LIMITTEXT, static_cast<WPARAM>(s.textLimit), 0);
        break;
      case ComponentKind::ComboBox:
      case ComponentKind::EditableComboBox:
      case ComponentKind::FontList:
      case ComponentKind::ColourBox:
      case ComponentKind::PictureList: applyList(control, c, before); break;
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
      case ComponentKind::ListView: applyListView(control, c, before); break;
      case ComponentKind::Tabs:
        if (!before || before->selected != s.selected)
          SendMessageW(hwnd, TCM_SETCURSEL, static_cast<WPARAM>(s.selected), 0);
        break;
      case ComponentKind::WebBrowser:
        if (!before || before->text != s.text || before->position != s.position) navigateBrowser(index);
        break;
      case ComponentKind::ScrollBox:
        // The components on it move with the scroll position.
        if (before && (before->position != s.position || before->bounds != s.bounds)) placeScrolledComponents(c);
        if (before && before->background != s.background) InvalidateRect(hwnd, nullptr, TRUE);
        break;
      default: break;
    }
    showControl(index, shown);
    // A new pointer shape shows at once under a pointer that keeps still.
    if (before && before->pointer != s.pointer && hovered_ == c.name) SetCursor(pointerCursor(s.pointer));
  }
  applied_[index] = std::make_unique<ComponentState>(c.state);
}

void ComponentView::applyWindow(const Component& window, const ComponentState* before) {
  const ComponentState& s = window.state;
  if (!before || before->text != s.text) SetWindowTextW(window_, s.text.c_str());
  if (!before || before->bounds.width != s.bounds.width || before->bounds.height != s.bounds.height ||
      ((before->bounds.left != s.bounds.left || before->bounds.top != s.bounds.top) && !(window.options & kCentred))) {
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE));
    RECT frame{0, 0, scaleToDpi(s.bounds.width, dpi_), scaleToDpi(s.bounds.height, dpi_)};
    frameForClient(frame, style, exStyle, dpi_);
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    int left = s.bounds.left, top = s.bounds.top;
    if (window.options & kCentred) {
      if (before) {
        flags |= SWP_NOMOVE;  // where the user has moved it
      } else {
        RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        left = work.left + (work.right - work.left - (frame.right - frame.left)) / 2;
        top = work.top + (work.bottom - work.top - (frame.bottom - frame.top)) / 2;
      }
    }
    SetWindowPos(window_, nullptr, left, top, frame.right - frame.left, frame.bottom - frame.top, flags);
  }
  if (before && before->background != s.background)
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  if (!before || before->alpha != s.alpha) {
    LONG_PTR exStyle = GetWindowLongPtrW(window_, GWL_EXSTYLE);
    if (s.alpha) {
      if (!(exStyle & WS_EX_LAYERED)) SetWindowLongPtrW(window_, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
      SetLayeredWindowAttributes(window_, 0, static_cast<BYTE>(std::clamp(*s.alpha, 0, 255)), LWA_ALPHA);
    } else if (exStyle & WS_EX_LAYERED) {
      SetWindowLongPtrW(window_, GWL_EXSTYLE, exStyle & ~WS_EX_LAYERED);
    }
  }
  if (!before || before->onTop != s.onTop) {
    if (before || s.onTop)
      SetWindowPos(window_, s.onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  if (!before || before->visible != s.visible) {
    if (s.visible) {
      ShowWindow(window_, (window.options & kBorderless) ? SW_SHOWNA : SW_SHOW);
    } else {
      ShowWindow(window_, SW_HIDE);
    }
  }
  if (before && before->raised != s.raised && s.visible) {
    if (IsIconic(window_)) ShowWindow(window_, SW_RESTORE);
    // Stay-on-top and at once back: above every other window even where the system refuses
    // this program the foreground. A borderless window comes to the front without taking the
    // keyboard from the window the user works in.
    if (!s.onTop) {
      constexpr UINT kZOrderOnly = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
      SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0, kZOrderOnly);
      SetWindowPos(window_, HWND_NOTOPMOST, 0, 0, 0, 0, kZOrderOnly);
    }
    if (!(window.options & kBorderless)) SetForegroundWindow(window_);
  }
}

void ComponentView::applyList(Control& control, const Component& c, const ComponentState* before) {
  HWND hwnd = control.hwnd;
  const ComponentState& s = c.state;
  if (c.kind == ComponentKind::ColourBox) {
    if (!before) fillColourBox(hwnd);
    if (!before || before->selectedColour != s.selectedColour) selectColour(hwnd, s.selectedColour);
    return;
  }
  if (!before || before->items != s.items) {
    SendMessageW(hwnd, CB_RESETCONTENT, 0, 0);
    for (std::size_t i = 0; i < s.items.size(); ++i) {
      if (c.kind == ComponentKind::PictureList)
        SendMessageW(hwnd, CB_ADDSTRING, 0, static_cast<LPARAM>(i));
      else
        SendMessageW(hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s.items[i].c_str()));
    }
    before = nullptr;  // the selection and the text go back in
  }
  switch (c.kind) {
    case ComponentKind::ComboBox:
    case ComponentKind::PictureList:
      if (!before || before->selected != s.selected)
        SendMessageW(hwnd, CB_SETCURSEL, static_cast<WPARAM>(s.selected), 0);
      if ((c.options & kPrompt) && before && before->text != s.text) InvalidateRect(hwnd, nullptr, TRUE);
      break;
    case ComponentKind::EditableComboBox:
    case ComponentKind::FontList:
      // A list that may be typed into shows its text, which may name no item. What the user is
      // typing is left alone: touching the selection would put the caret back to the start.
      if ((!before || before->selected != s.selected || before->text != s.text) && windowText(hwnd) != s.text) {
        const LRESULT item = s.text.empty() ? CB_ERR
                                            : SendMessageW(hwnd, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                           reinterpret_cast<LPARAM>(s.text.c_str()));
        SendMessageW(hwnd, CB_SETCURSEL, static_cast<WPARAM>(item == CB_ERR ? -1 : item), 0);
        if (windowText(hwnd) != s.text) SetWindowTextW(hwnd, s.text.c_str());
      }
      break;
    default: break;
  }
}

void ComponentView::applyListView(Control& control, const Component& c, const ComponentState* before) {
  HWND list = control.hwnd;
  const ComponentState& s = c.state;
  if (!before || before->columns != s.columns) {
    while (ListView_DeleteColumn(list, 0)) {
    }
    for (std::size_t i = 0; i < s.columns.size(); ++i) {
      LVCOLUMNW column{};
      column.mask = LVCF_TEXT | LVCF_WIDTH;
      column.pszText = const_cast<wchar_t*>(s.columns[i].caption.c_str());
      column.cx = scaleToDpi(s.columns[i].width, dpi_);
      ListView_InsertColumn(list, static_cast<int>(i), &column);
    }
  }
  if (!before || before->picture != s.picture) {
    HIMAGELIST images = s.picture.empty() ? nullptr : imageListFor(s.picture);
    ListView_SetImageList(list, images, LVSIL_SMALL);
  }
  const auto sameTexts = [](const std::vector<ListRow>& a, const std::vector<ListRow>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const ListRow& x, const ListRow& y) { return x.cells == y.cells && x.image == y.image; });
  };
  if (before && before->rows != s.rows && sameTexts(before->rows, s.rows)) {
    // Only colours changed: the rows are drawn again where they are, the scroll position kept.
    InvalidateRect(list, nullptr, FALSE);
  } else if (!before || before->rows != s.rows) {
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    ListView_DeleteAllItems(list);
    for (std::size_t r = 0; r < s.rows.size(); ++r) {
      const ListRow& row = s.rows[r];
      LVITEMW item{};
      item.mask = LVIF_TEXT | (row.image >= 0 ? LVIF_IMAGE : 0);
      item.iItem = static_cast<int>(r);
      item.pszText = const_cast<wchar_t*>(row.cells.empty() ? L"" : row.cells[0].c_str());
      item.iImage = row.image;
      ListView_InsertItem(list, &item);
      for (std::size_t col = 1; col < row.cells.size(); ++col)
        ListView_SetItemText(list, static_cast<int>(r), static_cast<int>(col),
                             const_cast<wchar_t*>(row.cells[col].c_str()));
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    before = nullptr;
  }
  if (!before || before->selected != s.selected) {
    ListView_SetItemState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    if (s.selected >= 0) {
      ListView_SetItemState(list, s.selected, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
      ListView_EnsureVisible(list, s.selected, FALSE);
    }
  }
}

HIMAGELIST ComponentView::imageListFor(const std::wstring& resource) {
  auto found = imageLists_.find({resource, dpi_});
  if (found != imageLists_.end()) return found->second;
  // A strip of 16 x 16 pictures, magenta being see-through; at another resolution each picture
  // scaled to the size of the small icons there. The list masks a copy: masking blackens the
  // see-through pixels of the bitmap it is given.
  constexpr int kCell = 16;
  constexpr COLORREF kSeeThrough = RGB(255, 0, 255);
  HIMAGELIST list = nullptr;
  if (HBITMAP strip = resourceBitmap(resource)) {
    BITMAP info{};
    GetObjectW(strip, sizeof info, &info);
    const int count = info.bmWidth / kCell, size = scaleToDpi(kCell, dpi_);
    WindowDc screen;
    GdiObject<HBITMAP> scaled(CreateCompatibleBitmap(screen, count * size, size));
    MemoryDc from(screen), to(screen);
    {
      SelectedObject source(from, strip), target(to, scaled);
      // Pixel by pixel, so that the see-through colour stays exact at the pictures' edges.
      SetStretchBltMode(to, COLORONCOLOR);
      StretchBlt(to, 0, 0, count * size, size, from, 0, 0, count * kCell, kCell, SRCCOPY);
    }
    list = ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, count, 0);
    if (list) ImageList_AddMasked(list, scaled, kSeeThrough);
  }
  imageLists_.emplace(std::pair{resource, dpi_}, list);
  return list;
}

void ComponentView::followTimers() {
  const auto& timers = table_.timers();
  timersApplied_.resize(timers.size(), {false, 0});
  for (std::size_t i = 0; i < timers.size(); ++i) {
    const ModelTimer& timer = *timers[i].timer;
    auto& [running, interval] = timersApplied_[i];
    if (timer.enabled() == running && (!running || timer.interval() == interval)) continue;
    if (timer.enabled())
      SetTimer(window_, kFirstTimerId + i, std::max<std::uint32_t>(1, timer.interval()), nullptr);
    else
      KillTimer(window_, kFirstTimerId + i);
    running = timer.enabled();
    interval = timer.interval();
  }
}

}  // namespace tikora
