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

std::wstring fontKey(const FontSpec& font) {
  return font.faceName + L"|" + std::to_wstring(font.points) + L"|" + std::to_wstring(font.pixels) + L"|" +
         (font.bold ? L"b" : L"") + (font.italic ? L"i" : L"") + (font.underline ? L"u" : L"");
}

}  // namespace

ComponentView::ComponentView(HINSTANCE instance, HWND window, ComponentTable& table, PictureSource pictures)
    : instance_(instance), window_(window), table_(table), model_(table), pictures_(std::move(pictures)) {}

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
  const auto& all = model_.all();
  for (std::size_t i = 0; i < all.size() && i < controls_.size(); ++i)
    if (all[i].name == component) return controls_[i].hwnd;
  return nullptr;
}

std::wstring_view ComponentView::componentOf(HWND control) const {
  const auto found = byHwnd_.find(control);
  if (found == byHwnd_.end()) return {};
  return model_.all()[found->second].name;
}

// Pages and scrolled areas are windows of their own; everything else lies on the window.
static bool isContainer(ComponentKind kind) { return kind == ComponentKind::Page || kind == ComponentKind::ScrollBox; }

HWND ComponentView::parentOf(const Component& component) const {
  if (component.parent.empty() || !table_.contains(component.parent)) return window_;
  const Component& parent = model_.component(component.parent);
  if (isContainer(parent.kind)) return control(parent.name);
  return window_;
}

