// The windows that are only their frame so far; see plain_window.h.
#include "ui/win32/plain_window.h"

namespace tikora {

constexpr DWORD kFramedStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

const PlainWindowLayout kDailyPlannerWindow{L"TForm3", L"Daily Planner", kFramedStyle, 0, 560, 400};
const PlainWindowLayout kReminderPopupWindow{L"TForm4", L"", WS_POPUP, WS_EX_TOOLWINDOW, 360, 200};
const PlainWindowLayout kRssTickerWindow{L"TForm5", L"", WS_POPUP, WS_EX_TOOLWINDOW, 640, 40};
const PlainWindowLayout kRssPageViewWindow{L"TForm6", L"", WS_POPUP, WS_EX_TOOLWINDOW, 640, 480};
const PlainWindowLayout kTodaysDateWindow{L"TForm7", L"", WS_POPUP, WS_EX_TOOLWINDOW, 360, 300};

bool PlainWindow::create(HINSTANCE instance) {
  if (!registerClass(instance, {layout_.className, GetSysColorBrush(COLOR_BTNFACE), nullptr, 0}))
    return false;
  RECT frame{0, 0, layout_.clientWidth, layout_.clientHeight};
  AdjustWindowRectEx(&frame, layout_.style, FALSE, layout_.exStyle);
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const int left = work.left + (work.right - work.left - width) / 2;
  const int top = work.top + (work.bottom - work.top - height) / 2;
  return createWindow(instance, layout_.exStyle, layout_.className, layout_.caption, layout_.style, left, top,
                      width, height);
}

void PlainWindow::show() {
  if (!hwnd()) return;
  ShowWindow(hwnd(), SW_SHOW);
  SetForegroundWindow(hwnd());
}

void PlainWindow::showOnTop() {
  if (!hwnd()) return;
  SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
}

LRESULT PlainWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) {
    // Windows are made once and only hidden; the program's end destroys them.
    ShowWindow(hwnd(), SW_HIDE);
    return 0;
  }
  return defaultProcedure(message, wParam, lParam);
}

}  // namespace tikora
