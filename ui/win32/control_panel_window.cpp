// The control panel window; see control_panel_window.h.
#include "ui/win32/control_panel_window.h"

#include <climits>
#include <utility>

#include "ui/win32/clock_window.h"
#include "ui/win32/message_pump.h"
#include "ui/win32/ui_ids.h"

namespace tikora {
namespace {

constexpr DWORD kFrameStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
// Where the pointer is taken to be when the system cannot say: far from the clock.
constexpr Point kNoPointer{INT_MIN / 2, INT_MIN / 2};

}  // namespace

ControlPanelWindow::ControlPanelWindow(HINSTANCE instance, ProgramWindows& program,
                                       ControlPanelServices services, ClockStartPictures clockPictures)
    : instance_(instance), program_(program), services_(services), clockPictures_(std::move(clockPictures)) {}

bool ControlPanelWindow::create() {
  const WindowClassInfo windowClass{kControlPanelClass, GetSysColorBrush(COLOR_BTNFACE),
                                    LoadIconW(instance_, L"MAINICON"), 0};
  if (!registerClass(instance_, windowClass)) return false;
  RECT frame{0, 0, kControlPanelClientWidth, kControlPanelClientHeight};
  AdjustWindowRectEx(&frame, kFrameStyle, FALSE, 0);
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  // Centred on the desktop, where it appears when first shown.
  RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const int left = work.left + (work.right - work.left - width) / 2;
  const int top = work.top + (work.bottom - work.top - height) / 2;
  if (!createWindow(instance_, 0, kControlPanelClass, kControlPanelCaption, kFrameStyle, left, top, width,
                    height))
    return false;

  placeClockWindow();
  ClockWindow& clock = *program_.clock;
  face_.emplace(clock.model(), services_.metrics, services_.resources, std::move(clockPictures_),
                ClockFaceHooks{&pumpWaitingMessages, {}});
  face_->composeAtStartUp(faceSettings_);
  clock.faceUpdated(face_->takeRepaint());

  SetTimer(hwnd(), toTimer(TimerId::Timer1), kFaceTickInterval, nullptr);
  SetTimer(hwnd(), toTimer(TimerId::Timer2), kSecondTickInterval, nullptr);
  return true;
}

void ControlPanelWindow::placeClockWindow() {
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  program_.clock->placeAt(screenWidth - kClockWindowSize - kClockEdgeGap, kClockEdgeGap);
}

void ControlPanelWindow::show() {
  ShowWindow(hwnd(), IsIconic(hwnd()) ? SW_RESTORE : SW_SHOW);
  SetForegroundWindow(hwnd());
}

void ControlPanelWindow::Timer1Timer() {
  if (!face_ || !program_.clock) return;
  POINT pointer{};
  const Point at = GetCursorPos(&pointer) ? Point{pointer.x, pointer.y} : kNoPointer;
  face_->faceTick(services_.clock.now(), at);
  program_.clock->faceUpdated(face_->takeRepaint());
}

void ControlPanelWindow::Timer2Timer() {
  // The clock window takes the stay-on-top style while "Set Clock Window on Top" is ticked and
  // the normal style while it is not.
  if (program_.clock) program_.clock->setStayOnTop(stayOnTop_);
}

LRESULT ControlPanelWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      switch (static_cast<TimerId>(wParam)) {
        case TimerId::Timer1: Timer1Timer(); break;
        case TimerId::Timer2: Timer2Timer(); break;
      }
      return 0;
    case WM_CLOSE:
      // Closing only hides the panel; the program goes on.
      ShowWindow(hwnd(), SW_HIDE);
      return 0;
  }
  return defaultProcedure(message, wParam, lParam);
}

}  // namespace tikora