Rect ComponentView::placeOnParent(const Component& component) const {
  Rect at = scaleToDpi(component.state.bounds, dpi_);
  if (!component.parent.empty() && table_.contains(component.parent)) {
    const Component& parent = model_.component(component.parent);
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
  const Component& parent = model_.component(component.parent);
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
  const auto& all = model_.all();
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
  table_.showNow = [this] { syncAfterChange(); };
  registerSheetClass(instance_, &ComponentView::sheetProcedure);
  const auto& all = model_.all();
  controls_.assign(all.size(), Control{});
  applied_.clear();
  applied_.resize(all.size());
  controlsMade_ = false;
  // A window that is hidden at start makes its controls when it is first shown.
  if (model_.window().state.visible) makeControls();
  tellDpi();
  sync();
}

void ComponentView::makeControls() {
  controlsMade_ = true;
  readHighContrast();
  const auto& all = model_.all();
  for (std::size_t i = 0; i < all.size(); ++i) createControl(i);
  // Picture buttons lie under the other controls, as the pictures the window paints do (and so
  // are last in the tab order); group boxes lie under the controls they hold, so that those are
  // never clipped by them, and a page control under its pages; markers and labels that lie over
  // another control go on top.
  for (std::size_t i = 0; i < all.size(); ++i)
    if (all[i].kind == ComponentKind::Picture && controls_[i].hwnd)
      SetWindowPos(controls_[i].hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  for (std::size_t i = all.size(); i-- > 0;)
    if ((all[i].kind == ComponentKind::GroupBox || all[i].kind == ComponentKind::Tabs) && controls_[i].hwnd)
      SetWindowPos(controls_[i].hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  for (std::size_t i = 0; i < all.size(); ++i)
    if ((all[i].options & kOverPrevious) && controls_[i].hwnd)
      SetWindowPos(controls_[i].hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void ComponentView::tellDpi() {
  const std::wstring& window = model_.window().name;
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
  const Component& c = model_.all()[index];
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
  const Component& c = model_.all()[index];
  const ControlGroup group = groupOf(c.kind);
  if (group == ControlGroup::None || (group == ControlGroup::Pictures && !isPictureButton(c, table_))) return;
  if (group == ControlGroup::Browser) return createBrowser(index);
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
  if (group == ControlGroup::ListView) setUpListView(index);
  if (group == ControlGroup::Pickers) setUpPicker(index);
  // Mouse events the model listens to come through a watcher on the control.
  // A picture button leaves the mouse to the window under it, which hit-tests its pictures; a
  // control with a spoken name gives it to screen readers there too.
  if (watchesMouse(c) || group == ControlGroup::Pictures || !c.spokenName.empty() || isClickableLabel(c, table_))
    SetWindowSubclass(hwnd, &ComponentView::controlWatcher, 1, reinterpret_cast<DWORD_PTR>(this));
  // A caption colour shows on check boxes and radio buttons only in the classic look.
  if (c.state.textColour && (c.kind == ComponentKind::CheckBox || c.kind == ComponentKind::RadioButton)) {
    SetWindowTheme(hwnd, L"", L"");
    controls_[index].unthemed = true;
  }
}

bool ComponentView::watchesMouse(const Component& c) const {
  return table_.hasHandler(c.name, ComponentEvent::MouseDown) || table_.hasHandler(c.name, ComponentEvent::MouseMove) ||
         table_.hasHandler(c.name, ComponentEvent::MouseLeave) || c.kind == ComponentKind::Link;
}

bool ComponentView::systemColours() const { return highContrast_ && !(model_.window().options & kBorderless); }

bool (*ComponentView::highContrastOn)() = [] {
  HIGHCONTRASTW contrast{};
  contrast.cbSize = sizeof contrast;
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
         (contrast.dwFlags & HCF_HIGHCONTRASTON);
};

void ComponentView::readHighContrast() { highContrast_ = highContrastOn(); }

HFONT ComponentView::fontFor(const Component& component) {
  FontSpec font = component.state.font.value_or(model_.window().state.font.value_or(FontSpec{L"Arial", 8}));
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

void ComponentView::sync() { syncMarked(false); }

void ComponentView::settle() {
  // Runs after every message: a table with no marks left has nothing to settle (the sync after
  // each event already followed its timers).
  if (table_.anyChanged()) syncMarked(true);
}

void ComponentView::syncMarked(bool takeMarks) {
  const auto& all = model_.all();
  if (applied_.size() != all.size()) return;
  applying_ = true;
  const bool shown = model_.window().state.visible;
  if (!controlsMade_ && shown) {
    // The controls take their states before the window shows them.
    makeControls();
    for (std::size_t i = 0; i < all.size(); ++i)
      if (all[i].kind != ComponentKind::Window) apply(i, true);
  }
  if (table_.anyChanged() && controlsMade_ && shown) {
    for (std::size_t i = 0; i < all.size(); ++i) {
      if (!table_.changed(i)) continue;
      apply(i, !applied_[i]);
      if (takeMarks) table_.takeChanged(i);
    }
    if (takeMarks) table_.settleChanged();
  } else if (table_.anyChanged()) {
    // Hidden, only the window itself is brought up to date. Its controls keep their marks until
    // it shows, and cost no walk through them meanwhile.
    const std::size_t window = model_.indexOf(model_.window());
    if (table_.changed(window)) {
      apply(window, !applied_[window]);
      if (takeMarks) {
        table_.takeChanged(window);
        table_.settleChanged();
      }
    }
  }
  applying_ = false;
  followTimers();
}

void ComponentView::setDpi(int dpi) {
  if (dpi <= 0 || dpi == dpi_) return;
  dpi_ = dpi;
  applying_ = true;
  const auto& all = model_.all();
  for (std::size_t i = 0; i < all.size(); ++i) {
    const Component& c = all[i];
    HWND hwnd = controls_[i].hwnd;
    if (!hwnd) continue;
    // The font first: a page control's tabs, and so its pages' area, follow it.
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(fontFor(c)), FALSE);
    placeControl(i);
    if (groupOf(c.kind) == ControlGroup::Lists) placeListAtDpi(i);
    if (groupOf(c.kind) == ControlGroup::ListView) placeListViewAtDpi(i);
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
  syncAfterChange();
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void ComponentView::apply(std::size_t index, bool force) {
  const Component& c = model_.all()[index];
  const ComponentState* before = force ? nullptr : applied_[index].get();
  if (before && *before == c.state) return;
  if (c.kind == ComponentKind::Window) {
    applyWindow(c, before);
  } else if (groupOf(c.kind) == ControlGroup::Pictures) {
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
    if (controls_[index].hwnd) applyPictureButton(index, before);
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
    switch (groupOf(c.kind)) {
      case ControlGroup::Buttons: applyButton(index, before); break;
      case ControlGroup::Lists: applyList(index, before); break;
      case ControlGroup::ListView: applyListView(index, before); break;
      case ControlGroup::Pickers: applyPicker(index, before); break;
      case ControlGroup::Browser: applyBrowser(index, before); break;
      case ControlGroup::Sheets:
        // The components on a scrolled area move with its scroll position.
        if (c.kind != ComponentKind::ScrollBox) break;
        if (before && (before->position != s.position || before->bounds != s.bounds)) placeScrolledComponents(c);
        if (before && before->background != s.background) InvalidateRect(hwnd, nullptr, TRUE);
        break;
      default: break;
    }
    showControl(index, shown);
    // A new pointer shape shows at once under a pointer that keeps still.
    if (before && before->pointer != s.pointer && hovered_ == c.name) SetCursor(pointerCursor(s.pointer));
  }
  if (applied_[index])
    *applied_[index] = c.state;  // over the copy already there, whose buffers it keeps
  else
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
