// Program entry: creates the clock window and runs the message loop.
// The clock window is the main window; closing it ends the program with exit code 0.
#include <windows.h>

namespace {

constexpr wchar_t kClockClass[] = L"TForm1";
constexpr wchar_t kClockCaption[] = L"Tikora";
constexpr int kClockSize = 240;
constexpr int kEdgeGap = 30;

HBITMAP g_face = nullptr;

LRESULT CALLBACK clockProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      RECT all{0, 0, kClockSize, kClockSize};
      FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
      if (g_face) {
        HDC mem = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(mem, g_face);
        BITMAP bm{};
        GetObjectW(g_face, sizeof bm, &bm);
        BitBlt(dc, 0, 0, bm.bmWidth, bm.bmHeight, mem, 0, 0, SRCCOPY);
        SelectObject(mem, old);
        DeleteDC(mem);
      }
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  g_face = static_cast<HBITMAP>(
      LoadImageW(instance, L"frame1", IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));

  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = clockProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hIcon = LoadIconW(instance, L"MAINICON");
  wc.lpszClassName = kClockClass;
  RegisterClassExW(&wc);

  const int left = GetSystemMetrics(SM_CXSCREEN) - kClockSize - kEdgeGap;
  HWND clock = CreateWindowExW(WS_EX_LAYERED | WS_EX_TOOLWINDOW, kClockClass, kClockCaption,
                               WS_POPUP, left, kEdgeGap, kClockSize, kClockSize, nullptr, nullptr,
                               instance, nullptr);
  // Pure white is see-through: the round face floats on the desktop.
  SetLayeredWindowAttributes(clock, RGB(255, 255, 255), 255, LWA_COLORKEY);
  ShowWindow(clock, SW_SHOWNORMAL);

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  if (g_face) DeleteObject(g_face);
  return 0;
}
