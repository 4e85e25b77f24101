// What the program asks of the Windows shell: the special folders it writes its probe and page
// files in, the task bar and screen geometry, the program's own path, and opening a web address
// in the user's browser.
#pragma once
#include <string>

#include "core/geometry.h"
#include "platform/result.h"

namespace tikora {

struct ScreenSize {
  int width = 0;
  int height = 0;

  friend bool operator==(const ScreenSize&, const ScreenSize&) = default;
};

class Shell {
 public:
  virtual ~Shell() = default;

  // The current user's roaming application-data folder, without a trailing backslash
  // ("C:\Users\Ann\AppData\Roaming"). An error when the shell cannot name it.
  virtual Result<std::wstring> appDataFolder() const = 0;
  // The current user's temporary internet files folder, without a trailing backslash. Asked
  // afresh each time, as the user may move it.
  virtual Result<std::wstring> internetCacheFolder() const = 0;

  // Whether the task bar is set to hide itself automatically.
  virtual bool taskbarAutoHides() const = 0;
  // The primary screen in pixels.
  virtual ScreenSize screenSize() const = 0;
  // The part of the primary screen that the task bar and other docked bars leave free.
  virtual Rect workArea() const = 0;

  // The full path of the running program file ("C:\Programs\Tikora\Tikora.exe"), unquoted.
  virtual std::wstring programPath() const = 0;

  // Opens `address` (a web address or a file URL) with the user's default browser. Returns at
  // once; an error when no program could be started for it.
  virtual Status openAddress(const std::wstring& address) = 0;
};

}  // namespace tikora
