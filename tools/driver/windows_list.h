// Top-level windows: listing with their attributes, finding one by caption, class or process,
// and waiting for one to appear or disappear.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "json.h"
#include "options.h"

namespace tikora::driver {

struct WindowFilter {
  bool hasCaption = false;
  std::wstring caption;  // exact match
  bool hasClass = false;
  std::wstring className;  // exact match, case-insensitive like the system's class lookup
  DWORD pid = 0;           // 0: any process
  bool visibleOnly = false;

  static WindowFilter fromOptions(const Options& options);
  bool matches(HWND hwnd) const;
};

std::wstring windowText(HWND hwnd);  // WM_GETTEXT with a time-out, for any process
// The caption the system keeps for a window, read without sending it a message, so a busy
// program does not slow down the search of top-level windows.
std::wstring captionOf(HWND hwnd);
std::wstring windowClass(HWND hwnd);
DWORD windowProcess(HWND hwnd);
Json rectJson(const RECT& rect);
Json windowJson(HWND hwnd);   // the full record of a top-level window
Json layeredJson(HWND hwnd);  // null when the window is not layered

std::vector<HWND> topLevelWindows(const WindowFilter& filter);
// Polls until a matching window exists; fails with a time-out error otherwise.
HWND waitForWindow(const WindowFilter& filter, DWORD timeoutMs);

// The window a command acts on: --hwnd H, or the first top-level window that matches
// --caption/--class/--pid (waiting up to --timeout for it).
HWND targetWindow(const Options& options, DWORD defaultTimeoutMs = 0);
HWND parseHwnd(const std::wstring& text);
int64_t hwndNumber(HWND hwnd);

Json commandWindows(const Options& options);
Json commandWaitWindow(const Options& options);
Json commandWaitGone(const Options& options);
Json commandScreen(const Options& options);

}  // namespace tikora::driver
