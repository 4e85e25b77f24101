// Listing, finding and waiting for top-level windows.
#include "windows_list.h"

#include <cwctype>

namespace tikora::driver {

namespace {

constexpr UINT kTextTimeoutMs = 2000;

bool equalNoCase(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

BOOL CALLBACK collectTopLevel(HWND hwnd, LPARAM param) {
  reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
  return TRUE;
}

}  // namespace

WindowFilter WindowFilter::fromOptions(const Options& options) {
  WindowFilter filter;
  filter.hasCaption = options.has(L"caption");
  filter.caption = options.text(L"caption");
  filter.hasClass = options.has(L"class");
  filter.className = options.text(L"class");
  filter.pid = static_cast<DWORD>(options.number(L"pid", 0));
  filter.visibleOnly = options.flag(L"visible");
  return filter;
}

bool WindowFilter::matches(HWND hwnd) const {
  if (pid != 0 && windowProcess(hwnd) != pid) return false;
  if (visibleOnly && !IsWindowVisible(hwnd)) return false;
  if (hasClass && !equalNoCase(windowClass(hwnd), className)) return false;
  if (hasCaption && captionOf(hwnd) != caption) return false;
  return true;
}

std::wstring windowText(HWND hwnd) {
  // WM_GETTEXT is marshalled across processes and answers with the control's live text (an
  // edit control keeps its own buffer); the time-out keeps a hung target from hanging us.
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kTextTimeoutMs, &length)) {
    wchar_t buffer[512];
    int n = GetWindowTextW(hwnd, buffer, 512);
    return std::wstring(buffer, n > 0 ? static_cast<size_t>(n) : 0);
  }
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(hwnd, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                           kTextTimeoutMs, &copied)) {
    return {};
  }
  text.resize(copied);
  return text;
}

std::wstring captionOf(HWND hwnd) {
  wchar_t buffer[1024];
  int n = InternalGetWindowText(hwnd, buffer, 1024);
  return std::wstring(buffer, n > 0 ? static_cast<size_t>(n) : 0);
}

std::wstring windowClass(HWND hwnd) {
  wchar_t buffer[256];
  int n = GetClassNameW(hwnd, buffer, 256);
  return std::wstring(buffer, n > 0 ? static_cast<size_t>(n) : 0);
}

DWORD windowProcess(HWND hwnd) {
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  return pid;
}

Json rectJson(const RECT& rect) {
  return Json::object()
      .set("left", rect.left)
      .set("top", rect.top)
      .set("right", rect.right)
      .set("bottom", rect.bottom)
      .set("width", rect.right - rect.left)
      .set("height", rect.bottom - rect.top);
}

Json layeredJson(HWND hwnd) {
  LONG_PTR exStyle = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
  if (!(exStyle & WS_EX_LAYERED)) return nullptr;
  COLORREF key = 0;
  BYTE alpha = 0;
  DWORD flags = 0;
  if (!GetLayeredWindowAttributes(hwnd, &key, &alpha, &flags)) {
    // Layered through UpdateLayeredWindow: the attributes are not readable.
    return Json::object().set("attributes", false);
  }
  return Json::object()
      .set("attributes", true)
      .set("color_key", static_cast<unsigned>(key))
      .set("alpha", static_cast<unsigned>(alpha))
      .set("flags", static_cast<unsigned>(flags))
      .set("uses_color_key", (flags & LWA_COLORKEY) != 0)
      .set("uses_alpha", (flags & LWA_ALPHA) != 0);
}

Json windowJson(HWND hwnd) {
  RECT rect{}, client{};
  GetWindowRect(hwnd, &rect);
  GetClientRect(hwnd, &client);
  POINT origin{0, 0};
  ClientToScreen(hwnd, &origin);
  DWORD pid = 0;
  DWORD tid = GetWindowThreadProcessId(hwnd, &pid);
  LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
  LONG_PTR exStyle = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
  return Json::object()
      .set("hwnd", hwndNumber(hwnd))
      .set("caption", captionOf(hwnd))
      .set("class", windowClass(hwnd))
      .set("rect", rectJson(rect))
      .set("client", Json::object()
                         .set("left", origin.x)
                         .set("top", origin.y)
                         .set("width", client.right)
                         .set("height", client.bottom))
      .set("style", static_cast<unsigned long long>(static_cast<uint32_t>(style)))
      .set("ex_style", static_cast<unsigned long long>(static_cast<uint32_t>(exStyle)))
      .set("layered", layeredJson(hwnd))
      .set("topmost", (exStyle & WS_EX_TOPMOST) != 0)
      .set("visible", IsWindowVisible(hwnd) != FALSE)
      .set("enabled", IsWindowEnabled(hwnd) != FALSE)
      .set("minimized", IsIconic(hwnd) != FALSE)
      .set("owner", hwndNumber(GetWindow(hwnd, GW_OWNER)))
      .set("pid", static_cast<unsigned>(pid))
      .set("tid", static_cast<unsigned>(tid));
}

