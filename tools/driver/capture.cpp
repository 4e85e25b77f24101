// Screen and window capture.
//
// "screen" copies from the screen DC, which under Wine reads back what the X server shows, so
// see-through parts of a layered window show whatever lies below it. "print" asks the window to
// paint itself into our bitmap (PrintWindow), which shows its own pixels without any desktop.
#include "capture.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "windows_list.h"

namespace tikora::driver {

namespace {

struct Picture {
  int left = 0, top = 0;  // screen position of the top-left pixel (for "print": the window's)
  int width = 0, height = 0;
  std::vector<uint8_t> bgr;  // top-down rows, 3 bytes a pixel, no padding

  COLORREF at(int x, int y) const {
    const uint8_t* p = &bgr[(static_cast<size_t>(y) * width + x) * 3];
    return RGB(p[2], p[1], p[0]);
  }
};

struct Area {
  HWND window = nullptr;  // null: the whole screen
  bool client = true;
  RECT rect{};  // in screen coordinates
};

class ScreenDc {
 public:
  ScreenDc() : dc_(GetDC(nullptr)) {}
  ~ScreenDc() { ReleaseDC(nullptr, dc_); }
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;
  operator HDC() const { return dc_; }

 private:
  HDC dc_;
};

// A 24-bit top-down DIB section selected into a memory DC.
class DibCanvas {
 public:
  DibCanvas(HDC reference, int width, int height) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    dc_ = CreateCompatibleDC(reference);
    bitmap_ = CreateDIBSection(reference, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
    if (!dc_ || !bitmap_) fail("cannot create a capture bitmap");
    old_ = SelectObject(dc_, bitmap_);
  }
  ~DibCanvas() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  DibCanvas(const DibCanvas&) = delete;
  DibCanvas& operator=(const DibCanvas&) = delete;

  HDC dc() const { return dc_; }
  // Copies the sub-rectangle (x, y, w, h) into `picture` (unpadded rows).
  void copyTo(Picture& picture, int x, int y, int w, int h) const {
    GdiFlush();
    size_t stride = (static_cast<size_t>(width_) * 3 + 3) & ~static_cast<size_t>(3);
    picture.width = w;
    picture.height = h;
    picture.bgr.resize(static_cast<size_t>(w) * h * 3);
    for (int row = 0; row < h; ++row) {
      const uint8_t* from = static_cast<const uint8_t*>(bits_) + (row + y) * stride + x * 3;
      std::copy(from, from + static_cast<size_t>(w) * 3, picture.bgr.begin() + static_cast<size_t>(row) * w * 3);
    }
  }

