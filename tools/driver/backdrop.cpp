// The backdrop window and its thread.
#include "backdrop.h"

#include <windows.h>

#include "windows_list.h"

namespace tikora::driver {

namespace {

constexpr wchar_t kClass[] = L"TikodrvBackdrop";
constexpr wchar_t kCaption[] = L"tikodrv backdrop";

bool g_serving = false;
HWND g_window = nullptr;
HANDLE g_thread = nullptr;
COLORREF g_colour = RGB(0x2F, 0x5F, 0x8F);

LRESULT CALLBACK backdropProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(hwnd, &paint);
      HBRUSH brush = CreateSolidBrush(g_colour);
      FillRect(dc, &paint.rcPaint, brush);
      DeleteObject(brush);
      EndPaint(hwnd, &paint);
      return 0;
    }
    case WM_ERASEBKGND: return 1;
    case WM_WINDOWPOSCHANGING:
      // Stay below every other window whatever brings this one forward.
      reinterpret_cast<WINDOWPOS*>(lParam)->hwndInsertAfter = HWND_BOTTOM;
      return 0;
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_DESTROY: PostQuitMessage(0); return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

DWORD WINAPI backdropThread(LPVOID ready) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = backdropProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kClass;
  RegisterClassW(&windowClass);
  HWND hwnd = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kClass, kCaption, WS_POPUP, 0, 0,
                              GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr,
                              windowClass.hInstance, nullptr);
  g_window = hwnd;
  if (hwnd) {
    ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    SetWindowPos(hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    UpdateWindow(hwnd);
  }
  SetEvent(static_cast<HANDLE>(ready));
  MSG message;
  while (hwnd && GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}

void stopBackdrop() {
  if (!g_thread) return;
  if (g_window) PostMessageW(g_window, WM_CLOSE, 0, 0);
  WaitForSingleObject(g_thread, 5000);
  CloseHandle(g_thread);
  g_thread = nullptr;
  g_window = nullptr;
}

}  // namespace

void setServing(bool serving) { g_serving = serving; }

Json commandBackdrop(const Options& options) {
  if (options.flag(L"off")) {
    stopBackdrop();
    return Json::object().set("backdrop", nullptr);
  }
  if (!g_serving) failUsage("backdrop needs the driver's serve mode: the window lives in its process");
  // --color is 0xRRGGBB, the order people write colours in.
  int64_t rgb = options.number(L"color", 0x2F5F8F);
  g_colour = RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
  if (!g_thread) {
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    g_thread = CreateThread(nullptr, 0, backdropThread, ready, 0, nullptr);
    WaitForSingleObject(ready, 5000);
    CloseHandle(ready);
    if (!g_window) {
      stopBackdrop();
      fail("cannot create the backdrop window");
    }
  } else {
    InvalidateRect(g_window, nullptr, TRUE);
    UpdateWindow(g_window);
  }
  RedrawWindow(g_window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  return Json::object().set("backdrop", hwndNumber(g_window)).set("color", static_cast<long long>(rgb));
}

}  // namespace tikora::driver
