// The clock window; see clock_window.h.
#include "ui/win32/clock_window.h"

#include <algorithm>

#include <commctrl.h>
#include <windowsx.h>

#include <utility>

#include "clock/program_identity.h"
#include "platform/win32/gdi_font.h"
#include "program/program_model.h"
#include "ui/win32/clock_menu.h"
#include "ui/win32/model_window.h"
#include "ui/win32/ui_ids.h"

namespace tikora {
namespace {

constexpr COLORREF kSeeThroughColour = RGB(255, 255, 255);
// The system's move command with the caption hit-test code in its low bits: the system's own
// move loop then drags the window with the pointer, as if its caption had been grabbed.
constexpr WPARAM kMoveByCaption = SC_MOVE | HTCAPTION;  // 0xF012

Point clientPoint(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

struct StripButton {
  StripButtonId id;
  StripClick press;
  std::wstring_view name;
};
constexpr std::array<StripButton, 2> kStripButtons{{
    {StripButtonId::ControlPanel, StripClick::ShowControlPanel, kStripPanelHint},
    {StripButtonId::Close, StripClick::EndProgram, kStripCloseHint},
}};

Point pointerNow() {
  POINT pointer{};
  GetCursorPos(&pointer);
  return {pointer.x, pointer.y};
}

}  // namespace

// The face is pixel art placed by the pixel: its labels are drawn at 96 DPI at any scaling, as
// they are measured.
ClockWindow::ClockWindow(HINSTANCE instance, ProgramModel& program, std::function<void()> syncWindows)
    : instance_(instance), program_(program), syncWindows_(std::move(syncWindows)), compositor_(kStandardDpi) {}

bool ClockWindow::create() {
  const WindowClassInfo windowClass{kClockWindowClass, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)),
                                    LoadIconW(instance_, L"MAINICON"), 0};
  if (!registerClass(instance_, windowClass)) return false;
  if (!createWindow(instance_, WS_EX_LAYERED | WS_EX_TOOLWINDOW, kClockWindowClass,
                    std::wstring(kClockWindowCaption).c_str(), WS_POPUP, 0, 0, kClockWindowSize, kClockWindowSize))
    return false;
  // Pure white is the colour key: those pixels are neither drawn nor hit by the mouse.
  SetLayeredWindowAttributes(hwnd(), kSeeThroughColour, 255, LWA_COLORKEY);
  taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
  images_.load(program_.resources());
  const Rect& strip = model().layer(ClockComponent::Strip).bounds;
  toolTip_.create(hwnd(), RECT{strip.left, strip.top, strip.left + strip.width, strip.top + strip.height});
  createStripButtons();
  return true;
}

void ClockWindow::createStripButtons() {
  const Rect& strip = model().layer(ClockComponent::Strip).bounds;
  for (std::size_t i = 0; i < kStripButtons.size(); ++i) {
    const StripButton& button = kStripButtons[i];
    const Rect at = stripButtonBounds(button.press, strip);
    HWND made = CreateWindowExW(
        0, L"BUTTON", std::wstring(button.name).c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW | BS_NOTIFY,
        at.left, at.top, at.width, at.height, hwnd(), reinterpret_cast<HMENU>(UINT_PTR(button.id)), instance_, nullptr);
    if (made) SetWindowSubclass(made, &ClockWindow::stripButtonWatcher, 1, 0);
    stripButtons_[i] = made;
  }
}

LRESULT CALLBACK ClockWindow::stripButtonWatcher(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                                 DWORD_PTR) {
  // The mouse goes through to the clock window, which handles the strip by the pointer.
  if (message == WM_NCHITTEST) return HTTRANSPARENT;
  if (message == WM_NCDESTROY) RemoveWindowSubclass(hwnd, &ClockWindow::stripButtonWatcher, 1);
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

bool ClockWindow::drawStripButton(const DRAWITEMSTRUCT& item) {
  if (std::find(stripButtons_.begin(), stripButtons_.end(), item.hwndItem) == stripButtons_.end()) return false;
  POINT origin{0, 0};
  MapWindowPoints(item.hwndItem, hwnd(), &origin, 1);
  POINT before{};
  SetViewportOrgEx(item.hDC, -origin.x, -origin.y, &before);
  compositor_.present(item.hDC);
  SetViewportOrgEx(item.hDC, before.x, before.y, nullptr);
  if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) DrawFocusRect(item.hDC, &item.rcItem);
  return true;
}