 private:
  int width_, height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  void* bits_ = nullptr;
};

Area areaOf(const Options& options) {
  Area area;
  std::wstring kind = options.text(L"area", L"");
  bool hasWindow = options.has(L"hwnd") || options.has(L"caption") || options.has(L"class") || options.has(L"pid");
  if (kind.empty()) kind = hasWindow ? L"client" : L"screen";
  if (kind == L"screen") {
    area.rect = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  } else if (kind == L"client" || kind == L"window") {
    area.window = targetWindow(options, 5000);
    area.client = kind == L"client";
    if (area.client) {
      RECT client{};
      GetClientRect(area.window, &client);
      POINT origin{0, 0};
      ClientToScreen(area.window, &origin);
      area.rect = {origin.x, origin.y, origin.x + client.right, origin.y + client.bottom};
    } else {
      GetWindowRect(area.window, &area.rect);
    }
  } else {
    failUsage("--area must be client, window or screen");
  }
  if (options.has(L"rect")) {
    // X,Y,W,H relative to the area's top-left corner.
    std::wstring text = options.text(L"rect");
    size_t comma = text.find(L',', text.find(L',') + 1);
    if (comma == std::wstring::npos) failUsage("--rect needs X,Y,W,H");
    POINT position = parsePoint(text.substr(0, comma));
    POINT size = parsePoint(text.substr(comma + 1));
    area.rect = {area.rect.left + position.x, area.rect.top + position.y, area.rect.left + position.x + size.x,
                 area.rect.top + position.y + size.y};
  }
  if (area.rect.right <= area.rect.left || area.rect.bottom <= area.rect.top) fail("the area to capture is empty");
  return area;
}

Picture grab(const Area& area, const std::wstring& method) {
  Picture picture;
  picture.left = area.rect.left;
  picture.top = area.rect.top;
  int width = area.rect.right - area.rect.left, height = area.rect.bottom - area.rect.top;
  ScreenDc screen;
  if (method == L"screen") {
    DibCanvas canvas(screen, width, height);
    if (!BitBlt(canvas.dc(), 0, 0, width, height, screen, area.rect.left, area.rect.top, SRCCOPY | CAPTUREBLT)) {
      fail("cannot copy from the screen");
    }
    canvas.copyTo(picture, 0, 0, width, height);
  } else if (method == L"print") {
    if (!area.window) failUsage("--method print needs a window");
    RECT whole{};
    if (area.client) {
      GetClientRect(area.window, &whole);
      POINT origin{0, 0};
      ClientToScreen(area.window, &origin);
      OffsetRect(&whole, origin.x, origin.y);
    } else {
      GetWindowRect(area.window, &whole);
    }
    int fullWidth = whole.right - whole.left, fullHeight = whole.bottom - whole.top;
    DibCanvas canvas(screen, fullWidth, fullHeight);
    if (!PrintWindow(area.window, canvas.dc(), area.client ? PW_CLIENTONLY : 0)) fail("PrintWindow failed");
    int x = area.rect.left - whole.left, y = area.rect.top - whole.top;
    if (x < 0 || y < 0 || x + width > fullWidth || y + height > fullHeight) fail("--rect lies outside the window");
    canvas.copyTo(picture, x, y, width, height);
  } else {
    failUsage("--method must be screen or print");
  }
  return picture;
}

void writeBmp(const std::wstring& path, const Picture& picture) {
  size_t stride = (static_cast<size_t>(picture.width) * 3 + 3) & ~static_cast<size_t>(3);
  size_t imageSize = stride * picture.height;
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = static_cast<DWORD>(file.bfOffBits + imageSize);
  info.biSize = sizeof info;
  info.biWidth = picture.width;
  info.biHeight = picture.height;  // bottom-up, the form every reader accepts
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  info.biSizeImage = static_cast<DWORD>(imageSize);
  std::vector<uint8_t> data;
  data.reserve(file.bfSize);
  auto append = [&](const void* p, size_t n) {
    data.insert(data.end(), static_cast<const uint8_t*>(p), static_cast<const uint8_t*>(p) + n);
  };
  append(&file, sizeof file);
  append(&info, sizeof info);
  std::vector<uint8_t> row(stride, 0);
  for (int y = picture.height - 1; y >= 0; --y) {
    std::copy_n(picture.bgr.begin() + static_cast<size_t>(y) * picture.width * 3, picture.width * 3, row.begin());
    append(row.data(), row.size());
  }
  HANDLE handle =
      CreateFileW(hostPath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) fail("cannot create " + narrow(path));
  DWORD written = 0;
  BOOL ok = WriteFile(handle, data.data(), static_cast<DWORD>(data.size()), &written, nullptr);
  CloseHandle(handle);
  if (!ok || written != data.size()) fail("cannot write " + narrow(path));
}

Json colourJson(int x, int y, COLORREF colour) {
  char hex[8];
  std::snprintf(hex, sizeof hex, "#%02X%02X%02X", GetRValue(colour), GetGValue(colour), GetBValue(colour));
  return Json::object()
      .set("x", x)
      .set("y", y)
      .set("rgb", hex)
      .set("r", static_cast<unsigned>(GetRValue(colour)))
      .set("g", static_cast<unsigned>(GetGValue(colour)))
      .set("b", static_cast<unsigned>(GetBValue(colour)))
      .set("colorref", static_cast<unsigned>(colour));
}

}  // namespace

std::wstring hostPath(const std::wstring& path) {
  if (path.empty() || path[0] != L'/') return path;
  // Wine's own mapping of a Unix path, when we run under Wine; else the usual Z: drive.
  using ToDos = WCHAR*(CDECL*)(const char*);
  auto toDos = reinterpret_cast<ToDos>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_dos_file_name")));
  if (toDos) {
    if (WCHAR* dos = toDos(toUtf8(path).c_str())) {
      std::wstring out = dos;
      HeapFree(GetProcessHeap(), 0, dos);
      return out;
    }
  }
  std::wstring out = L"Z:" + path;
  for (auto& c : out)
    if (c == L'/') c = L'\\';
  return out;
}

Json commandCapture(const Options& options) {
  std::wstring out = options.required(L"out");
  std::wstring method = options.text(L"method", L"screen");
  Area area = areaOf(options);
  Picture picture = grab(area, method);
  writeBmp(out, picture);
  return Json::object()
      .set("file", out)
      .set("method", method)
      .set("left", picture.left)
      .set("top", picture.top)
      .set("width", picture.width)
      .set("height", picture.height);
}

Json commandPixel(const Options& options) {
  std::vector<std::wstring> points = options.all(L"at");
  if (points.empty()) failUsage("name the pixels with --at X,Y (repeatable)");
  Area area = areaOf(options);
  Picture picture = grab(area, options.text(L"method", L"screen"));
  Json list = Json::array();
  for (const auto& text : points) {
    POINT p = parsePoint(text);
    if (p.x < 0 || p.y < 0 || p.x >= picture.width || p.y >= picture.height) {
      fail("pixel " + narrow(text) + " lies outside the " + std::to_string(picture.width) + " x " +
           std::to_string(picture.height) + " area");
    }
    list.push(colourJson(p.x, p.y, picture.at(p.x, p.y)));
  }
  return list;
}

}  // namespace tikora::driver
