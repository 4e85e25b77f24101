// The Windows shell: special folders, task bar state, screen geometry, program path, and
// opening addresses in the default browser.
#pragma once
#include "platform/shell.h"

namespace tikora {

class Win32Shell : public Shell {
 public:
  Result<std::wstring> appDataFolder() const override;
  Result<std::wstring> internetCacheFolder() const override;
  bool taskbarAutoHides() const override;
  ScreenSize screenSize() const override;
  Rect workArea() const override;
  std::wstring programPath() const override;
  // ShellExecuteEx may hand the address to a shell extension, which wants COM initialised on the
  // calling thread (the GUI thread initialises it for the embedded browser anyway).
  Status openAddress(const std::wstring& address) override;
};

}  // namespace tikora
