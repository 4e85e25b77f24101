// The system's WebBrowser control hosted in a child window through OLE: a small container (the
// client site, the in-place site and frame, and the sink of DWebBrowserEvents2) that activates
// the control in place, sizes it with its window, navigates it, and hands its events on.
//
// The events reach the program after the control's own call has returned (a posted message), so
// that nothing the program does for an event runs inside the control's call or inside the
// view's sync that started a navigation. What must be answered at once is decided when the host
// is made: whether a failed navigation's error page is cancelled, and whether a new window is
// the program's to open.
//
// Where the control cannot be made or activated (no browser engine on the system), the host is
// an empty child window of the parent's colour: the window around it works as ever, and
// navigate() does nothing.
#pragma once
#include <windows.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/win32/window_base.h"

namespace tikora {

class BrowserSite;

struct WebBrowserCallbacks {
  std::function<void()> documentComplete;
  std::function<void()> navigateError;
  std::function<void(const std::wstring& address)> newWindow;
  bool cancelErrors = false;     // a failed navigation shows no error page
  bool opensNewWindows = false;  // new windows are the program's: the control opens none
};

class WebBrowserHost : public WindowBase<WebBrowserHost> {
 public:
  WebBrowserHost(HINSTANCE instance, WebBrowserCallbacks callbacks);
  ~WebBrowserHost();

  // The host window as a child of `parent` at `bounds` (client pixels); the control in it is
  // made by the first navigate(). False only when the host window itself could not be made.
  bool create(HWND parent, const RECT& bounds);
  // Whether the control is there, active in place.
  bool hasBrowser() const;
  // Sends the control to `address`, afresh even if it shows it already, making the control
  // first if this is the first page. False without a control or when the control refuses.
  bool navigate(const std::wstring& address);
  // Sets "property=value" settings on the style of the loaded page's body; settings the page's
  // engine does not know are passed over.
  void setBodyStyle(const std::vector<std::wstring>& settings);

  // Hands a key message meant for a window inside a host's control to that control, so that
  // its keys (arrows, Page Down, Tab between links, Ctrl+C) work. True when the control used it.
  static bool translateAccelerator(MSG& message);

  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  friend class BrowserSite;
  enum class Pending { DocumentComplete, NavigateError, NewWindow };
  struct PendingEvent {
    Pending kind;
    std::wstring address;
  };
  void post(Pending kind, std::wstring address = {});
  void deliver();
  void openControl();
  void resizeControl();
  void closeControl();

  HINSTANCE instance_;
  WebBrowserCallbacks callbacks_;
  BrowserSite* site_ = nullptr;  // holds a reference; released by closeControl
  bool triedControl_ = false;    // the control is made once at most
  std::deque<PendingEvent> pending_;
};

}  // namespace tikora