ClockWindowModel& ClockWindow::model() { return program_.clockWindow(); }

void ClockWindow::addTrayIcon() {
  tray_.add(hwnd(), model().trayIcon(), LoadIconW(instance_, L"MAINICON"));
  setTrayImage(model().trayIcon().image);
}

void ClockWindow::keepOffTaskbar() {
  const LONG_PTR exStyle = GetWindowLongPtrW(hwnd(), GWL_EXSTYLE);
  if (!(exStyle & WS_EX_TOOLWINDOW)) SetWindowLongPtrW(hwnd(), GWL_EXSTYLE, exStyle | WS_EX_TOOLWINDOW);
}

void ClockWindow::sync() {
  const ComponentState& window = model().window();
  const ComponentState* before = shownWindow_.get();
  if (!before || before->bounds.left != window.bounds.left || before->bounds.top != window.bounds.top)
    SetWindowPos(hwnd(), nullptr, window.bounds.left, window.bounds.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (!before || before->alpha != window.alpha) {
    // Pure white is the colour key: those pixels are neither drawn nor hit by the mouse. The
    // whole-window alpha comes on top of it while transparency is on.
    const BYTE alpha = static_cast<BYTE>(window.alpha ? std::clamp(*window.alpha, 0, 255) : 255);
    SetLayeredWindowAttributes(hwnd(), kSeeThroughColour, alpha, LWA_COLORKEY | (window.alpha ? LWA_ALPHA : 0));
  }
  if (!before || before->onTop != window.onTop) {
    const bool isOnTop = (GetWindowLongPtrW(hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    if (isOnTop != window.onTop)
      SetWindowPos(hwnd(), window.onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  if (before && before->visible != window.visible) {
    ShowWindow(hwnd(), window.visible ? SW_SHOWNORMAL : SW_HIDE);
    if (window.visible) UpdateWindow(hwnd());
  }
  // Assigned over the copy already there: a quiet second allocates nothing.
  if (shownWindow_)
    *shownWindow_ = window;
  else
    shownWindow_ = std::make_unique<ComponentState>(window);

  toolTip_.setText(model().stripHint());
  tray_.setTip(model().trayIcon().tip);
  // Composed at once, where layers or their pictures changed, so that only the part that changed
  // (mostly the second hand) is painted and sent to the screen again.
  const ClockFace* clockFace = program_.face();
  const Rect repaint = compositor_.compose(
      std::as_const(model()),
      [clockFace](ClockComponent component) { return clockFace ? clockFace->picture(component) : nullptr; },
      program_.takeFaceRepaint());
  if (repaint.empty()) return;
  const RECT area{repaint.left, repaint.top, repaint.right(), repaint.bottom()};
  // The strip's buttons show the same pixels again.
  RedrawWindow(hwnd(), &area, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void ClockWindow::setTrayImage(int index) {
  UniqueIcon icon = images_.icon(index);
  if (!icon.valid()) return;
  tray_.modify(icon);
  // The shell copies the icon; ours is kept until the next one replaces it all the same.
  trayImage_ = std::move(icon);
}

void ClockWindow::perform(const ClockActions& actions) {
  for (const ClockAction action : actions) {
    switch (action) {
      case ClockAction::StartDrag:
        ReleaseCapture();
        SendMessageW(hwnd(), WM_SYSCOMMAND, kMoveByCaption, 0);
        break;
      case ClockAction::BringClockToFront:
        // The menu must belong to the foreground window, or it stays open when the user
        // clicks elsewhere.
        SetForegroundWindow(hwnd());
        break;
      case ClockAction::PopUpMenuAtPointer: {
        POINT pointer{};
        GetCursorPos(&pointer);
        popUpClockMenu(hwnd(), pointer, model().menuItems(), images_);
        break;
      }
      case ClockAction::PopUpMenuAtIcon:
        popUpClockMenu(hwnd(), trayAnchor_, model().menuItems(), images_);
        iconMenuClosedAt_ = GetTickCount();
        break;
      case ClockAction::PostNullMessage: PostMessageW(hwnd(), WM_NULL, 0, 0); break;
      case ClockAction::UpdateTrayIcon: setTrayImage(model().trayIcon().image); break;
      case ClockAction::EndProgram: PostQuitMessage(kExitCode); break;
    }
  }
  if (syncWindows_) syncWindows_();
}

void ClockWindow::onPaint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd(), &paint);
  compositor_.present(dc);
  EndPaint(hwnd(), &paint);
}

void ClockWindow::onLeftButtonDown(LPARAM lParam) {
  const Point client = clientPoint(lParam);
  pressOnStrip_ = model().componentAt(client) == ClockComponent::Strip;
  perform(model().mouseDown(MouseButton::Left, client));
}

void ClockWindow::onLeftButtonUp(LPARAM lParam) {
  if (!std::exchange(pressOnStrip_, false)) return;
  POINT pointer{};
  if (!GetCursorPos(&pointer)) return;
  perform(model().click(clientPoint(lParam), Point{pointer.x, pointer.y}));
}

void ClockWindow::onMove() {
  RECT frame{};
  if (GetWindowRect(hwnd(), &frame)) model().setWindowPosition(frame.left, frame.top);
}

void ClockWindow::onTrayCallback(WPARAM wParam, LPARAM lParam) {
  // The shell's newer callbacks carry the event in the low word and the icon's place in the
  // first parameter.
  trayAnchor_ = POINT{GET_X_LPARAM(wParam), GET_Y_LPARAM(wParam)};
  // Enter on the icon comes as two key selects; the second, sent while the menu of the first
  // was open, would open it again.
  if (LOWORD(lParam) == kTrayKeySelect && iconMenuClosedAt_ != 0 &&
      static_cast<LONG>(static_cast<DWORD>(GetMessageTime()) - iconMenuClosedAt_) < 0)
    return;
  perform(model().trayMessage(LOWORD(lParam)));
}

void ClockWindow::onCommand(WPARAM wParam, LPARAM lParam) {
  if (lParam) {
    for (const StripButton& button : kStripButtons) {
      if (LOWORD(wParam) != UINT(button.id)) continue;
      if (HIWORD(wParam) == BN_CLICKED) perform(model().pressStripButton(button.press));
      if (HIWORD(wParam) == BN_SETFOCUS || HIWORD(wParam) == BN_KILLFOCUS) {
        model().setKeyboardOnStrip(pointerNow(), HIWORD(wParam) == BN_SETFOCUS);
        perform({});
      }
    }
    return;
  }
  if (HIWORD(wParam) != 0) return;  // only menu commands
  if (const auto item = menuItemOf(LOWORD(wParam))) perform(model().menuItemClick(*item, showing()));
}

LRESULT ClockWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: onPaint(); return 0;
    case WM_ERASEBKGND: return 1;  // the back buffer covers every pixel
    case WM_LBUTTONDOWN: onLeftButtonDown(lParam); return 0;
    case WM_LBUTTONUP: onLeftButtonUp(lParam); return 0;
    case WM_MOVE: onMove(); return 0;
    case WM_COMMAND: onCommand(wParam, lParam); return 0;
    case WM_DRAWITEM:
      if (drawStripButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
      break;
    case DM_GETDEFID: {
      // Enter (through IsDialogMessage) presses the strip button the keyboard is on.
      HWND focused = GetFocus();
      if (std::find(stripButtons_.begin(), stripButtons_.end(), focused) == stripButtons_.end() || !focused) return 0;
      return MAKELRESULT(GetDlgCtrlID(focused), DC_HASDEFID);
    }
    case WM_CLOSE:
      // The clock is the main window: closing it ends the program.
      PostQuitMessage(kExitCode);
      return 0;
    case WM_DESTROY: tray_.remove(); return 0;
    case WM_SETTINGCHANGE:
      // Sent to every top-level window, the clock's among them: the regional settings may have
      // changed.
      program_.systemSettingsChanged();
      break;
  }
  if (message == kTrayCallbackMessage) {
    onTrayCallback(wParam, lParam);
    return 0;
  }
  if (message == taskbarCreated_ && taskbarCreated_ != 0) {
    // The shell restarted (Explorer ended and came back): its notification area is empty.
    tray_.addAgain();
    return 0;
  }
  return defaultProcedure(message, wParam, lParam);
}

}  // namespace tikora