std::vector<HWND> topLevelWindows(const WindowFilter& filter) {
  std::vector<HWND> all;
  EnumWindows(collectTopLevel, reinterpret_cast<LPARAM>(&all));
  std::vector<HWND> out;
  for (HWND hwnd : all) {
    if (filter.matches(hwnd)) out.push_back(hwnd);
  }
  return out;
}

HWND waitForWindow(const WindowFilter& filter, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  for (;;) {
    auto found = topLevelWindows(filter);
    if (!found.empty()) return found.front();
    if (GetTickCount() - start >= timeoutMs) break;
    Sleep(50);
  }
  std::string what;
  if (filter.hasCaption) what += " caption \"" + narrow(filter.caption) + "\"";
  if (filter.hasClass) what += " class \"" + narrow(filter.className) + "\"";
  if (filter.pid) what += " pid " + std::to_string(filter.pid);
  failTimeout("no window with" + (what.empty() ? std::string(" any attributes") : what) + " within " +
              std::to_string(timeoutMs) + " ms");
}

HWND parseHwnd(const std::wstring& text) {
  return reinterpret_cast<HWND>(static_cast<intptr_t>(parseNumber(text, L"hwnd")));
}

int64_t hwndNumber(HWND hwnd) { return static_cast<int64_t>(reinterpret_cast<intptr_t>(hwnd)); }

HWND targetWindow(const Options& options, DWORD defaultTimeoutMs) {
  if (options.has(L"hwnd")) {
    HWND hwnd = parseHwnd(options.text(L"hwnd"));
    if (!IsWindow(hwnd)) fail("no window with handle " + narrow(options.text(L"hwnd")));
    return hwnd;
  }
  if (!options.has(L"caption") && !options.has(L"class") && !options.has(L"pid")) {
    failUsage("name the window with --hwnd, --caption, --class or --pid");
  }
  return waitForWindow(WindowFilter::fromOptions(options), options.timeoutMs(defaultTimeoutMs));
}

Json commandWindows(const Options& options) {
  Json list = Json::array();
  for (HWND hwnd : topLevelWindows(WindowFilter::fromOptions(options))) list.push(windowJson(hwnd));
  return list;
}

Json commandWaitWindow(const Options& options) {
  return windowJson(waitForWindow(WindowFilter::fromOptions(options), options.timeoutMs(10000)));
}

Json commandWaitGone(const Options& options) {
  DWORD timeout = options.timeoutMs(10000);
  DWORD start = GetTickCount();
  if (options.has(L"hwnd")) {
    HWND hwnd = parseHwnd(options.text(L"hwnd"));
    while (IsWindow(hwnd)) {
      if (GetTickCount() - start >= timeout) failTimeout("window still exists");
      Sleep(50);
    }
  } else {
    WindowFilter filter = WindowFilter::fromOptions(options);
    while (!topLevelWindows(filter).empty()) {
      if (GetTickCount() - start >= timeout) failTimeout("a matching window still exists");
      Sleep(50);
    }
  }
  return Json::object().set("gone", true).set("waited_ms", static_cast<unsigned>(GetTickCount() - start));
}

Json commandScreen(const Options&) {
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  RECT virtualScreen{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN), 0, 0};
  virtualScreen.right = virtualScreen.left + GetSystemMetrics(SM_CXVIRTUALSCREEN);
  virtualScreen.bottom = virtualScreen.top + GetSystemMetrics(SM_CYVIRTUALSCREEN);
  POINT cursor{};
  GetCursorPos(&cursor);
  HWND foreground = GetForegroundWindow();
  // The control with the keyboard's focus, in the foreground window's thread.
  GUITHREADINFO thread{};
  thread.cbSize = sizeof thread;
  HWND focus = nullptr;
  if (foreground && GetGUIThreadInfo(GetWindowThreadProcessId(foreground, nullptr), &thread)) focus = thread.hwndFocus;
  return Json::object()
      .set("width", GetSystemMetrics(SM_CXSCREEN))
      .set("height", GetSystemMetrics(SM_CYSCREEN))
      .set("work_area", rectJson(work))
      .set("virtual", rectJson(virtualScreen))
      .set("cursor", Json::object().set("x", cursor.x).set("y", cursor.y))
      .set("foreground", hwndNumber(foreground))
      .set("focus", hwndNumber(focus));
}

}  // namespace tikora::driver
