// The clock's notification-area icon: added with the program icon and at once switched to the
// clock's own picture, modified when the clock is hidden or shown, deleted with the window. When
// the shell restarts (its task bar made anew), the icon is added again as it stood.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include <string_view>

#include "clock/clock_window_model.h"
#include "ui/win32/user_handles.h"

namespace tikora {

class TrayIcon {
 public:
  TrayIcon() = default;
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;
  ~TrayIcon() { remove(); }

  // Add with `icon` (the shell keeps its own copy). The results of the shell calls are not
  // examined: without a notification area the clock works all the same.
  void add(HWND owner, const TrayIconRecord& record, HICON icon);
  void modify(HICON icon);
  // A new tip; the shell is told only when it differs from the one it shows.
  void setTip(std::wstring_view tip);
  // The shell has restarted and forgotten the icon: added again with the picture it showed.
  void addAgain();
  void remove();

 private:
  // The tip into the record; false when it held it already.
  bool copyTip(std::wstring_view tip);
  void addToShell();

  NOTIFYICONDATAW data_{};
  bool added_ = false;
};

}  // namespace tikora
