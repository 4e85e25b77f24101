// The floor that the clock's cost at rest is measured against (scripts/bench-rest): a borderless
// 240 x 240 layered window whose pure white pixels are see-through, repainted once a second from
// a bitmap in which a second hand moves. Any clock of this kind pays at least this much; it is a
// measuring tool, not part of the program.
#include <windows.h>

#include <cmath>

namespace {

constexpr int kSize = 240;
HBITMAP picture = nullptr;
void* bits = nullptr;

// A dark disk on white with a hand for the second.
void paint(int second) {
  auto* pixels = static_cast<unsigned char*>(bits);
  const double angle = second * 6.0 * 3.14159265358979 / 180.0;
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      unsigned char* p = pixels + (y * kSize + x) * 4;
      const double dx = x - 119.5, dy = y - 119.5;
      const bool inside = dx * dx + dy * dy < 110.0 * 110.0;
      // Distance from the hand's segment, from the centre towards the second.
      const double along = dx * std::sin(angle) - dy * std::cos(angle);
      const double across = dx * std::cos(angle) + dy * std::sin(angle);
      const bool hand = along > 0 && along < 100 && std::fabs(across) < 1.5;
      const unsigned char value = inside ? (hand ? 220 : 30) : 255;
      p[0] = p[1] = p[2] = value;
      p[3] = 0;
    }
  }
}

LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER: {
      SYSTEMTIME now;
      GetLocalTime(&now);
      paint(now.wSecond);
      InvalidateRect(hwnd, nullptr, FALSE);
      return 0;
    }
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      HDC memory = CreateCompatibleDC(dc);
      HGDIOBJ old = SelectObject(memory, picture);
      BitBlt(dc, 0, 0, kSize, kSize, memory, 0, 0, SRCCOPY);
      SelectObject(memory, old);
      DeleteDC(memory);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_ERASEBKGND: return 1;
    case WM_DESTROY: PostQuitMessage(0); return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = &procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = L"TikoraFloor";
  RegisterClassW(&windowClass);
  HWND hwnd = CreateWindowExW(WS_EX_LAYERED | WS_EX_TOOLWINDOW, L"TikoraFloor", L"Tikora Floor", WS_POPUP, 100, 100,
                              kSize, kSize, nullptr, nullptr, instance, nullptr);
  if (!hwnd) return 1;
  SetLayeredWindowAttributes(hwnd, RGB(255, 255, 255), 255, LWA_COLORKEY);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = kSize;
  info.bmiHeader.biHeight = -kSize;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  picture = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  paint(0);
  SetTimer(hwnd, 1, 1000, nullptr);
  ShowWindow(hwnd, SW_SHOWNORMAL);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
